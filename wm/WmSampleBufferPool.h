#pragma once

// Sample buffers whose memory goes back to their pool when the holder releases them, so that
// a reader handing out one buffer per decoded frame does not allocate one per frame. A buffer
// may outlive its pool; its memory is then simply freed.

#include <cstdint>
#include <memory>
#include <vector>

#include "wm/WmRuntime.h"

namespace tonvexa {

class WmSampleBufferPool : public std::enable_shared_from_this<WmSampleBufferPool> {
public:
    static std::shared_ptr<WmSampleBufferPool> Create();

    // A buffer of at least `capacity` bytes with length 0; null when memory runs out.
    WmSampleBufferPtr Take(std::uint32_t capacity);

private:
    friend class WmPooledSampleBuffer;
    struct Block {
        std::unique_ptr<std::uint8_t[]> bytes;
        std::uint32_t capacity = 0;
    };
    WmSampleBufferPool() = default;
    void Give(Block block);

    // A few blocks are enough: a reader's caller holds one or two at a time.
    static constexpr std::size_t kKeptBlocks = 4;
    std::vector<Block> free_;
};

}  // namespace tonvexa
