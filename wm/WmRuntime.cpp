#include "wm/WmRuntime.h"

#include <new>

namespace tonvexa {

WmHeapSampleBuffer::WmHeapSampleBuffer(std::uint32_t capacity)
    : bytes_(new (std::nothrow) std::uint8_t[capacity ? capacity : 1]),
      capacity_(bytes_ ? capacity : 0) {}

WmResult WmHeapSampleBuffer::GetBufferAndLength(std::uint8_t** buffer, std::uint32_t* length) {
    if (!buffer || !length) return WM_E_INVALIDARG;
    *buffer = bytes_.get();
    *length = length_;
    return WM_S_OK;
}

WmResult WmHeapSampleBuffer::GetBuffer(std::uint8_t** buffer) {
    if (!buffer) return WM_E_INVALIDARG;
    *buffer = bytes_.get();
    return WM_S_OK;
}

WmResult WmHeapSampleBuffer::GetLength(std::uint32_t* length) {
    if (!length) return WM_E_INVALIDARG;
    *length = length_;
    return WM_S_OK;
}

WmResult WmHeapSampleBuffer::SetLength(std::uint32_t length) {
    if (length > capacity_) return WM_E_INVALIDARG;
    length_ = length;
    return WM_S_OK;
}

WmResult WmHeapSampleBuffer::GetMaxLength(std::uint32_t* length) {
    if (!length) return WM_E_INVALIDARG;
    *length = capacity_;
    return WM_S_OK;
}

}  // namespace tonvexa
