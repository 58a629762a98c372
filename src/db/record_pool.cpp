#include "db/record_pool.h"

#include <algorithm>

namespace velmoro {

namespace {
// Big enough that a full history needs few chunks, small enough for a demo league.
constexpr std::size_t kChunkBytes = 256 * 1024;
}  // namespace

RecordPool::RecordPool(std::size_t blockSize, std::size_t alignment) {
    // Every block must also hold a free-list link when it is free.
    const std::size_t align = std::max(alignment, alignof(FreeBlock));
    blockSize_ = (std::max(blockSize, sizeof(FreeBlock)) + align - 1) / align * align;
}

void RecordPool::AddChunk() {
    // Chunks are never given back: the records of the next load reuse their blocks.
    bump_ = static_cast<char*>(::operator new(kChunkBytes));
    bumpEnd_ = bump_ + kChunkBytes / blockSize_ * blockSize_;
    ++chunks_;
}

RecordPoolUsage RecordPool::Usage() const {
    return {blocksInUse_, blocksInUse_ * blockSize_, chunks_ * kChunkBytes};
}

}  // namespace velmoro
