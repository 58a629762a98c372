// Lineup pages: candidates, the stored choice, the page sequence and the whole default
// set-up.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/session.h"
#include "manage_test_game.h"
#include "setup/batting_order.h"
#include "setup/default_setup.h"
#include "setup/lineup.h"
#include "setup/team_prep.h"

namespace velmoro {
namespace {

using Names = std::vector<std::string>;

using manage_test::AddArm;
using manage_test::AddPlayer;

// A complete team: two starters, a reliever and one player per position plus a bench.
void FillTeam(TeamRecord& team) {
    AddArm(team, "Ace", 100, 250, 30, 240);
    AddArm(team, "Second", 120, 300, 30, 200);
    AddArm(team, "Reliever", 90, 200, 60, 80);
    AddPlayer(team, "Catch", 260, Catcher);
    AddPlayer(team, "First", 300, FirstBase);
    AddPlayer(team, "Second Base", 280, SecondBase);
    AddPlayer(team, "Short", 250, Shortstop);
    AddPlayer(team, "Third", 270, ThirdBase);
    AddPlayer(team, "Left", 290, Outfield);
    AddPlayer(team, "Center", 310, Outfield);
    AddPlayer(team, "Right", 240, Outfield);
    AddPlayer(team, "Bench", 230, Outfield | FirstBase);
}

// A session at the visitors' pitcher page for `team`, prepared as the team page does.
void BeginSetup(Session& session, TeamRecord& team, bool designatedHitter) {
    session.game.visitor.team = &team;
    session.game.home.team = &team;
    PrepareSide(session, kVisitors);
    PrepareSide(session, kHome);
    StartLineupPages(session, &team, &team, designatedHitter);
    ResetSetup(session);
}

// Runs the active page with its first candidate and steps on; the candidates shown.
Names TakeFirst(Session& session) {
    Names names = LineupCandidates(session);
    if (!names.empty()) SelectLineupCandidate(session, names.front());
    AdvanceLineupPage(session);
    return names;
}

TEST(LineupPages, SequenceWithAndWithoutDesignatedHitter) {
    for (bool dh : {false, true}) {
        TeamRecord team("1950 Full");
        FillTeam(team);
        Session session;
        BeginSetup(session, team, dh);
        std::vector<int> slots;
        for (;;) {
            slots.push_back(SlotBeingChosen(session.setup));
            Names names = LineupCandidates(session);
            ASSERT_FALSE(names.empty());
            SelectLineupCandidate(session, names.front());
            if (AdvanceLineupPage(session)) break;
        }
        std::vector<int> expected{0, 1, 2, 3, 4, 5, 6, 7, 8};
        if (dh) expected.push_back(9);
        EXPECT_EQ(slots, expected) << "dh " << dh;
        EXPECT_EQ(session.setup.selectingPosition, 0);
        EXPECT_EQ(session.setup.selectingOutfielder, kLeftField);
        EXPECT_EQ(session.game.visitor.defense[9] != nullptr, dh);
    }
}

TEST(PitcherPage, StartersFromTheStaffBestEraFirst) {
    TeamRecord team("1950 Arms");
    AddArm(team, "NoGames", 100, 100, 0, 0);
    AddArm(team, "ThreePerGame", 100, 150, 10, 39);  // 3.9 drops to 3
    AddArm(team, "FourPerGame", 100, 400, 10, 40);
    AddArm(team, "Starter", 100, 300, 30, 200);
    AddArm(team, "LineNoBit", 100, 200, 30, 200, FirstBase);
    AddPlayer(team, "Infielder", 300, SecondBase);
    Session session;
    BeginSetup(session, team, false);
    EXPECT_EQ(LineupCandidates(session), (Names{"Starter", "FourPerGame"}));
    EXPECT_TRUE(SelectLineupCandidate(session, "FourPerGame"));
    EXPECT_EQ(session.game.visitor.defense[PitcherSlot]->name, "FourPerGame");
    EXPECT_EQ(session.game.visitor.lineup[9]->name, "FourPerGame");
    EXPECT_EQ(session.teams.currentPlayer->name, "FourPerGame");
}

TEST(PitcherPage, FallbackWalksWholeTeamWithInfieldersInAverageOrder) {
    TeamRecord team("1950 Bullpen");
    AddArm(team, "Reliever", 150, 200, 50, 60);
    AddPlayer(team, "Catcher", 400, Catcher);
    AddPlayer(team, "Shortstop", 350, Shortstop);
    AddArm(team, "Unused", 100, 300, 0, 0);
    AddPlayer(team, "Fielder", 380, Outfield);
    Session session;
    BeginSetup(session, team, false);
    EXPECT_EQ(LineupCandidates(session), (Names{"Shortstop", "Reliever", "Unused"}));

    // A staff that was never built gives the same fallback.
    Session unprepared;
    unprepared.teams.currentTeam = &team;
    StartLineupPages(unprepared, &team, &team, false);
    EXPECT_EQ(LineupCandidates(unprepared), (Names{"Shortstop", "Reliever", "Unused"}));
}

TEST(PitcherPage, OnlyTheFirst29PitchersOfTheListReachTheStaff) {
    TeamRecord team("1950 Many");
    for (int i = 0; i < 35; ++i)
        AddArm(team, "P" + std::to_string(i), 0, 900 - i * 10, 30, 200);
    Session session;
    BeginSetup(session, team, false);
    Names names = LineupCandidates(session);
    ASSERT_EQ(names.size(), 29u);
    EXPECT_EQ(names.front(), "P28");  // best era among the first 29
    EXPECT_EQ(names.back(), "P0");
}

TEST(OutfieldPages, OfferedInTurnAndInfieldPlacementsBlocked) {
    TeamRecord team("1950 Outfield");
    FillTeam(team);
    Session session;
    BeginSetup(session, team, false);
    std::vector<Names> pages;
    for (int page = 0; page < 9; ++page)
        pages.push_back(TakeFirst(session));
    // "Bench" (avg 230, OF and 1B) is below "First" at first base, so he stays free.
    EXPECT_EQ(pages[2], (Names{"First", "Bench"}));
    EXPECT_EQ(pages[6], (Names{"Center", "Left", "Right", "Bench"}));
    EXPECT_EQ(pages[7], (Names{"Left", "Right", "Bench"}));
    EXPECT_EQ(pages[8], (Names{"Right", "Bench"}));

    // Placed at first base, the two-way player is not offered in the outfield.
    TeamRecord twoWay("1950 TwoWay");
    FillTeam(twoWay);
    twoWay.players[4]->positions = 0;  // "First" cannot play first any more
    Session other;
    BeginSetup(other, twoWay, false);
    for (int page = 0; page < 6; ++page)
        TakeFirst(other);
    EXPECT_EQ(other.game.visitor.defense[FirstBaseSlot]->name, "Bench");
    EXPECT_EQ(LineupCandidates(other), (Names{"Center", "Left", "Right"}));
}

TEST(OutfieldPages, ThreeOutfieldersOneCatchingFallsBackToInfield) {
    TeamRecord team("1950 Thin");
    AddArm(team, "Ace", 100, 250, 30, 240);
    AddPlayer(team, "CatchOF", 320, Catcher | Outfield);
    AddPlayer(team, "First", 300, FirstBase);
    AddPlayer(team, "Second", 280, SecondBase);
    AddPlayer(team, "Short", 250, Shortstop);
    AddPlayer(team, "Third", 270, ThirdBase);
    AddPlayer(team, "Utility", 260, ThirdBase | Shortstop);
    AddPlayer(team, "Left", 290, Outfield);
    AddPlayer(team, "Center", 210, Outfield);
    Session session;
    BeginSetup(session, team, false);
    for (int page = 0; page < 8; ++page)
        TakeFirst(session);
    EXPECT_EQ(session.game.visitor.defense[CatcherSlot]->name, "CatchOF");
    EXPECT_EQ(LineupCandidates(session), (Names{"Short"}));
}

TEST(DesignatedHitterPage, EveryUnplacedPlayerIncludingOtherPitchers) {
    TeamRecord team("1950 DH");
    FillTeam(team);
    Session session;
    BeginSetup(session, team, true);
    for (int page = 0; page < 9; ++page)
        TakeFirst(session);
    ASSERT_EQ(SlotBeingChosen(session.setup), DesignatedHitterSlot);
    EXPECT_EQ(LineupCandidates(session), (Names{"Bench", "Second", "Reliever"}));
    // Choosing a pitcher again (the pitcher's page) empties the DH slot.
    SelectLineupCandidate(session, "Bench");
    session.setup.selectingPosition = Pitcher;
    SelectLineupCandidate(session, "Second");
    EXPECT_EQ(session.game.visitor.defense[DesignatedHitterSlot], nullptr);
}

TEST(LineupPages, DuplicateNamesResolveToTheFirstAndBlockEachOther) {
    TeamRecord team("1950 Twins");
    AddArm(team, "Ace", 100, 250, 30, 240);
    AddPlayer(team, "Smith", 300, Catcher);
    AddPlayer(team, "Smith", 290, Catcher | FirstBase);
    Session session;
    BeginSetup(session, team, false);
    TakeFirst(session);
    EXPECT_EQ(LineupCandidates(session), (Names{"Smith", "Smith"}));
    SelectLineupCandidate(session, "Smith");
    EXPECT_EQ(session.game.visitor.defense[CatcherSlot], team.players[0].get());
    AdvanceLineupPage(session);
    // The second Smith plays first base but carries a placed name.
    EXPECT_TRUE(LineupCandidates(session).empty());
    EXPECT_EQ(NoPlayersMessage(session.setup),
              "There are no players left to play first base.\nPlease try again.");
    EXPECT_FALSE(SelectLineupCandidate(session, "Nobody"));
    EXPECT_EQ(session.teams.currentPlayer, nullptr);
    EXPECT_EQ(session.game.visitor.defense[FirstBaseSlot], nullptr);
}

TEST(DefaultSetup, SameTeamBothSidesWithAndWithoutDesignatedHitter) {
    for (bool dh : {false, true}) {
        TeamRecord team("1950 Full");
        FillTeam(team);
        Session session;
        std::string error;
        ASSERT_TRUE(DefaultSetup(session, team, team, dh, &error)) << error;
        EXPECT_EQ(session.game.battingSide, kVisitors);
        EXPECT_EQ(session.game.designatedHitter, dh ? 1 : 0);
        for (int side : {kVisitors, kHome}) {
            const GameSide& s = session.game.Side(side);
            EXPECT_EQ(s.team, &team);
            EXPECT_EQ(s.defense[PitcherSlot]->name, "Ace");
            EXPECT_EQ(s.defense[LeftFieldSlot]->name, "Center");
            EXPECT_EQ(s.lineup[9]->name, "Ace");
            EXPECT_EQ(s.lineup[0]->name, dh ? "Bench" : "Ace");
            EXPECT_EQ(s.lineup[1]->name, "Catch");
            EXPECT_EQ(s.lineup[8]->name, "Right");
            EXPECT_EQ(s.defense[DesignatedHitterSlot] != nullptr, dh);
        }
        // Both sides start the very same players.
        EXPECT_EQ(session.game.visitor.lineup, session.game.home.lineup);
    }
}

TEST(DefaultSetup, ThinRosterFailsWithThePositionOfTheEmptyPage) {
    struct Case {
        std::vector<int> kept;  // FillTeam's players by the order they are added
        bool dh;
        bool homeThin;
        const char* message;
    };
    const Case cases[] = {
        {{8, 9, 10}, false, false, "There are no players left to play pitcher.\nPlease try again."},
        {{0, 3, 4, 5, 6, 7, 8, 9},
         false,
         true,
         "There are no players left to play outfield.\nPlease try again."},
        {{0, 3, 4, 5, 6, 7, 8, 9, 10},
         true,
         false,
         "There are no players left to play designated hitter.\nPlease try again."},
    };
    for (const Case& c : cases) {
        TeamRecord full("1950 Full"), source("1950 Source"), thin("1950 Thin");
        FillTeam(full);
        FillTeam(source);
        for (int i : c.kept)
            thin.players.push_back(std::move(source.players[i]));
        Session session;
        std::string error;
        TeamRecord& visitors = c.homeThin ? full : thin;
        TeamRecord& home = c.homeThin ? thin : full;
        EXPECT_FALSE(DefaultSetup(session, visitors, home, c.dh, &error));
        EXPECT_EQ(error, c.message);
        EXPECT_EQ(session.setup.setupSide, c.homeThin ? kHome : kVisitors);
    }
}

}  // namespace
}  // namespace velmoro
