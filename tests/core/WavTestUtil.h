#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "audio/WavReader.h"

namespace tonvexa::test {

// Little-endian byte building for hand-made WAV files.
inline void PutLe16(std::vector<std::uint8_t>& out, unsigned value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

inline void PutLe32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

inline void PutText(std::vector<std::uint8_t>& out, const char* text) {
    out.insert(out.end(), text, text + std::strlen(text));
}

inline void PutBe16(std::vector<std::uint8_t>& out, unsigned value) {
    out.push_back(static_cast<std::uint8_t>(value >> 8));
    out.push_back(static_cast<std::uint8_t>(value));
}

inline void PutBe32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int i = 3; i >= 0; --i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// A RIFF WAVE file put together chunk by chunk, byte for byte as given: no pad bytes are
// added after odd sizes.
class WavBuilder {
public:
    // form: "RIFF", or "RF64" and "BW64", whose sizes the test gives in a "ds64" chunk.
    explicit WavBuilder(const char* form = "RIFF") {
        PutText(bytes_, form);
        PutLe32(bytes_, 0);
        PutText(bytes_, "WAVE");
    }

    // A chunk with a stated size that may differ from the body given.
    WavBuilder& Chunk(const char* id, const std::vector<std::uint8_t>& body,
                      std::int64_t statedSize = -1) {
        PutText(bytes_, id);
        PutLe32(bytes_, static_cast<std::uint32_t>(statedSize < 0 ? body.size() : statedSize));
        bytes_.insert(bytes_.end(), body.begin(), body.end());
        return *this;
    }

    // The 16-byte "fmt " body plus any extension bytes.
    static std::vector<std::uint8_t> FormatBody(unsigned tag, unsigned channels, std::uint32_t rate,
                                                unsigned blockAlign, unsigned bits,
                                                const std::vector<std::uint8_t>& extension = {}) {
        std::vector<std::uint8_t> body;
        PutLe16(body, tag);
        PutLe16(body, channels);
        PutLe32(body, rate);
        PutLe32(body, rate * blockAlign);
        PutLe16(body, blockAlign);
        PutLe16(body, bits);
        body.insert(body.end(), extension.begin(), extension.end());
        return body;
    }

    WavBuilder& Format(unsigned tag, unsigned channels, std::uint32_t rate, unsigned blockAlign,
                       unsigned bits, const std::vector<std::uint8_t>& extension = {}) {
        return Chunk("fmt ", FormatBody(tag, channels, rate, blockAlign, bits, extension));
    }

    WavBuilder& Fact(std::uint32_t frames) {
        std::vector<std::uint8_t> body;
        PutLe32(body, frames);
        return Chunk("fact", body);
    }

    WavBuilder& Data(const std::vector<std::uint8_t>& body, std::int64_t statedSize = -1) {
        return Chunk("data", body, statedSize);
    }

    WavBuilder& Raw(const std::vector<std::uint8_t>& tail) {
        bytes_.insert(bytes_.end(), tail.begin(), tail.end());
        return *this;
    }

    std::vector<std::uint8_t> Bytes() const {
        std::vector<std::uint8_t> out = bytes_;
        const auto size = static_cast<std::uint32_t>(out.size() - 8);
        for (int i = 0; i < 4; ++i) out[4 + i] = static_cast<std::uint8_t>(size >> (8 * i));
        return out;
    }

private:
    std::vector<std::uint8_t> bytes_;
};

// The same file in the other byte order: RIFF becomes RIFX and RIFX becomes RIFF, with every
// size, the fields of the format record, the "fact" count and each sample turned around.
// The format record comes out as the plain 16 bytes (an extensible one as its sub-format);
// chunks other than "fmt ", "fact" and "data" are left out. Chunks are walked with the pad
// byte after an odd size, as RIFF has it.
inline std::vector<std::uint8_t> SwapByteOrder(const std::vector<std::uint8_t>& in) {
    const bool big = std::memcmp(in.data(), "RIFX", 4) == 0;
    auto get = [&](std::size_t at, int bytes) {
        std::uint32_t v = 0;
        for (int i = 0; i < bytes; ++i) {
            const std::uint32_t byte = in[at + static_cast<std::size_t>(i)];
            v |= big ? byte << (8 * (bytes - 1 - i)) : byte << (8 * i);
        }
        return v;
    };
    auto put16 = [&](std::vector<std::uint8_t>& out, unsigned v) {
        big ? PutLe16(out, v) : PutBe16(out, v);
    };
    auto put32 = [&](std::vector<std::uint8_t>& out, std::uint32_t v) {
        big ? PutLe32(out, v) : PutBe32(out, v);
    };
    std::vector<std::uint8_t> body;
    std::size_t sampleBytes = 1;
    for (std::size_t p = 12; p + 8 <= in.size();) {
        const std::uint32_t size = get(p + 4, 4);
        const std::size_t end = std::min(in.size(), p + 8 + std::size_t{size});
        std::vector<std::uint8_t> chunk;
        if (std::memcmp(&in[p], "fmt ", 4) == 0) {
            const std::size_t f = p + 8;
            const unsigned tag = get(f, 2) == 0xFFFE ? get(f + 24, 2) : get(f, 2);
            const unsigned channels = get(f + 2, 2);
            put16(chunk, tag);
            put16(chunk, channels);
            put32(chunk, get(f + 4, 4));
            put32(chunk, get(f + 8, 4));
            put16(chunk, get(f + 12, 2));
            put16(chunk, get(f + 14, 2));
            sampleBytes = channels != 0 ? get(f + 12, 2) / channels : 1;
        } else if (std::memcmp(&in[p], "fact", 4) == 0) {
            put32(chunk, get(p + 8, 4));
        } else if (std::memcmp(&in[p], "data", 4) == 0) {
            chunk.assign(in.begin() + static_cast<long>(p + 8),
                         in.begin() + static_cast<long>(end));
            for (std::size_t i = 0; sampleBytes > 1 && i + sampleBytes <= chunk.size();
                 i += sampleBytes)
                std::reverse(chunk.begin() + static_cast<long>(i),
                             chunk.begin() + static_cast<long>(i + sampleBytes));
        }
        if (std::memcmp(&in[p], "fmt ", 4) == 0 || std::memcmp(&in[p], "fact", 4) == 0 ||
            std::memcmp(&in[p], "data", 4) == 0) {
            body.insert(body.end(), in.begin() + static_cast<long>(p),
                        in.begin() + static_cast<long>(p + 4));
            put32(body, static_cast<std::uint32_t>(chunk.size()));
            body.insert(body.end(), chunk.begin(), chunk.end());
            if (chunk.size() % 2 != 0) body.push_back(0);
        }
        p += 8 + std::size_t{size} + (size & 1);
    }
    std::vector<std::uint8_t> out;
    PutText(out, big ? "RIFF" : "RIFX");
    put32(out, static_cast<std::uint32_t>(body.size() + 4));
    PutText(out, "WAVE");
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

// Everything a reader delivered, channels interleaved as delivered (one or two).
struct ReadResult {
    bool opened = false;
    bool prepared = false;
    bool readFailed = false;
    bool endFlag = false;
    bool endedInTime = false;
    int channels = 0;
    int bits = 0;
    std::int64_t frames = 0;
    std::vector<std::int16_t> samples16;
    std::vector<std::uint8_t> samples8;
};

// Opens, prepares and reads a file to its end. Every block that delivers frames takes at
// least one byte of the file, so a file of n bytes must end within n + 2 reads.
inline ReadResult ReadWholeFile(const std::string& path, std::uint64_t maxReads) {
    ReadResult result;
    WavReader reader;
    result.opened = reader.Open(path);
    if (!result.opened) return result;
    result.prepared = reader.PrepareDecoding();
    if (!result.prepared) return result;
    result.channels = reader.outputChannels();
    result.bits = reader.outputBits();
    std::int16_t left[WavReader::kMaxBlockFrames];
    std::int16_t right[WavReader::kMaxBlockFrames];
    for (std::uint64_t reads = 0; reads < maxReads; ++reads) {
        std::memset(left, 0, sizeof left);
        std::memset(right, 0, sizeof right);
        int frames = -1;
        bool end = false;
        if (!reader.Read(left, right, frames, end)) result.readFailed = true;
        if (frames < 0 || frames > WavReader::kMaxBlockFrames) {
            result.frames = -1;
            return result;
        }
        for (int i = 0; i < frames; ++i) {
            if (result.bits == 8) {
                result.samples8.push_back(reinterpret_cast<std::uint8_t*>(left)[i]);
                if (result.channels == 2)
                    result.samples8.push_back(reinterpret_cast<std::uint8_t*>(right)[i]);
            } else {
                result.samples16.push_back(left[i]);
                if (result.channels == 2) result.samples16.push_back(right[i]);
            }
        }
        result.frames += frames;
        if (end) result.endFlag = true;
        if (frames == 0 || end || result.readFailed) {
            result.endedInTime = true;
            return result;
        }
    }
    return result;
}

}  // namespace tonvexa::test
