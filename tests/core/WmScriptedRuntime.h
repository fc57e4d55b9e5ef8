#pragma once

// A Windows Media runtime whose answers the tests script and whose calls they watch: the
// edge cases of the reader, the writer and the format list without any codec.

#include <cstring>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "base/AtomicOutput.h"
#include "wm/WmBasicProfile.h"
#include "wm/WmRuntime.h"

namespace tonvexa::test {

inline MediaTypeBlock MakeAudioType(const WmGuid& subtype, std::uint16_t tag, std::uint32_t rate,
                                    std::uint16_t channels, std::vector<std::uint8_t> extra = {}) {
    MediaTypeBlock block = AllocateMediaTypeBlock(
        static_cast<std::uint32_t>(kMediaTypeHeaderSize + kWaveFormatExSize + extra.size()));
    block->majortype = WMMEDIATYPE_Audio;
    block->subtype = subtype;
    block->formattype = WMFORMAT_WaveFormatEx;
    WAVEFORMATEX f{};
    f.wFormatTag = tag;
    f.nChannels = channels;
    f.nSamplesPerSec = rate;
    f.wBitsPerSample = 16;
    f.nBlockAlign = static_cast<std::uint16_t>(channels * 2);
    f.cbSize = static_cast<std::uint16_t>(extra.size());
    std::memcpy(block->pbFormat, &f, kWaveFormatExSize);
    if (!extra.empty())
        std::memcpy(block->pbFormat + kWaveFormatExSize, extra.data(), extra.size());
    return block;
}

// --- Reading -----------------------------------------------------------------------------

struct ReaderScript {
    struct Attribute {
        WMT_ATTR_DATATYPE type;
        std::vector<std::uint8_t> bytes;
    };
    WmResult openResult = WM_S_OK;
    std::vector<std::pair<std::uint16_t, WmGuid>> streams;
    std::map<std::u16string, Attribute> attributes;
    std::map<std::u16string, WmResult> attributeErrors;
    std::vector<MediaTypeBlock> outputs;
    std::deque<std::vector<std::uint8_t>> samples;
    std::uint64_t sampleStep = 1000;
    // What the reader answers once the samples are gone.
    WmResult afterSamples = NS_E_NO_MORE_SAMPLES;

    // What the reader was asked.
    std::vector<std::u16string> attributeNames;  // first calls, in order
    int nextSampleCalls = 0;
    std::vector<std::uint16_t> sampleStreams;
    int closes = 0;
    std::string openedPath;

    void setText(const std::u16string& name, const std::u16string& text) {
        std::vector<std::uint8_t> bytes;
        for (char16_t c : text) {
            bytes.push_back(static_cast<std::uint8_t>(c));
            bytes.push_back(static_cast<std::uint8_t>(c >> 8));
        }
        bytes.push_back(0);
        bytes.push_back(0);
        attributes[name] = {WMT_TYPE_STRING, bytes};
    }
    void setDword(const std::u16string& name, std::uint32_t v) {
        attributes[name] = {
            WMT_TYPE_DWORD,
            {std::uint8_t(v), std::uint8_t(v >> 8), std::uint8_t(v >> 16), std::uint8_t(v >> 24)}};
    }
    void setQword(const std::u16string& name, std::uint64_t v) {
        std::vector<std::uint8_t> b(8);
        for (int i = 0; i < 8; ++i) b[static_cast<std::size_t>(i)] = std::uint8_t(v >> (8 * i));
        attributes[name] = {WMT_TYPE_QWORD, b};
    }
    // A stereo or mono sample whose frames count up from `start` (second channel negated).
    void addFrames(int frames, int channels, int start) {
        std::vector<std::uint8_t> bytes(static_cast<std::size_t>(frames * channels * 2));
        auto* v = reinterpret_cast<std::int16_t*>(bytes.data());
        for (int i = 0; i < frames; ++i) {
            v[i * channels] = static_cast<std::int16_t>(start + i);
            if (channels == 2) v[i * 2 + 1] = static_cast<std::int16_t>(-(start + i));
        }
        samples.push_back(bytes);
    }
    void audioOnly(std::uint32_t rate, std::uint16_t channels) {
        streams = {{1, WMMEDIATYPE_Audio}};
        outputs.clear();
        outputs.push_back(MakeAudioType(WMMEDIASUBTYPE_PCM, WAVE_FORMAT_PCM, rate, channels));
    }
};

class ScriptedSyncReader final : public WmSyncReader {
public:
    explicit ScriptedSyncReader(ReaderScript& s) : s_(s) {}
    WmResult Open(const std::string& path) override {
        s_.openedPath = path;
        return s_.openResult;
    }
    WmResult Close() override {
        ++s_.closes;
        return WM_S_OK;
    }
    WmResult GetStreamCount(std::uint32_t* count) override {
        *count = static_cast<std::uint32_t>(s_.streams.size());
        return WM_S_OK;
    }
    WmResult GetStream(std::uint32_t index, std::uint16_t* number, WmGuid* type) override {
        if (index >= s_.streams.size()) return WM_E_INVALIDARG;
        *number = s_.streams[index].first;
        *type = s_.streams[index].second;
        return WM_S_OK;
    }
    WmResult GetAttributeByName(std::uint16_t* stream, const std::u16string& name,
                                WMT_ATTR_DATATYPE* type, std::uint8_t* value,
                                std::uint16_t* length) override {
        if (!stream || *stream != 0) return WM_E_INVALIDARG;
        if (!value) s_.attributeNames.push_back(name);
        if (auto e = s_.attributeErrors.find(name); e != s_.attributeErrors.end()) return e->second;
        auto it = s_.attributes.find(name);
        if (it == s_.attributes.end()) return ASF_E_NOTFOUND;
        *type = it->second.type;
        const auto size = static_cast<std::uint16_t>(it->second.bytes.size());
        if (value) {
            if (*length != size) return WM_E_INVALIDARG;  // the reader sizes its buffer exactly
            std::memcpy(value, it->second.bytes.data(), size);
        }
        *length = size;
        return WM_S_OK;
    }
    WmResult GetOutputCount(std::uint32_t* count) override {
        *count = static_cast<std::uint32_t>(s_.outputs.size());
        return WM_S_OK;
    }
    WmResult GetOutputMediaType(std::uint32_t output, WM_MEDIA_TYPE* type,
                                std::uint32_t* size) override {
        if (output >= s_.outputs.size()) return WM_E_INVALIDARG;
        return CopyMediaTypeOut(*s_.outputs[output], type, size);
    }
    WmResult GetNextSample(std::uint16_t stream, WmSampleBufferPtr* sample,
                           std::uint64_t* time) override {
        ++s_.nextSampleCalls;
        s_.sampleStreams.push_back(stream);
        if (s_.samples.empty()) return s_.afterSamples;
        const auto bytes = s_.samples.front();
        s_.samples.pop_front();
        auto b = std::make_unique<WmHeapSampleBuffer>(static_cast<std::uint32_t>(bytes.size()));
        std::uint8_t* p = nullptr;
        if (WmFailed(b->GetBuffer(&p))) return WM_E_OUTOFMEMORY;
        if (!bytes.empty()) std::memcpy(p, bytes.data(), bytes.size());
        if (WmFailed(b->SetLength(static_cast<std::uint32_t>(bytes.size())))) return WM_E_FAIL;
        *sample = std::move(b);
        *time = static_cast<std::uint64_t>(s_.nextSampleCalls) * s_.sampleStep;
        return WM_S_OK;
    }

private:
    ReaderScript& s_;
};

// --- Formats -----------------------------------------------------------------------------

struct FormatScript {
    struct Format {
        std::u16string description;
        std::uint32_t bitRate;
        WmGuid subtype;
        std::uint32_t rate;
        std::uint16_t channels;
        bool descFails = false;
        bool mediaTypeFails = false;
    };
    std::vector<std::vector<Format>> codecs;
    std::optional<std::uint32_t> formatCountFailsAt;  // codec index
    bool managerFails = false;
};

class ScriptedStreamConfig final : public WmStreamConfig {
public:
    ScriptedStreamConfig(const FormatScript::Format& f) : f_(f) {}
    WmResult GetBitrate(std::uint32_t* b) override {
        *b = f_.bitRate;
        return WM_S_OK;
    }
    WmResult GetMediaType(WM_MEDIA_TYPE* type, std::uint32_t* size) override {
        if (f_.mediaTypeFails) return WM_E_FAIL;
        auto block = MakeAudioType(f_.subtype, static_cast<std::uint16_t>(f_.subtype.data1),
                                   f_.rate, f_.channels);
        return CopyMediaTypeOut(*block, type, size);
    }
    WmResult GetStreamType(WmGuid* t) override {
        *t = WMMEDIATYPE_Audio;
        return WM_S_OK;
    }
    WmResult GetStreamNumber(std::uint16_t* n) override {
        *n = 0;
        return WM_S_OK;
    }
    WmResult SetMediaType(const WM_MEDIA_TYPE&) override { return WM_E_UNEXPECTED; }
    WmResult SetStreamName(const std::u16string&) override { return WM_E_UNEXPECTED; }
    WmResult SetConnectionName(const std::u16string&) override { return WM_E_UNEXPECTED; }
    WmResult SetStreamNumber(std::uint16_t) override { return WM_E_UNEXPECTED; }
    WmResult SetBitrate(std::uint32_t) override { return WM_E_UNEXPECTED; }
    WmResult SetBufferWindow(std::uint32_t) override { return WM_E_UNEXPECTED; }

private:
    FormatScript::Format f_;
};

struct ProfileLog {
    std::vector<WMT_VERSION> versions;
};

class ScriptedProfileManager final : public WmProfileManager {
public:
    ScriptedProfileManager(FormatScript& s, ProfileLog& log) : s_(s), log_(log) {}
    WmResult GetCodecInfoCount(const WmGuid& major, std::uint32_t* count) override {
        *count = major == WMMEDIATYPE_Audio ? static_cast<std::uint32_t>(s_.codecs.size()) : 0;
        return WM_S_OK;
    }
    WmResult GetCodecFormatCount(const WmGuid&, std::uint32_t codec,
                                 std::uint32_t* count) override {
        if (s_.formatCountFailsAt && *s_.formatCountFailsAt == codec) return WM_E_FAIL;
        *count = static_cast<std::uint32_t>(s_.codecs.at(codec).size());
        return WM_S_OK;
    }
    WmResult GetCodecFormatDesc(const WmGuid&, std::uint32_t codec, std::uint32_t format,
                                WmStreamConfigPtr* config, char16_t* description,
                                std::uint32_t* length) override {
        const auto& f = s_.codecs.at(codec).at(format);
        if (f.descFails) return WM_E_FAIL;
        if (f.description.size() + 1 > *length) return WM_E_INVALIDARG;
        std::memcpy(description, f.description.c_str(), (f.description.size() + 1) * 2);
        *length = static_cast<std::uint32_t>(f.description.size() + 1);
        *config = std::make_unique<ScriptedStreamConfig>(f);
        return WM_S_OK;
    }
    WmResult CreateEmptyProfile(WMT_VERSION version, WmProfilePtr* profile) override {
        log_.versions.push_back(version);
        *profile = std::make_unique<WmBasicProfile>(version);
        return WM_S_OK;
    }

private:
    FormatScript& s_;
    ProfileLog& log_;
};

// --- Writing -----------------------------------------------------------------------------

struct WriterScript {
    struct Attribute {
        std::u16string name;
        WMT_ATTR_DATATYPE type;
        std::vector<std::uint8_t> bytes;
        std::uint16_t stream;
        std::uint16_t language;
    };
    struct Sample {
        std::uint32_t input;
        std::uint64_t time;
        std::uint32_t flags;
        std::vector<std::uint8_t> bytes;
    };
    std::vector<WmGuid> inputs{WMMEDIATYPE_Audio};
    bool allocationFails = false;
    bool writeFails = false;
    bool beginFails = false;

    std::optional<WmBasicStreamConfig> profileStream;
    std::uint32_t profileStreams = 0;
    std::optional<std::uint32_t> inputSet;
    std::vector<std::uint8_t> inputFormat;
    std::optional<WM_MEDIA_TYPE> inputType;
    std::vector<Attribute> attributes;
    const AtomicOutput* file = nullptr;  // where the writer writes
    bool began = false;
    int ends = 0;
    std::vector<Sample> written;
};

class ScriptedWriter final : public WmWriter {
public:
    explicit ScriptedWriter(WriterScript& s) : s_(s) {}
    WmResult SetProfile(WmProfile& profile) override {
        if (WmFailed(profile.GetStreamCount(&s_.profileStreams))) return WM_E_INVALIDARG;
        WmStreamConfig* c = nullptr;
        if (WmFailed(profile.GetStream(0, &c))) return WM_E_INVALIDARG;
        s_.profileStream.emplace(*dynamic_cast<WmBasicStreamConfig*>(c));
        return WM_S_OK;
    }
    WmResult GetInputCount(std::uint32_t* count) override {
        *count = static_cast<std::uint32_t>(s_.inputs.size());
        return WM_S_OK;
    }
    WmResult GetInputType(std::uint32_t input, WmGuid* type) override {
        *type = s_.inputs.at(input);
        return WM_S_OK;
    }
    WmResult SetInputMediaType(std::uint32_t input, const WM_MEDIA_TYPE& type) override {
        s_.inputSet = input;
        s_.inputType = type;
        s_.inputType->pbFormat = nullptr;
        s_.inputFormat.assign(type.pbFormat, type.pbFormat + type.cbFormat);
        return WM_S_OK;
    }
    WmResult AddAttribute(std::uint16_t stream, const std::u16string& name, std::uint16_t*,
                          WMT_ATTR_DATATYPE type, std::uint16_t language, const std::uint8_t* value,
                          std::uint32_t length) override {
        s_.attributes.push_back(
            {name, type, std::vector<std::uint8_t>(value, value + length), stream, language});
        return WM_S_OK;
    }
    WmResult SetOutputFile(AtomicOutput& file) override {
        s_.file = &file;
        return WM_S_OK;
    }
    WmResult BeginWriting() override {
        if (s_.beginFails) return WM_E_FAIL;
        s_.began = true;
        return WM_S_OK;
    }
    WmResult AllocateSample(std::uint32_t size, WmSampleBufferPtr* sample) override {
        if (s_.allocationFails) return WM_E_OUTOFMEMORY;
        *sample = std::make_unique<WmHeapSampleBuffer>(size);
        return WM_S_OK;
    }
    WmResult WriteSample(std::uint32_t input, std::uint64_t time, std::uint32_t flags,
                         WmSampleBuffer& sample) override {
        std::uint8_t* p = nullptr;
        std::uint32_t n = 0;
        if (WmFailed(sample.GetBufferAndLength(&p, &n))) return WM_E_INVALIDARG;
        s_.written.push_back({input, time, flags, std::vector<std::uint8_t>(p, p + n)});
        return s_.writeFails ? WM_E_FAIL : WM_S_OK;
    }
    WmResult EndWriting() override {
        ++s_.ends;
        return WM_S_OK;
    }

private:
    WriterScript& s_;
};

class ScriptedRuntime final : public WmRuntime {
public:
    ReaderScript reader;
    FormatScript formats;
    WriterScript writer;
    ProfileLog profiles;
    bool refuseReader = false;
    bool refuseWriter = false;

    WmResult CreateSyncReader(std::unique_ptr<WmSyncReader>* r) override {
        if (refuseReader) return WM_E_FAIL;
        *r = std::make_unique<ScriptedSyncReader>(reader);
        return WM_S_OK;
    }
    WmResult CreateProfileManager(WmProfileManagerPtr* m) override {
        if (formats.managerFails) return WM_E_FAIL;
        *m = std::make_unique<ScriptedProfileManager>(formats, profiles);
        return WM_S_OK;
    }
    WmResult CreateWriter(WmWriterPtr* w) override {
        if (refuseWriter) return WM_E_FAIL;
        *w = std::make_unique<ScriptedWriter>(writer);
        return WM_S_OK;
    }
};

}  // namespace tonvexa::test
