// Realistic games played through the turn: every choice of the play screen, from every
// state the games reach, leaves a sound game whose box score agrees with its scoreboard.
#include <gtest/gtest.h>

#include "db/club_season.h"

#include "engine/invariants.h"
#include "engine/strategies.h"
#include "realistic/realistic.h"
#include "realistic/realistic_game.h"
#include "support/test_game.h"

namespace velmoro {
namespace {

struct Totals {
    int runs = 0, hits = 0;
};

Totals BoxTotals(const GameSide& side) {
    Totals totals;
    for (int slot = 0; slot < 9; ++slot)
        for (const auto& line : side.boxLines[slot]) {
            totals.runs += line->runs;
            totals.hits += line->hits;
        }
    return totals;
}

class RealisticGames : public ::testing::Test {
  protected:
    void SetUp() override {
        testing::MakeTeam(teams_, "1950 Visitors", 1);
        testing::MakeTeam(teams_, "1950 Home", 5);
        session_.gameLogPath.clear();
        session_.silent = true;
        testing::SetUpGame(session_, *teams_[0], *teams_[1], false);
        SetEngine(session_, EngineKind::Realistic, nullptr);
    }

    TeamList teams_;
    Session session_;
};

TEST_F(RealisticGames, EngineFollowsTheGameAndItsCopies) {
    GameState& game = session_.game;
    EXPECT_EQ(EngineOf(game), EngineKind::Realistic);
    GameState copy;
    CopyGameState(game, copy);
    EXPECT_EQ(EngineOf(copy), EngineKind::Realistic);
    EXPECT_EQ(copy.model, game.model);
    SetEngine(session_, EngineKind::Classic, nullptr);
    EXPECT_EQ(EngineOf(game), EngineKind::Classic);
    SetEngine(session_, EngineKind::Realistic, nullptr);
    ResetGame(game);
    EXPECT_EQ(EngineOf(game), EngineKind::Classic);
}

// Choices drawn from the game's own source, Normal Play most of the time; the turn
// shows a refusal and plays nothing for a choice the bases do not allow.
TEST_F(RealisticGames, EveryChoiceKeepsTheGameSound) {
    session_.random.Seed(11);
    long plateAppearances = 0, errors = 0;
    for (int game = 0; game < 200; ++game) {
        if (game > 0) PrepareReplay(session_.game);
        OpenPlayScreen(session_);
        for (int turn = 0; !IsGameOver(session_.game) && turn < 400; ++turn) {
            const int pick = session_.random.Next() % 12;
            const int offense = pick < 8 ? NormalPlay : pick - 8;
            const int defense = pick == 1   ? InfieldInChoice
                                : pick == 2 ? IntentionalWalkChoice
                                            : NormalDefense;
            PlayTurn(session_, offense, defense);
            ASSERT_EQ(GameStateProblem(session_.game), "") << "game " << game << " turn " << turn;
            ++plateAppearances;
        }
        ASSERT_TRUE(IsGameOver(session_.game));
        for (const GameSide* side : {&session_.game.visitor, &session_.game.home}) {
            const Totals box = BoxTotals(*side);
            EXPECT_EQ(box.runs, side->teamRuns);
            EXPECT_EQ(box.hits, side->hits);
            errors += side->errors;
        }
    }
    EXPECT_GT(errors, 0);
    EXPECT_GT(plateAppearances, 200 * 60);
}

// The chances of a plate appearance: a distribution, and the batter's own line against
// an average pitcher in his own league.
TEST_F(RealisticGames, ChancesAddUpAndFollowTheBatter) {
    const auto& model = static_cast<const RealisticGame&>(*session_.game.model);
    const plate::Rates chances = model.Chances(session_.game);
    double sum = 0;
    for (double chance : chances) {
        EXPECT_GE(chance, 0);
        sum += chance;
    }
    EXPECT_NEAR(sum, 1.0, 1e-12);
    // The league's strongest and weakest hitters in this lineup differ in their chances.
    GameState& game = session_.game;
    game.batterIndex = 0;
    const double first = model.Chances(game)[plate::HomeRun];
    game.batterIndex = 8;  // the pitcher
    EXPECT_NE(first, model.Chances(game)[plate::HomeRun]);
}

}  // namespace
}  // namespace velmoro

namespace velmoro {
namespace {

// A pitcher with hardly a plate appearance bats like the league's pitchers, not like its
// hitters: he was once drawn toward every batter, and pitchers, who bat a ninth of a
// replay's plate appearances, struck out far too seldom.
TEST(RealisticData, PitchersAtBatDrawnTowardPitchers) {
    TeamList teams;
    TeamRecord& team = testing::MakeTeam(teams, "1950 Staff", 3);
    team.AddPlayer(testing::MakePitcher("Never Batted", false, 4));
    const auto data = BuildRealisticData({&team}, {});
    const TeamContext& context = *data->Team("1950 Staff");
    const PlayerModel& reliever = context.players.back();
    const PlayerModel& hitter = context.players.front();
    EXPECT_GT(reliever.batting[plate::Strikeout], 1.5);
    EXPECT_LT(reliever.batting[plate::HomeRun], 0.5);
    EXPECT_LT(hitter.batting[plate::Strikeout], 1.5);
}

// Runners are as fast as they ran: speed follows steal attempts per time on first
// against the league's, within its bounds. A club's errors cost what its unearned runs
// say, against its league's.
TEST(RealisticData, SpeedFromStealsAndErrorsFromUnearnedRuns) {
    TeamList teams;
    TeamRecord& a = testing::MakeTeam(teams, "1950 Runners", 3);
    TeamRecord& b = testing::MakeTeam(teams, "1950 Walkers", 5);
    a.players[0]->stolenBases = 90, a.players[0]->caughtStealing = 20;
    a.players[1]->stolenBases = 0, a.players[1]->caughtStealing = 0;
    std::vector<ClubSeason> clubs(2);
    for (int c = 0; c < 2; ++c) {
        clubs[c].team = c ? b.name : a.name;
        clubs[c].year = 1950;
        clubs[c].games = 100, clubs[c].errors = 100;
        clubs[c].runsAllowed = 500, clubs[c].earnedRuns = c ? 350 : 450;
    }
    const auto data = BuildRealisticData({&a, &b}, {nullptr, &clubs, nullptr});
    const TeamContext& runners = *data->Team(a.name);
    EXPECT_DOUBLE_EQ(runners.players[0].speed, 1.25);
    EXPECT_LT(runners.players[1].speed, 1.0);
    EXPECT_GE(runners.players[1].speed, 0.8);
    EXPECT_GT(runners.players[0].stealAttempts, runners.players[2].stealAttempts);
    EXPECT_DOUBLE_EQ(runners.errorFactor, 0.5);
    EXPECT_DOUBLE_EQ(data->Team(b.name)->errorFactor, 1.5);
}

}  // namespace
}  // namespace velmoro
