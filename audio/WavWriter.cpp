#include "audio/WavWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <bit>
#include <cerrno>
#include <cstring>
#include <vector>

#include "base/LittleEndian.h"
#include "base/PcmFormat.h"

namespace tonvexa {

namespace {

using namespace wavheader;

// Writes every byte, continuing after interrupted or partial writes; false as soon as the
// system takes no more (disk full, file size limit, lost connection).
bool WriteAll(int fd, const void* data, std::size_t bytes) {
    const auto* p = static_cast<const std::uint8_t*>(data);
    while (bytes > 0) {
        const ssize_t done = ::write(fd, p, bytes);
        if (done < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (done == 0) return false;
        p += done;
        bytes -= static_cast<std::size_t>(done);
    }
    return true;
}

bool WriteAt(int fd, std::size_t offset, const std::uint8_t* bytes, std::size_t size) {
    if (::lseek(fd, static_cast<off_t>(offset), SEEK_SET) < 0) return false;
    return WriteAll(fd, bytes, size);
}

bool WriteLe32At(int fd, std::size_t offset, std::uint32_t value) {
    std::uint8_t bytes[4];
    PutLe32(bytes, value);
    return WriteAt(fd, offset, bytes, sizeof bytes);
}

bool WriteLe64At(int fd, std::size_t offset, std::uint64_t value) {
    std::uint8_t bytes[8];
    PutLe64(bytes, value);
    return WriteAt(fd, offset, bytes, sizeof bytes);
}

}  // namespace

WavWriter::WavWriter(std::uint64_t maxDataSize) : maxDataSize_(maxDataSize) {}

WavWriter::~WavWriter() {
    static_cast<void>(Close());
}

bool WavWriter::Open(const std::string& path, int stereo, std::uint16_t bitsPerSample,
                     std::int32_t sampleRate, std::uint64_t expectedDataSize) {
    static_cast<void>(Close());
    auto file = std::make_unique<AtomicOutput>();
    if (!IsPlausibleSampleRate(sampleRate) || !file->Create(path) ||
        !Start(*file, stereo, bitsPerSample, sampleRate, expectedDataSize))
        return false;
    owned_ = std::move(file);
    path_ = path;
    return true;
}

bool WavWriter::Open(AtomicOutput& file, int stereo, std::uint16_t bitsPerSample,
                     std::int32_t sampleRate, std::uint64_t expectedDataSize) {
    static_cast<void>(Close());
    return Start(file, stereo, bitsPerSample, sampleRate, expectedDataSize);
}

bool WavWriter::Start(AtomicOutput& file, int stereo, std::uint16_t bitsPerSample,
                      std::int32_t sampleRate, std::uint64_t expectedDataSize) {
    // A rate no audio has would make a header whose byte rate wraps around.
    if (!IsPlausibleSampleRate(sampleRate) || !file.IsOpen()) return false;

    const std::uint16_t channels = stereo != 0 ? 2 : 1;
    const auto rate = static_cast<std::uint32_t>(sampleRate);
    // Unsigned 32-bit arithmetic, as the field itself is.
    const std::uint32_t byteRate =
        (channels * static_cast<std::uint32_t>(bitsPerSample) * rate) >> 3;
    const auto blockAlign = static_cast<std::uint16_t>((channels * bitsPerSample) / 8);
    const bool rf64 = expectedDataSize > maxDataSize_;

    // The "fmt " chunk's body, the same in both layouts.
    std::uint8_t format[kFmtChunkSize];
    PutLe16(format, kFormatTagPcm);
    PutLe16(format + 2, channels);
    PutLe32(format + 4, rate);
    PutLe32(format + 8, byteRate);
    PutLe16(format + 12, blockAlign);
    PutLe16(format + 14, bitsPerSample);

    std::array<std::uint8_t, kRf64HeaderSize> header{};
    std::size_t headerSize = kHeaderSize;
    if (!rf64) {
        std::memcpy(&header[kRiffIdOffset], kRiffId, sizeof kRiffId);
        PutLe32(&header[kRiffSizeOffset], kSizePlaceholder);
        std::memcpy(&header[kWaveFmtOffset], kWaveFmtId, sizeof kWaveFmtId);
        PutLe32(&header[kFmtSizeOffset], kFmtChunkSize);
        std::memcpy(&header[kFormatTagOffset], format, sizeof format);
        std::memcpy(&header[kDataIdOffset], kDataId, sizeof kDataId);
        PutLe32(&header[kDataSizeOffset], kSizePlaceholder);
    } else {
        // The ds64 sizes start as those of a file without data; Close writes the real ones.
        headerSize = kRf64HeaderSize;
        std::memcpy(&header[kRiffIdOffset], kRf64Id, sizeof kRf64Id);
        PutLe32(&header[kRiffSizeOffset], kSizeInDs64);
        std::memcpy(&header[kRf64WaveOffset], kWaveId, sizeof kWaveId);
        std::memcpy(&header[kRf64Ds64Offset], kDs64Id, sizeof kDs64Id);
        PutLe32(&header[kRf64Ds64SizeOffset], kDs64ChunkSize);
        PutLe32(&header[kRf64RiffSizeOffset], kRf64HeaderSize - kRiffSizeBias);
        std::memcpy(&header[kRf64FmtOffset], kFmtId, sizeof kFmtId);
        PutLe32(&header[kRf64FmtOffset + 4], kFmtChunkSize);
        std::memcpy(&header[kRf64FmtBodyOffset], format, sizeof format);
        std::memcpy(&header[kRf64DataIdOffset], kDataId, sizeof kDataId);
        PutLe32(&header[kRf64DataSizeFieldOffset], kSizeInDs64);
    }

    const int fd = ::fcntl(file.Descriptor(), F_DUPFD_CLOEXEC, 0);
    if (fd < 0) return false;
    // A file without its whole header could never be finished correctly.
    if (!WriteAll(fd, header.data(), headerSize)) {
        ::close(fd);
        return false;
    }
    fd_ = fd;
    channels_ = channels;
    bitsPerSample_ = bitsPerSample;
    blockAlign_ = blockAlign;
    rf64_ = rf64;
    dataSize_ = 0;
    return true;
}

bool WavWriter::WriteBlock(const void* data, std::size_t bytes) {
    if (!rf64_ && bytes > maxDataSize_ - dataSize_) return false;
    const off_t before = ::lseek(fd_, 0, SEEK_CUR);
    const bool complete = WriteAll(fd_, data, bytes);
    if (complete) {
        dataSize_ += bytes;
    } else if (before >= 0) {
        const off_t after = ::lseek(fd_, 0, SEEK_CUR);
        if (after > before) dataSize_ += static_cast<std::uint64_t>(after - before);
    }
    return complete;
}

bool WavWriter::WritePcm16(const std::int16_t* left, const std::int16_t* right,
                           std::int32_t frames) {
    if (!IsOpen() || bitsPerSample_ != 16 || frames < 0) return false;
    if (frames == 0) return true;
    const auto n = static_cast<std::size_t>(frames);
    if (channels_ == 1) {
        if constexpr (std::endian::native == std::endian::little) return WriteBlock(left, n * 2);
    }
    // Interleave (and fix the byte order) into one buffer so the block is one system write.
    std::vector<std::uint8_t> buffer(n * 2 * channels_);
    std::uint8_t* p = buffer.data();
    for (std::size_t i = 0; i < n; ++i) {
        PutLe16(p, static_cast<std::uint16_t>(left[i]));
        p += 2;
        if (channels_ == 2) {
            PutLe16(p, static_cast<std::uint16_t>(right[i]));
            p += 2;
        }
    }
    return WriteBlock(buffer.data(), buffer.size());
}

bool WavWriter::WritePcm8(const std::uint8_t* left, const std::uint8_t* right,
                          std::int32_t frames) {
    if (!IsOpen() || bitsPerSample_ != 8 || frames < 0) return false;
    if (frames == 0) return true;
    const auto n = static_cast<std::size_t>(frames);
    if (channels_ == 1) return WriteBlock(left, n);
    std::vector<std::uint8_t> buffer(n * 2);
    for (std::size_t i = 0; i < n; ++i) {
        buffer[2 * i] = left[i];
        buffer[2 * i + 1] = right[i];
    }
    return WriteBlock(buffer.data(), buffer.size());
}

bool WavWriter::Close() {
    if (!IsOpen()) return true;
    const int fd = fd_;
    fd_ = -1;

    bool ok = false;
    struct stat st {};
    const std::size_t headerSize = rf64_ ? kRf64HeaderSize : kHeaderSize;
    if (::fstat(fd, &st) == 0 && st.st_size >= static_cast<off_t>(headerSize)) {
        // The sizes come from the real length, so bytes of a failed write that did arrive
        // are counted and the header matches the file whatever happened before.
        const auto dataEnd = static_cast<std::uint64_t>(st.st_size);
        const std::uint64_t dataSize = dataEnd - headerSize;
        // Chunks after the data start on an even offset; the data chunk's size leaves the
        // pad byte out.
        std::uint64_t fileSize = dataEnd;
        const std::uint64_t pad = dataSize % 2;
        constexpr std::uint64_t kMaxRiffSize = 0xFFFFFFFFull;
        if (!trailing_.empty() &&
            (rf64_ || dataEnd + pad + trailing_.size() - kRiffSizeBias <= kMaxRiffSize)) {
            static constexpr std::uint8_t kZero = 0;
            if (::lseek(fd, static_cast<off_t>(dataEnd), SEEK_SET) >= 0 &&
                (pad == 0 || WriteAll(fd, &kZero, 1)) &&
                WriteAll(fd, trailing_.data(), trailing_.size()))
                fileSize = dataEnd + pad + trailing_.size();
            else if (::ftruncate(fd, static_cast<off_t>(dataEnd)) != 0)
                fileSize = 0;  // neither whole chunks nor none: the file is broken
        }
        if (fileSize == 0) {
            ok = false;
        } else if (rf64_) {
            const std::uint64_t frames = blockAlign_ != 0 ? dataSize / blockAlign_ : 0;
            ok = WriteLe64At(fd, kRf64RiffSizeOffset, fileSize - kRiffSizeBias);
            ok = WriteLe64At(fd, kRf64DataSizeOffset, dataSize) && ok;
            ok = WriteLe64At(fd, kRf64SampleCountOffset, frames) && ok;
        } else if (dataSize <= kMaxDataSize) {
            ok = WriteLe32At(fd, kRiffSizeOffset,
                             static_cast<std::uint32_t>(fileSize - kRiffSizeBias));
            ok = WriteLe32At(fd, kDataSizeOffset, static_cast<std::uint32_t>(dataSize)) && ok;
        }
    }
    trailing_.clear();
    if (::close(fd) != 0) ok = false;
    if (owned_) {
        // The path's name is taken only by a finished file, and only if nothing else took it.
        ok = ok && owned_->CommitAs(path_) == AtomicOutput::Commit::Named;
        owned_.reset();
    }
    return ok;
}

}  // namespace tonvexa
