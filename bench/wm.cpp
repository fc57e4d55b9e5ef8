// Windows Media throughput: decoding through WmaReader against FFmpeg decoding the same file
// directly, and encoding through WmaWriter against FFmpeg encoding the same PCM directly.
// The layer should add copying, not work: each ratio should be within 5 % of 1.
//
// Usage: bench_wm [seconds of audio, default 60] [repetitions, default 5]

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "wm/FfmpegOwners.h"
#include "wm/FfmpegWmRuntime.h"
#include "wm/WmaFormatList.h"
#include "wm/WmaReader.h"
#include "wm/WmaWriter.h"

extern "C" {
#include <libavutil/opt.h>
}

using namespace tonvexa;

namespace {

constexpr int kRate = 44100;
constexpr int kChannels = 2;
constexpr int kBitRate = 128000;

// Best times of two pieces of work, run alternately so that a busy machine slows both alike.
struct Pair {
    double layer = 1e30;
    double direct = 1e30;
};

Pair BestOf(const std::function<bool()>& layer, const std::function<bool()>& direct,
            int repetitions, int passes, bool* ok) {
    // Processor time of this thread, so that other programs on the machine count less.
    auto now = [] {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
    };
    auto time = [&](const std::function<bool()>& work) {
        const double start = now();
        for (int p = 0; p < passes; ++p) *ok = work() && *ok;
        return (now() - start) / passes;
    };
    Pair best;
    for (int i = 0; i < repetitions; ++i) {
        best.layer = std::min(best.layer, time(layer));
        best.direct = std::min(best.direct, time(direct));
    }
    return best;
}

// Noise with a slowly wandering spectrum, so that the encoder works as it does on music.
void MakeInput(int frames, std::vector<std::int16_t>& left, std::vector<std::int16_t>& right) {
    std::mt19937 rng(7);
    std::normal_distribution<double> noise(0.0, 1.0);
    left.resize(static_cast<std::size_t>(frames));
    right.resize(static_cast<std::size_t>(frames));
    double l = 0, r = 0;
    for (int i = 0; i < frames; ++i) {
        const double a = 0.6 + 0.35 * std::sin(2 * M_PI * i / (kRate * 3.0));
        l = a * l + (1 - a) * noise(rng);
        r = a * r + (1 - a) * noise(rng);
        const double tone = 0.3 * std::sin(2 * M_PI * 220.0 * i / kRate);
        left[static_cast<std::size_t>(i)] =
            static_cast<std::int16_t>(std::clamp((l * 2.5 + tone) * 8000.0, -32768.0, 32767.0));
        right[static_cast<std::size_t>(i)] =
            static_cast<std::int16_t>(std::clamp((r * 2.5 + tone) * 8000.0, -32768.0, 32767.0));
    }
}

bool EncodeWithWriter(WmRuntime& runtime, const WM_MEDIA_TYPE* type, const std::string& path,
                      const std::vector<std::int16_t>& left,
                      const std::vector<std::int16_t>& right) {
    // The writer never replaces a file: the previous repetition's goes first.
    std::error_code ec;
    std::filesystem::remove(path, ec);
    WmaWriter writer(runtime);
    writer.SetOutputFile(path);
    writer.SetPcmInput(kRate, 16, kChannels);
    writer.SetTargetFormat(type, kBitRate);
    if (!writer.Begin()) return false;
    const int frames = static_cast<int>(left.size());
    for (int done = 0; done < frames; done += kWmaReadBlockFrames) {
        const int n = std::min(kWmaReadBlockFrames, frames - done);
        if (!writer.WriteFrames16(left.data() + done, right.data() + done,
                                  static_cast<std::uint32_t>(n)))
            return false;
    }
    return writer.End();
}

// The same encoding straight on FFmpeg: interleaved 16-bit PCM converted to the encoder's
// planar floats, whole frames encoded and muxed.
bool EncodeDirect(const std::string& path, const std::vector<std::int16_t>& interleaved) {
    const AVCodec* codec = avcodec_find_encoder(AV_CODEC_ID_WMAV2);
    AVFormatContext* raw = nullptr;
    if (!codec || avformat_alloc_output_context2(&raw, nullptr, "asf", path.c_str()) < 0)
        return false;
    ffmpeg::OutputFormat out(raw);
    ffmpeg::CodecContext enc(avcodec_alloc_context3(codec));
    enc->sample_rate = kRate;
    av_channel_layout_default(&enc->ch_layout, kChannels);
    enc->sample_fmt = AV_SAMPLE_FMT_FLTP;
    enc->bit_rate = kBitRate;
    enc->time_base = AVRational{1, kRate};
    if (avcodec_open2(enc.get(), codec, nullptr) < 0) return false;
    AVStream* st = avformat_new_stream(out.get(), nullptr);
    avcodec_parameters_from_context(st->codecpar, enc.get());
    st->time_base = enc->time_base;
    if (avio_open(&out->pb, path.c_str(), AVIO_FLAG_WRITE) < 0) return false;
    if (avformat_write_header(out.get(), nullptr) < 0) return false;
    SwrContext* s = nullptr;
    ffmpeg::ChannelLayout layout(kChannels);
    swr_alloc_set_opts2(&s, &enc->ch_layout, AV_SAMPLE_FMT_FLTP, kRate, layout.get(),
                        AV_SAMPLE_FMT_S16, kRate, 0, nullptr);
    ffmpeg::Resampler swr(s);
    if (swr_init(s) < 0) return false;
    ffmpeg::Frame frame(av_frame_alloc());
    ffmpeg::Packet packet(av_packet_alloc());
    frame->nb_samples = enc->frame_size;
    frame->format = AV_SAMPLE_FMT_FLTP;
    av_channel_layout_copy(&frame->ch_layout, &enc->ch_layout);
    if (av_frame_get_buffer(frame.get(), 0) < 0) return false;
    auto drain = [&]() {
        while (avcodec_receive_packet(enc.get(), packet.get()) == 0) {
            av_packet_rescale_ts(packet.get(), enc->time_base, st->time_base);
            packet->stream_index = st->index;
            if (av_interleaved_write_frame(out.get(), packet.get()) < 0) return false;
        }
        return true;
    };
    const int total = static_cast<int>(interleaved.size() / kChannels);
    std::int64_t pts = 0;
    for (int done = 0; done < total; done += enc->frame_size) {
        const int n = std::min(enc->frame_size, total - done);
        av_frame_make_writable(frame.get());
        const auto* in =
            reinterpret_cast<const std::uint8_t*>(interleaved.data() + done * kChannels);
        const int got = swr_convert(s, frame->data, enc->frame_size, &in, n);
        if (got < 0) return false;
        for (int c = 0; c < kChannels; ++c)
            std::fill(reinterpret_cast<float*>(frame->data[c]) + got,
                      reinterpret_cast<float*>(frame->data[c]) + enc->frame_size, 0.0f);
        frame->pts = pts;
        pts += enc->frame_size;
        if (avcodec_send_frame(enc.get(), frame.get()) < 0 || !drain()) return false;
    }
    if (avcodec_send_frame(enc.get(), nullptr) < 0 || !drain()) return false;
    return av_write_trailer(out.get()) >= 0;
}

bool DecodeWithReader(WmRuntime& runtime, const std::string& path, long long* frames) {
    WmaReader reader(runtime);
    if (!reader.Open(path)) return false;
    std::vector<std::int16_t> a(kWmaReadBlockFrames), b(kWmaReadBlockFrames);
    bool end = false;
    long long total = 0;
    while (!end) total += reader.ReadFrames(a.data(), b.data(), end);
    reader.Close();
    *frames = total;
    return true;
}

// The same decoding straight on FFmpeg, to 16-bit interleaved PCM.
bool DecodeDirect(const std::string& path, long long* frames) {
    AVFormatContext* raw = nullptr;
    if (avformat_open_input(&raw, path.c_str(), nullptr, nullptr) < 0) return false;
    ffmpeg::InputFormat in(raw);
    if (avformat_find_stream_info(in.get(), nullptr) < 0) return false;
    const int index = av_find_best_stream(in.get(), AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
    if (index < 0) return false;
    const AVCodec* codec = avcodec_find_decoder(in->streams[index]->codecpar->codec_id);
    ffmpeg::CodecContext dec(avcodec_alloc_context3(codec));
    avcodec_parameters_to_context(dec.get(), in->streams[index]->codecpar);
    if (avcodec_open2(dec.get(), codec, nullptr) < 0) return false;
    SwrContext* s = nullptr;
    ffmpeg::ChannelLayout layout(dec->ch_layout.nb_channels);
    swr_alloc_set_opts2(&s, layout.get(), AV_SAMPLE_FMT_S16, dec->sample_rate, layout.get(),
                        dec->sample_fmt, dec->sample_rate, 0, nullptr);
    ffmpeg::Resampler swr(s);
    if (swr_init(s) < 0) return false;
    ffmpeg::Packet packet(av_packet_alloc());
    ffmpeg::Frame frame(av_frame_alloc());
    std::vector<std::int16_t> pcm;
    long long total = 0;
    auto receive = [&]() {
        while (avcodec_receive_frame(dec.get(), frame.get()) == 0) {
            pcm.resize(static_cast<std::size_t>(frame->nb_samples * dec->ch_layout.nb_channels));
            auto* o = reinterpret_cast<std::uint8_t*>(pcm.data());
            total += swr_convert(s, &o, frame->nb_samples,
                                 const_cast<const std::uint8_t**>(frame->extended_data),
                                 frame->nb_samples);
            av_frame_unref(frame.get());
        }
    };
    while (av_read_frame(in.get(), packet.get()) >= 0) {
        if (packet->stream_index == index) avcodec_send_packet(dec.get(), packet.get());
        av_packet_unref(packet.get());
        receive();
    }
    avcodec_send_packet(dec.get(), nullptr);
    receive();
    *frames = total;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 60;
    const int repetitions = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    const auto folder = std::filesystem::temp_directory_path() /
                        ("tonvexa-bench-wm-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(folder);
    const std::string viaLayer = (folder / "layer.wma").string();
    const std::string direct = (folder / "direct.wma").string();

    std::vector<std::int16_t> left, right;
    MakeInput(seconds * kRate, left, right);
    std::vector<std::int16_t> interleaved(left.size() * 2);
    for (std::size_t i = 0; i < left.size(); ++i) {
        interleaved[2 * i] = left[i];
        interleaved[2 * i + 1] = right[i];
    }

    FfmpegWmRuntime runtime;
    WmaFormatList list;
    BuildWmaFormatList(runtime, list);
    const WM_MEDIA_TYPE* type = nullptr;
    std::uint32_t bitRate = 0;
    if (!FindWmaFormat(list, kRate, kBitRate, kChannels, &type, &bitRate) || bitRate != kBitRate) {
        std::fprintf(stderr, "no 128 kbps, 44 kHz, stereo format\n");
        return 1;
    }

    bool ok = true;
    const Pair encode =
        BestOf([&] { return EncodeWithWriter(runtime, type, viaLayer, left, right); },
               [&] { return EncodeDirect(direct, interleaved); }, repetitions, 1, &ok);
    long long layerFrames = 0, directFrames = 0;
    // Decoding is quick: each timing covers several passes over the file.
    const Pair decode =
        BestOf([&] { return DecodeWithReader(runtime, direct, &layerFrames); },
               [&] { return DecodeDirect(direct, &directFrames); }, repetitions, 8, &ok);
    const double encodeLayer = encode.layer, encodeDirect = encode.direct;
    const double decodeLayer = decode.layer, decodeDirect = decode.direct;
    std::filesystem::remove_all(folder);
    if (!ok) {
        std::fprintf(stderr, "a run failed\n");
        return 1;
    }

    const double audio = seconds;
    std::printf(
        "input: %d s of %d Hz stereo noise-like audio, WMA 128 kbit/s, best of %d (thread CPU "
        "time)\n",
        seconds, kRate, repetitions);
    std::printf(
        "encode  WmaWriter %.3f s (%.0fx real time)  FFmpeg direct %.3f s (%.0fx)  "
        "ratio layer/direct speed %.3f\n",
        encodeLayer, audio / encodeLayer, encodeDirect, audio / encodeDirect,
        encodeDirect / encodeLayer);
    std::printf(
        "decode  WmaReader %.3f s (%.0fx real time)  FFmpeg direct %.3f s (%.0fx)  "
        "ratio layer/direct speed %.3f  (frames %lld / %lld)\n",
        decodeLayer, audio / decodeLayer, decodeDirect, audio / decodeDirect,
        decodeDirect / decodeLayer, layerFrames, directFrames);
    return 0;
}
