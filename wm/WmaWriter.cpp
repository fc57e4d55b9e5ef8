#include "wm/WmaWriter.h"

#include <cstring>

#include "base/PcmFormat.h"
#include "wm/WmText.h"

namespace tonvexa {

namespace {

constexpr double kUnitsPerSecond = 10'000'000.0;

std::optional<std::u16string> Wide(const std::optional<std::string>& text) {
    if (!text) return std::nullopt;
    return Utf8ToUtf16(*text);
}

void Fill16(std::uint8_t* out, const void* first, const void* second, std::uint32_t frames,
            int channels) {
    const auto* a = static_cast<const std::int16_t*>(first);
    if (channels == 2) {
        const auto* b = static_cast<const std::int16_t*>(second);
        auto* o = reinterpret_cast<std::int16_t*>(out);
        for (std::uint32_t i = 0; i < frames; ++i) {
            o[2 * i] = a[i];
            o[2 * i + 1] = b[i];
        }
    } else {
        std::memcpy(out, a, static_cast<std::size_t>(frames) * 2);
    }
}

void Fill8(std::uint8_t* out, const void* first, const void* second, std::uint32_t frames,
           int channels) {
    const auto* a = static_cast<const std::uint8_t*>(first);
    if (channels == 2) {
        const auto* b = static_cast<const std::uint8_t*>(second);
        for (std::uint32_t i = 0; i < frames; ++i) {
            out[2 * i] = a[i];
            out[2 * i + 1] = b[i];
        }
    } else {
        std::memcpy(out, a, frames);
    }
}

}  // namespace

WmaWriter::WmaWriter(WmRuntime& runtime) : runtime_(runtime) {}

WmaWriter::~WmaWriter() {
    Reset();
}

void WmaWriter::SetOutputFile(const std::string& path) {
    path_ = path;
    file_ = nullptr;
}

void WmaWriter::SetOutputFile(AtomicOutput& file) {
    path_.clear();
    file_ = &file;
}

void WmaWriter::SetPcmInput(int sampleRate, int bitsPerSample, int channels) {
    sampleRate_ = sampleRate;
    bitsPerSample_ = bitsPerSample;
    channels_ = channels;
}

void WmaWriter::SetTargetFormat(const WM_MEDIA_TYPE* mediaType, std::uint32_t bitRate) {
    targetType_ = mediaType;
    targetBitRate_ = bitRate;
}

void WmaWriter::SetTags(const WmaTags& tags) {
    title_ = Wide(tags.title);
    album_ = Wide(tags.album);
    author_ = Wide(tags.author);
    genre_ = Wide(tags.genre);
    year_ = Wide(tags.year);
    description_ = Wide(tags.description);
    trackNumber_ = tags.trackNumber;
}

void WmaWriter::Reset() {
    writer_.reset();
    profile_.reset();
    profileManager_.reset();
    title_.reset();
    album_.reset();
    author_.reset();
    genre_.reset();
    year_.reset();
    description_.reset();
    trackNumber_ = 0;
    path_.clear();
    file_ = nullptr;
    owned_.reset();
    sampleRate_ = bitsPerSample_ = channels_ = 0;
    targetType_ = nullptr;
    targetBitRate_ = 0;
    input_ = 0;
    nextSampleTime_ = 0;
}

bool WmaWriter::BuildProfile() {
    if (!targetType_ || targetBitRate_ == 0) return false;
    if (WmFailed(runtime_.CreateProfileManager(&profileManager_)) || !profileManager_) return false;
    if (WmFailed(profileManager_->CreateEmptyProfile(WMT_VER_9_0, &profile_)) || !profile_)
        return false;
    WmStreamConfigPtr stream;
    if (WmFailed(profile_->CreateNewStream(WMMEDIATYPE_Audio, &stream)) || !stream) return false;
    if (WmFailed(stream->SetMediaType(*targetType_)) ||
        WmFailed(stream->SetStreamName(u"audio stream")) ||
        WmFailed(stream->SetConnectionName(u"audio")) ||
        WmFailed(stream->SetStreamNumber(kWmaAudioStreamNumber)) ||
        WmFailed(stream->SetBitrate(targetBitRate_)) ||
        WmFailed(stream->SetBufferWindow(kWmaBufferWindowMs)) ||
        WmFailed(profile_->AddStream(*stream)))
        return false;
    return !WmFailed(writer_->SetProfile(*profile_));
}

bool WmaWriter::SetInputType() {
    std::uint32_t count = 0;
    if (WmFailed(writer_->GetInputCount(&count))) return false;
    input_ = 0;
    for (std::uint32_t i = 0; i < count; ++i) {
        WmGuid type;
        if (WmFailed(writer_->GetInputType(i, &type))) return false;
        if (type == WMMEDIATYPE_Audio) {
            input_ = i;
            break;
        }
    }
    // The runtime takes 8- or 16-bit PCM of one or two channels; a rate no audio has is
    // refused before it reaches the byte rate's arithmetic.
    if ((bitsPerSample_ != 8 && bitsPerSample_ != 16) || channels_ < 1 || channels_ > 2 ||
        !IsPlausibleSampleRate(sampleRate_))
        return false;
    WAVEFORMATEX format{};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = static_cast<std::uint16_t>(channels_);
    format.nSamplesPerSec = static_cast<std::uint32_t>(sampleRate_);
    format.nAvgBytesPerSec =
        static_cast<std::uint32_t>(bitsPerSample_ * channels_ * sampleRate_ / 8);
    format.nBlockAlign = static_cast<std::uint16_t>(bitsPerSample_ * channels_ / 8);
    format.wBitsPerSample = static_cast<std::uint16_t>(bitsPerSample_);
    format.cbSize = 0;
    WM_MEDIA_TYPE type;
    type.majortype = WMMEDIATYPE_Audio;
    type.subtype = WMMEDIASUBTYPE_PCM;
    type.bFixedSizeSamples = true;
    type.bTemporalCompression = false;
    type.lSampleSize = format.nBlockAlign;
    type.formattype = WMFORMAT_WaveFormatEx;
    type.pUnk = nullptr;
    type.cbFormat = kWaveFormatExSize;
    type.pbFormat = reinterpret_cast<std::uint8_t*>(&format);
    return !WmFailed(writer_->SetInputMediaType(input_, type));
}

void WmaWriter::AddAttributes() {
    // An attribute the runtime refuses only leaves the file without it; the audio does not
    // depend on it, so no result here fails the writing.
    std::uint16_t index = 0;
    auto addText = [&](const char16_t* name, const std::optional<std::u16string>& text,
                       bool countNull) {
        if (!text) return;
        const std::size_t units = text->size() + (countNull ? 1 : 0);
        (void)writer_->AddAttribute(0, name, &index, WMT_TYPE_STRING, 0,
                                    reinterpret_cast<const std::uint8_t*>(text->c_str()),
                                    static_cast<std::uint32_t>(units * 2));
    };
    addText(u"Title", title_, true);
    addText(u"Author", author_, false);
    addText(u"Description", description_, false);
    addText(u"WM/AlbumTitle", album_, false);
    addText(u"WM/Genre", genre_, false);
    const std::uint8_t track[4] = {static_cast<std::uint8_t>(trackNumber_),
                                   static_cast<std::uint8_t>(trackNumber_ >> 8),
                                   static_cast<std::uint8_t>(trackNumber_ >> 16),
                                   static_cast<std::uint8_t>(trackNumber_ >> 24)};
    (void)writer_->AddAttribute(0, u"WM/TrackNumber", &index, WMT_TYPE_DWORD, 0, track, 4);
    addText(u"WM/Year", year_, false);
}

bool WmaWriter::Begin() {
    bool ok =
        !WmFailed(runtime_.CreateWriter(&writer_)) && writer_ && BuildProfile() && SetInputType();
    if (ok && !file_) {
        owned_ = std::make_unique<AtomicOutput>();
        ok = !path_.empty() && owned_->Create(path_);
        file_ = owned_.get();
    }
    if (ok) {
        AddAttributes();
        ok = !WmFailed(writer_->SetOutputFile(*file_)) && !WmFailed(writer_->BeginWriting());
    }
    if (!ok) {
        Reset();
        return false;
    }
    nextSampleTime_ = 0;
    return true;
}

bool WmaWriter::WriteInterleaved(std::uint32_t frames, int bytesPerSample,
                                 void (*fill)(std::uint8_t*, const void*, const void*,
                                              std::uint32_t, int),
                                 const void* first, const void* second) {
    if (!writer_ || channels_ <= 0 || sampleRate_ <= 0) return false;
    // A block too large for a sample buffer's 32-bit length is refused, not wrapped around.
    const std::uint64_t wide = std::uint64_t{frames} * static_cast<std::uint64_t>(channels_) *
                               static_cast<std::uint64_t>(bytesPerSample);
    if (wide > UINT32_MAX) return false;
    const auto size = static_cast<std::uint32_t>(wide);
    WmSampleBufferPtr sample;
    std::uint8_t* bytes = nullptr;
    if (WmFailed(writer_->AllocateSample(size, &sample)) || !sample ||
        WmFailed(sample->GetBuffer(&bytes)))
        return false;
    fill(bytes, first, second, frames, channels_);
    bool ok = !WmFailed(sample->SetLength(size));
    ok = ok && !WmFailed(writer_->WriteSample(input_, nextSampleTime_, 0, *sample));
    // Each block moves the clock by its own truncated length; no remainder is carried.
    nextSampleTime_ += static_cast<std::uint64_t>(static_cast<double>(frames) * kUnitsPerSecond /
                                                  static_cast<double>(sampleRate_));
    return ok;
}

bool WmaWriter::WriteFrames16(const std::int16_t* first, const std::int16_t* second,
                              std::uint32_t frames) {
    return WriteInterleaved(frames, 2, Fill16, first, second);
}

bool WmaWriter::WriteFrames8(const std::uint8_t* first, const std::uint8_t* second,
                             std::uint32_t frames) {
    return WriteInterleaved(frames, 1, Fill8, first, second);
}

bool WmaWriter::WriteRawSample(WmSampleBuffer& buffer, std::uint64_t sampleTime) {
    if (!writer_) return false;
    return !WmFailed(writer_->WriteSample(input_, sampleTime, 0, buffer));
}

bool WmaWriter::End() {
    bool ended = !writer_ || !WmFailed(writer_->EndWriting());
    // The runtime's writer lets go of the file before it is named.
    writer_.reset();
    if (owned_) ended = ended && owned_->CommitAs(path_) == AtomicOutput::Commit::Named;
    Reset();
    return ended;
}

}  // namespace tonvexa
