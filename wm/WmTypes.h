#pragma once

// The value types of the Windows Media runtime as the readers and writers see them: result
// codes, GUIDs of media types, WAVEFORMATEX and WM_MEDIA_TYPE, attribute data types. Kept in
// their Windows shape so that code over the runtime reads like code over WMVCore.

#include <cstddef>
#include <cstdint>
#include <memory>

namespace tonvexa {

// A runtime result, as an HRESULT: negative is a failure. A type of its own, so that no
// caller drops one unseen: every operation's result is looked at, or explicitly set aside
// where it cannot matter.
struct [[nodiscard]] WmResult {
    std::int32_t code = 0;

    constexpr WmResult() = default;
    // The code as Windows writes it, 0x8007000E for example.
    constexpr explicit WmResult(std::uint32_t value) : code(static_cast<std::int32_t>(value)) {}

    friend constexpr bool operator==(WmResult, WmResult) = default;
};

inline constexpr WmResult WM_S_OK{0u};
inline constexpr WmResult WM_E_FAIL{0x80004005u};
inline constexpr WmResult WM_E_INVALIDARG{0x80070057u};
inline constexpr WmResult WM_E_OUTOFMEMORY{0x8007000Eu};
inline constexpr WmResult WM_E_UNEXPECTED{0x8000FFFFu};
// The attribute asked for is not in the file.
inline constexpr WmResult ASF_E_NOTFOUND{0xC00D07F0u};
// The stream has no further samples.
inline constexpr WmResult NS_E_NO_MORE_SAMPLES{0xC00D0BCFu};
// Reading the file failed before its end.
inline constexpr WmResult NS_E_FILE_READ{0xC00D0019u};
// The file could not be opened or is not a usable Windows Media file.
inline constexpr WmResult NS_E_INVALID_INPUT_FORMAT{0xC00D0BBDu};
// The content is protected or cannot be decoded.
inline constexpr WmResult NS_E_DRM_UNSUPPORTED{0xC00D2711u};

inline constexpr bool WmFailed(WmResult r) {
    return r.code < 0;
}

struct WmGuid {
    std::uint32_t data1 = 0;
    std::uint16_t data2 = 0;
    std::uint16_t data3 = 0;
    std::uint8_t data4[8] = {};

    friend bool operator==(const WmGuid&, const WmGuid&) = default;
};

// The media subtypes built from a wave format tag: {tag-0000-0010-8000-00AA00389B71}.
constexpr WmGuid WaveSubtype(std::uint32_t tag) {
    return WmGuid{tag, 0x0000, 0x0010, {0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};
}

inline constexpr WmGuid WMMEDIATYPE_Audio = WaveSubtype(0x73647561);  // 'auds'
inline constexpr WmGuid WMMEDIATYPE_Video = WaveSubtype(0x73646976);  // 'vids'
inline constexpr WmGuid WMMEDIATYPE_Script = WaveSubtype(0x73746373);
inline constexpr WmGuid WMMEDIASUBTYPE_PCM = WaveSubtype(0x0001);
inline constexpr WmGuid WMMEDIASUBTYPE_WMAudioV2 = WaveSubtype(0x0161);
inline constexpr WmGuid WMMEDIASUBTYPE_WMAudioV8 = WaveSubtype(0x0161);
inline constexpr WmGuid WMMEDIASUBTYPE_WMAudioV9 = WaveSubtype(0x0162);
inline constexpr WmGuid WMMEDIASUBTYPE_WMAudio_Lossless = WaveSubtype(0x0163);
inline constexpr WmGuid WMMEDIASUBTYPE_WMSP1 = WaveSubtype(0x000A);
inline constexpr WmGuid WMFORMAT_WaveFormatEx = {
    0x05589F81, 0xC356, 0x11CE, {0xBF, 0x01, 0x00, 0xAA, 0x00, 0x55, 0x59, 0x5A}};

inline constexpr std::uint16_t WAVE_FORMAT_PCM = 0x0001;
inline constexpr std::uint16_t WAVE_FORMAT_WMAUDIO2 = 0x0161;

// The wave format header exactly as it lies in a media type block (18 bytes, then cbSize
// bytes of codec data).
#pragma pack(push, 2)
struct WAVEFORMATEX {
    std::uint16_t wFormatTag;
    std::uint16_t nChannels;
    std::uint32_t nSamplesPerSec;
    std::uint32_t nAvgBytesPerSec;
    std::uint16_t nBlockAlign;
    std::uint16_t wBitsPerSample;
    std::uint16_t cbSize;
};
#pragma pack(pop)
static_assert(sizeof(WAVEFORMATEX) == 18);
inline constexpr std::uint32_t kWaveFormatExSize = 18;

struct WM_MEDIA_TYPE {
    WmGuid majortype;
    WmGuid subtype;
    bool bFixedSizeSamples = false;
    bool bTemporalCompression = false;
    std::uint32_t lSampleSize = 0;
    WmGuid formattype;
    void* pUnk = nullptr;
    std::uint32_t cbFormat = 0;
    std::uint8_t* pbFormat = nullptr;
};

// A media type block as the runtime hands it out: the WM_MEDIA_TYPE first, its format bytes
// right behind it, pbFormat pointing there. Its size is what GetMediaType reports.
inline constexpr std::size_t kMediaTypeHeaderSize =
    (sizeof(WM_MEDIA_TYPE) + alignof(std::max_align_t) - 1) / alignof(std::max_align_t) *
    alignof(std::max_align_t);

struct MediaTypeBlockDeleter {
    void operator()(WM_MEDIA_TYPE* type) const;
};
using MediaTypeBlock = std::unique_ptr<WM_MEDIA_TYPE, MediaTypeBlockDeleter>;

// A new block of the given size (at least the header), zeroed, pbFormat pointing behind
// the header and cbFormat the remaining bytes.
MediaTypeBlock AllocateMediaTypeBlock(std::uint32_t size);

// Fills a caller's block of `*size` bytes (or reports the size needed when `out` is null)
// with a copy of the type and its format bytes: the runtime's two-call GetMediaType.
WmResult CopyMediaTypeOut(const WM_MEDIA_TYPE& type, WM_MEDIA_TYPE* out, std::uint32_t* size);

// The wave format behind a media type, or null when the type carries none.
const WAVEFORMATEX* WaveFormatOf(const WM_MEDIA_TYPE* type);

enum WMT_ATTR_DATATYPE : std::int32_t {
    WMT_TYPE_DWORD = 0,
    WMT_TYPE_STRING = 1,
    WMT_TYPE_BINARY = 2,
    WMT_TYPE_BOOL = 3,
    WMT_TYPE_QWORD = 4,
    WMT_TYPE_WORD = 5,
    WMT_TYPE_GUID = 6,
};

enum WMT_VERSION : std::int32_t {
    WMT_VER_4_0 = 0x00040000,
    WMT_VER_7_0 = 0x00070000,
    WMT_VER_8_0 = 0x00080000,
    WMT_VER_9_0 = 0x00090000,
};

}  // namespace tonvexa
