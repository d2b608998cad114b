// The module's operator new and delete, through the small-block pool.
#include "web/SmallBlockPool.h"

#include <new>

namespace {

// Constant-initialised, so ready for the first allocation of any static initialiser, and never
// destroyed, so still there for the last block any static destructor frees.
union NeverDestroyed {
    constexpr NeverDestroyed() : pool() {}
    ~NeverDestroyed() {}
    tandrel::web::CSmallBlockPool pool;
} kept;

tandrel::web::CSmallBlockPool& pool = kept.pool;

} // namespace

void* operator new(std::size_t size) {
    if (void* block = pool.Allocate(size))
        return block;
    throw std::bad_alloc();
}

void* operator new[](std::size_t size) {
    return operator new(size);
}

void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return pool.Allocate(size);
}

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return pool.Allocate(size);
}

void operator delete(void* block) noexcept {
    pool.Free(block);
}

void operator delete[](void* block) noexcept {
    pool.Free(block);
}

void operator delete(void* block, std::size_t) noexcept {
    pool.Free(block);
}

void operator delete[](void* block, std::size_t) noexcept {
    pool.Free(block);
}

void operator delete(void* block, const std::nothrow_t&) noexcept {
    pool.Free(block);
}

void operator delete[](void* block, const std::nothrow_t&) noexcept {
    pool.Free(block);
}
