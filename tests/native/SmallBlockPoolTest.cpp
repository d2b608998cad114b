// The module's allocator for small blocks: blocks never overlap, whatever mix of sizes is live,
// and a freed block is handed out again only for a request it can hold.
#include "web/SmallBlockPool.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace tandrel::web {
namespace {

struct Block {
    unsigned char* bytes;
    std::size_t size;
    unsigned char fill;
};

// Every block filled with a byte of its own, so that a block sharing memory with another shows
// the other's byte.
Block Take(CSmallBlockPool& pool, std::size_t size, unsigned char fill) {
    auto* bytes = static_cast<unsigned char*>(pool.Allocate(size));
    EXPECT_NE(bytes, nullptr) << size;
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(bytes) % alignof(std::max_align_t), 0u) << size;
    std::memset(bytes, fill, size);
    return {bytes, size, fill};
}

void ExpectIntact(const std::vector<Block>& blocks) {
    for (const Block& block : blocks) {
        for (std::size_t at = 0; at < block.size; ++at)
            ASSERT_EQ(block.bytes[at], block.fill) << block.size << " at " << at;
    }
}

TEST(SmallBlockPool, LiveBlocksOfEverySizeKeepTheirOwnBytes) {
    // Sizes at and around each class's bounds and the largest pooled one, blocks too large for
    // the pool, and enough of them to need several chunks.
    const std::size_t sizes[] = {0,   1,   15,  16,  17,  31,   32,    33, 100,
                                 255, 256, 257, 300, 511, 4096, 70000, 24, 8};
    CSmallBlockPool pool;
    std::vector<Block> blocks;
    for (int round = 0; round < 400; ++round) {
        for (std::size_t size : sizes)
            blocks.push_back(Take(pool, size, static_cast<unsigned char>(blocks.size())));
    }
    ExpectIntact(blocks);
    // Every other block freed and its room taken again by blocks of other sizes.
    std::vector<Block> kept;
    for (std::size_t index = 0; index < blocks.size(); ++index) {
        if (index % 2)
            pool.Free(blocks[index].bytes);
        else
            kept.push_back(blocks[index]);
    }
    for (std::size_t index = 0; index < blocks.size() / 2; ++index) {
        std::size_t size = sizes[(index * 7) % std::size(sizes)];
        kept.push_back(Take(pool, size, static_cast<unsigned char>(index * 3)));
    }
    ExpectIntact(kept);
    for (const Block& block : kept)
        pool.Free(block.bytes);
    pool.Free(nullptr);
}

TEST(SmallBlockPool, AFreedBlockServesOnlyRequestsItCanHold) {
    const struct {
        std::size_t freed;
        std::size_t asked;
        bool reused;
    } cases[] = {
        {17, 32, true}, {32, 17, true}, {17, 33, false},  {33, 17, false},
        {1, 16, true},  {0, 1, true},   {256, 241, true}, {256, 257, false},
    };
    for (const auto& c : cases) {
        CSmallBlockPool pool;
        void* freed = pool.Allocate(c.freed);
        pool.Free(freed);
        void* asked = pool.Allocate(c.asked);
        EXPECT_EQ(asked == freed, c.reused) << c.freed << " then " << c.asked;
        pool.Free(asked);
    }
}

} // namespace
} // namespace tandrel::web
