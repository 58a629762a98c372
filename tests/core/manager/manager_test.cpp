// The computer manager: the book's choices in a table of situations, whole managed games
// that never meet a refusal, its moves booked as the management windows book them, and
// velmoro-sim's --manager and --compare-managers.
#include <gtest/gtest.h>

#include "engine/invariants.h"
#include "engine/strategies.h"
#include "engine/turns.h"
#include "manager/managed_sides.h"
#include "setup/default_setup.h"
#include "setup/manage_pitching.h"
#include "support/test_league.h"

namespace velmoro {
namespace {

using namespace velmoro::testing;

// Two alike teams set up with every default, the play screen opened, the visitors up.
// "Ace" starts, "Reliever" has the lowest earned run average of the bullpen, "Slugger"
// (.400) sits on the bench.
struct ManagedGame {
    Session session;
    TeamRecord visitors{"1960 Visitors"}, home{"1960 Home"};

    explicit ManagedGame(bool designatedHitter) {
        for (TeamRecord* team : {&visitors, &home})
            Fill(*team);
        std::string error;
        EXPECT_TRUE(DefaultSetup(session, visitors, home, designatedHitter, &error)) << error;
        OpenPlayScreen(session);
    }
    static void Fill(TeamRecord& team) {
        AddRoster(team, {{"Slugger", NoPosition, 400},
                         {"Catch", Catcher, 260},
                         {"First", FirstBase, 300},
                         {"Second", SecondBase, 280},
                         {"Short", Shortstop, 250},
                         {"Third", ThirdBase, 270},
                         {"Left", Outfield, 295},
                         {"Center", Outfield, 290},
                         {"Right", Outfield, 285},
                         {"Bench", Outfield | FirstBase, 230},
                         {"Util", SecondBase | Shortstop | ThirdBase, 220},
                         {"Ace", Pitcher, 100, 250, 30, 240},
                         {"Deep", Pitcher, 120, 300, 30, 200},
                         {"Reliever", Pitcher, 90, 200, 60, 80},
                         {"NoGames", Pitcher, 80, 400, 0, 0},
                         {"TwoWay", Pitcher | Outfield, 210, 350, 30, 150}});
    }
    GameState& game() { return session.game; }
    // The batter due up is the one in `slot`.
    void batterAt(int slot) { session.game.batterIndex = session.game.Batting().nextBatter = slot; }
};

struct Situation {
    const char* name;
    int inning, outs, bases, visitorRuns, homeRuns;
    int batterAvg, onDeckAvg;
    int stolen, caught;  // the runners' season
    bool managesFielding;
    int offense, defense;
};

TEST(BookManager, ChoicesOfTheTurn) {
    // Visitors at bat, the batter in slot 3 and the runners from slots 1 and 2.
    const Situation table[] = {
        {"sacrifice late and close", 8, 0, 1, 2, 2, 210, 300, 0, 0, false, SacrificeChoice, 0},
        {"no sacrifice for a .250 hitter", 8, 0, 1, 2, 2, 250, 300, 0, 0, false, NormalPlay, 0},
        {"no sacrifice in the 6th", 6, 0, 1, 2, 2, 210, 300, 0, 0, false, NormalPlay, 0},
        {"no sacrifice two runs down", 8, 0, 1, 1, 3, 210, 300, 0, 0, false, NormalPlay, 0},
        {"first and second, sacrifice", 9, 0, 3, 3, 2, 200, 300, 0, 0, false, SacrificeChoice, 0},
        {"second, sacrifice", 9, 0, 2, 3, 2, 200, 300, 0, 0, false, SacrificeChoice, 0},
        {"runner on third: no bunt", 8, 0, 5, 2, 2, 210, 300, 0, 0, false, NormalPlay, 0},
        {"never a squeeze", 7, 1, 4, 2, 3, 100, 300, 0, 0, false, NormalPlay, 0},
        {"double steal, one out", 3, 1, 3, 0, 0, 300, 300, 45, 5, false, StealChoice, 0},
        {"no double steal with two out", 3, 2, 3, 0, 0, 300, 300, 45, 5, false, NormalPlay, 0},
        {"no single steal", 3, 0, 1, 0, 0, 300, 300, 45, 5, false, NormalPlay, 0},
        {"no steal, 20 of 22 too few", 3, 1, 3, 0, 0, 300, 300, 20, 2, false, NormalPlay, 0},
        {"no steal, 40 of 50 too poor", 3, 1, 3, 0, 0, 300, 300, 40, 10, false, NormalPlay, 0},
        {"no steal of home", 3, 1, 5, 0, 0, 300, 300, 45, 5, false, NormalPlay, 0},
        {"walk the .340 hitter", 5, 2, 2, 1, 1, 340, 250, 0, 0, true, 0, IntentionalWalkChoice},
        {"on deck only .050 weaker", 5, 2, 2, 1, 1, 340, 290, 0, 0, true, 0, NormalDefense},
        {"no walk with one out", 5, 1, 2, 1, 1, 340, 250, 0, 0, true, 0, NormalDefense},
        {"no walk, first base taken", 5, 2, 3, 1, 1, 340, 250, 0, 0, true, 0, NormalDefense},
        {"no walk, nobody in scoring position", 5, 2, 0, 1, 1, 340, 250, 0, 0, true, 0,
         NormalDefense},
        {"walk left to an unmanaged side", 5, 2, 2, 1, 1, 340, 250, 0, 0, false, 0, NormalDefense},
        {"never infield in", 9, 0, 4, 2, 2, 300, 300, 0, 0, true, 0, NormalDefense},
    };
    for (const Situation& s : table) {
        SCOPED_TRACE(s.name);
        ManagedGame managed(false);
        GameState& game = managed.game();
        GameSide& batting = game.Batting();
        game.inning = s.inning, game.outs = s.outs;
        game.visitor.teamRuns = s.visitorRuns, game.home.teamRuns = s.homeRuns;
        managed.batterAt(3);
        batting.lineup[3]->battingAvg = static_cast<std::uint16_t>(s.batterAvg);
        batting.lineup[4]->battingAvg = static_cast<std::uint16_t>(s.onDeckAvg);
        for (int slot : {1, 2}) {
            batting.lineup[slot]->stolenBases = static_cast<std::uint8_t>(s.stolen);
            batting.lineup[slot]->caughtStealing = static_cast<std::uint8_t>(s.caught);
        }
        // Lead runner first in the queue: slots 1, 2 on the bases from third down.
        game.bases = s.bases;
        int queued = 0;
        for (int base : {4, 2, 1})
            if (s.bases & base) game.runnerQueue[queued] = 2 + queued, ++queued;
        const TurnDecision decision =
            DecideTurn(managed.session, true, s.managesFielding, ManagerKind::Book);
        EXPECT_EQ(decision.offense, s.offense);
        EXPECT_EQ(decision.defense, s.defense);
        EXPECT_EQ(decision.reason.empty(), s.offense == 0 && s.defense == 0) << decision.reason;
        if (s.defense == IntentionalWalkChoice) {
            EXPECT_EQ(decision.reason,
                      "Intentional walk: first base open, .340 hitter up, .250 on deck");
        }
    }
}

// Plays one managed game to its end; the choices used are counted in `used`.
int PlayManaged(ManagedGame& managed, std::uint32_t seed, ManagerKind kind, int used[4][3]) {
    const ManagedSides both{true, true, kind};
    ManagerDisplay managerDisplay(managed.session, both);
    managed.session.SetDisplay(&managerDisplay);
    managed.session.gameLogPath.clear();
    managed.session.random.Seed(seed);
    GameState& game = managed.game();
    int refusals = 0;
    while (!IsGameOver(game) && game.inning < 40) {
        const TurnDecision turn = both.BeforeTurn(managed.session, nullptr);
        ++used[turn.offense][turn.defense];
        if (TurnRefusal(game, turn.offense, turn.defense) != Refusal::None) ++refusals;
        PlayTurn(managed.session, turn.offense, turn.defense);
        EXPECT_EQ(GameStateProblem(game), "");
    }
    managed.session.SetDisplay(nullptr);
    return refusals;
}

TEST(BookManager, ManagedGamesMeetNoRefusal) {
    int used[4][3] = {};
    int refusals = 0;
    for (std::uint32_t seed = 0; seed < 2000; ++seed) {
        ManagedGame managed(seed % 2 == 0);
        // A base stealer and batters with enough at-bats to pinch-hit.
        for (TeamRecord* team : {&managed.visitors, &managed.home})
            for (auto& player : team->players)
                player->atBats = 300;
        managed.visitors.players[6]->stolenBases = 60;
        managed.visitors.players[6]->caughtStealing = 5;
        managed.home.players[4]->battingAvg = 215;
        refusals += PlayManaged(managed, seed, ManagerKind::Book, used);
    }
    EXPECT_EQ(refusals, 0);
    for (int offense : {SacrificeChoice, StealChoice})
        EXPECT_GT(used[offense][0], 0) << "never chosen: offense " << offense;
    EXPECT_EQ(used[SqueezeChoice][0], 0);
    EXPECT_GT(used[0][IntentionalWalkChoice], 0);
}

TEST(LookAheadManager, ManagedGamesMeetNoRefusal) {
    int used[4][3] = {};
    ManagedGame managed(false);
    EXPECT_EQ(PlayManaged(managed, 1, ManagerKind::LookAhead, used), 0);
}

// Both sides' lineups, defences and BoxLine chains, by name and position.
std::string Bookkeeping(GameState& game) {
    std::string text;
    for (GameSide* side : {&game.visitor, &game.home}) {
        for (int i = 0; i < 10; ++i) {
            text += (side->lineup[i] ? side->lineup[i]->name : "-") + "/" +
                    (side->defense[i] ? side->defense[i]->name : "-") + ":";
            for (const auto& line : side->boxLines[i])
                text += " " + line->name + "(" + std::to_string(line->position) + ")";
            text += "\n";
        }
    }
    return text + "must leave " + std::to_string(game.pinchHitterMustLeave);
}

TEST(BookManager, MovesAreBookedAsTheWindowsBookThem) {
    ManagedGame manager(false), windows(false);
    for (ManagedGame* g : {&manager, &windows}) {
        g->game().inning = 7;
        g->batterAt(0);  // the visitors' pitcher is up, the game tied
        // The home starter has gone three innings past his season's average.
        g->game().home.boxLines[kPitcherEntry].back()->pitching->outs = 3 * 12;
        for (auto& player : g->visitors.players)
            player->atBats = 300;
    }
    const std::string changed = MakeBetweenTurnMoves(manager.session, Side::Home);
    EXPECT_EQ(changed.rfind("Pitching change: Reliever for Ace, 12.0 innings", 0), 0) << changed;
    ASSERT_EQ(ApplyPitchingChange(windows.session, Side::Home,
                                  PitchingChangeCandidates(windows.game(), Side::Home).front()),
              SubstitutionOutcome::Applied);
    EXPECT_EQ(Bookkeeping(manager.game()), Bookkeeping(windows.game()));

    EXPECT_EQ(MakeBetweenTurnMoves(manager.session, Side::Visitors),
              "Pinch hitter: Slugger (.400) bats for Ace, inning 7, tied");
    ASSERT_EQ(ApplySubstitution(windows.session, Side::Visitors, PinchHitter, "Slugger"),
              SubstitutionOutcome::Applied);
    EXPECT_EQ(Bookkeeping(manager.game()), Bookkeeping(windows.game()));

    // After his turn the pinch hitter, no pitcher, must make way: the staff's best arm.
    EXPECT_EQ(ReplaceForcedPinchHitter(manager.session, Side::Visitors).text,
              "Reliever replaces the pinch hitter at Pitcher");
    const SubstituteCandidates arms =
        SubstitutionCandidates(windows.session, Side::Visitors, PitcherPosition);
    ASSERT_EQ(
        ApplySubstitution(windows.session, Side::Visitors, PitcherPosition, arms.names.front()),
        SubstitutionOutcome::Applied);
    EXPECT_EQ(Bookkeeping(manager.game()), Bookkeeping(windows.game()));
    EXPECT_EQ(ReplaceForcedPinchHitter(manager.session, Side::Visitors).text, "");
}

}  // namespace
}  // namespace velmoro
