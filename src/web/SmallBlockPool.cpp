#include "web/SmallBlockPool.h"

#include <cstdlib>

namespace tandrel::web {

CSmallBlockPool::~CSmallBlockPool() {
    while (chunks_) {
        char* before = *reinterpret_cast<char**>(chunks_);
        std::free(chunks_);
        chunks_ = before;
    }
}

void* CSmallBlockPool::Allocate(std::size_t size) {
    std::size_t sizeClass = size ? (size + kGranule - 1) / kGranule : 1;
    if (sizeClass > kClasses) {
        if (size > static_cast<std::size_t>(-1) - kHeader)
            return nullptr;
        auto* block = static_cast<char*>(std::malloc(kHeader + size));
        if (!block)
            return nullptr;
        *reinterpret_cast<std::size_t*>(block) = 0;
        return block + kHeader;
    }
    if (FreeBlock* block = free_[sizeClass]) {
        free_[sizeClass] = block->next;
        return block;
    }
    return Carve(sizeClass);
}

void* CSmallBlockPool::Carve(std::size_t sizeClass) {
    std::size_t bytes = kHeader + sizeClass * kGranule;
    if (chunkLeft_ < bytes) {
        // What is left of the old chunk is too small for this class; it stays unused.
        static_assert(kHeader >= sizeof(char*));
        auto* chunk = static_cast<char*>(std::malloc(kChunkBytes));
        if (!chunk)
            return nullptr;
        *reinterpret_cast<char**>(chunk) = chunks_;
        chunks_ = chunk;
        chunk_ = chunk + kHeader;
        chunkLeft_ = kChunkBytes - kHeader;
    }
    char* block = chunk_;
    chunk_ += bytes;
    chunkLeft_ -= bytes;
    *reinterpret_cast<std::size_t*>(block) = sizeClass;
    return block + kHeader;
}

void CSmallBlockPool::Free(void* block) {
    if (!block)
        return;
    char* start = static_cast<char*>(block) - kHeader;
    std::size_t sizeClass = *reinterpret_cast<std::size_t*>(start);
    if (!sizeClass) {
        std::free(start);
        return;
    }
    auto* freed = static_cast<FreeBlock*>(block);
    freed->next = free_[sizeClass];
    free_[sizeClass] = freed;
}

} // namespace tandrel::web
