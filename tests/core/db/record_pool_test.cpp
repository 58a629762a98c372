#include "db/record_pool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <thread>
#include <vector>

#include "db/db_fixture.h"
#include "db/records.h"

namespace velmoro {
namespace {

// Enough blocks to need several chunks.
constexpr int kBlocks = 20000;

TEST(RecordPool, BlocksAreAlignedAndDisjointAcrossChunksAndFreedOnesAreReused) {
    static RecordPool pool(56, 8);  // pools live as long as the program
    std::vector<char*> blocks;
    for (int i = 0; i < kBlocks; ++i) {
        blocks.push_back(static_cast<char*>(pool.Allocate()));
        std::memset(blocks.back(), i & 0xFF, 56);
    }
    std::vector<char*> sorted = blocks;
    std::sort(sorted.begin(), sorted.end());
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(sorted[i]) % 8, 0u);
        if (i > 0) {
            ASSERT_GE(sorted[i] - sorted[i - 1], 56) << "blocks overlap";
        }
    }
    for (int i = 0; i < kBlocks; ++i)
        ASSERT_EQ(blocks[i][55], static_cast<char>(i & 0xFF)) << "a block was written twice";

    const RecordPoolUsage full = pool.Usage();
    EXPECT_EQ(full.blocksInUse, std::size_t{kBlocks});
    EXPECT_EQ(full.bytesInUse, std::size_t{kBlocks} * 56);
    EXPECT_GE(full.bytesReserved, full.bytesInUse);
    for (char* block : blocks)
        pool.Free(block);
    EXPECT_EQ(pool.Usage().blocksInUse, 0u);
    for (int i = 0; i < kBlocks; ++i)
        pool.Allocate();
    EXPECT_EQ(pool.Usage().bytesReserved, full.bytesReserved) << "freed blocks were not reused";
}

// A free block holds the link to the next one, so tiny records get room for it.
TEST(RecordPool, TinyRecordsStillHoldTheFreeListLink) {
    static RecordPool pool(2, 2);
    char* a = static_cast<char*>(pool.Allocate());
    char* b = static_cast<char*>(pool.Allocate());
    EXPECT_GE(static_cast<std::size_t>(std::abs(b - a)), sizeof(void*));
    pool.Free(a);
    pool.Free(b);
    EXPECT_EQ(pool.Allocate(), b);
    EXPECT_EQ(pool.Allocate(), a);
}

TEST(RecordPool, PlayersAndTheirPitchingLinesComeFromTheirPools) {
    if (!VELMORO_RECORD_POOLS) GTEST_SKIP() << "the sanitizer build gives each record a heap block";
    const std::size_t players = PoolFor<PlayerRecord>().Usage().blocksInUse;
    const std::size_t lines = PoolFor<PitchingLine>().Usage().blocksInUse;
    {
        auto hurler = std::make_unique<PlayerRecord>(testing::Hurler("Cy Young", 40));
        auto copy = std::make_unique<PlayerRecord>(*hurler);
        EXPECT_EQ(PoolFor<PlayerRecord>().Usage().blocksInUse, players + 2);
        EXPECT_EQ(PoolFor<PitchingLine>().Usage().blocksInUse, lines + 2);
        EXPECT_TRUE(SamePlayer(*hurler, *copy));
    }
    EXPECT_EQ(PoolFor<PlayerRecord>().Usage().blocksInUse, players);
    EXPECT_EQ(PoolFor<PitchingLine>().Usage().blocksInUse, lines);
}

// Each thread has its own pools and none gives memory back, so a record may die on
// another thread than the one that made it.
TEST(RecordPool, ARecordMayBeFreedOnAnotherThread) {
    auto made = std::make_unique<PlayerRecord>(testing::Hurler("Made Here", 12));
    std::unique_ptr<PlayerRecord> madeThere;
    std::thread([&] {
        made.reset();
        madeThere = std::make_unique<PlayerRecord>(testing::Batter("Made There", 10, 30));
    }).join();
    auto next = std::make_unique<PlayerRecord>("Next");
    EXPECT_EQ(madeThere->name, "Made There");
    madeThere.reset();
    EXPECT_EQ(next->name, "Next");
}

}  // namespace
}  // namespace velmoro
