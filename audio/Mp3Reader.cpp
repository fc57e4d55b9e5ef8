#include "audio/Mp3Reader.h"

#include <algorithm>
#include <cstring>

#include "engine/PathUtil.h"

namespace tonvexa {

namespace {

// Calls with no new bytes that the decoder may spend on itself at the end of the stream
// (stepping over a header or a Xing frame) before it hands out a buffered frame.
constexpr int kDrainAttempts = 4;

// The decoder wants at least this much at a time until it has parsed the first header.
constexpr std::size_t kHeaderChunk = 100;

bool SeekForward(std::FILE* stream, std::int64_t offset) {
#ifdef _WIN32
    return _fseeki64(stream, offset, SEEK_CUR) == 0;
#else
    return fseeko(stream, static_cast<off_t>(offset), SEEK_CUR) == 0;
#endif
}

std::int64_t Tell(std::FILE* stream) {
#ifdef _WIN32
    return _ftelli64(stream);
#else
    return static_cast<std::int64_t>(ftello(stream));
#endif
}

bool SeekTo(std::FILE* stream, std::int64_t offset, int whence) {
#ifdef _WIN32
    return _fseeki64(stream, offset, whence) == 0;
#else
    return fseeko(stream, static_cast<off_t>(offset), whence) == 0;
#endif
}

}  // namespace

Mp3Reader::Mp3Reader(std::size_t feedSize)
    : feedSize_(std::clamp<std::size_t>(feedSize, 1, kFeedSize)),
      feed_(new std::uint8_t[kFeedSize]) {}

Mp3Reader::~Mp3Reader() {
    Close();
}

bool Mp3Reader::Open(const std::string& path) {
    Close();
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return false;
    ownedFile_.reset(file);
    stream_ = file;
    path_ = path;
    borrowed_ = false;
    if (!decoder_.Reset()) return false;
    parsed_ = ParseStart();
    return parsed_;
}

bool Mp3Reader::OpenOnStream(std::FILE* stream, const std::string& path) {
    Close();
    if (stream == nullptr) return false;
    stream_ = stream;
    path_ = path;
    borrowed_ = true;
    if (!decoder_.Reset()) return false;
    parsed_ = ParseStart();
    return parsed_;
}

void Mp3Reader::Close() {
    if (stream_ == nullptr) return;
    ownedFile_.reset();
    stream_ = nullptr;
    borrowed_ = false;
    parsed_ = false;
    id3v1_.reset();
    decoder_.Release();
    properties_ = Mp3StreamProperties{};
}

bool Mp3Reader::ReadExactly(std::uint8_t* into, std::size_t count) {
    return std::fread(into, 1, count, stream_) == count;
}

bool Mp3Reader::ParseStart() {
    std::uint8_t w[8];
    for (;;) {
        properties_ = Mp3StreamProperties{};
        std::int64_t skipped = 0;
        if (!ReadExactly(w, 4)) return false;

        if (std::memcmp(w, mp3::kId3v2Magic, sizeof mp3::kId3v2Magic) == 0) {
            std::uint8_t header[mp3::kId3v2HeaderSize];
            std::memcpy(header, w, 4);
            if (!ReadExactly(header + 4, mp3::kId3v2HeaderSize - 4)) return false;
            const std::uint8_t* s = header + mp3::kId3v2SizeOffset;
            const std::int64_t size = (std::int64_t{s[0]} & 0x7F) << 21 |
                                      (std::int64_t{s[1]} & 0x7F) << 14 |
                                      (std::int64_t{s[2]} & 0x7F) << 7 | (s[3] & 0x7F);
            skipped = size + static_cast<std::int64_t>(mp3::kId3v2HeaderSize);
            if (!SeekForward(stream_, size)) return false;
            if (!ReadExactly(w, 4)) return false;
        }

        if (std::memcmp(w, mp3::kAidMagic, sizeof mp3::kAidMagic) == 0 &&
            w[3] == mp3::kAidVersion) {
            std::uint8_t length[2];
            if (!ReadExactly(length, 2)) return false;
            const std::int64_t total = length[0] + 256 * std::int64_t{length[1]};
            // A length below the 6 bytes already read would step back into the header;
            // the search below then steps over what is left of it.
            const std::int64_t rest = total - static_cast<std::int64_t>(mp3::kAidFixedBytes);
            if (rest > 0 && !SeekForward(stream_, rest)) return false;
            if (!ReadExactly(w, 4)) return false;
        }

        if (!ReadExactly(w + 4, 4)) return false;

        while (!mp3::IsPlausibleFrameHeader(w)) {
            std::memmove(w, w + 1, 7);
            if (!ReadExactly(w + 7, 1)) return false;
        }
        const bool freeFormat = (w[2] & mp3::kBitRateMask) == mp3::kBitRateFree;

        int delay = 0;
        int padding = 0;
        if (decoder_.Decode(w, sizeof w, properties_, &delay, &padding) == -1) return false;
        while (!properties_.headerParsed) {
            std::uint8_t chunk[kHeaderChunk];
            if (!ReadExactly(chunk, sizeof chunk)) return false;
            if (decoder_.Decode(chunk, sizeof chunk, properties_, &delay, &padding) == -1) {
                return false;
            }
        }
        // A frame that claims a bit rate but yields none was a false start: search on
        // from here, the decoder keeping what it has been given.
        if (properties_.bitRate == 0 && !freeFormat) continue;

        if (properties_.totalFrames > 0) return true;  // a Xing header gave the length
        if (properties_.bitRate > 0) {
            properties_.totalSamples = kUnknownLength;
            if (const auto fileSize = GetExistingFileSize(path_)) {
                const std::int64_t size = static_cast<std::int64_t>(*fileSize);
                const std::int64_t audioBytes = size > skipped ? size - skipped : 0;
                const std::int64_t seconds =
                    audioBytes * 8 / (std::int64_t{properties_.bitRate} * 1000);
                properties_.totalSamples =
                    static_cast<std::uint64_t>(seconds) *
                    static_cast<std::uint64_t>(std::max(properties_.sampleRate, 0));
                if (properties_.frameSize > 0) {
                    properties_.totalFrames = static_cast<int>(std::min<std::uint64_t>(
                        properties_.totalSamples /
                            static_cast<std::uint64_t>(properties_.frameSize),
                        0x7FFFFFFF));
                }
            }
        }
        return true;
    }
}

bool Mp3Reader::Deliver(int samples, int frameChannels, std::int16_t* left, std::int16_t* right,
                        int& frames) {
    // The library hands out one frame per call; anything larger than a frame would run
    // past the caller's arrays and is taken as a broken stream.
    if (samples > mp3::kMaxFrameSamples) return false;
    const auto bytes = static_cast<std::size_t>(samples) * sizeof *left;
    std::memcpy(left, decoder_.Left(), bytes);
    if (properties_.channels == 2 && right != nullptr) {
        // The caller set up two channels from the first frame; a one-channel frame later
        // on (which the decoder does not normally let through) is heard on both.
        std::memcpy(right, frameChannels == 2 ? decoder_.Right() : decoder_.Left(), bytes);
    }
    frames = samples;
    return true;
}

bool Mp3Reader::Read(std::int16_t* left, std::int16_t* right, int& frames, bool& end) {
    frames = 0;
    end = false;
    if (!parsed_ || left == nullptr) return false;

    // The stream's properties stay those of the first frame; what the decoder reports
    // about later frames goes here.
    Mp3StreamProperties frame = properties_;

    // Whole frames may already wait in the decoder, also after a call that was given new
    // bytes and returned nothing.
    int n = decoder_.Decode(nullptr, 0, frame);
    if (n > 0) return Deliver(n, frame.channels, left, right, frames);
    if (n < 0) return false;

    for (;;) {
        const std::size_t got = std::fread(feed_.get(), 1, feedSize_, stream_);
        if (got == 0) break;
        n = decoder_.Decode(feed_.get(), got, frame);
        if (n > 0) return Deliver(n, frame.channels, left, right, frames);
        if (n < 0) return false;
    }

    for (int attempt = 0; attempt < kDrainAttempts; ++attempt) {
        n = decoder_.Decode(nullptr, 0, frame);
        if (n > 0) return Deliver(n, frame.channels, left, right, frames);
        if (n < 0) {
            end = true;
            return false;
        }
    }
    end = true;
    return std::ferror(stream_) == 0;
}

const std::array<std::uint8_t, mp3::kId3v1BlockSize>* Mp3Reader::ReadId3v1() {
    if (id3v1_) return id3v1_.get();
    if (stream_ == nullptr) return nullptr;
    const std::int64_t position = Tell(stream_);
    if (position < 0) return nullptr;
    if (SeekTo(stream_, -static_cast<std::int64_t>(mp3::kId3v1BlockSize), SEEK_END)) {
        auto block = std::make_unique<std::array<std::uint8_t, mp3::kId3v1BlockSize>>();
        if (ReadExactly(block->data(), sizeof mp3::kId3v1Magic) &&
            std::memcmp(block->data(), mp3::kId3v1Magic, sizeof mp3::kId3v1Magic) == 0 &&
            ReadExactly(block->data() + sizeof mp3::kId3v1Magic,
                        mp3::kId3v1BlockSize - sizeof mp3::kId3v1Magic)) {
            id3v1_ = std::move(block);
        }
    }
    std::clearerr(stream_);
    SeekTo(stream_, position, SEEK_SET);
    return id3v1_.get();
}

int Mp3Reader::ChannelMode() const {
    const int mode = properties_.mode;
    return mode >= mp3::kModeStereo && mode <= mp3::kModeDualChannel ? mode : mp3::kModeMono;
}

}  // namespace tonvexa
