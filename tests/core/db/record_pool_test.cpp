#include "db/record_pool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <thread>
#include <vector>

#include "db/records.h"

namespace velmoro {
namespace {

// Enough blocks for several chunks.
TEST(RecordPool, BlocksAreAlignedDisjointAndReused) {
    static RecordPool pool(56, 8);  // pools live as long as the program
    constexpr int kBlocks = 20000;
    std::vector<char*> blocks;
    for (int i = 0; i < kBlocks; ++i)
        blocks.push_back(static_cast<char*>(pool.Allocate()));
    std::sort(blocks.begin(), blocks.end());
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(blocks[i]) % 8, 0u);
        if (i > 0) {
            ASSERT_GE(blocks[i] - blocks[i - 1], 56) << "blocks overlap";
        }
    }
    const RecordPoolUsage full = pool.Usage();
    EXPECT_EQ(full.blocksInUse, std::size_t{kBlocks});
    EXPECT_EQ(full.bytesInUse, std::size_t{kBlocks} * 56);
    for (char* block : blocks)
        pool.Free(block);
    EXPECT_EQ(pool.Usage().blocksInUse, 0u);
    for (int i = 0; i < kBlocks; ++i)
        pool.Allocate();
    EXPECT_EQ(pool.Usage().bytesReserved, full.bytesReserved) << "freed blocks were not reused";
}

// Each thread has its own pools and none gives memory back, so a record may die on
// another thread than the one that made it.
TEST(RecordPool, RecordsDieOnAnyThread) {
    auto made = std::make_unique<PlayerRecord>("Made Here");
    made->pitching = std::make_unique<PitchingLine>();
    std::unique_ptr<PlayerRecord> madeThere;
    std::thread([&] {
        made.reset();
        madeThere = std::make_unique<PlayerRecord>("Made There");
    }).join();
    auto next = std::make_unique<PlayerRecord>("Next");
    EXPECT_EQ(madeThere->name, "Made There");
    madeThere.reset();
    EXPECT_EQ(next->name, "Next");
}

}  // namespace
}  // namespace velmoro
