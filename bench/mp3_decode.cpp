// MP3 decode throughput of Mp3Reader beside FFmpeg's MP3 decoders on the same file, and
// the encode throughput of Mp3Writer for information.
//
// Usage: bench_mp3_decode [seconds of audio, default 60] [repetitions, default 3]
// The input is made in a temporary folder from noise-like stereo audio at 44100 Hz,
// encoded by Mp3Writer at 128 kbit/s. Each measurement is the best of the repetitions.

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/log.h>
}
#include <lame/lame.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "audio/Mp3Reader.h"
#include "audio/Mp3Writer.h"

using namespace tonvexa;
namespace fs = std::filesystem;

namespace {

constexpr int kRate = 44100;
constexpr int kChannels = 2;
constexpr int kKbps = 128;

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Noise shaped a little like music: a few drifting tones under broadband noise, so that
// the encoder spends its bits across the whole spectrum.
void MakeSignal(int frames, std::vector<std::int16_t>& left, std::vector<std::int16_t>& right) {
    left.resize(frames);
    right.resize(frames);
    unsigned state = 12345;
    const double pi = 3.14159265358979323846;
    for (int i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / kRate;
        state = state * 1664525u + 1013904223u;
        const double n1 = static_cast<double>(static_cast<int>(state >> 16) - 32768) / 32768.0;
        state = state * 1664525u + 1013904223u;
        const double n2 = static_cast<double>(static_cast<int>(state >> 16) - 32768) / 32768.0;
        const double tones =
            std::sin(2 * pi * (220 + 30 * std::sin(t)) * t) + 0.5 * std::sin(2 * pi * 3300 * t);
        left[i] = static_cast<std::int16_t>(6000 * tones + 5000 * n1);
        right[i] = static_cast<std::int16_t>(6000 * tones + 5000 * n2);
    }
}

struct Result {
    double seconds = 1e300;
    long mpegFrames = 0;
    long samples = 0;  // per channel
};

bool Encode(const std::string& path, const std::vector<std::int16_t>& left,
            const std::vector<std::int16_t>& right, Result& result) {
    // The writer never replaces a file: the previous repetition's goes first.
    std::error_code ec;
    std::filesystem::remove(path, ec);
    const auto start = Clock::now();
    Mp3Writer writer;
    if (!writer.Open(path)) return false;
    writer.SetChannels(kChannels);
    writer.SetInSampleRate(kRate);
    writer.SetOutSampleRate(kRate);
    writer.SetBitRate(kKbps);
    if (!writer.StartEncoding()) return false;
    for (std::size_t at = 0; at < left.size(); at += 1152) {
        const int n = static_cast<int>(std::min<std::size_t>(1152, left.size() - at));
        if (!writer.Encode(left.data() + at, right.data() + at, n)) return false;
    }
    if (!writer.Close()) return false;
    result.seconds = std::min(result.seconds, SecondsSince(start));
    result.samples = static_cast<long>(left.size());
    return true;
}

bool DecodeOurs(const std::string& path, Result& result) {
    std::vector<std::int16_t> left(1152), right(1152);
    const auto start = Clock::now();
    Mp3Reader reader;
    if (!reader.Open(path)) return false;
    long frames = 0;
    long samples = 0;
    for (;;) {
        int n = 0;
        bool end = false;
        if (!reader.Read(left.data(), right.data(), n, end)) return false;
        if (end) break;
        ++frames;
        samples += n;
    }
    reader.Close();
    result.seconds = std::min(result.seconds, SecondsSince(start));
    result.mpegFrames = frames;
    result.samples = samples;
    return true;
}

// The library's decoder called directly on the file's bytes in memory: what the reader
// costs on top of the decoder it wraps.
bool DecodeHipDirectly(const std::string& path, Result& result) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return false;
    std::vector<unsigned char> bytes;
    unsigned char chunk[65536];
    std::size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        bytes.insert(bytes.end(), chunk, chunk + got);
    }
    std::fclose(file);
    std::vector<short> left(4096), right(4096);
    const auto start = Clock::now();
    hip_t hip = hip_decode_init();
    if (hip == nullptr) return false;
    mp3data_struct info{};
    long frames = 0;
    long samples = 0;
    for (std::size_t at = 0;; at += 1024) {
        const std::size_t n =
            at < bytes.size() ? std::min<std::size_t>(1024, bytes.size() - at) : 0;
        unsigned char* data = n > 0 ? bytes.data() + at : bytes.data();
        int out = hip_decode1_headers(hip, data, n, left.data(), right.data(), &info);
        while (out > 0) {
            ++frames;
            samples += out;
            out = hip_decode1_headers(hip, data, 0, left.data(), right.data(), &info);
        }
        if (n == 0) break;
    }
    hip_decode_exit(hip);
    result.seconds = std::min(result.seconds, SecondsSince(start));
    result.mpegFrames = frames;
    result.samples = samples;
    return true;
}

// FFmpeg's demuxer and the named decoder, all the way to decoded frames (no conversion of
// the sample format: each decoder delivers what it natively makes).
bool DecodeFfmpeg(const std::string& path, const char* decoderName, Result& result) {
    const auto start = Clock::now();
    AVFormatContext* format = nullptr;
    if (avformat_open_input(&format, path.c_str(), nullptr, nullptr) < 0) return false;
    bool ok = false;
    AVCodecContext* codec = nullptr;
    AVPacket* packet = av_packet_alloc();
    AVFrame* frame = av_frame_alloc();
    long frames = 0;
    long samples = 0;
    const AVCodec* decoder = avcodec_find_decoder_by_name(decoderName);
    const int index = avformat_find_stream_info(format, nullptr) >= 0
                          ? av_find_best_stream(format, AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0)
                          : -1;
    if (decoder != nullptr && index >= 0 && packet != nullptr && frame != nullptr) {
        codec = avcodec_alloc_context3(decoder);
        if (codec != nullptr &&
            avcodec_parameters_to_context(codec, format->streams[index]->codecpar) >= 0 &&
            avcodec_open2(codec, decoder, nullptr) >= 0) {
            ok = true;
            auto drain = [&] {
                while (avcodec_receive_frame(codec, frame) >= 0) {
                    ++frames;
                    samples += frame->nb_samples;
                    av_frame_unref(frame);
                }
            };
            while (av_read_frame(format, packet) >= 0) {
                if (packet->stream_index == index && avcodec_send_packet(codec, packet) >= 0) {
                    drain();
                }
                av_packet_unref(packet);
            }
            avcodec_send_packet(codec, nullptr);
            drain();
        }
    }
    avcodec_free_context(&codec);
    av_frame_free(&frame);
    av_packet_free(&packet);
    avformat_close_input(&format);
    if (!ok) return false;
    result.seconds = std::min(result.seconds, SecondsSince(start));
    result.mpegFrames = frames;
    result.samples = samples;
    return true;
}

void Print(const char* what, const Result& r) {
    const double audioSeconds = static_cast<double>(r.samples) / kRate;
    std::printf("%-34s %8.3f s  %9.0f frames/s  %7.1fx real time\n", what, r.seconds,
                r.mpegFrames > 0 ? r.mpegFrames / r.seconds : r.samples / 1152.0 / r.seconds,
                audioSeconds / r.seconds);
}

}  // namespace

int main(int argc, char** argv) {
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 60;
    const int repetitions = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;

    std::error_code ec;
    const fs::path dir =
        fs::temp_directory_path() /
        ("tonvexa-bench-mp3-" + std::to_string(Clock::now().time_since_epoch().count()));
    fs::create_directories(dir, ec);
    if (ec) {
        std::fprintf(stderr, "cannot create %s\n", dir.string().c_str());
        return 1;
    }
    const std::string path = (dir / "noise.mp3").string();

    std::vector<std::int16_t> left, right;
    MakeSignal(seconds * kRate, left, right);

    av_log_set_level(AV_LOG_ERROR);
    Result encode, ours, hip, ffFloat, ffFixed;
    bool ok = true;
    for (int i = 0; i < repetitions && ok; ++i) ok = Encode(path, left, right, encode);
    for (int i = 0; i < repetitions && ok; ++i) {
        ok = DecodeOurs(path, ours) && DecodeHipDirectly(path, hip) &&
             DecodeFfmpeg(path, "mp3float", ffFloat) && DecodeFfmpeg(path, "mp3", ffFixed);
    }
    fs::remove_all(dir, ec);
    if (!ok) {
        std::fprintf(stderr, "benchmark failed\n");
        return 1;
    }

    std::printf(
        "Input: %d s of stereo noise-like audio, %d Hz, %d kbit/s CBR (%ld MPEG frames); "
        "best of %d\n",
        seconds, kRate, kKbps, ours.mpegFrames, repetitions);
    Print("Mp3Writer encode", encode);
    Print("Mp3Reader decode (hip, s16)", ours);
    Print("libmp3lame hip_decode1 alone", hip);
    Print("FFmpeg mp3float decode (fltp)", ffFloat);
    Print("FFmpeg mp3 decode (s16p)", ffFixed);
    std::printf("Mp3Reader speed / hip_decode1 alone: %.2f\n", hip.seconds / ours.seconds);
    std::printf("Mp3Reader speed / FFmpeg mp3float: %.2f\n", ffFloat.seconds / ours.seconds);
    std::printf("Mp3Reader speed / FFmpeg mp3 (fixed point): %.2f\n",
                ffFixed.seconds / ours.seconds);
    if (ours.samples != ffFixed.samples) {
        std::printf("note: sample counts differ (ours %ld, FFmpeg %ld)\n", ours.samples,
                    ffFixed.samples);
    }
    return 0;
}
