#include "audio/Mp3Reader.h"

#include <algorithm>
#include <cstring>

#include "base/PathUtil.h"

namespace tonvexa {

namespace {

// Calls with no new bytes that the decoder may spend on itself at the end of the stream
// (stepping over a header or a Xing frame) before it hands out a buffered frame.
constexpr int kDrainAttempts = 4;

// Bytes handed to the decoder per step until it has parsed the first header.
constexpr std::size_t kHeaderChunk = 100;

// How many bytes from a frame header the decoder holds before it takes the header: room to
// look for a Xing header in the frame (LAME's mpglib waits for 194 bytes).
constexpr std::size_t kHeaderLookahead = 194;

// The decoder keeps every byte it cannot place and searches all of them again on every
// call, so a long run of bytes that are no frames (a picture tag at the end, a damaged
// stretch, a file that is no MP3 past its first bytes) costs time growing with the square
// of its length. No frame, with its share of the bit reservoir, needs more than a few
// kilobytes; after this many bytes without a frame the reader finds the next frame header
// itself, one pass over the bytes, and feeds the decoder from there.
constexpr std::size_t kResyncAfter = 16384;

// The same bound for the first header: an opening that has fed this much without the
// decoder taking a header gives up.
constexpr std::size_t kHeaderParseLimit = 65536;

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
    std::size_t fed = 0;
    pendingBytes_ = 0;
    for (;;) {
        properties_ = Mp3StreamProperties{};
        std::int64_t skipped = 0;
        if (!ReadExactly(w, 4)) return false;

        if (std::memcmp(w, mp3::kId3v2Magic, sizeof mp3::kId3v2Magic) == 0) {
            std::uint8_t header[mp3::kId3v2HeaderSize];
            std::memcpy(header, w, 4);
            if (!ReadExactly(header + 4, mp3::kId3v2HeaderSize - 4)) return false;
            const std::int64_t size = mp3::Id3v2BodySize(header);
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
        const int firstFrameBytes = mp3::HeaderFrameBytes(w);

        int delay = 0;
        int padding = 0;
        if (decoder_.Decode(w, sizeof w, properties_, &delay, &padding) == -1) return false;
        fed += sizeof w;
        std::size_t fromHeader = sizeof w;  // bytes of the stream from the header on
        bool streamEnded = false;
        while (!properties_.headerParsed) {
            if (fed > kHeaderParseLimit || streamEnded) return false;
            std::uint8_t chunk[kHeaderChunk + kHeaderLookahead] = {};
            std::size_t got = std::fread(chunk, 1, kHeaderChunk, stream_);
            if (got < kHeaderChunk) {
                // The stream ends before the decoder took a header. The decoder looks at
                // kHeaderLookahead bytes from a header before it takes it, room for a Xing
                // header, and a file of a few small frames has fewer than that after its
                // first audio frame. Zeros after the last byte give it that room; they hold
                // no frame. A stream whose first frame is not whole is no such file but a
                // cut one, and the zeros would only fill its frame up: it stays refused.
                streamEnded = true;
                if (std::ferror(stream_) != 0 || firstFrameBytes == 0 ||
                    fromHeader + got < static_cast<std::size_t>(firstFrameBytes))
                    return false;
                got += kHeaderLookahead;
            }
            fed += got;
            fromHeader += got;
            if (decoder_.Decode(chunk, got, properties_, &delay, &padding) == -1) return false;
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
    pendingBytes_ = 0;
    return true;
}

bool Mp3Reader::SkipToMatchingHeader() {
    // A header of the stream's own kind, as the decoder itself insists on once it has
    // decoded a frame: same sample rate, channel count and frame length.
    std::uint8_t w[4];
    if (!ReadExactly(w, sizeof w)) return false;
    for (;;) {
        if (mp3::IsPlausibleFrameHeader(w) && mp3::HeaderSampleRate(w) == properties_.sampleRate &&
            mp3::HeaderChannels(w) == properties_.channels &&
            mp3::HeaderSamplesPerFrame(w) == properties_.frameSize) {
            break;
        }
        std::memmove(w, w + 1, 3);
        if (!ReadExactly(w + 3, 1)) return false;
    }
    // The stream goes on at the header. The bit reservoir bytes before it are not handed
    // over: they may hold headers of another stream, which the decoder would take up.
    if (!SeekForward(stream_, -static_cast<std::int64_t>(sizeof w))) return false;
    pendingBytes_ = 0;
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
        if (pendingBytes_ > kResyncAfter && !SkipToMatchingHeader()) break;
        const std::size_t got = std::fread(feed_.get(), 1, feedSize_, stream_);
        if (got == 0) break;
        pendingBytes_ += got;
        n = decoder_.Decode(feed_.get(), got, frame);
        if (n > 0) return Deliver(n, frame.channels, left, right, frames);
        if (n < 0) return false;
    }
    // A read that failed is no end of the stream: the file still holds frames that did not
    // arrive, so the frames the decoder has left are not handed out as the last ones.
    if (std::ferror(stream_) != 0) return false;

    for (int attempt = 0; attempt < kDrainAttempts; ++attempt) {
        n = decoder_.Decode(nullptr, 0, frame);
        if (n > 0) return Deliver(n, frame.channels, left, right, frames);
        if (n < 0) {
            end = true;
            return false;
        }
    }
    end = true;
    return true;
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
