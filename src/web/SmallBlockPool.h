// Memory for the many small blocks a call makes and lets go (strings, list and map nodes), kept
// for reuse rather than given back: in the WebAssembly module, emscripten's small allocator took
// a sixth of every call, several times what a free list takes.
#pragma once

#include <cstddef>

namespace tandrel::web {

/// Hands out blocks aligned as malloc's. A block of up to kLargestPooled bytes, once freed, waits
/// on the free list of its size class for the next request of that class; larger ones come from
/// malloc and go back to it. Not safe for several threads: the module has one.
class CSmallBlockPool {
public:
    static constexpr std::size_t kLargestPooled = 256;

    constexpr CSmallBlockPool() = default;
    /// Gives every chunk back, with the blocks still handed out from it.
    ~CSmallBlockPool();
    CSmallBlockPool(const CSmallBlockPool&) = delete;
    CSmallBlockPool& operator=(const CSmallBlockPool&) = delete;

    /// A block of at least size bytes; null when memory runs out.
    void* Allocate(std::size_t size);
    /// Takes back a block from Allocate (of this pool); null is ignored.
    void Free(void* block);

private:
    // Every block starts with a header of one alignment unit holding its size class (0 for a
    // block from malloc), so that what follows is aligned for any object.
    static constexpr std::size_t kHeader = alignof(std::max_align_t);
    static constexpr std::size_t kGranule = 16;
    static constexpr std::size_t kClasses = kLargestPooled / kGranule;
    static constexpr std::size_t kChunkBytes = 64 * 1024;

    struct FreeBlock {
        FreeBlock* next;
    };

    /// A new block of the class, cut from the current chunk or a new one.
    void* Carve(std::size_t sizeClass);

    /// The freed blocks of each size class; none for class 0, the blocks from malloc.
    FreeBlock* free_[kClasses + 1] = {};
    /// Every chunk, newest first: each one's first unit points to the one before it.
    char* chunks_ = nullptr;
    /// Where the next block is cut from the newest chunk, and the bytes left there.
    char* chunk_ = nullptr;
    std::size_t chunkLeft_ = 0;
};

} // namespace tandrel::web
