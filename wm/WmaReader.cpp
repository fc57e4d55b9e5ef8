#include "wm/WmaReader.h"

#include <algorithm>
#include <climits>
#include <cstring>

#include "base/LittleEndian.h"
#include "wm/WmText.h"

namespace tonvexa {

namespace {

constexpr std::uint64_t kUnitsPerSecond = 10'000'000;
// The track number's text is read into a buffer of this many bytes, null included.
constexpr std::size_t kTrackTextBuffer = 20;

std::string TextOf(const std::vector<std::uint8_t>& value) {
    return Utf16ToUtf8(Utf16FromBytes(value.data(), value.size()));
}

}  // namespace

std::int32_t LeadingInteger(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' ||
                               text[i] == '\r' || text[i] == '\v' || text[i] == '\f'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative) value = -value;
    return static_cast<std::int32_t>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

WmaReader::WmaReader(WmRuntime& runtime) {
    if (WmFailed(runtime.CreateSyncReader(&reader_))) reader_.reset();
}

WmaReader::~WmaReader() = default;

WAVEFORMATEX WmaReader::SourceFormat() const {
    WAVEFORMATEX format{};
    if (!sourceFormat_.empty())
        std::memcpy(&format, sourceFormat_.data(),
                    std::min<std::size_t>(sizeof format, sourceFormat_.size()));
    return format;
}

bool WmaReader::Open(const std::string& path) {
    if (!reader_) return false;
    if (WmFailed(reader_->Open(path))) return false;
    opened_ = true;
    return FindAudioStream() && ReadAttributes() && FindAudioOutput();
}

bool WmaReader::FindAudioStream() {
    std::uint32_t count = 0;
    if (WmFailed(reader_->GetStreamCount(&count))) return false;
    for (std::uint32_t i = 0; i < count; ++i) {
        std::uint16_t number = 0;
        WmGuid type;
        if (WmFailed(reader_->GetStream(i, &number, &type))) return false;
        if (type == WMMEDIATYPE_Audio) {
            audioStream_ = number;
            return true;
        }
    }
    return false;
}

WmaReader::Fetch WmaReader::FetchAttribute(const char16_t* name, WMT_ATTR_DATATYPE* type,
                                           std::vector<std::uint8_t>* value) {
    std::uint16_t stream = 0;
    std::uint16_t length = 0;
    WmResult r = reader_->GetAttributeByName(&stream, name, type, nullptr, &length);
    if (r == ASF_E_NOTFOUND) return Fetch::Absent;
    if (WmFailed(r)) return Fetch::Failed;
    value->assign(length, 0);
    stream = 0;
    r = reader_->GetAttributeByName(&stream, name, type, value->data(), &length);
    if (r == ASF_E_NOTFOUND) return Fetch::Absent;
    if (WmFailed(r)) return Fetch::Failed;
    value->resize(std::min<std::size_t>(length, value->size()));
    return Fetch::Found;
}

bool WmaReader::ReadAttributes() {
    struct Text {
        const char16_t* name;
        std::string* field;
    };
    // The order in which the file's attributes are fetched.
    const Text before[] = {{u"Title", &title_},
                           {u"Author", &author_},
                           {u"Description", &description_},
                           {u"WM/AlbumTitle", &album_},
                           {u"WM/Genre", &genre_}};
    const Text after[] = {{u"WM/Year", &year_}, {u"Copyright", &copyright_}};
    WMT_ATTR_DATATYPE type = WMT_TYPE_BINARY;
    std::vector<std::uint8_t> value;
    auto readText = [&](const Text& t) {
        const Fetch f = FetchAttribute(t.name, &type, &value);
        if (f == Fetch::Failed) return false;
        *t.field = f == Fetch::Found ? TextOf(value) : std::string();
        return true;
    };
    for (const Text& t : before)
        if (!readText(t)) return false;

    Fetch f = FetchAttribute(u"WM/TrackNumber", &type, &value);
    if (f == Fetch::Failed) return false;
    trackNumber_ = 0;
    if (f == Fetch::Found && type == WMT_TYPE_DWORD && value.size() >= 4) {
        trackNumber_ = static_cast<std::int32_t>(ReadLe32(value.data()));
    } else if (f == Fetch::Found && type == WMT_TYPE_STRING) {
        std::string text = TextOf(value);
        if (text.size() > kTrackTextBuffer - 1) text.resize(kTrackTextBuffer - 1);
        trackNumber_ = LeadingInteger(text);
    }

    for (const Text& t : after)
        if (!readText(t)) return false;

    f = FetchAttribute(u"Duration", &type, &value);
    if (f == Fetch::Failed) return false;
    duration_ = 0;
    if (f == Fetch::Found && value.size() >= 8) {
        const std::uint64_t units = ReadLe64(value.data());
        duration_ = static_cast<std::uint32_t>(units / kUnitsPerSecond);
    }

    f = FetchAttribute(u"Bitrate", &type, &value);
    if (f == Fetch::Failed) return false;
    bitRate_ = f == Fetch::Found && value.size() >= 4
                   ? static_cast<std::int32_t>(ReadLe32(value.data()))
                   : 0;
    return true;
}

bool WmaReader::FindAudioOutput() {
    std::uint32_t count = 0;
    if (WmFailed(reader_->GetOutputCount(&count))) return false;
    for (std::uint32_t i = 0; i < count; ++i) {
        std::uint32_t size = 0;
        if (WmFailed(reader_->GetOutputMediaType(i, nullptr, &size))) return false;
        MediaTypeBlock type = AllocateMediaTypeBlock(size);
        if (!type || WmFailed(reader_->GetOutputMediaType(i, type.get(), &size))) return false;
        if (type->majortype == WMMEDIATYPE_Audio) {
            if (type->pbFormat && type->cbFormat)
                sourceFormat_.assign(type->pbFormat, type->pbFormat + type->cbFormat);
            else
                sourceFormat_.clear();
            channels_ = SourceFormat().nChannels;
            return true;
        }
    }
    return false;
}

int WmaReader::CopyFrames(std::int16_t* first, std::int16_t* second, int offset, int count) {
    const std::int16_t* __restrict values =
        reinterpret_cast<const std::int16_t*>(buffer_.get()) + readPosition_;
    std::int16_t* __restrict a = first + offset;
    if (channels_ == 2) {
        std::int16_t* __restrict b = second + offset;
        for (int i = 0; i < count; ++i) {
            a[i] = values[2 * i];
            b[i] = values[2 * i + 1];
        }
        readPosition_ += 2 * static_cast<std::uint32_t>(count);
    } else {
        std::memcpy(a, values, static_cast<std::size_t>(count) * 2);
        readPosition_ += static_cast<std::uint32_t>(count);
    }
    undelivered_ -= static_cast<std::uint32_t>(count);
    return count;
}

int WmaReader::ReadFrames(std::int16_t* first, std::int16_t* second, bool& endOfStream) {
    int wanted = kWmaReadBlockFrames;
    int delivered = 0;
    if (undelivered_ > 0) {
        delivered =
            CopyFrames(first, second, 0, std::min<int>(wanted, static_cast<int>(undelivered_)));
        wanted = kWmaReadBlockFrames - delivered;
        if (wanted == 0) return delivered;
    }
    const std::uint32_t frameBytes = static_cast<std::uint32_t>(std::max(1, channels_)) * 2;
    while (wanted > 0) {
        WmSampleBufferPtr sample;
        std::uint64_t time = 0;
        std::uint8_t* data = nullptr;
        std::uint32_t length = 0;
        if (!NextSample(&sample, &time, endOfStream) ||
            WmFailed(sample->GetBufferAndLength(&data, &length))) {
            if (!endOfStream) readFailed_ = true;
            return delivered;
        }
        if (length > bufferCapacity_) {
            buffer_.reset();
            bufferCapacity_ = 0;
            const std::uint32_t capacity = ((length + length / 8) & ~3u) + 4;
            buffer_.reset(new std::uint8_t[capacity]);
            bufferCapacity_ = capacity;
        }
        if (length) std::memcpy(buffer_.get(), data, length);
        readPosition_ = 0;
        undelivered_ = length / frameBytes;
        delivered += CopyFrames(first, second, delivered,
                                std::min<int>(wanted, static_cast<int>(undelivered_)));
        wanted = kWmaReadBlockFrames - delivered;
    }
    return delivered;
}

std::uint32_t WmaReader::ReadRawSample(WmSampleBufferPtr* buffer, std::uint64_t* sampleTime,
                                       bool& endOfStream) {
    WmSampleBufferPtr sample;
    std::uint64_t time = 0;
    std::uint32_t length = 0;
    if (!NextSample(&sample, &time, endOfStream) || WmFailed(sample->GetLength(&length))) {
        if (!endOfStream) readFailed_ = true;
        return 0;
    }
    const std::uint32_t frameBytes = static_cast<std::uint32_t>(std::max(1, Channels())) * 2;
    if (sampleTime) *sampleTime = time;
    if (buffer) *buffer = std::move(sample);
    return length / frameBytes;
}

bool WmaReader::NextSample(WmSampleBufferPtr* sample, std::uint64_t* time, bool& endOfStream) {
    if (readFailed_) return false;
    // Without a file open in the runtime's reader there is nothing to read.
    const WmResult r = reader_ && opened_ ? reader_->GetNextSample(audioStream_, sample, time)
                                          : NS_E_NO_MORE_SAMPLES;
    if (r == NS_E_NO_MORE_SAMPLES) endOfStream = true;
    return !WmFailed(r) && *sample;
}

void WmaReader::Close() {
    // Everything was read that will be; a file that does not close cleanly changes nothing.
    if (reader_ && opened_) (void)reader_->Close();
    opened_ = false;
}

}  // namespace tonvexa
