#include "db/record_pool.h"

namespace velmoro {

namespace {
// Big enough that a full history needs few chunks, small enough for a demo league.
constexpr std::size_t kChunkBytes = 256 * 1024;
}  // namespace

void RecordPool::AddChunk() {
    auto* chunk = static_cast<char*>(::operator new(kChunkBytes));
    lastChunk_ = new (chunk) ChunkHead{lastChunk_};
    ++chunks_;
    bump_ = chunk + sizeof(ChunkHead);
    bumpEnd_ = bump_ + (kChunkBytes - sizeof(ChunkHead)) / blockSize_ * blockSize_;
}

RecordPoolUsage RecordPool::Usage() const {
    return {blocksInUse_, blocksInUse_ * blockSize_, chunks_ * kChunkBytes};
}

}  // namespace velmoro
