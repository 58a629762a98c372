// Pitching changes of the side in the field, and who is charged afterwards.
#include <gtest/gtest.h>

#include "engine/play_log.h"
#include "manage_test_game.h"
#include "setup/manage_pitching.h"

namespace velmoro {
namespace {

using manage_test::ManagedGame;
using Names = std::vector<std::string>;

// The home side in the field while the visitors bat.
void FieldingHome(ManagedGame& g) {
    g.game().dialogSide = kHome;
}

TEST(ManagePitching, StaffRuleThroughTheFourthInning) {
    struct Case {
        int inning;
        Names offered;
    };
    // Ace started; Reliever averaged 80 / 60 = 1 inning, NoGames pitched no game.
    const Case cases[] = {
        {1, {"Deep", "TwoWay"}},
        {4, {"Deep", "TwoWay"}},
        {5, {"Reliever", "Deep", "TwoWay", "NoGames"}},
        {12, {"Reliever", "Deep", "TwoWay", "NoGames"}},
    };
    ManagedGame g(false);
    ASSERT_TRUE(g.ready);
    FieldingHome(g);
    for (const Case& c : cases) {
        g.game().inning = c.inning;
        EXPECT_EQ(PitchingChangeCandidates(g.game()), c.offered) << c.inning;
    }
}

TEST(ManagePitching, NewPitcherTakesTheMoundAndTheBattingSlotWhenThePitcherBats) {
    using Chain = std::vector<std::pair<std::string, int>>;
    for (bool designatedHitter : {false, true}) {
        SCOPED_TRACE(designatedHitter ? "with DH" : "without DH");
        ManagedGame g(designatedHitter);
        ASSERT_TRUE(g.ready);
        FieldingHome(g);
        struct Shown : Display {
            void ShowPitcher(const PlayerRecord& p) override { names.push_back(p.name); }
            Names names;
        } display;
        g.session.SetDisplay(&display);
        const auto before = g.side().lineup;

        ASSERT_EQ(ApplyPitchingChange(g.session, "Deep"), SubstitutionOutcome::Applied);
        PlayerRecord* deep = g.player("Deep");
        EXPECT_EQ(g.side().defense[PitcherSlot], deep);
        EXPECT_EQ(g.side().lineup[9], deep);
        // Only without the designated hitter does the order change, at the pitcher's slot.
        EXPECT_EQ(g.side().lineup[0], designatedHitter ? before[0] : deep);
        EXPECT_EQ(g.chain(0),
                  designatedHitter ? (Chain{{"Slugger", 10}}) : (Chain{{"Ace", 1}, {"Deep", 1}}));
        ASSERT_EQ(g.side().boxLines[9].size(), 2u);
        EXPECT_NE(g.side().boxLines[9].back()->pitching, nullptr);
        EXPECT_EQ(&CurrentPitcherLine(g.game()), g.side().boxLines[9].back().get());
        EXPECT_EQ(display.names, Names{"Deep"});
        g.session.SetDisplay(nullptr);
    }
}

TEST(ManagePitching, PitchersWhoAppearedAreNeverOfferedAgain) {
    ManagedGame g(false);
    ASSERT_TRUE(g.ready);
    FieldingHome(g);
    g.game().inning = 6;
    ApplyPitchingChange(g.session, "Reliever");
    ApplyPitchingChange(g.session, "Deep");
    EXPECT_EQ(PitchingChangeCandidates(g.game()), (Names{"TwoWay", "NoGames"}));
}

TEST(ManagePitching, OutgoingPitcherMissingFromTheLineupChangesNothing) {
    ManagedGame g(true);
    ASSERT_TRUE(g.ready);
    FieldingHome(g);
    g.side().defense[PitcherSlot] = g.player("Deep");  // nowhere in the lineup
    EXPECT_EQ(ApplyPitchingChange(g.session, "TwoWay"), SubstitutionOutcome::NotInLineup);
    EXPECT_EQ(g.side().lineup[9], g.player("Ace"));
    EXPECT_EQ(g.side().boxLines[9].size(), 1u);
}

// Plays until the home side has recorded at least one out after the change.
void PlayUntilOut(Session& session, const BoxPitching& line) {
    for (int turn = 0; turn < 200 && line.outs == 0; ++turn)
        PlayTurn(session, 0, 0);
}

TEST(ManagePitching, RelieverIsChargedFromThenOnAndListedInOrder) {
    ManagedGame g(false);
    ASSERT_TRUE(g.ready);
    FieldingHome(g);
    PlayUntilOut(g.session, *g.side().boxLines[9].front()->pitching);
    const BoxPitching starterBefore = *g.side().boxLines[9].front()->pitching;
    ASSERT_GT(starterBefore.outs, 0);
    // Back to the visitors at bat with the home side in the field.
    while (g.game().battingSide != kVisitors)
        PlayTurn(g.session, 0, 0);

    g.game().dialogSide = kHome;
    ASSERT_EQ(ApplyPitchingChange(g.session, "Deep"), SubstitutionOutcome::Applied);
    const BoxPitching& reliever = *g.side().boxLines[9].back()->pitching;
    PlayUntilOut(g.session, reliever);
    EXPECT_GT(reliever.outs, 0);
    EXPECT_EQ(*g.side().boxLines[9].front()->pitching, starterBefore);

    const std::string box = BoxScoreText(g.game());
    const auto homePitching = box.find("1960 Home Pitching Stats");
    ASSERT_NE(homePitching, std::string::npos);
    const auto ace = box.find("Ace", homePitching);
    const auto deep = box.find("Deep", homePitching);
    ASSERT_NE(ace, std::string::npos);
    ASSERT_NE(deep, std::string::npos);
    EXPECT_LT(ace, deep);
}

}  // namespace
}  // namespace velmoro
