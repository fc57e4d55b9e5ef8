#include "wm/WmTypes.h"

#include <cstring>
#include <new>

namespace tonvexa {

void MediaTypeBlockDeleter::operator()(WM_MEDIA_TYPE* type) const {
    if (!type) return;
    type->~WM_MEDIA_TYPE();
    ::operator delete(static_cast<void*>(type));
}

MediaTypeBlock AllocateMediaTypeBlock(std::uint32_t size) {
    const std::size_t total = size < kMediaTypeHeaderSize ? kMediaTypeHeaderSize : size;
    void* memory = ::operator new(total, std::nothrow);
    if (!memory) return {};
    std::memset(memory, 0, total);
    auto* type = new (memory) WM_MEDIA_TYPE{};
    type->cbFormat = static_cast<std::uint32_t>(total - kMediaTypeHeaderSize);
    type->pbFormat =
        type->cbFormat ? static_cast<std::uint8_t*>(memory) + kMediaTypeHeaderSize : nullptr;
    return MediaTypeBlock(type);
}

WmResult CopyMediaTypeOut(const WM_MEDIA_TYPE& type, WM_MEDIA_TYPE* out, std::uint32_t* size) {
    if (!size) return WM_E_INVALIDARG;
    const std::uint32_t needed = static_cast<std::uint32_t>(kMediaTypeHeaderSize) + type.cbFormat;
    if (!out) {
        *size = needed;
        return WM_S_OK;
    }
    if (*size < needed) {
        *size = needed;
        return WM_E_INVALIDARG;
    }
    *out = type;
    out->pbFormat = nullptr;
    if (type.cbFormat) {
        auto* behind = reinterpret_cast<std::uint8_t*>(out) + kMediaTypeHeaderSize;
        if (type.pbFormat) std::memcpy(behind, type.pbFormat, type.cbFormat);
        out->pbFormat = behind;
    }
    *size = needed;
    return WM_S_OK;
}

const WAVEFORMATEX* WaveFormatOf(const WM_MEDIA_TYPE* type) {
    if (!type || !type->pbFormat || type->cbFormat < kWaveFormatExSize ||
        !(type->formattype == WMFORMAT_WaveFormatEx))
        return nullptr;
    return reinterpret_cast<const WAVEFORMATEX*>(type->pbFormat);
}

}  // namespace tonvexa
