// Fixed-size blocks for the records a database holds by the hundred thousand.
//
// A full-history LegendDB is over 100,000 players, each at its own stable address, and
// half of them with a pitching line of their own. Taking every one from the general
// heap made the heap the larger part of loading the file. Each record type draws its
// blocks from its own pool instead: a block is a pointer bump or a pop from a free
// list, and a freed block goes back on the list for the next record.
//
// A pool never gives its memory back: it keeps it, ready for the next load, for the
// life of the program. Its chunks stay linked from the pool, so leak checkers see them
// as in use. The sanitizer build skips the pools, so that every record is its own heap
// block and a use after free is caught.
#pragma once

#include <algorithm>
#include <cstddef>
#include <new>

namespace velmoro {

// What a pool holds, for the memory figures of the benchmarks.
struct RecordPoolUsage {
    std::size_t blocksInUse = 0;
    std::size_t bytesInUse = 0;     // blocks handed out and not freed
    std::size_t bytesReserved = 0;  // all memory the pool took from the heap
};

class RecordPool {
  public:
    constexpr RecordPool(std::size_t blockSize, std::size_t alignment)
        : blockSize_(BlockSize(blockSize, alignment)) {}
    RecordPool(const RecordPool&) = delete;
    RecordPool& operator=(const RecordPool&) = delete;

    void* Allocate() {
        ++blocksInUse_;
        if (FreeBlock* block = freeList_) {
            freeList_ = block->next;
            return block;
        }
        if (bump_ == bumpEnd_) AddChunk();
        void* block = bump_;
        bump_ += blockSize_;
        return block;
    }

    void Free(void* block) noexcept {
        --blocksInUse_;
        auto* freed = static_cast<FreeBlock*>(block);
        freed->next = freeList_;
        freeList_ = freed;
    }

    RecordPoolUsage Usage() const;

  private:
    struct FreeBlock {
        FreeBlock* next;
    };
    struct alignas(std::max_align_t) ChunkHead {
        ChunkHead* previous;
    };

    // Every block must also hold a free-list link when it is free.
    static constexpr std::size_t BlockSize(std::size_t size, std::size_t alignment) {
        const std::size_t align = std::max(alignment, alignof(FreeBlock));
        return (std::max(size, sizeof(FreeBlock)) + align - 1) / align * align;
    }
    void AddChunk();

    std::size_t blockSize_;
    ChunkHead* lastChunk_ = nullptr;
    std::size_t chunks_ = 0;
    char* bump_ = nullptr;
    char* bumpEnd_ = nullptr;
    FreeBlock* freeList_ = nullptr;
    std::size_t blocksInUse_ = 0;
};

#if defined(__SANITIZE_ADDRESS__)
#define VELMORO_RECORD_POOLS 0
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VELMORO_RECORD_POOLS 0
#endif
#endif
#ifndef VELMORO_RECORD_POOLS
#define VELMORO_RECORD_POOLS 1
#endif

// The pool of one record type. One per thread, so taking a block needs no lock;
// records are freed into the pool of the thread that frees them. As no pool gives
// memory back, a record may be handed between threads and outlive its thread.
template <typename Record>
RecordPool& PoolFor() {
    thread_local constinit RecordPool pool(sizeof(Record), alignof(Record));
    return pool;
}

// The `new` and `delete` of a pooled record type. A block of another size (a derived
// type) goes to the general heap.
template <typename Record>
void* AllocateRecord(std::size_t size) {
#if VELMORO_RECORD_POOLS
    if (size == sizeof(Record)) return PoolFor<Record>().Allocate();
#endif
    return ::operator new(size);
}

template <typename Record>
void FreeRecord(void* block, [[maybe_unused]] std::size_t size) noexcept {
#if VELMORO_RECORD_POOLS
    if (block && size == sizeof(Record)) return PoolFor<Record>().Free(block);
#endif
    // The unsized form: sized deallocation is not on by default everywhere (Clang before
    // 19 needs -fsized-deallocation), and a block from ::operator new(size) may always be
    // freed without its size.
    ::operator delete(block);
}

}  // namespace velmoro
