// Team preparation and the batting order page.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/session.h"
#include "manage_test_game.h"
#include "setup/batting_order.h"
#include "setup/team_prep.h"

namespace velmoro {
namespace {

using manage_test::AddPlayer;

PlayerRecord& AddPitcher(TeamRecord& team, const std::string& name, int avg, int era) {
    return manage_test::AddArm(team, name, avg, era, 0, 0);
}

std::vector<std::string> Names(const TeamRecord& team) {
    std::vector<std::string> names;
    for (const auto& p : team.players)
        names.push_back(p->name);
    return names;
}

TEST(SortRosterByAverage, HighestFirstEqualAveragesKeepOrderRecordsStay) {
    TeamRecord team("1950 Test");
    PlayerRecord& a = AddPlayer(team, "a250", 250, Catcher);
    AddPlayer(team, "b300", 300, Catcher);
    AddPlayer(team, "c250", 250, Catcher);
    AddPlayer(team, "d300", 300, Catcher);
    // Above 32767: compared without sign.
    AddPlayer(team, "e40000", 40000, Catcher);
    SortRosterByAverage(team);
    EXPECT_EQ(Names(team), (std::vector<std::string>{"e40000", "b300", "d300", "a250", "c250"}));
    // A reference taken before the sort still names the same player.
    EXPECT_EQ(a.name, "a250");
    EXPECT_EQ(team.players[3].get(), &a);

    TeamRecord empty("1950 Empty");
    SortRosterByAverage(empty);
    EXPECT_TRUE(empty.players.empty());
}

TEST(BuildPitchingStaff, First29InListOrderThenStableByEra) {
    TeamRecord team("1950 Arms");
    AddPlayer(team, "batter", 300, Outfield);
    // 35 pitchers: eras 500, 400, 500, 400, ... so ties must keep list order.
    for (int i = 0; i < 35; ++i)
        AddPitcher(team, "p" + std::to_string(i), 0, i % 2 ? 400 : 500);
    Session session;
    session.game.dialogSide = kHome;
    session.game.visitor.pitchingStaff[0] = team.players[0].get();
    BuildPitchingStaff(session.game, team);

    const auto& staff = session.game.home.pitchingStaff;
    std::vector<std::string> expected;
    for (int i = 1; i < 29; i += 2)
        expected.push_back("p" + std::to_string(i));
    for (int i = 0; i < 29; i += 2)
        expected.push_back("p" + std::to_string(i));
    ASSERT_EQ(expected.size(), 29u);
    for (int i = 0; i < 29; ++i)
        EXPECT_EQ(staff[i]->name, expected[i]) << "place " << i;
    for (int i = 29; i < kStaffSize; ++i)
        EXPECT_EQ(staff[i], nullptr);
    // The other side's staff is untouched.
    EXPECT_EQ(session.game.visitor.pitchingStaff[0], team.players[0].get());
}

TEST(BuildPitchingStaff, RefillsAndLeavesStaffAloneForTeamWithoutPlayers) {
    TeamRecord team("1950 Arms");
    AddPitcher(team, "only", 0, 300);
    Session session;
    session.game.dialogSide = kVisitors;
    auto& staff = session.game.visitor.pitchingStaff;
    staff.fill(team.players[0].get());
    BuildPitchingStaff(session.game, team);
    EXPECT_EQ(staff[0], team.players[0].get());
    EXPECT_EQ(staff[1], nullptr);

    TeamRecord empty("1950 Empty");
    BuildPitchingStaff(session.game, empty);
    EXPECT_EQ(staff[0], team.players[0].get());
}

class BattingOrderTest : public ::testing::TestWithParam<int> {
  protected:
    void SetUp() override {
        for (int slot = 0; slot < 10; ++slot) {
            AddPlayer(team, "slot" + std::to_string(slot), 200, Catcher);
            session.game.Side(GetParam()).defense[slot] = team.players[slot].get();
        }
    }
    std::vector<std::string> Order() {
        std::vector<std::string> names;
        for (auto* p : session.game.Side(GetParam()).lineup)
            names.push_back(p ? p->name : "-");
        return names;
    }
    TeamRecord team{"1950 Order"};
    Session session;
};

TEST_P(BattingOrderTest, DefaultOrderLeadsWithPitcherOrDesignatedHitter) {
    const int side = GetParam();
    session.game.designatedHitter = 0;
    DefaultBattingOrder(session.game, side);
    EXPECT_EQ(Order(), (std::vector<std::string>{"slot0", "slot1", "slot2", "slot3", "slot4",
                                                 "slot5", "slot6", "slot7", "slot8", "slot0"}));
    session.game.designatedHitter = 1;
    DefaultBattingOrder(session.game, side);
    EXPECT_EQ(Order(), (std::vector<std::string>{"slot9", "slot1", "slot2", "slot3", "slot4",
                                                 "slot5", "slot6", "slot7", "slot8", "slot0"}));
    // The other side's lineup is not touched.
    EXPECT_EQ(session.game.Side(side == kHome ? kVisitors : kHome).lineup[0], nullptr);
}

TEST_P(BattingOrderTest, UpAndDownStopAtTheEndsAndNeverMoveThePitcherEntry) {
    const int side = GetParam();
    DefaultBattingOrder(session.game, side);
    EXPECT_FALSE(MoveBatterUp(session.game, side, 0));
    EXPECT_FALSE(MoveBatterDown(session.game, side, 8));
    EXPECT_FALSE(MoveBatterUp(session.game, side, 9));
    EXPECT_FALSE(MoveBatterDown(session.game, side, -1));
    // Leadoff to ninth takes eight presses of Down.
    for (int p = 0; p < 8; ++p)
        EXPECT_TRUE(MoveBatterDown(session.game, side, p));
    EXPECT_EQ(Order(), (std::vector<std::string>{"slot1", "slot2", "slot3", "slot4", "slot5",
                                                 "slot6", "slot7", "slot8", "slot0", "slot0"}));
    EXPECT_TRUE(MoveBatterUp(session.game, side, 8));
    EXPECT_EQ(Order()[7], "slot0");
    EXPECT_EQ(Order()[8], "slot8");
}

INSTANTIATE_TEST_SUITE_P(BothSides, BattingOrderTest, ::testing::Values(kVisitors, kHome));

TEST(SetupSwitches, HomeSideThenFinishThenReset) {
    TeamRecord visitors("1950 V"), home("1950 H");
    Session session;
    StartLineupPages(session, &visitors, &home, true);
    EXPECT_EQ(session.teams.currentTeam, &visitors);
    EXPECT_EQ(session.game.designatedHitter, 1);
    session.setup.selectingPosition = 0;
    SwitchToHomeSide(session);
    EXPECT_EQ(session.setup.selectingPosition, Pitcher);
    EXPECT_EQ(session.setup.setupSide, kHome);
    EXPECT_EQ(session.teams.currentTeam, &home);
    EXPECT_EQ(session.game.dialogSide, kHome);
    EXPECT_EQ(session.game.battingSide, kHome);
    EXPECT_EQ(session.game.workingDefenseSide, kHome);
    FinishSetup(session);
    EXPECT_EQ(session.game.battingSide, kVisitors);
    ResetSetup(session);
    EXPECT_EQ(session.setup.setupSide, kVisitors);
    EXPECT_EQ(session.setup.selectingPosition, Pitcher);
    EXPECT_EQ(session.setup.selectingOutfielder, kLeftField);
}

}  // namespace
}  // namespace velmoro
