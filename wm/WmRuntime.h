#pragma once

// The Windows Media runtime as the readers, the writer and the format list use it: a sync
// reader, a profile manager with its codec information, profiles and stream configurations,
// a writer and sample buffers. Every operation answers with a WmResult (negative is a
// failure). One implementation sits on FFmpeg (FfmpegWmRuntime); the tests script another.

#include <cstdint>
#include <memory>
#include <string>

#include "wm/WmTypes.h"

namespace tonvexa {

class AtomicOutput;

// A block of sample bytes (INSSBuffer): the decoded audio a reader hands out, or the
// buffer a writer allocates for the caller to fill.
class WmSampleBuffer {
public:
    virtual ~WmSampleBuffer() = default;
    virtual WmResult GetBufferAndLength(std::uint8_t** buffer, std::uint32_t* length) = 0;
    virtual WmResult GetBuffer(std::uint8_t** buffer) = 0;
    virtual WmResult GetLength(std::uint32_t* length) = 0;
    virtual WmResult SetLength(std::uint32_t length) = 0;
    virtual WmResult GetMaxLength(std::uint32_t* length) = 0;
};
using WmSampleBufferPtr = std::unique_ptr<WmSampleBuffer>;

// A sample buffer on the heap; the runtimes hand these out.
class WmHeapSampleBuffer final : public WmSampleBuffer {
public:
    explicit WmHeapSampleBuffer(std::uint32_t capacity);
    WmResult GetBufferAndLength(std::uint8_t** buffer, std::uint32_t* length) override;
    WmResult GetBuffer(std::uint8_t** buffer) override;
    WmResult GetLength(std::uint32_t* length) override;
    WmResult SetLength(std::uint32_t length) override;
    WmResult GetMaxLength(std::uint32_t* length) override;

private:
    std::unique_ptr<std::uint8_t[]> bytes_;
    std::uint32_t capacity_ = 0;
    std::uint32_t length_ = 0;
};

// The synchronous reader (IWMSyncReader with the IWMProfile and IWMHeaderInfo it offers).
class WmSyncReader {
public:
    virtual ~WmSyncReader() = default;
    // The path as the file system holds it: its own bytes, whatever their encoding, so that
    // a name that is not UTF-8 opens too (a Windows version would take UTF-16 here).
    virtual WmResult Open(const std::string& path) = 0;
    virtual WmResult Close() = 0;

    // The file's profile: its streams with their numbers and major types.
    virtual WmResult GetStreamCount(std::uint32_t* count) = 0;
    virtual WmResult GetStream(std::uint32_t index, std::uint16_t* streamNumber,
                               WmGuid* streamType) = 0;

    // An attribute by its Windows Media name. With `value` null only the type and the length
    // in bytes are reported; otherwise `*length` is the buffer's size and the value is copied.
    // Strings are UTF-16 with their terminating null counted in the length.
    virtual WmResult GetAttributeByName(std::uint16_t* streamNumber, const std::u16string& name,
                                        WMT_ATTR_DATATYPE* type, std::uint8_t* value,
                                        std::uint16_t* length) = 0;

    // The decoder outputs and their media types (size first, then the block).
    virtual WmResult GetOutputCount(std::uint32_t* count) = 0;
    virtual WmResult GetOutputMediaType(std::uint32_t output, WM_MEDIA_TYPE* type,
                                        std::uint32_t* size) = 0;

    // The next decoded sample of a stream with its presentation time in 100-ns units.
    virtual WmResult GetNextSample(std::uint16_t streamNumber, WmSampleBufferPtr* sample,
                                   std::uint64_t* sampleTime) = 0;
};

// A stream's configuration (IWMStreamConfig with IWMMediaProps).
class WmStreamConfig {
public:
    virtual ~WmStreamConfig() = default;
    virtual WmResult GetBitrate(std::uint32_t* bitRate) = 0;
    virtual WmResult GetMediaType(WM_MEDIA_TYPE* type, std::uint32_t* size) = 0;
    virtual WmResult GetStreamType(WmGuid* type) = 0;
    virtual WmResult GetStreamNumber(std::uint16_t* number) = 0;
    virtual WmResult SetMediaType(const WM_MEDIA_TYPE& type) = 0;
    virtual WmResult SetStreamName(const std::u16string& name) = 0;
    virtual WmResult SetConnectionName(const std::u16string& name) = 0;
    virtual WmResult SetStreamNumber(std::uint16_t number) = 0;
    virtual WmResult SetBitrate(std::uint32_t bitRate) = 0;
    virtual WmResult SetBufferWindow(std::uint32_t milliseconds) = 0;
};
using WmStreamConfigPtr = std::unique_ptr<WmStreamConfig>;

// A profile under construction (IWMProfile).
class WmProfile {
public:
    virtual ~WmProfile() = default;
    virtual WmResult CreateNewStream(const WmGuid& majorType, WmStreamConfigPtr* config) = 0;
    virtual WmResult AddStream(const WmStreamConfig& config) = 0;
    virtual WmResult GetStreamCount(std::uint32_t* count) = 0;
    // The profile's own configuration of a stream (borrowed).
    virtual WmResult GetStream(std::uint32_t index, WmStreamConfig** config) = 0;
};
using WmProfilePtr = std::unique_ptr<WmProfile>;

// The profile manager with its codec information (IWMProfileManager, IWMCodecInfo3).
class WmProfileManager {
public:
    virtual ~WmProfileManager() = default;
    virtual WmResult GetCodecInfoCount(const WmGuid& majorType, std::uint32_t* count) = 0;
    virtual WmResult GetCodecFormatCount(const WmGuid& majorType, std::uint32_t codec,
                                         std::uint32_t* count) = 0;
    // The format's description (at most `*descriptionLength` UTF-16 units with the null;
    // the length used is reported back) and its stream configuration.
    virtual WmResult GetCodecFormatDesc(const WmGuid& majorType, std::uint32_t codec,
                                        std::uint32_t format, WmStreamConfigPtr* config,
                                        char16_t* description,
                                        std::uint32_t* descriptionLength) = 0;
    virtual WmResult CreateEmptyProfile(WMT_VERSION version, WmProfilePtr* profile) = 0;
};
using WmProfileManagerPtr = std::unique_ptr<WmProfileManager>;

// The writer (IWMWriter with IWMWriterAdvanced and IWMHeaderInfo3).
class WmWriter {
public:
    virtual ~WmWriter() = default;
    virtual WmResult SetProfile(WmProfile& profile) = 0;
    virtual WmResult GetInputCount(std::uint32_t* count) = 0;
    virtual WmResult GetInputType(std::uint32_t input, WmGuid* majorType) = 0;
    virtual WmResult SetInputMediaType(std::uint32_t input, const WM_MEDIA_TYPE& type) = 0;
    // A file-level (stream 0) or stream attribute; strings are UTF-16, `length` in bytes.
    virtual WmResult AddAttribute(std::uint16_t streamNumber, const std::u16string& name,
                                  std::uint16_t* index, WMT_ATTR_DATATYPE type,
                                  std::uint16_t language, const std::uint8_t* value,
                                  std::uint32_t length) = 0;
    // The file to write into: one that has no name until the caller gives it one, once the
    // writing has ended (IWMWriter::SetOutputFilename in the Windows runtime, which would be
    // given the temporary name such a file has there). It must outlive the writing and
    // allow seeking: the header is rewritten at the end.
    virtual WmResult SetOutputFile(AtomicOutput& file) = 0;
    virtual WmResult BeginWriting() = 0;
    virtual WmResult AllocateSample(std::uint32_t size, WmSampleBufferPtr* sample) = 0;
    virtual WmResult WriteSample(std::uint32_t input, std::uint64_t sampleTime, std::uint32_t flags,
                                 WmSampleBuffer& sample) = 0;
    virtual WmResult EndWriting() = 0;
};
using WmWriterPtr = std::unique_ptr<WmWriter>;

// The entry points (WMCreateSyncReader, WMCreateProfileManager, WMCreateWriter).
class WmRuntime {
public:
    virtual ~WmRuntime() = default;
    virtual WmResult CreateSyncReader(std::unique_ptr<WmSyncReader>* reader) = 0;
    virtual WmResult CreateProfileManager(WmProfileManagerPtr* manager) = 0;
    virtual WmResult CreateWriter(WmWriterPtr* writer) = 0;
};

}  // namespace tonvexa
