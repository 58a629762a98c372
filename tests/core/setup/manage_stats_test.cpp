// Statistics views: the formatted lines, 25-row pages and the shared page start.
#include <gtest/gtest.h>

#include "engine/session.h"
#include "setup/manage_stats.h"

namespace velmoro {
namespace {

TeamRecord TeamOf(int players) {
    TeamRecord team("1971 Pages");
    for (int i = 0; i < players; ++i)
        team.AddPlayer(PlayerRecord("Player " + std::to_string(i)));
    return team;
}

// A side whose staff holds `pitchers` pitchers.
void FillStaff(GameSide& side, TeamRecord& team, int pitchers) {
    side.team = &team;
    for (int i = 0; i < pitchers; ++i) {
        PlayerRecord arm("Arm " + std::to_string(i));
        arm.pitching = std::make_unique<PitchingLine>();
        side.pitchingStaff[i] = &team.AddPlayer(std::move(arm));
    }
}

TEST(ManageStats, LinesUseTheirFormats) {
    PlayerRecord hitter("Hitter");
    hitter.battingAvg = 45;
    hitter.atBats = 600;
    hitter.hits = 1;  // 257 hits wrapped around the byte
    hitter.runs = 101;
    hitter.doubles = 7;
    hitter.homeRuns = 12;
    hitter.rbi = 88;
    hitter.walks = 60;
    hitter.strikeouts = 9;
    hitter.stolenBases = 3;
    hitter.caughtStealing = 4;
    EXPECT_EQ(HittingStatsLine(hitter), ".045\t600\t101\t257\t 7\t 0\t12\t 88\t 60\t  9\t  3\t  4");

    PitchingLine line;
    line.eraX100 = 345;
    line.games = 33;
    line.wins = 18;
    line.losses = 9;
    line.saves = 2;
    line.shutouts = 4;
    line.strikeouts = 201;
    line.walks = 70;
    line.earnedRuns = 95;
    line.inningsPitched = 250;
    line.oppAvgX1000 = 231;
    // Earned runs come before innings in the columns K, BB, ER, IP.
    EXPECT_EQ(PitchingStatsLine(line), "3.45\t 33\t 18\t  9\t 2\t 4\t201\t 70\t 95\t250\t.231");
}

TEST(ManageStats, PagesOfTwentyFiveRows) {
    struct Case {
        int players;
        int start;
        size_t rows;
        bool previous;
        bool next;
    };
    const Case cases[] = {
        {25, 0, 25, false, false}, {26, 0, 25, false, true}, {26, 25, 1, true, false},
        {51, 25, 25, true, true},  {10, 25, 0, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.players << " from " << c.start);
        const TeamRecord team = TeamOf(c.players);
        const StatsPage page = HittingStatsPage(team, c.start);
        EXPECT_EQ(page.title, "1971 Pages");
        ASSERT_EQ(page.rows.size(), c.rows);
        if (c.rows > 0) {
            EXPECT_EQ(page.rows.front().name, "Player " + std::to_string(c.start));
        }
        EXPECT_EQ(page.showPrevious, c.previous);
        EXPECT_EQ(page.showNext, c.next);
    }
}

TEST(ManageStats, StaffOfTwentyNinePitchers) {
    TeamRecord team("1971 Arms");
    GameSide side;
    FillStaff(side, team, kMaxStaffPitchers);
    const StatsPage first = PitchingStatsPage(side, 0);
    EXPECT_EQ(first.title, "1971 Arms");
    EXPECT_EQ(first.rows.size(), 25u);
    EXPECT_FALSE(first.showPrevious);
    EXPECT_TRUE(first.showNext);
    const StatsPage second = PitchingStatsPage(side, 25);
    ASSERT_EQ(second.rows.size(), 4u);
    EXPECT_EQ(second.rows.back().name, "Arm 28");
    EXPECT_TRUE(second.showPrevious);
    EXPECT_FALSE(second.showNext);
    // A page start beyond the staff's forty places reads nothing past its end.
    EXPECT_TRUE(PitchingStatsPage(side, 50).rows.empty());
}

TEST(ManageStats, PageStartIsSharedAndKept) {
    Session session;
    const TeamRecord big = TeamOf(30);
    const TeamRecord small = TeamOf(12);
    StatsNextPage(session);
    EXPECT_EQ(HittingStatsPage(big, session.statsPageStart).rows.size(), 5u);
    // The other side opens on the same page, empty, with only "Previous".
    const StatsPage other = HittingStatsPage(small, session.statsPageStart);
    EXPECT_TRUE(other.rows.empty());
    EXPECT_TRUE(other.showPrevious);
    EXPECT_FALSE(other.showNext);
    StatsPreviousPage(session);
    EXPECT_EQ(session.statsPageStart, 0);
    StatsNextPage(session);
    StatsSwitchView(session);
    EXPECT_EQ(session.statsPageStart, 0);
}

}  // namespace
}  // namespace velmoro
