// Decode throughput of WavReader for each WAV format beside FFmpeg (libavformat and
// libavcodec decoding the same file, converted to planar 16-bit where the decoder gives
// something else), on 60-second files that FFmpeg's encoders write into a temporary folder.
//
// Usage: bench_wav_decode [seconds]   (default 60)

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/opt.h>
#include <libswresample/swresample.h>
}

#include "audio/WavReader.h"

namespace {

using Clock = std::chrono::steady_clock;

struct FormatCloser {
    void operator()(AVFormatContext* c) const { avformat_close_input(&c); }
};
struct CodecFree {
    void operator()(AVCodecContext* c) const { avcodec_free_context(&c); }
};
struct PacketFree {
    void operator()(AVPacket* p) const { av_packet_free(&p); }
};
struct FrameFree {
    void operator()(AVFrame* f) const { av_frame_free(&f); }
};
struct SwrFree {
    void operator()(SwrContext* s) const { swr_free(&s); }
};

struct Result {
    long long frames = 0;
    double seconds = 0;
};

Result DecodeWithWavReader(const std::string& path) {
    Result r;
    const auto start = Clock::now();
    tonvexa::WavReader reader;
    if (!reader.Open(path) || !reader.PrepareDecoding()) return r;
    std::int16_t left[tonvexa::WavReader::kMaxBlockFrames];
    std::int16_t right[tonvexa::WavReader::kMaxBlockFrames];
    for (;;) {
        int frames = 0;
        bool end = false;
        if (!reader.Read(left, right, frames, end)) break;
        r.frames += frames;
        if (frames == 0 || end) break;
    }
    r.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    return r;
}

Result DecodeWithFfmpeg(const std::string& path) {
    Result r;
    const auto start = Clock::now();
    AVFormatContext* raw = nullptr;
    if (avformat_open_input(&raw, path.c_str(), nullptr, nullptr) < 0) return r;
    std::unique_ptr<AVFormatContext, FormatCloser> format(raw);
    if (avformat_find_stream_info(format.get(), nullptr) < 0) return r;
    const AVCodec* codec = nullptr;
    const int index = av_find_best_stream(format.get(), AVMEDIA_TYPE_AUDIO, -1, -1, &codec, 0);
    if (index < 0) return r;
    std::unique_ptr<AVCodecContext, CodecFree> ctx(avcodec_alloc_context3(codec));
    avcodec_parameters_to_context(ctx.get(), format->streams[index]->codecpar);
    if (avcodec_open2(ctx.get(), codec, nullptr) < 0) return r;

    // Decoders that give 16-bit (or 8-bit for 8-bit files) are taken as they are; others
    // are converted to planar 16-bit as our reader delivers.
    const AVSampleFormat native = ctx->sample_fmt;
    const bool convert = native != AV_SAMPLE_FMT_S16 && native != AV_SAMPLE_FMT_S16P &&
                         native != AV_SAMPLE_FMT_U8 && native != AV_SAMPLE_FMT_U8P;
    std::unique_ptr<SwrContext, SwrFree> swr;
    if (convert) {
        SwrContext* s = nullptr;
        swr_alloc_set_opts2(&s, &ctx->ch_layout, AV_SAMPLE_FMT_S16P, ctx->sample_rate,
                            &ctx->ch_layout, native, ctx->sample_rate, 0, nullptr);
        swr.reset(s);
        if (!swr || swr_init(swr.get()) < 0) return r;
    }
    std::vector<std::vector<std::int16_t>> planes(8, std::vector<std::int16_t>(1 << 16));
    std::vector<std::uint8_t*> planePointers;
    for (auto& p : planes) planePointers.push_back(reinterpret_cast<std::uint8_t*>(p.data()));

    std::unique_ptr<AVPacket, PacketFree> packet(av_packet_alloc());
    std::unique_ptr<AVFrame, FrameFree> frame(av_frame_alloc());
    auto drain = [&] {
        while (avcodec_receive_frame(ctx.get(), frame.get()) == 0) {
            if (convert)
                swr_convert(swr.get(), planePointers.data(), 1 << 16,
                            const_cast<const std::uint8_t**>(frame->extended_data),
                            frame->nb_samples);
            r.frames += frame->nb_samples;
        }
    };
    while (av_read_frame(format.get(), packet.get()) >= 0) {
        if (packet->stream_index == index && avcodec_send_packet(ctx.get(), packet.get()) >= 0)
            drain();
        av_packet_unref(packet.get());
    }
    avcodec_send_packet(ctx.get(), nullptr);
    drain();
    r.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    return r;
}

// The best of several runs of each, alternating between the two so that a change in the
// machine's load touches both alike.
std::pair<Result, Result> BestOfAlternating(const std::string& path, int runs) {
    Result ours, theirs;
    for (int i = 0; i < runs; ++i) {
        const Result a = DecodeWithWavReader(path);
        if (i == 0 || a.seconds < ours.seconds) ours = a;
        const Result b = DecodeWithFfmpeg(path);
        if (i == 0 || b.seconds < theirs.seconds) theirs = b;
    }
    return {ours, theirs};
}

struct Case {
    const char* name;
    const char* args;
    int rate;
};

}  // namespace

int main(int argc, char** argv) {
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
    av_log_set_level(AV_LOG_ERROR);
    char pattern[] = "/tmp/tonvexa-bench-XXXXXX";
    if (!mkdtemp(pattern)) return 1;
    const std::filesystem::path dir(pattern);

    const Case cases[] = {
        {"PCM 8-bit stereo", "-ac 2 -c:a pcm_u8", 44100},
        {"PCM 16-bit mono", "-ac 1 -c:a pcm_s16le", 44100},
        {"PCM 16-bit stereo", "-ac 2 -c:a pcm_s16le", 44100},
        {"PCM 24-bit stereo", "-ac 2 -c:a pcm_s24le", 44100},
        {"PCM 32-bit stereo", "-ac 2 -c:a pcm_s32le", 44100},
        {"float 32 stereo", "-ac 2 -c:a pcm_f32le", 44100},
        {"float 64 stereo", "-ac 2 -c:a pcm_f64le", 44100},
        {"A-law stereo", "-ac 2 -c:a pcm_alaw", 44100},
        {"mu-law stereo", "-ac 2 -c:a pcm_mulaw", 44100},
        {"IMA ADPCM stereo", "-ac 2 -c:a adpcm_ima_wav", 44100},
        {"MS ADPCM stereo", "-ac 2 -c:a adpcm_ms", 44100},
        {"GSM 6.10 mono", "-ac 1 -c:a gsm_ms", 8000},
        {"MP3 in WAV stereo", "-ac 2 -c:a libmp3lame -b:a 128k", 44100},
    };

    std::printf("%-20s %14s %9s %14s %9s %7s\n", "format", "ours frames/s", "x real",
                "FFmpeg frames/s", "x real", "ratio");
    int status = 0;
    for (const Case& c : cases) {
        const std::string path = (dir / "input.wav").string();
        const std::string command =
            "ffmpeg -nostdin -v error -y -f lavfi -i "
            "\"aevalsrc=0.6*sin(2*PI*440*t)+0.3*(random(0)-0.5)|"
            "0.5*sin(2*PI*1000*t)+0.3*(random(1)-0.5):s=" +
            std::to_string(c.rate) + ":d=" + std::to_string(seconds) + "\" " + c.args + " " + path;
        if (std::system(command.c_str()) != 0) {
            std::fprintf(stderr, "ffmpeg failed for %s\n", c.name);
            status = 1;
            continue;
        }
        // One untimed pass each to bring the file into the page cache.
        DecodeWithWavReader(path);
        DecodeWithFfmpeg(path);
        const auto [ours, theirs] = BestOfAlternating(path, 9);
        const double ourRate = ours.frames / ours.seconds;
        const double theirRate = theirs.frames / theirs.seconds;
        std::printf("%-20s %14.0f %9.0f %14.0f %9.0f %7.2f\n", c.name, ourRate, ourRate / c.rate,
                    theirRate, theirRate / c.rate, ourRate / theirRate);
        if (ours.frames == 0 || theirs.frames == 0) status = 1;
    }
    std::filesystem::remove_all(dir);
    return status;
}
