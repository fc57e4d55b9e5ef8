#include "audio/WavReader.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <limits>

#include <gsm/gsm.h>

#include "audio/G711.h"
#include "audio/Mp3Format.h"
#include "audio/Mp3Reader.h"
#include "base/LittleEndian.h"
#include "base/PcmFormat.h"

namespace tonvexa {

namespace {

std::uint16_t Be16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>((p[0] << 8) | p[1]);
}

std::uint32_t Be32(const std::uint8_t* p) {
    return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) |
           std::uint32_t{p[3]};
}

// Samples in the file's byte order.
template <wav::ByteOrder kOrder>
std::uint16_t Load16(const std::uint8_t* p) {
    return kOrder == wav::ByteOrder::kLittle ? ReadLe16(p) : Be16(p);
}

template <wav::ByteOrder kOrder>
std::uint32_t Load32(const std::uint8_t* p) {
    return kOrder == wav::ByteOrder::kLittle ? ReadLe32(p) : Be32(p);
}

bool SameId(const std::uint8_t* p, const wav::ChunkId& id) {
    return std::memcmp(p, id.data(), id.size()) == 0;
}

// A frame count computed in double precision, truncated toward zero and kept within the
// signed 32-bit field (a 4 GB data chunk of 8-bit mono would not fit).
std::int32_t FrameCount(double frames) {
    if (!(frames > 0)) return 0;
    if (frames >= static_cast<double>(std::numeric_limits<std::int32_t>::max()))
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(frames);
}

// Float samples become x * 2147483647 truncated to 64 bits, whose low 32 bits are shifted
// down to 16: values beyond full scale wrap rather than clip. Values beyond the 64-bit
// range (and NaN) become 0, as the processor's own conversion leaves them.
std::int16_t FloatToPcm16(double x) {
    const double scaled = x * 2147483647.0;
    if (!(std::fabs(scaled) < 9223372036854775808.0)) return 0;
    const auto wide = static_cast<std::int64_t>(scaled);
    const auto low = static_cast<std::int32_t>(static_cast<std::uint32_t>(wide));
    return static_cast<std::int16_t>(low >> 16);
}

bool IsSupportedSubFormat(std::uint32_t tag) {
    return tag == wav::kFormatPcm || tag == wav::kFormatIeeeFloat || tag == wav::kFormatALaw ||
           tag == wav::kFormatMuLaw;
}

constexpr int kMaxUncompressedChannels = 8;

// PCM and float samples are read packed, one after the other: a frame (one sample of every
// channel) takes channels x bits / 8 bytes. A header whose block size and byte rate both
// describe another frame holds samples that would be misread (24-bit samples in 4-byte
// containers); one of the two alone disagreeing is a damaged field, which reading ignores.
bool DescribesPackedFrames(const WavFormatRecord& f) {
    const std::uint32_t packed = f.channels * f.bitsPerSample / 8u;
    return f.blockAlign == packed || f.avgBytesPerSec == std::uint64_t{f.samplesPerSec} * packed;
}

// Beyond this a 64-bit size from "ds64" cannot be a real one (and would not survive the
// signed arithmetic of seeking).
constexpr std::uint64_t kMaxChunkSize = std::uint64_t{1} << 62;

}  // namespace

// What the "ds64" chunk of an RF64 or BW64 file says: the data size, the sample count that
// stands for a "fact" count of 0xFFFFFFFF, and the table of other chunks whose 32-bit
// sizes hold 0xFFFFFFFF.
struct WavReader::Ds64Sizes {
    struct LargeChunk {
        wav::ChunkId id;
        std::uint64_t size;
    };
    bool present = false;
    std::uint64_t dataSize = 0;
    std::uint64_t sampleCount = 0;
    std::vector<LargeChunk> table;

    // The real size of a chunk whose header is given: its stated size unless that holds
    // 0xFFFFFFFF and "ds64" has the chunk's size.
    std::uint64_t SizeOf(const std::uint8_t* header, std::uint32_t stated) const {
        if (!present || stated != wav::kSizeInDs64) return stated;
        if (SameId(header, wav::kDataChunkId)) return dataSize;
        for (const LargeChunk& c : table)
            if (SameId(header, c.id)) return c.size;
        return stated;
    }
};

void WavReader::FileCloser::operator()(std::FILE* file) const {
    std::fclose(file);
}

void WavReader::GsmDestroyer::operator()(gsm_state* handle) const {
    gsm_destroy(handle);
}

WavReader::WavReader() = default;

WavReader::~WavReader() {
    Close();
}

bool WavReader::Open(const std::string& path) {
    Close();
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    file_.reset(file);
    path_ = path;
    headerParsed_ = ParseHeader();
    return headerParsed_;
}

void WavReader::Close() {
    if (!file_) return;
    // The MP3 reader borrows the stream, so it goes first.
    mp3Reader_.reset();
    file_.reset();
    ResetDecoding();
    msAdpcmDecoder_.reset();
    imaAdpcmDecoder_.reset();
    headerParsed_ = false;
}

void WavReader::ResetDecoding() {
    BlockReader = nullptr;
    LawExpander = nullptr;
    gsmDecoder_.reset();
    blockBuffer_ = {};
    decodedBuffer_ = {};
    blockBytes_ = 0;
    blockFrames_ = 0;
    blockPosition_ = 0;
    compressedStereo_ = false;
}

bool WavReader::ReadExact(void* buffer, std::size_t bytes) {
    return std::fread(buffer, 1, bytes, file_.get()) == bytes;
}

bool WavReader::ReadFailed(int& framesOut) const {
    // A short read at the end of the file is the end of the input; the error flag marks a
    // read that failed (a lost connection, a disk error), after which the file still holds
    // audio that did not arrive.
    if (std::ferror(file_.get()) == 0) return false;
    framesOut = 0;
    return true;
}

bool WavReader::Skip(std::int64_t bytes) {
    if (bytes <= 0) return true;
#ifdef _WIN32
    return _fseeki64(file_.get(), bytes, SEEK_CUR) == 0;
#else
    return fseeko(file_.get(), static_cast<off_t>(bytes), SEEK_CUR) == 0;
#endif
}

std::uint16_t WavReader::Field16(const std::uint8_t* p) const {
    return bigEndian_ ? Be16(p) : ReadLe16(p);
}

std::uint32_t WavReader::Field32(const std::uint8_t* p) const {
    return bigEndian_ ? Be32(p) : ReadLe32(p);
}

bool WavReader::SkipLeadingId3v2(std::uint8_t (&form)[8]) {
    // Some programs put an ID3v2 tag in front of the form; the form starts right after it
    // (and after its footer, when the header announces one).
    if (std::memcmp(form, mp3::kId3v2Magic, sizeof mp3::kId3v2Magic) != 0) return true;
    std::uint8_t tag[mp3::kId3v2HeaderSize];
    std::memcpy(tag, form, sizeof form);
    if (!ReadExact(tag + sizeof form, sizeof tag - sizeof form)) return false;
    std::int64_t skip = mp3::Id3v2BodySize(tag);
    if ((tag[mp3::kId3v2FlagsOffset] & mp3::kId3v2FooterFlag) != 0)
        skip += static_cast<std::int64_t>(mp3::kId3v2FooterSize);
    return Skip(skip) && ReadExact(form, sizeof form);
}

bool WavReader::ReadDs64(std::uint64_t size, Ds64Sizes& ds64) {
    std::uint8_t body[wav::kDs64MinimumSize];
    if (!ReadExact(body, sizeof body)) return false;
    ds64.present = true;
    ds64.dataSize = ReadLe64(body + wav::kDs64DataSizeOffset);
    ds64.sampleCount = ReadLe64(body + wav::kDs64SampleCountOffset);
    // The table cannot hold more entries than the chunk has room for.
    const std::uint64_t entries =
        std::min<std::uint64_t>(ReadLe32(body + wav::kDs64TableLengthOffset),
                                (size - sizeof body) / wav::kDs64TableEntrySize);
    ds64.table.clear();
    for (std::uint64_t i = 0; i < entries; ++i) {
        std::uint8_t entry[wav::kDs64TableEntrySize];
        if (!ReadExact(entry, sizeof entry)) return false;
        Ds64Sizes::LargeChunk c;
        std::memcpy(c.id.data(), entry, c.id.size());
        c.size = ReadLe64(entry + c.id.size());
        ds64.table.push_back(c);
    }
    return Skip(static_cast<std::int64_t>(size - sizeof body - entries * wav::kDs64TableEntrySize));
}

bool WavReader::ParseHeader() {
    std::rewind(file_.get());
    std::uint8_t form[8];
    if (!ReadExact(form, sizeof form) || !SkipLeadingId3v2(form)) return false;
    bigEndian_ = SameId(form, wav::kRifxId);
    const bool rf64 = SameId(form, wav::kRf64Id) || SameId(form, wav::kBw64Id);
    if (!bigEndian_ && !rf64 && !SameId(form, wav::kRiffId)) return false;
    std::uint8_t wave[4];
    if (!ReadExact(wave, sizeof wave) || !SameId(wave, wav::kWaveId)) return false;

    totalFrames_ = 0;
    framesLeft_ = 0;
    dataSize_ = 0;
    ResetDecoding();
    outputBits_ = 0;
    outputChannels_ = 0;
    format_ = {};
    bool result = false;
    std::int32_t factFrames = 0;
    // The 64-bit sizes of an RF64 or BW64 file, once its "ds64" chunk has been read.
    Ds64Sizes ds64;

    for (;;) {
        std::uint8_t header[wav::kChunkHeaderSize];
        if (!ReadExact(header, sizeof header)) return false;
        const std::uint32_t statedSize = Field32(header + 4);
        const std::uint64_t size = ds64.SizeOf(header, statedSize);
        if (size > kMaxChunkSize) return false;
        if (SameId(header, wav::kFormatChunkId)) {
            if (!ParseFormatChunk(statedSize)) return false;
            result = true;
        } else if (rf64 && SameId(header, wav::kDs64ChunkId) && size >= wav::kDs64MinimumSize) {
            if (!ReadDs64(size, ds64)) return false;
        } else if (SameId(header, wav::kFactChunkId)) {
            const auto tag = format_.formatTag;
            const bool counted = tag == wav::kFormatMsAdpcm || tag == wav::kFormatALaw ||
                                 tag == wav::kFormatMuLaw || tag == wav::kFormatImaAdpcm ||
                                 tag == wav::kFormatGsm610;
            if (counted && size >= wav::kFactMinimumSize) {
                std::uint8_t count[4];
                if (!ReadExact(count, sizeof count)) return false;
                const std::uint32_t stated = Field32(count);
                // A count beyond the signed range reads as negative and so never wins.
                factFrames = static_cast<std::int32_t>(stated);
                if (ds64.present && stated == wav::kSizeInDs64)
                    factFrames = FrameCount(static_cast<double>(ds64.sampleCount));
                if (!Skip(static_cast<std::int64_t>(size) - wav::kFactMinimumSize)) return false;
            } else if (!Skip(static_cast<std::int64_t>(size))) {
                return false;
            }
        } else if (SameId(header, wav::kDataChunkId)) {
            dataSize_ = size;
            break;
        } else if (!Skip(static_cast<std::int64_t>(size))) {
            // Chunks are skipped by their stated size alone: writers disagree about the pad
            // byte after an odd size, and the stated size is what most of them honour.
            return false;
        }
    }
    if (!result) return false;

    std::int32_t frames = 0;
    const auto data = static_cast<double>(dataSize_);
    switch (format_.formatTag) {
        case wav::kFormatMsAdpcm: {
            const auto& f = *msAdpcmDecoder_->format();
            frames = FrameCount(data / f.record.blockAlign * f.samplesPerBlock);
            break;
        }
        case wav::kFormatImaAdpcm: {
            const auto& f = *imaAdpcmDecoder_->format();
            frames = FrameCount(data / f.record.blockAlign * f.samplesPerBlock);
            break;
        }
        case wav::kFormatGsm610:
            frames = FrameCount(data * (1.0 / wav::kGsmBlockAlign) * wav::kGsmSamplesPerBlock);
            break;
        case wav::kFormatMpegLayer3:
            // The MP3 reader works on this stream from the data on, and its stream decides
            // the channels and the rate.
            if (!mp3Reader_ || !mp3Reader_->OpenOnStream(file_.get(), path_)) return false;
            frames = FrameCount(static_cast<double>(mp3Reader_->TotalFrames()));
            outputBits_ = 16;
            outputChannels_ = mp3Reader_->Channels();
            format_.channels = static_cast<std::uint16_t>(mp3Reader_->Channels());
            format_.samplesPerSec = static_cast<std::uint32_t>(mp3Reader_->SampleRate());
            break;
        default:
            if (format_.bitsPerSample != 0 && format_.channels != 0)
                frames = FrameCount(data / (format_.bitsPerSample * 0.125) / format_.channels);
            break;
    }
    totalFrames_ = std::max(factFrames, frames);
    framesLeft_ = totalFrames_;
    return result;
}

bool WavReader::ParseFormatChunk(std::uint32_t chunkSize) {
    std::uint8_t body[wav::kExtensibleBodySize];
    // A chunk smaller than 16 bytes is still read as 16.
    if (!ReadExact(body, wav::kFormatBodySize)) return false;
    std::int64_t consumed = wav::kFormatBodySize;
    format_ = {};
    format_.formatTag = Field16(body);
    format_.channels = Field16(body + 2);
    format_.samplesPerSec = Field32(body + 4);
    format_.avgBytesPerSec = Field32(body + 8);
    format_.blockAlign = Field16(body + 12);
    format_.bitsPerSample = Field16(body + 14);
    // A later "fmt " chunk replaces an earlier one entirely.
    msAdpcmDecoder_.reset();
    imaAdpcmDecoder_.reset();
    mp3Reader_.reset();
    // RIFX holds PCM and float data; the compressed formats and the extensible record
    // (whose sub-format GUID has no agreed big-endian form) are not read from it.
    if (bigEndian_ && format_.formatTag != wav::kFormatPcm &&
        format_.formatTag != wav::kFormatIeeeFloat)
        return false;

    if (format_.formatTag == wav::kFormatExtensible) {
        if (chunkSize < wav::kExtensibleBodySize) return false;
        if (!ReadExact(body + consumed, wav::kExtensibleBodySize - consumed)) return false;
        consumed = wav::kExtensibleBodySize;
        const std::uint16_t extensionSize = ReadLe16(body + wav::kFormatBodySize);
        const std::uint8_t* guid = body + wav::kExtensibleGuidOffset;
        const std::uint32_t subFormat = ReadLe32(guid);
        if (extensionSize < wav::kExtensibleExtensionSize ||
            std::memcmp(guid + 4, wav::kSubFormatGuidTail.data(), wav::kSubFormatGuidTail.size()) !=
                0 ||
            !IsSupportedSubFormat(subFormat))
            return false;
        format_.formatTag = static_cast<std::uint16_t>(subFormat);
        format_.extensionSize = extensionSize;
    }
    const std::int64_t rest = std::int64_t{chunkSize} - consumed;
    // A rate that no audio has is refused here, with the other checks of the header, rather
    // than carried into the arithmetic of the writers and the resampler later.
    if (!IsPlausibleSampleRate(format_.samplesPerSec)) return false;

    switch (format_.formatTag) {
        case wav::kFormatPcm: {
            const auto bits = format_.bitsPerSample;
            if (bits != 8 && bits != 16 && bits != 24 && bits != 32) return false;
            if (format_.channels == 0 || format_.channels > kMaxUncompressedChannels) return false;
            if (!DescribesPackedFrames(format_)) return false;
            outputBits_ = bits == 8 ? 8 : 16;
            outputChannels_ = std::min<int>(format_.channels, 2);
            return Skip(rest);
        }
        case wav::kFormatIeeeFloat:
            // As for PCM; the width (32 or 64 bits) is checked when decoding is prepared.
            if (format_.bitsPerSample == 0) return false;
            if (format_.channels == 0 || format_.channels > kMaxUncompressedChannels) return false;
            if (!DescribesPackedFrames(format_)) return false;
            outputBits_ = 16;
            outputChannels_ = std::min<int>(format_.channels, 2);
            return Skip(rest);
        case wav::kFormatALaw:
        case wav::kFormatMuLaw:
            // Without bits or channels the data size gives no frame count; more than eight
            // channels are refused as they are for PCM and float. Of more than two, the first
            // two are delivered.
            if (format_.bitsPerSample == 0) return false;
            if (format_.channels == 0 || format_.channels > kMaxUncompressedChannels) return false;
            outputBits_ = 16;
            outputChannels_ = std::min<int>(format_.channels, 2);
            return Skip(rest);
        case wav::kFormatMsAdpcm:
            if (!ReadMsAdpcmExtension(rest)) return false;
            outputBits_ = 16;
            outputChannels_ = format_.channels;
            return true;
        case wav::kFormatImaAdpcm:
            if (!ReadImaAdpcmExtension(rest)) return false;
            outputBits_ = 16;
            outputChannels_ = format_.channels;
            return true;
        case wav::kFormatGsm610: {
            if (format_.blockAlign != wav::kGsmBlockAlign || chunkSize < wav::kGsmMinimumFormatSize)
                return false;
            // libgsm's WAV49 frames are mono; a stereo count is delivered as the layout of
            // the file says, anything else is refused.
            if (format_.channels == 0 || format_.channels > 2) return false;
            std::uint8_t extension[4];
            if (!ReadExact(extension, sizeof extension)) return false;
            format_.extensionSize = ReadLe16(extension);
            if (format_.extensionSize < wav::kGsmMinimumExtensionSize ||
                ReadLe16(extension + 2) != wav::kGsmSamplesPerBlock)
                return false;
            outputBits_ = 16;
            outputChannels_ = format_.channels;
            return Skip(std::int64_t{chunkSize} - wav::kGsmMinimumFormatSize);
        }
        case wav::kFormatMpegLayer3:
            mp3Reader_ = std::make_unique<Mp3Reader>();
            outputBits_ = 16;
            outputChannels_ = format_.channels;
            return Skip(rest);
        default:
            return false;
    }
}

bool WavReader::ReadMsAdpcmExtension(std::int64_t available) {
    MsAdpcmFormat copy;
    copy.record = format_;
    std::uint8_t field[4];
    if (!ReadExact(field, 2)) return false;
    copy.record.extensionSize = ReadLe16(field);
    if (copy.record.extensionSize < wav::kMsMinimumExtensionSize) return false;
    if (!ReadExact(field, 4)) return false;
    copy.samplesPerBlock = ReadLe16(field);
    const std::uint16_t count = ReadLe16(field + 2);
    if (count < 1) return false;
    std::vector<std::uint8_t> pairs(std::size_t{count} * wav::kMsCoefficientPairSize);
    if (!ReadExact(pairs.data(), pairs.size())) return false;
    copy.coefficients.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        copy.coefficients[i].coefficient1 = static_cast<std::int16_t>(ReadLe16(&pairs[4 * i]));
        copy.coefficients[i].coefficient2 = static_cast<std::int16_t>(ReadLe16(&pairs[4 * i + 2]));
    }
    auto decoder = std::make_unique<MsAdpcmDecoder>();
    if (!decoder->SetFormat(copy)) return false;
    format_.extensionSize = copy.record.extensionSize;
    msAdpcmDecoder_ = std::move(decoder);
    const std::int64_t stated = std::int64_t{copy.record.extensionSize} + 2;
    if (stated < available) return Skip(available - stated);
    return true;
}

bool WavReader::ReadImaAdpcmExtension(std::int64_t available) {
    ImaAdpcmFormat copy;
    copy.record = format_;
    std::uint8_t field[4];
    if (!ReadExact(field, sizeof field)) return false;
    copy.record.extensionSize = ReadLe16(field);
    copy.samplesPerBlock = ReadLe16(field + 2);
    if (copy.record.extensionSize < wav::kImaMinimumExtensionSize) return false;
    auto decoder = std::make_unique<ImaAdpcmDecoder>();
    if (!decoder->SetFormat(copy)) return false;
    format_.extensionSize = copy.record.extensionSize;
    imaAdpcmDecoder_ = std::move(decoder);
    if (available > static_cast<std::int64_t>(wav::kImaExtensionBytes))
        return Skip(available - static_cast<std::int64_t>(wav::kImaExtensionBytes));
    return true;
}

bool WavReader::PrepareDecoding() {
    if (!file_ || !headerParsed_) return false;
    ResetDecoding();
    const int c = format_.channels;
    const int bits = format_.bitsPerSample;
    switch (format_.formatTag) {
        case wav::kFormatPcm:
            blockBytes_ = bits / 8 * c * kMaxBlockFrames;
            if (bigEndian_) {
                BlockReader = bits == 8    ? &WavReader::ReadPcm8
                              : bits == 16 ? &WavReader::ReadPcm16<wav::ByteOrder::kBig>
                              : bits == 24 ? &WavReader::ReadPcm24<wav::ByteOrder::kBig>
                                           : &WavReader::ReadPcm32<wav::ByteOrder::kBig>;
            } else {
                BlockReader = bits == 8    ? &WavReader::ReadPcm8
                              : bits == 16 ? &WavReader::ReadPcm16<wav::ByteOrder::kLittle>
                              : bits == 24 ? &WavReader::ReadPcm24<wav::ByteOrder::kLittle>
                                           : &WavReader::ReadPcm32<wav::ByteOrder::kLittle>;
            }
            break;
        case wav::kFormatIeeeFloat:
            if (bits != 32 && bits != 64) return false;
            blockBytes_ = bits / 8 * c * kMaxBlockFrames;
            if (bigEndian_) {
                BlockReader = bits == 32 ? &WavReader::ReadFloat32<wav::ByteOrder::kBig>
                                         : &WavReader::ReadFloat64<wav::ByteOrder::kBig>;
            } else {
                BlockReader = bits == 32 ? &WavReader::ReadFloat32<wav::ByteOrder::kLittle>
                                         : &WavReader::ReadFloat64<wav::ByteOrder::kLittle>;
            }
            break;
        case wav::kFormatALaw:
        case wav::kFormatMuLaw:
            blockBytes_ = c * kMaxBlockFrames;
            LawExpander = format_.formatTag == wav::kFormatALaw ? &ExpandALaw : &ExpandMuLaw;
            BlockReader = &WavReader::ReadCompanded;
            break;
        case wav::kFormatMsAdpcm: {
            const auto& f = *msAdpcmDecoder_->format();
            blockBytes_ = f.record.blockAlign;
            blockFrames_ = f.samplesPerBlock * outputChannels_;
            decodedBuffer_.assign(static_cast<std::size_t>(blockFrames_), 0);
            compressedStereo_ = c == 2;
            BlockReader = &WavReader::ReadMsAdpcm;
            break;
        }
        case wav::kFormatImaAdpcm: {
            const auto& f = *imaAdpcmDecoder_->format();
            blockBytes_ = f.record.blockAlign;
            blockFrames_ = f.samplesPerBlock * outputChannels_;
            decodedBuffer_.assign(static_cast<std::size_t>(blockFrames_), 0);
            compressedStereo_ = c == 2;
            BlockReader = &WavReader::ReadImaAdpcm;
            break;
        }
        case wav::kFormatGsm610:
            gsmDecoder_.reset(gsm_create());
            if (!gsmDecoder_) return false;
            {
                int wav49 = 1;
                gsm_option(gsmDecoder_.get(), GSM_OPT_WAV49, &wav49);
            }
            blockBytes_ = wav::kGsmBlockAlign;
            blockFrames_ = wav::kGsmSamplesPerBlock;
            decodedBuffer_.assign(wav::kGsmSamplesPerBlock, 0);
            compressedStereo_ = c != 1;
            BlockReader = &WavReader::ReadGsm;
            break;
        case wav::kFormatMpegLayer3:
            // The MP3 reader keeps its own buffers.
            if (!mp3Reader_) return false;
            blockBytes_ = format_.blockAlign;
            blockFrames_ = outputChannels_ * kMaxBlockFrames;
            BlockReader = &WavReader::ReadMp3;
            return true;
        default:
            return false;
    }
    if (blockFrames_ == 0) blockFrames_ = kMaxBlockFrames * outputChannels_;
    blockBuffer_.assign(static_cast<std::size_t>(blockBytes_), 0);
    blockPosition_ = 0;
    return true;
}

bool WavReader::Read(void* left, void* right, int& framesOut, bool& endFlag) {
    if (!BlockReader) {
        framesOut = 0;
        endFlag = true;
        return false;
    }
    return (this->*BlockReader)(left, right, framesOut, endFlag);
}

template <typename Convert>
bool WavReader::ReadUncompressed(void* left, void* right, int& framesOut, bool& endFlag,
                                 std::size_t sampleBytes, Convert convert) {
    const int c = format_.channels;
    const int want = std::clamp(framesLeft_, 0, kMaxBlockFrames);
    const std::size_t samples = std::fread(blockBuffer_.data(), sampleBytes,
                                           static_cast<std::size_t>(want) * c, file_.get());
    if (ReadFailed(framesOut)) return false;
    if (samples == 0) {
        framesOut = 0;
        endFlag = true;
        return true;
    }
    const int frames = static_cast<int>(samples / c);
    const std::uint8_t* in = blockBuffer_.data();
    if (c == 1) {
        for (int i = 0; i < frames; ++i, in += sampleBytes) convert(in, left, i);
    } else {
        const std::size_t stride = sampleBytes * c;
        for (int i = 0; i < frames; ++i, in += stride) {
            convert(in, left, i);
            convert(in + sampleBytes, right, i);
        }
    }
    framesOut = frames;
    framesLeft_ -= frames;
    if (framesLeft_ <= 0) endFlag = true;
    return true;
}

bool WavReader::ReadPcm8(void* left, void* right, int& framesOut, bool& endFlag) {
    if (format_.channels == 1) {
        // Mono 8-bit goes straight into the caller's array.
        const int want = std::clamp(framesLeft_, 0, kMaxBlockFrames);
        const std::size_t frames = std::fread(left, 1, static_cast<std::size_t>(want), file_.get());
        if (ReadFailed(framesOut)) return false;
        framesOut = static_cast<int>(frames);
        if (frames == 0) {
            endFlag = true;
            return true;
        }
        framesLeft_ -= framesOut;
        if (framesLeft_ <= 0) endFlag = true;
        return true;
    }
    return ReadUncompressed(
        left, right, framesOut, endFlag, 1,
        [](const std::uint8_t* p, void* out, int i) { static_cast<std::uint8_t*>(out)[i] = *p; });
}

template <wav::ByteOrder kOrder>
bool WavReader::ReadPcm16(void* left, void* right, int& framesOut, bool& endFlag) {
    if (format_.channels == 1) {
        // Mono 16-bit goes straight into the caller's array.
        const int want = std::clamp(framesLeft_, 0, kMaxBlockFrames);
        const std::size_t frames = std::fread(left, 2, static_cast<std::size_t>(want), file_.get());
        if (ReadFailed(framesOut)) return false;
        framesOut = static_cast<int>(frames);
        if (frames == 0) {
            endFlag = true;
            return true;
        }
        constexpr bool kLittleFile = kOrder == wav::ByteOrder::kLittle;
        if constexpr (kLittleFile != (std::endian::native == std::endian::little)) {
            auto* samples = static_cast<std::uint16_t*>(left);
            for (std::size_t i = 0; i < frames; ++i)
                samples[i] = static_cast<std::uint16_t>((samples[i] >> 8) | (samples[i] << 8));
        }
        framesLeft_ -= framesOut;
        if (framesLeft_ <= 0) endFlag = true;
        return true;
    }
    return ReadUncompressed(
        left, right, framesOut, endFlag, 2, [](const std::uint8_t* p, void* out, int i) {
            static_cast<std::int16_t*>(out)[i] = static_cast<std::int16_t>(Load16<kOrder>(p));
        });
}

template <wav::ByteOrder kOrder>
bool WavReader::ReadPcm24(void* left, void* right, int& framesOut, bool& endFlag) {
    // The low byte is dropped without rounding: the high two bytes are the last two of a
    // little-endian sample and the first two of a big-endian one.
    constexpr std::size_t kHigh = kOrder == wav::ByteOrder::kLittle ? 1 : 0;
    return ReadUncompressed(left, right, framesOut, endFlag, 3,
                            [](const std::uint8_t* p, void* out, int i) {
                                static_cast<std::int16_t*>(out)[i] =
                                    static_cast<std::int16_t>(Load16<kOrder>(p + kHigh));
                            });
}

template <wav::ByteOrder kOrder>
bool WavReader::ReadPcm32(void* left, void* right, int& framesOut, bool& endFlag) {
    return ReadUncompressed(
        left, right, framesOut, endFlag, 4, [](const std::uint8_t* p, void* out, int i) {
            static_cast<std::int16_t*>(out)[i] =
                static_cast<std::int16_t>(static_cast<std::int32_t>(Load32<kOrder>(p)) >> 16);
        });
}

template <wav::ByteOrder kOrder>
bool WavReader::ReadFloat32(void* left, void* right, int& framesOut, bool& endFlag) {
    return ReadUncompressed(left, right, framesOut, endFlag, 4,
                            [](const std::uint8_t* p, void* out, int i) {
                                const float x = std::bit_cast<float>(Load32<kOrder>(p));
                                static_cast<std::int16_t*>(out)[i] = FloatToPcm16(x);
                            });
}

template <wav::ByteOrder kOrder>
bool WavReader::ReadFloat64(void* left, void* right, int& framesOut, bool& endFlag) {
    return ReadUncompressed(
        left, right, framesOut, endFlag, 8, [](const std::uint8_t* p, void* out, int i) {
            // Spelt out here rather than shared with the header's 64-bit fields: the one
            // use keeps the load inside the loop.
            const std::uint64_t bits =
                kOrder == wav::ByteOrder::kLittle
                    ? std::uint64_t{ReadLe32(p)} | (std::uint64_t{ReadLe32(p + 4)} << 32)
                    : (std::uint64_t{Be32(p)} << 32) | Be32(p + 4);
            static_cast<std::int16_t*>(out)[i] = FloatToPcm16(std::bit_cast<double>(bits));
        });
}

bool WavReader::ReadCompanded(void* left, void* right, int& framesOut, bool& endFlag) {
    // The expanders are table look-ups; indexing the table here saves a call per sample.
    const std::int16_t* table =
        LawExpander == &ExpandALaw ? g711::kALawTable.data() : g711::kMuLawTable.data();
    return ReadUncompressed(left, right, framesOut, endFlag, 1,
                            [table](const std::uint8_t* p, void* out, int i) {
                                static_cast<std::int16_t*>(out)[i] = table[*p];
                            });
}

void WavReader::DeliverDecoded(std::int16_t* left, std::int16_t* right, int want, int& produced) {
    const std::int16_t* decoded = decodedBuffer_.data();
    if (compressedStereo_) {
        const int n = std::min(want - produced, (blockFrames_ - blockPosition_) / 2);
        const std::int16_t* in = decoded + blockPosition_;
        std::int16_t* l = left + produced;
        std::int16_t* r = right + produced;
        for (int i = 0; i < n; ++i) {
            l[i] = in[2 * i];
            r[i] = in[2 * i + 1];
        }
        produced += n;
        blockPosition_ += 2 * n;
    } else {
        const int n = std::min(want - produced, blockFrames_ - blockPosition_);
        std::memcpy(left + produced, decoded + blockPosition_, sizeof(std::int16_t) * n);
        produced += n;
        blockPosition_ += n;
    }
}

template <typename DecodeBlock>
bool WavReader::ReadCompressed(void* left, void* right, int& framesOut, bool& endFlag,
                               DecodeBlock decodeBlock) {
    auto* l = static_cast<std::int16_t*>(left);
    auto* r = static_cast<std::int16_t*>(right);
    const int want = std::clamp(framesLeft_, 0, kMaxBlockFrames);
    int produced = 0;
    bool undecodable = false;
    if (blockPosition_ > 0 && blockPosition_ < blockFrames_) DeliverDecoded(l, r, want, produced);
    if (blockPosition_ >= blockFrames_) blockPosition_ = 0;
    while (produced < want) {
        // A short read is the end of the data; its partial block is not decoded.
        if (!ReadExact(blockBuffer_.data(), static_cast<std::size_t>(blockBytes_))) break;
        if (!decodeBlock()) {
            undecodable = true;
            break;
        }
        blockPosition_ = 0;
        DeliverDecoded(l, r, want, produced);
        if (blockPosition_ >= blockFrames_) blockPosition_ = 0;
    }
    if (ReadFailed(framesOut)) return false;
    framesOut = produced;
    framesLeft_ -= produced;
    // A block that cannot be decoded ends the input: what follows it cannot be trusted.
    if (undecodable) framesLeft_ = 0;
    if (framesLeft_ <= 0) endFlag = true;
    return true;
}

bool WavReader::ReadImaAdpcm(void* left, void* right, int& framesOut, bool& endFlag) {
    return ReadCompressed(left, right, framesOut, endFlag, [this] {
        return imaAdpcmDecoder_->DecodeBlock(blockBuffer_.data(), decodedBuffer_.data());
    });
}

bool WavReader::ReadMsAdpcm(void* left, void* right, int& framesOut, bool& endFlag) {
    // A block that names a predictor the file lacks ends the reading.
    return ReadCompressed(left, right, framesOut, endFlag, [this] {
        return msAdpcmDecoder_->DecodeBlock(blockBuffer_.data(), decodedBuffer_.data()) > 0;
    });
}

bool WavReader::ReadGsm(void* left, void* right, int& framesOut, bool& endFlag) {
    // The WAV49 packing keeps half a byte of the first frame in the decoder between the two
    // calls, so both frames of a block are decoded in order.
    return ReadCompressed(left, right, framesOut, endFlag, [this] {
        std::uint8_t* block = blockBuffer_.data();
        std::int16_t* out = decodedBuffer_.data();
        if (gsm_decode(gsmDecoder_.get(), block, out) < 0) return false;
        return gsm_decode(gsmDecoder_.get(), block + wav::kGsmSecondFrameOffset,
                          out + wav::kGsmFrameSamples) >= 0;
    });
}

bool WavReader::ReadMp3(void* left, void* right, int& framesOut, bool& endFlag) {
    return mp3Reader_->Read(static_cast<std::int16_t*>(left), static_cast<std::int16_t*>(right),
                            framesOut, endFlag);
}

}  // namespace tonvexa
