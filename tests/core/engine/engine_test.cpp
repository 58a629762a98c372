// The engine's rules as tables: where each result sends the runners, the manager's plays
// and their refusals. Whole games are compared with recorded runs (tests/data/golden);
// here random games check that the books add up whatever happens.
#include <gtest/gtest.h>

#include <bit>
#include <random>

#include "engine/invariants.h"
#include "engine/message_text.h"
#include "engine/plate_appearance.h"
#include "engine/running.h"
#include "engine/strategies.h"
#include "support/recording_display.h"
#include "support/test_game.h"

namespace velmoro::testing {
namespace {

// The visitors at bat, slot 4 due up; runners are placed by batting slot.
class Engine : public ::testing::Test {
  protected:
    void SetUp() override {
        MakeTeam(teams, "V", 0);
        MakeTeam(teams, "H", 3);
        Start(session, screen);
    }
    void Start(Session& s, RecordingDisplay& display) {
        s.SetDisplay(&display);
        SetUpGame(s, *teams[0], *teams[1], false);
        s.game.batterIndex = s.game.visitor.nextBatter = 4;
        display.Clear();
    }
    // What one call added to the log.
    template <typename Call>
    std::string Logged(Call call) {
        const std::size_t before = game.playLog.size();
        call();
        return game.playLog.substr(before);
    }
    BoxPitching& HomePitcher() { return *game.home.boxLines[kPitcherEntry].back()->pitching; }

    TeamList teams;
    RecordingDisplay screen;
    Session session;
    GameState& game = session.game;
};

TEST_F(Engine, EachResultMovesRunnersAndWritesItsLine) {
    using enum PlateResult;
    const struct {
        const char* name;
        int bases;
        std::vector<int> runners;  // lead runner first
        int outs;
        PlateResult result;
        std::uint32_t draw;
        int runs, hits, basesAfter;
        std::array<int, 3> queueAfter;
        int outsAfter;
        std::string text;
    } cases[] = {
        // clang-format off
        {"grand slam", 7, {1, 2, 3}, 0, HomeRun, 0, 4, 1, 0, {0, 0, 0}, 0, "V F4  hit a Home Run. 4 runs scored\r\n"},
        {"triple clears two", 3, {2, 3}, 1, Triple, 60, 2, 1, 4, {5, 0, 0}, 1, "V F4  hit a Triple. 2 runs scored\r\n"},
        {"double, odd: runner from first scores", 1, {3}, 0, Double, 101, 1, 1, 2, {5, 0, 0}, 0, "V F4  hit a Double. 1 run scored\r\n"},
        {"double, even: runner from first to third", 5, {1, 3}, 0, Double, 100, 1, 1, 6, {4, 5, 0}, 0, "V F4  hit a Double. 1 run scored\r\n"},
        {"single, even, runner on first", 1, {3}, 0, Single, 200, 0, 1, 3, {4, 5, 0}, 0, "V F4  hit a Single.\r\n"},
        {"single, odd, first and second", 3, {2, 3}, 0, Single, 201, 1, 1, 5, {4, 5, 0}, 0, "V F4  hit a Single. 1 run scored\r\n"},
        {"single, even, first and second: all move one", 3, {2, 3}, 0, Single, 200, 0, 1, 7, {3, 4, 5}, 0, "V F4  hit a Single.\r\n"},
        {"walk, bases loaded", 7, {1, 2, 3}, 2, Walk, 300, 1, 0, 7, {3, 4, 5}, 2, "V F4  Walked. 1 run scored\r\n"},
        {"walk, runner on second stays", 2, {2}, 0, Walk, 300, 0, 0, 3, {3, 5, 0}, 0, "V F4  Walked.\r\n"},
        {"walk, runner on third stays", 4, {1}, 0, Walk, 300, 0, 0, 5, {2, 5, 0}, 0, "V F4  Walked.\r\n"},
        {"strikeout", 1, {3}, 0, Strikeout, 400, 0, 0, 1, {4, 0, 0}, 1, "V F4  Struckout.\r\n"},
        {"sacrifice fly, odd", 6, {1, 2}, 0, FlyBall, 601, 1, 0, 4, {3, 0, 0}, 1, "V F4  Flied out. 1 run scored\r\n"},
        {"fly, even: popped out, runner holds", 4, {1}, 0, FlyBall, 600, 0, 0, 4, {2, 0, 0}, 1, "V F4  Popped out.\r\n"},
        {"fly at two outs scores nobody", 4, {1}, 2, FlyBall, 601, 0, 0, 4, {2, 0, 0}, 3, "V F4  Flied out.\r\n\r\nBottom of inning 1.\r\n"},
        {"double play ends the inning", 1, {3}, 1, GroundBall, 801, 0, 0, 0, {0, 0, 0}, 3, "V F4  Grounded into double play. \r\n\r\nBottom of inning 1.\r\n"},
        {"double play, runner from second to third", 3, {2, 3}, 0, GroundBall, 801, 0, 0, 4, {3, 0, 0}, 2, "V F4  Grounded into double play. \r\n"},
        {"first and third, odd: run instead of double play", 5, {1, 3}, 1, GroundBall, 801, 1, 0, 2, {4, 0, 0}, 2, "V F4  Grounded out. 1 run scored\r\n"},
        {"ground ball, even: nobody moves", 5, {1, 3}, 0, GroundBall, 800, 0, 0, 5, {2, 4, 0}, 1, "V F4  Grounded out.\r\n"},
        {"two outs: no double play", 1, {3}, 2, GroundBall, 801, 0, 0, 1, {4, 0, 0}, 3, "V F4  Grounded out.\r\n\r\nBottom of inning 1.\r\n"},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PlaceRunners(game, c.bases, c.runners), game.outs = c.outs;
        PlayResult result;
        EXPECT_EQ(Logged([&] { result = PlayPlateResult(session, c.result, c.draw); }), c.text);
        EXPECT_EQ(result.runs, c.runs);
        EXPECT_EQ(result.hits, c.hits);
        EXPECT_EQ(game.bases, c.basesAfter);
        EXPECT_EQ(game.runnerQueue, c.queueAfter);
        EXPECT_EQ(game.outs, c.outsAfter);
    }
}

// The refusal each turn meets; a refused turn shows its message and changes nothing.
TEST_F(Engine, RefusalsByStateAndRefusedTurnsChangeNothing) {
    using enum Refusal;
    const struct {
        int offensive, defensive, bases, outs;
        Refusal refusal;
    } cases[] = {
        {SacrificeChoice, 0, 7, 0, SacrificeBasesLoaded},
        {SacrificeChoice, 0, 5, 0, SacrificeRunnerOnThird},
        {SacrificeChoice, 0, 4, 2, SacrificeRunnerOnThird},
        {SacrificeChoice, 0, 0, 2, SacrificeNoRunners},
        {SacrificeChoice, 0, 3, 2, SacrificeTwoOuts},
        {SacrificeChoice, 0, 3, 1, None},
        {StealChoice, 0, 7, 0, StealBasesLoaded},
        {StealChoice, 2, 4, 0, StealRunnerOnlyOnThird},
        {StealChoice, 0, 6, 0, StealRunnersOnlyOnSecondAndThird},
        {StealChoice, 0, 0, 0, StealNoRunners},
        {StealChoice, 0, 5, 2, None},
        {SqueezeChoice, 0, 7, 2, SqueezeBasesLoaded},
        {SqueezeChoice, 0, 5, 2, SqueezeTwoOuts},
        {SqueezeChoice, 0, 0, 0, SqueezeNoRunners},
        {SqueezeChoice, 2, 1, 0, SqueezeNoRunnerOnThird},
        {SqueezeChoice, 0, 3, 0, SqueezeNoRunnerOnThird},
        {SqueezeChoice, 0, 6, 1, None},
        {StealChoice, IntentionalWalkChoice, 7, 1, IntentionalWalkBasesLoaded},
        {SqueezeChoice, IntentionalWalkChoice, 6, 2, None},
        {NormalPlay, InfieldInChoice, 7, 2, None},
    };
    const std::vector<int> runners[] = {{}, {3}, {2}, {2, 3}, {1}, {1, 3}, {1, 2}, {1, 2, 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(RefusalText(c.refusal));
        PlaceRunners(game, c.bases, runners[c.bases]), game.outs = c.outs;
        EXPECT_EQ(TurnRefusal(game, c.offensive, c.defensive), c.refusal);
        if (c.refusal == None) continue;
        const auto queue = game.runnerQueue;
        const std::uint32_t state = session.random.State();
        screen.Clear();
        EXPECT_EQ(Logged([&] { PlayTurn(session, c.offensive, c.defensive); }), "");
        EXPECT_EQ(screen.Messages(),
                  std::vector<std::string>{std::string("Message Velmoro Baseball: ") +
                                           RefusalText(c.refusal)});
        EXPECT_EQ(game.bases, c.bases);
        EXPECT_EQ(game.runnerQueue, queue);
        EXPECT_EQ(game.outs, c.outs);
        EXPECT_EQ(game.batterIndex, 4);
        EXPECT_EQ(session.random.State(), state) << "a refusal draws nothing";
        const bool steal = c.offensive == StealChoice && c.defensive != IntentionalWalkChoice;
        EXPECT_TRUE(screen.Has(steal ? "ResetChoices 10" : "ResetChoices 11"));
    }
    EXPECT_EQ(HomePitcher(), BoxPitching{});
}

// Steals and squeezes by the draw that decides them, each on a fresh game.
TEST_F(Engine, StealsAndSqueezesByDraw) {
    const struct {
        const char* name;
        int choice, bases;
        std::vector<int> runners;
        int outs;
        int modulus, remainder;
        std::string text;
        int basesAfter, outsAfter, runs;
        std::vector<int> stealers;  // or the batter's at-bats, for a squeeze
        int batterAfter;
    } cases[] = {
        // clang-format off
        {"first, odd", StealChoice, 1, {3}, 0, 2, 1, "V F3 stole second base.\r\n", 2, 0, 0, {3}, 4},
        {"first, even", StealChoice, 1, {3}, 0, 2, 0, "V F3 was caught stealing second base.\r\n", 0, 1, 0, {}, 4},
        {"second, odd", StealChoice, 2, {2}, 1, 2, 1, "V F2 stole third base.\r\n", 4, 1, 0, {2}, 4},
        {"second, even", StealChoice, 2, {2}, 1, 2, 0, "V F2 was caught stealing third base.\r\n", 0, 2, 0, {}, 4},
        {"double steal, odd", StealChoice, 3, {2, 3}, 0, 2, 1, "V F2 stole third base.\r\nV F3 stole second base.\r\n", 6, 0, 0, {2, 3}, 4},
        {"double steal, even", StealChoice, 3, {2, 3}, 0, 2, 0, "V F2 was caught stealing third base.\r\nV F3 stole second base.\r\n", 2, 1, 0, {3}, 4},
        {"first and third, w 3", StealChoice, 5, {1, 3}, 0, 6, 3, "V F3 stole second base.\r\n", 6, 0, 0, {3}, 4},
        {"first and third, w 4", StealChoice, 5, {1, 3}, 1, 6, 4, "V F1 was caught stealing home.\r\nV F3 stole second base.\r\n", 2, 2, 0, {3}, 4},
        {"first and third, w 5", StealChoice, 5, {1, 3}, 0, 6, 5, "V F1 stole home. 1 run scored\r\nV F3 stole second base.\r\n", 2, 0, 1, {1, 3}, 4},
        {"caught for the third out", StealChoice, 3, {2, 3}, 2, 2, 0, "V F2 was caught stealing third base.\r\n\r\nBottom of inning 1.\r\nV F3 stole second base.\r\n\r\nBottom of inning 1.\r\n", 0, 0, 0, {3}, 0},
        {"squeeze, missed ball", SqueezeChoice, 4, {1}, 0, 4, 0, "V F4 missed ball.  Squeeze play failed. Runner on third out at the plate.\r\n", 1, 1, 0, {1}, 5},
        {"squeeze, out at the plate", SqueezeChoice, 6, {1, 2}, 0, 4, 1, "V F4 did a squeeze play. Runner on third out at the plate.\r\n", 5, 1, 0, {1}, 5},
        {"squeeze, first and third", SqueezeChoice, 5, {1, 3}, 0, 4, 1, "V F4 did a squeeze play. Runner on third out at the plate.\r\n", 3, 1, 0, {1}, 5},
        {"squeeze scores, first and third", SqueezeChoice, 5, {1, 3}, 0, 4, 2, "V F4 did a squeeze play. Hitter is out at first. 1 run scored\r\n", 2, 1, 1, {0}, 5},
        {"squeeze scores, second and third", SqueezeChoice, 6, {1, 2}, 0, 4, 3, "V F4 did a squeeze play. Hitter is out at first. 1 run scored\r\n", 4, 1, 1, {0}, 5},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Session fresh;
        RecordingDisplay display;
        Start(fresh, display);
        GameState& g = fresh.game;
        PlaceRunners(g, c.bases, c.runners), g.outs = c.outs;
        ArrangeNextValue(fresh.random, [&](int v) { return v % c.modulus == c.remainder; });
        PlayTurn(fresh, c.choice, 0);
        EXPECT_EQ(g.playLog.substr(std::string("Top of inning 1\r\n").size()), c.text);
        EXPECT_EQ(g.bases, c.basesAfter);
        EXPECT_EQ(RunnersOnBase(g), std::popcount(static_cast<unsigned>(c.basesAfter)));
        EXPECT_EQ(g.outs, c.outsAfter);
        EXPECT_EQ(g.visitor.teamRuns, c.runs);
        EXPECT_EQ(g.visitor.lineScore[0], c.runs);
        EXPECT_EQ(g.home.boxLines[kPitcherEntry].back()->pitching->runsAllowed, c.runs);
        EXPECT_EQ(g.batterIndex, c.batterAfter);
        // A steal keeps the defensive choice; every other turn resets both lists.
        const bool steal = c.choice == StealChoice;
        EXPECT_TRUE(display.Has(steal ? "ResetChoices 10" : "ResetChoices 11"));
        EXPECT_FALSE(display.Has(steal ? "ResetChoices 11" : "ResetChoices 10"));
        if (!steal) {
            EXPECT_EQ(CurrentLine(g.visitor, 4).atBats, c.stealers[0]);
            EXPECT_EQ(CurrentLine(g.visitor, 4).rbi, c.runs);
            continue;
        }
        for (int slot = 0; slot < 9; ++slot) {
            const bool stole = std::count(c.stealers.begin(), c.stealers.end(), slot) > 0;
            EXPECT_EQ(CurrentLine(g.visitor, slot).stolenBases, stole ? 1 : 0) << slot;
        }
    }
}

TEST_F(Engine, IntentionalWalkForcesOnlyTheRunnersBehind) {
    const struct {
        int bases;
        std::vector<int> runners;
        int basesAfter;
    } cases[] = {{0, {}, 1},  {1, {3}, 3},    {2, {2}, 3},   {3, {2, 3}, 7},
                 {4, {1}, 5}, {5, {1, 3}, 7}, {6, {1, 2}, 7}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bases);
        PlaceRunners(game, c.bases, c.runners);
        game.batterIndex = 4;
        const std::uint32_t state = session.random.State();
        // The offensive choice is not looked at.
        EXPECT_EQ(Logged([&] { PlayTurn(session, StealChoice, IntentionalWalkChoice); }),
                  "V F4  was intentionally walked.\r\n");
        EXPECT_EQ(game.bases, c.basesAfter);
        EXPECT_EQ(game.runnerQueue[c.runners.size()], 5) << "the batter is the last runner";
        EXPECT_EQ(session.random.State(), state);
    }
    EXPECT_EQ(CurrentLine(game.visitor, 4).walks, 7);
    EXPECT_EQ(HomePitcher().walks, 7);
}

// The scoreboard shows what changed: runs in the first nine innings' boxes and the
// totals, hits only when there were some.
TEST_F(Engine, ScoreboardShowsWhatChanged) {
    game.inning = 3, game.halfInningRuns = 1;
    ApplyPlayResult(session, {2, 1, 0});
    EXPECT_EQ(game.visitor.lineScore[2], 3);
    EXPECT_EQ(screen.calls, (std::vector<std::string>{"Box 1 3 3", "Box 1 10 2", "Box 1 11 1"}));
    screen.Clear();
    game.inning = 10, game.battingSide = Side::Home, game.halfInningRuns = 0;
    ApplyPlayResult(session, {1, 0, 0});
    EXPECT_EQ(game.home.teamRuns, 1);
    EXPECT_EQ(screen.calls, std::vector<std::string>{"Box 2 10 1"});
}

// Each third out shows the caption of the half-inning that follows.
TEST_F(Engine, ThirdOutsShowTheNextHalfInning) {
    ForceSide(game, Side::Visitors, PlateResult::Strikeout);
    ForceSide(game, Side::Home, PlateResult::Strikeout);
    for (const char* caption : {"Inning INNING: 1 (bottom)", "Inning INNING: 2 (top)"}) {
        for (int out = 0; out < 3; ++out)
            PlayTurn(session, 0, 0);
        EXPECT_EQ(std::count(screen.calls.begin(), screen.calls.end(), caption), 1) << caption;
    }
}

// A message shows UTF-8 characters whole, escapes every other byte and cuts between
// characters.
TEST(MessageText, ShownValueKeepsOnlyWholeCharacters) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"\xc2\xa9 \xdf\xbf", "\xc2\xa9 \xdf\xbf"},
        {"\xe0\xa0\x80\xf0\x90\x80\x80", "\xe0\xa0\x80\xf0\x90\x80\x80"},
        {"\xc1\xbf\xe0\x9f\x80", "\\xc1\\xbf\\xe0\\x9f\\x80"},
        {"\xed\xa0\x80\xf4\x90\x80\x80\x61\x01", "\\xed\\xa0\\x80\\xf4\\x90\\x80\\x80a\\x01"},
    };
    for (const auto& [value, shown] : cases)
        EXPECT_EQ(ShownValue(value), shown) << value;
    EXPECT_EQ(ShownValue("ab\xc2\xa9", 3), "ab...");
}

// Tables are made once a game: a pinch hitter and a reliever change none, over a change
// of side or the play screen opened again; a game without tables (as a loaded one) gets
// its lineups' tables.
TEST_F(Engine, OutcomeTablesAreMadeOnceAGame) {
    const auto visitors = game.visitor.outcomes, home = game.home.outcomes;
    PlayerRecord* pinchHitter = teams[0]->players[10].get();
    PlayerRecord* reliever = teams[1]->players[20].get();
    game.visitor.lineup[4] = pinchHitter;
    game.home.lineup[kPitcherEntry] = game.home.defense[PitcherSlot] = reliever;
    for (int turn = 0; turn < 100 && game.battingSide == Side::Visitors; ++turn)
        PlayTurn(session, 0, 0);
    ASSERT_EQ(game.battingSide, Side::Home);
    OpenPlayScreen(session);
    EXPECT_EQ(game.visitor.outcomes, visitors);
    EXPECT_EQ(game.home.outcomes, home);
    game.hasBattingOutcomes = false;
    OpenPlayScreen(session);
    EXPECT_EQ(game.home.outcomes, home);
    for (int slot = 0; slot < 9; ++slot) {
        const OutcomeTable made =
            BuildOutcomeTable(*game.visitor.lineup[slot], reliever->pitching->eraX100);
        EXPECT_EQ(game.visitor.outcomes[slot], made) << slot;
        EXPECT_NE(made, visitors[slot]) << slot;
    }
}

// A pinch hitter who cannot field leaves once his turn is over: after his row is shown
// his side's display is asked for the replacement, and shows the demand unless it answers.
TEST_F(Engine, PinchHitterWhoCannotFieldIsReplacedAfterTheTurn) {
    game.battingSide = Side::Home, game.batterIndex = 3;
    game.pinchHitterMustLeave = ShortstopPosition;
    Side sideInDialog = Side::Visitors;
    screen.onForcedSubstitution = [&](Side side) { sideInDialog = side; };
    ForceSide(game, Side::Home, PlateResult::Single);
    PlayTurn(session, 0, 0);
    const auto row = std::find(screen.calls.begin(), screen.calls.end(), "ShowLineupRow 3");
    ASSERT_LT(row + 2, screen.calls.end());
    EXPECT_EQ(*(row + 1), "ForcedSubstitution");
    EXPECT_EQ(*(row + 2),
              "Message Velmoro Baseball: Pinch Hitter must be replaced by position player");
    EXPECT_EQ(sideInDialog, Side::Home);
    EXPECT_EQ(game.pinchHitterMustLeave, 0);
}

// Random games with random choices, with and without a designated hitter: the state is
// sound after every turn and the books add up at the end.
TEST(WholeGames, RandomGamesKeepSoundBooks) {
    TeamList teams;
    TeamRecord& visitors = MakeTeam(teams, "1931 Visitors", 2);
    TeamRecord& home = MakeTeam(teams, "1931 Home", 6);
    std::mt19937 choices(7);
    for (int number = 0; number < 200; ++number) {
        SCOPED_TRACE(number);
        Session session;
        RecordingDisplay screen;
        session.SetDisplay(&screen);
        session.gameLogPath.clear();
        session.random.SetFixedSeed(static_cast<std::uint32_t>(number));
        SetUpGame(session, visitors, home, number % 2 == 1);
        const GameState& game = session.game;
        for (int turn = 0; turn < 5000 && !IsGameOver(game); ++turn) {
            const bool strategies = number % 3 == 0;
            PlayTurn(session, strategies ? static_cast<int>(choices() % 4) : 0,
                     strategies ? static_cast<int>(choices() % 3) : 0);
            ASSERT_EQ(GameStateProblem(game), "");
        }
        ASSERT_TRUE(IsGameOver(game));
        EXPECT_NE(game.visitor.teamRuns, game.home.teamRuns);
        EXPECT_EQ(screen.Count("GameOver"), 1);
        for (const GameSide* side : {&game.visitor, &game.home}) {
            const GameSide& other = side == &game.visitor ? game.home : game.visitor;
            int runs = 0, hits = 0, allowed = 0;
            for (int slot = 0; slot < 9; ++slot) {
                for (const auto& line : side->boxLines[slot]) {
                    runs += line->runs;
                    hits += line->hits;
                }
            }
            for (const auto& line : other.boxLines[kPitcherEntry])
                allowed += line->pitching->runsAllowed;
            EXPECT_EQ(runs, side->teamRuns);
            EXPECT_EQ(hits, side->hits);
            EXPECT_EQ(allowed, side->teamRuns);
        }
    }
}

}  // namespace
}  // namespace velmoro::testing
