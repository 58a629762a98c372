// Substitutions of the side at bat: who may come in, and what OK changes.
#include <gtest/gtest.h>

#include <algorithm>

#include "manage_test_game.h"
#include "setup/manage_substitution.h"

namespace velmoro {
namespace {

using manage_test::ManagedGame;
using Names = std::vector<std::string>;
using Chain = std::vector<std::pair<std::string, int>>;

constexpr int kLeftFieldSlot = 6;
constexpr int kCatcherSlot = 1;

bool Offers(const SubstituteCandidates& candidates, const std::string& name) {
    return std::find(candidates.names.begin(), candidates.names.end(), name) !=
           candidates.names.end();
}

class RecordingDisplay : public Display {
  public:
    void ShowLineup() override { ++lineups; }
    void ShowHitter(const PlayerRecord& hitter) override { hitters.push_back(hitter.name); }
    int lineups = 0;
    Names hitters;
};

TEST(ManageSubstitution, PitcherIsOfferedOnlyWhenHeIsDueUp) {
    ManagedGame plain(false);
    ASSERT_TRUE(plain.ready);
    plain.batterAt(0);
    EXPECT_EQ(ReplaceChoices(plain.game()), (std::vector<int>{0, PitcherPosition}));
    plain.batterAt(kLeftFieldSlot);
    EXPECT_EQ(ReplaceChoices(plain.game()), (std::vector<int>{0, LeftFieldPosition}));

    ManagedGame withDh(true);
    ASSERT_TRUE(withDh.ready);
    for (int slot = 0; slot < 9; ++slot) {
        withDh.batterAt(slot);
        const std::vector<int> choices = ReplaceChoices(withDh.game());
        EXPECT_EQ(std::count(choices.begin(), choices.end(), PitcherPosition), 0) << slot;
    }
    withDh.batterAt(0);
    EXPECT_EQ(ReplaceChoices(withDh.game()), (std::vector<int>{0, DesignatedHitterPosition}));
}

TEST(ManageSubstitution, LeftoverFlagNeverForcesOutARegularFielder) {
    // A pinch hitter's half-inning can end before he bats (caught stealing); the other
    // side's catcher must not be taken for him.
    ManagedGame g(false);
    ASSERT_TRUE(g.ready);
    g.batterAt(kCatcherSlot);
    g.game().pinchHitterMustLeave = CatcherPosition;
    EXPECT_FALSE(ForcedReplacementDue(g.game()));
    EXPECT_EQ(ReplaceChoices(g.game()), (std::vector<int>{0, CatcherPosition}));
}

TEST(ManageSubstitution, PinchHitterListShowsEveryoneButCountsOnlyFielders) {
    ManagedGame g(false);
    ASSERT_TRUE(g.ready);
    g.batterAt(kLeftFieldSlot);
    const SubstituteCandidates candidates = SubstitutionCandidates(g.session, PinchHitter);
    // Roster order, nobody who is in the game.
    EXPECT_EQ(candidates.names,
              (Names{"Slugger", "Bench", "Util", "TwoWay", "Deep", "Reliever", "NoGames"}));
    EXPECT_EQ(candidates.count, 2);  // Bench and TwoWay could play left field

    const SubstituteCandidates outfielders = SubstitutionCandidates(g.session, LeftFieldPosition);
    EXPECT_EQ(outfielders.names, (Names{"Bench", "TwoWay"}));
    EXPECT_EQ(outfielders.count, 2);
}

TEST(ManageSubstitution, NoReplacementLeftAtThePosition) {
    ManagedGame g(false);
    ASSERT_TRUE(g.ready);
    g.batterAt(kCatcherSlot);  // the team's only catcher
    const SubstituteCandidates pinch = SubstitutionCandidates(g.session, PinchHitter);
    EXPECT_FALSE(pinch.names.empty());
    EXPECT_EQ(pinch.count, 0);
    EXPECT_EQ(SubstitutionCandidates(g.session, CatcherPosition).count, 0);
}

TEST(ManageSubstitution, PinchHitterWhoCanFieldStaysAtThePosition) {
    ManagedGame g(false);
    ASSERT_TRUE(g.ready);
    RecordingDisplay display;
    g.session.SetDisplay(&display);
    g.batterAt(kLeftFieldSlot);

    ASSERT_EQ(ApplySubstitution(g.session, PinchHitter, "Bench"), SubstitutionOutcome::Applied);
    EXPECT_EQ(g.chain(kLeftFieldSlot), (Chain{{"Left", 7}, {"Bench", 7}}));
    EXPECT_EQ(g.side().lineup[kLeftFieldSlot], g.player("Bench"));
    EXPECT_EQ(g.side().defense[LeftFieldSlot], g.player("Bench"));
    EXPECT_EQ(g.game().pinchHitterMustLeave, 0);
    // The play screen shows the new name at once.
    EXPECT_EQ(display.lineups, 1);
    EXPECT_EQ(display.hitters, Names{"Bench"});
    g.session.SetDisplay(nullptr);
}

TEST(ManageSubstitution, PinchHitterWhoCannotFieldIsForcedOutByAFielder) {
    ManagedGame g(false);
    ASSERT_TRUE(g.ready);
    g.batterAt(kLeftFieldSlot);
    ASSERT_EQ(ApplySubstitution(g.session, PinchHitter, "Slugger"), SubstitutionOutcome::Applied);
    EXPECT_EQ(g.chain(kLeftFieldSlot), (Chain{{"Left", 7}, {"Slugger", 0}}));
    EXPECT_EQ(g.game().pinchHitterMustLeave, LeftFieldPosition);
    EXPECT_EQ(g.side().defense[LeftFieldSlot], g.player("Slugger"));

    // The forced mode offers that position only, and only players carrying its bit.
    EXPECT_TRUE(ForcedReplacementDue(g.game()));
    EXPECT_EQ(ReplaceChoices(g.game()), std::vector<int>{LeftFieldPosition});
    const SubstituteCandidates forced = SubstitutionCandidates(g.session, LeftFieldPosition);
    EXPECT_EQ(forced.names, (Names{"Bench", "TwoWay"}));

    ASSERT_EQ(ApplySubstitution(g.session, LeftFieldPosition, "Bench"),
              SubstitutionOutcome::Applied);
    EXPECT_EQ(g.chain(kLeftFieldSlot), (Chain{{"Left", 7}, {"Slugger", 0}, {"Bench", 7}}));
    EXPECT_EQ(g.side().defense[LeftFieldSlot], g.player("Bench"));
    EXPECT_EQ(g.side().lineup[kLeftFieldSlot], g.player("Bench"));

    // Nobody who left comes back, in either dialog.
    const SubstituteCandidates later = SubstitutionCandidates(g.session, PinchHitter);
    EXPECT_FALSE(Offers(later, "Slugger"));
    EXPECT_FALSE(Offers(later, "Left"));
    EXPECT_FALSE(IsAvailableSubstitute(g.game(), *g.player("Slugger")));
}

TEST(ManageSubstitution, SecondPinchHitterIsBookedByHisOwnFielding) {
    struct Case {
        const char* second;
        int bookedAs;
        int mustLeave;
    };
    const Case cases[] = {{"Bench", LeftFieldPosition, 0}, {"Deep", 0, LeftFieldPosition}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.second);
        ManagedGame g(false);
        ASSERT_TRUE(g.ready);
        g.batterAt(kLeftFieldSlot);
        ApplySubstitution(g.session, PinchHitter, "Slugger");
        ASSERT_EQ(ApplySubstitution(g.session, PinchHitter, c.second),
                  SubstitutionOutcome::Applied);
        EXPECT_EQ(g.chain(kLeftFieldSlot),
                  (Chain{{"Left", 7}, {"Slugger", 0}, {c.second, c.bookedAs}}));
        EXPECT_EQ(g.game().pinchHitterMustLeave, c.mustLeave);
    }
}

TEST(ManageSubstitution, PinchHitterForTheDesignatedHitterBecomesTheDesignatedHitter) {
    ManagedGame g(true);
    ASSERT_TRUE(g.ready);
    g.batterAt(0);
    const SubstituteCandidates candidates = SubstitutionCandidates(g.session, PinchHitter);
    EXPECT_EQ(candidates.count, static_cast<int>(candidates.names.size()));
    EXPECT_TRUE(Offers(candidates, "Deep"));

    ASSERT_EQ(ApplySubstitution(g.session, PinchHitter, "Deep"), SubstitutionOutcome::Applied);
    EXPECT_EQ(g.game().pinchHitterMustLeave, 0);
    EXPECT_EQ(g.chain(0), (Chain{{"Slugger", 10}, {"Deep", 10}}));
    EXPECT_EQ(g.side().defense[DesignatedHitterSlot], g.player("Deep"));
    // Coming in as a hitter does not make him the pitcher.
    EXPECT_EQ(g.side().lineup[9], g.player("Ace"));
    EXPECT_EQ(g.side().boxLines[9].size(), 1u);
}

TEST(ManageSubstitution, WhoeverComesInToPitchBecomesTheSidesPitcher) {
    // A two-way player (pitcher and outfielder) and a pure pitcher alike.
    for (const char* name : {"TwoWay", "Deep"}) {
        SCOPED_TRACE(name);
        ManagedGame g(false);
        ASSERT_TRUE(g.ready);
        g.batterAt(0);
        const SubstituteCandidates pitchers = SubstitutionCandidates(g.session, PitcherPosition);
        EXPECT_EQ(pitchers.names, (Names{"Reliever", "Deep", "TwoWay", "NoGames"}));

        ASSERT_EQ(ApplySubstitution(g.session, PitcherPosition, name),
                  SubstitutionOutcome::Applied);
        PlayerRecord* incoming = g.player(name);
        EXPECT_EQ(g.side().lineup[0], incoming);
        EXPECT_EQ(g.side().lineup[9], incoming);
        EXPECT_EQ(g.side().defense[PitcherSlot], incoming);
        EXPECT_EQ(g.chain(0), (Chain{{"Ace", 1}, {name, 1}}));
        ASSERT_EQ(g.side().boxLines[9].size(), 2u);
        EXPECT_EQ(g.side().boxLines[9].back()->name, name);
        EXPECT_NE(g.side().boxLines[9].back()->pitching, nullptr);

        // When his side takes the field he is the one charged.
        g.game().battingSide = kHome;
        EXPECT_EQ(CurrentPitcherLine(g.game()).name, name);
    }
}

TEST(ManageSubstitution, PlayerMissingFromTheLineupChangesNothing) {
    ManagedGame g(false);
    ASSERT_TRUE(g.ready);
    g.batterAt(kLeftFieldSlot);
    g.side().defense[LeftFieldSlot] = g.player("Util");  // not in the batting order
    EXPECT_EQ(ApplySubstitution(g.session, LeftFieldPosition, "Bench"),
              SubstitutionOutcome::NotInLineup);
    EXPECT_EQ(ApplySubstitution(g.session, PinchHitter, "Nobody"),
              SubstitutionOutcome::UnknownPlayer);
    EXPECT_EQ(g.chain(kLeftFieldSlot).size(), 1u);
    EXPECT_EQ(g.side().lineup[kLeftFieldSlot], g.player("Left"));
}

}  // namespace
}  // namespace velmoro
