#include "Mp3TestSupport.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "TestSupport.h"
#include "audio/Mp3Reader.h"
#include "audio/Mp3Writer.h"

namespace tonvexa::test {

std::vector<std::int16_t> Mp3TestSignal(int frames, int channels, int sampleRate, unsigned seed) {
    std::vector<std::int16_t> out(static_cast<std::size_t>(frames) * channels);
    unsigned state = seed * 2654435761u + 12345u;
    const double pi = 3.14159265358979323846;
    for (int i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        for (int c = 0; c < channels; ++c) {
            state = state * 1103515245u + 12345u;
            const double noise = static_cast<double>((state >> 16) % 2001) - 1000.0;
            const double f1 = 220.0 * (c + 1) * (1.0 + 0.1 * (seed % 7));
            const double f2 = 1250.0 + 330.0 * c;
            const double envelope = 0.5 + 0.5 * std::sin(2 * pi * 1.5 * t + seed);
            const double v = 9000.0 * envelope * std::sin(2 * pi * f1 * t) +
                             3000.0 * std::sin(2 * pi * f2 * t) + noise;
            out[static_cast<std::size_t>(i) * channels + c] =
                static_cast<std::int16_t>(std::clamp(v, -32768.0, 32767.0));
        }
    }
    return out;
}

bool WriteMp3(const std::string& path, const std::vector<std::int16_t>& interleaved,
              const Mp3WriteParams& p) {
    Mp3Writer writer;
    if (!writer.Open(path)) return false;
    if (p.tag != nullptr) writer.SetTagBlock(*p.tag);
    writer.SetChannels(p.channels);
    writer.SetInSampleRate(p.inRate);
    writer.SetOutSampleRate(p.outRate);
    writer.SetBitRate(p.kbps);
    if (p.mode >= 0) writer.SetMode(p.mode);
    if (!writer.StartEncoding()) return false;
    const int channels = std::clamp(p.channels, 1, 2);
    const std::size_t total = interleaved.size() / static_cast<std::size_t>(channels);
    std::vector<std::int16_t> left(1152), right(1152);
    for (std::size_t start = 0; start < total; start += 1152) {
        const std::size_t n = std::min<std::size_t>(1152, total - start);
        for (std::size_t i = 0; i < n; ++i) {
            left[i] = interleaved[(start + i) * channels];
            right[i] = interleaved[(start + i) * channels + (channels - 1)];
        }
        if (!writer.Encode(left.data(), right.data(), static_cast<int>(n))) return false;
    }
    return writer.Close();
}

Mp3Decoded DecodeAll(Mp3Reader& reader, long maxReads) {
    Mp3Decoded d;
    d.channels = reader.Channels();
    std::vector<std::int16_t> left(1152), right(1152);
    for (long call = 0; call < maxReads; ++call) {
        int frames = -1;
        bool end = false;
        if (!reader.Read(left.data(), right.data(), frames, end)) {
            d.failed = true;
            d.ended = end;
            return d;
        }
        if (end) {
            d.ended = true;
            return d;
        }
        if (frames <= 0 || frames > 1152) {
            d.failed = true;
            return d;
        }
        ++d.reads;
        for (int i = 0; i < frames; ++i) {
            d.samples.push_back(left[i]);
            if (d.channels == 2) d.samples.push_back(right[i]);
        }
    }
    return d;
}

std::optional<Mp3Decoded> DecodeFile(const std::string& path, std::size_t feedSize) {
    Mp3Reader reader(feedSize);
    if (!reader.Open(path)) return std::nullopt;
    return DecodeAll(reader);
}

std::optional<std::vector<std::int16_t>> FfmpegDecodeUntrimmed(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    const std::vector<std::string> args{"-nostdin", "-v", "quiet", "-flags2", "+skip_manual",
                                        "-i",       path, "-f",    "s16le",   "-"};
    if (runProgram("ffmpeg", args, &bytes) != 0) return std::nullopt;
    return asInt16(bytes);
}

int MaxAbsDiff(const std::vector<std::int16_t>& a, const std::vector<std::int16_t>& b) {
    if (a.size() != b.size()) return -1;
    int worst = 0;
    for (std::size_t i = 0; i < a.size(); ++i) worst = std::max(worst, std::abs(a[i] - b[i]));
    return worst;
}

double SnrDb(const std::vector<std::int16_t>& ours, const std::vector<std::int16_t>& reference) {
    if (ours.size() != reference.size()) return -std::numeric_limits<double>::infinity();
    double signal = 0;
    double error = 0;
    for (std::size_t i = 0; i < ours.size(); ++i) {
        signal += static_cast<double>(reference[i]) * reference[i];
        const double d = static_cast<double>(ours[i]) - reference[i];
        error += d * d;
    }
    if (error == 0) return std::numeric_limits<double>::infinity();
    return 10.0 * std::log10(std::max(signal, 1.0) / error);
}

std::optional<FrameHeader> ParseFrameHeader(const std::uint8_t* h) {
    if (h[0] != 0xFF || (h[1] & 0xE0) != 0xE0) return std::nullopt;
    static const int kVersions[4] = {25, 0, 2, 1};
    static const int kLayers[4] = {0, 3, 2, 1};
    FrameHeader f;
    f.version = kVersions[(h[1] >> 3) & 3];
    f.layer = kLayers[(h[1] >> 1) & 3];
    if (f.version == 0 || f.layer == 0) return std::nullopt;
    f.crc = (h[1] & 1) == 0;
    const int bitIndex = h[2] >> 4;
    const int rateIndex = (h[2] >> 2) & 3;
    if (bitIndex == 15 || rateIndex == 3) return std::nullopt;
    static const int kRates1[3] = {44100, 48000, 32000};
    const int divisor = f.version == 1 ? 1 : f.version == 2 ? 2 : 4;
    f.sampleRate = kRates1[rateIndex] / divisor;
    static const int kL3v1[15] = {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320};
    static const int kL3v2[15] = {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160};
    if (f.layer != 3) return std::nullopt;  // the writer only makes Layer III
    f.bitRate = f.version == 1 ? kL3v1[bitIndex] : kL3v2[bitIndex];
    f.padding = (h[2] & 2) != 0;
    f.mode = h[3] >> 6;
    f.samples = f.version == 1 ? 1152 : 576;
    const int coefficient = f.version == 1 ? 144 : 72;
    f.length =
        f.bitRate == 0 ? 0 : coefficient * f.bitRate * 1000 / f.sampleRate + (f.padding ? 1 : 0);
    return f;
}

std::optional<std::vector<FrameHeader>> WalkFrames(const std::vector<std::uint8_t>& bytes,
                                                   std::size_t end) {
    std::vector<FrameHeader> frames;
    std::size_t pos = 0;
    // A leading ID3v2 tag: its header, its synchsafe size, and a footer when flagged.
    if (bytes.size() >= 10 && bytes[0] == 'I' && bytes[1] == 'D' && bytes[2] == '3') {
        pos = 10 + ((std::size_t{bytes[6]} << 21) | (std::size_t{bytes[7]} << 14) |
                    (std::size_t{bytes[8]} << 7) | bytes[9]);
        if (bytes[5] & 0x10) pos += 10;
    }
    while (pos < end) {
        if (end - pos < 4) return std::nullopt;
        const auto f = ParseFrameHeader(bytes.data() + pos);
        if (!f || f->length <= 0 || pos + static_cast<std::size_t>(f->length) > end) {
            return std::nullopt;
        }
        frames.push_back(*f);
        pos += static_cast<std::size_t>(f->length);
    }
    return frames;
}

std::vector<std::uint8_t> Concat(std::initializer_list<std::vector<std::uint8_t>> parts) {
    std::vector<std::uint8_t> out;
    for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

}  // namespace tonvexa::test
