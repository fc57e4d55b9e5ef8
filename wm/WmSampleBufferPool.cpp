#include "wm/WmSampleBufferPool.h"

#include <new>

namespace tonvexa {

class WmPooledSampleBuffer final : public WmSampleBuffer {
public:
    WmPooledSampleBuffer(WmSampleBufferPool::Block block, std::weak_ptr<WmSampleBufferPool> pool)
        : block_(std::move(block)), pool_(std::move(pool)) {}
    ~WmPooledSampleBuffer() override {
        if (auto pool = pool_.lock()) pool->Give(std::move(block_));
    }
    WmResult GetBufferAndLength(std::uint8_t** buffer, std::uint32_t* length) override {
        if (!buffer || !length) return WM_E_INVALIDARG;
        *buffer = block_.bytes.get();
        *length = length_;
        return WM_S_OK;
    }
    WmResult GetBuffer(std::uint8_t** buffer) override {
        if (!buffer) return WM_E_INVALIDARG;
        *buffer = block_.bytes.get();
        return WM_S_OK;
    }
    WmResult GetLength(std::uint32_t* length) override {
        if (!length) return WM_E_INVALIDARG;
        *length = length_;
        return WM_S_OK;
    }
    WmResult SetLength(std::uint32_t length) override {
        if (length > block_.capacity) return WM_E_INVALIDARG;
        length_ = length;
        return WM_S_OK;
    }
    WmResult GetMaxLength(std::uint32_t* length) override {
        if (!length) return WM_E_INVALIDARG;
        *length = block_.capacity;
        return WM_S_OK;
    }

private:
    WmSampleBufferPool::Block block_;
    std::weak_ptr<WmSampleBufferPool> pool_;
    std::uint32_t length_ = 0;
};

std::shared_ptr<WmSampleBufferPool> WmSampleBufferPool::Create() {
    return std::shared_ptr<WmSampleBufferPool>(new WmSampleBufferPool());
}

WmSampleBufferPtr WmSampleBufferPool::Take(std::uint32_t capacity) {
    Block block;
    for (auto it = free_.begin(); it != free_.end(); ++it) {
        if (it->capacity >= capacity) {
            block = std::move(*it);
            free_.erase(it);
            break;
        }
    }
    if (!block.bytes) {
        block.bytes.reset(new (std::nothrow) std::uint8_t[capacity ? capacity : 1]);
        if (!block.bytes) return {};
        block.capacity = capacity;
    }
    return std::make_unique<WmPooledSampleBuffer>(std::move(block), weak_from_this());
}

void WmSampleBufferPool::Give(Block block) {
    if (free_.size() < kKeptBlocks) free_.push_back(std::move(block));
}

}  // namespace tonvexa
