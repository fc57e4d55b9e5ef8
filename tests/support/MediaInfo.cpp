#include "support/MediaInfo.h"

#include "support/TestSupport.h"

extern "C" {
#include <libavformat/avformat.h>
}

namespace tonvexa::test {

std::optional<MediaInfo> probeMedia(const std::string& path) {
    AVFormatContext* ctx = nullptr;
    if (avformat_open_input(&ctx, path.c_str(), nullptr, nullptr) < 0) return std::nullopt;
    std::optional<MediaInfo> result;
    if (avformat_find_stream_info(ctx, nullptr) >= 0) {
        const int index = av_find_best_stream(ctx, AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
        if (index >= 0) {
            const AVStream* st = ctx->streams[index];
            MediaInfo m;
            m.container = ctx->iformat->name;
            m.codec = avcodec_get_name(st->codecpar->codec_id);
            m.sampleRate = st->codecpar->sample_rate;
            m.channels = st->codecpar->ch_layout.nb_channels;
            m.bitRate = st->codecpar->bit_rate ? st->codecpar->bit_rate : ctx->bit_rate;
            if (ctx->duration != AV_NOPTS_VALUE)
                m.durationSeconds = static_cast<double>(ctx->duration) / AV_TIME_BASE;
            const AVDictionaryEntry* e = nullptr;
            while ((e = av_dict_get(ctx->metadata, "", e, AV_DICT_IGNORE_SUFFIX)))
                m.tags[e->key] = e->value;
            for (unsigned i = 0; i < ctx->nb_streams; ++i) {
                const AVStream* s = ctx->streams[i];
                if (!(s->disposition & AV_DISPOSITION_ATTACHED_PIC)) continue;
                const AVDictionaryEntry* comment = av_dict_get(s->metadata, "comment", nullptr, 0);
                m.pictures.push_back({std::vector<std::uint8_t>(s->attached_pic.data,
                                                                s->attached_pic.data +
                                                                    s->attached_pic.size),
                                      comment ? comment->value : ""});
            }
            result = m;
        }
    }
    avformat_close_input(&ctx);
    return result;
}

bool makeTone(const std::string& path, int rate, int channels, double seconds,
              const std::vector<std::string>& outputArgs) {
    const std::string exprs = channels == 1 ? "0.5*sin(2*PI*440*t)"
                                            : "0.5*sin(2*PI*440*t)|0.3*sin(2*PI*660*t)";
    std::vector<std::string> args{"-f", "lavfi", "-i",
                                  "aevalsrc=exprs=" + exprs + ":s=" + std::to_string(rate) +
                                      ":d=" + std::to_string(seconds)};
    args.insert(args.end(), outputArgs.begin(), outputArgs.end());
    args.push_back(path);
    return ffmpeg(args);
}

}  // namespace tonvexa::test
