// Computer manager speed: one decision of the turn, by the book and looking ahead, over
// the states of whole games (both sides managed, the look-ahead's dearest case), and
// from the first pitch, where its play-outs are longest. The budget is 5 ms a decision.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/session.h"
#include "engine/turns.h"
#include "manager/managed_sides.h"
#include "setup/default_setup.h"

namespace {

using namespace velmoro;

PlayerRecord Player(const std::string& name, int avg, int positions, int shift) {
    PlayerRecord player(name);
    player.atBats = static_cast<std::uint16_t>(450 + 9 * shift);
    player.battingAvg = static_cast<std::uint16_t>(avg);
    player.hits = static_cast<std::uint8_t>(player.atBats * avg / 1000);
    player.doubles = static_cast<std::uint8_t>(20 + shift);
    player.triples = static_cast<std::uint8_t>(2 + shift % 4);
    player.homeRuns = static_cast<std::uint8_t>(8 + 3 * shift);
    player.walks = static_cast<std::uint8_t>(40 + 3 * shift);
    player.strikeouts = static_cast<std::uint8_t>(70 + 4 * shift);
    player.stolenBases = static_cast<std::uint8_t>(shift == 3 ? 45 : 5);
    player.caughtStealing = static_cast<std::uint8_t>(shift == 3 ? 5 : 4);
    player.positions = static_cast<std::uint8_t>(positions);
    return player;
}

// Eight regulars, two men on the bench and seven pitchers, a closer among them.
TeamRecord& MakeTeam(TeamList& list, const std::string& name, int strength) {
    TeamRecord& team = AddTeam(list, name);
    const int fielders[] = {Catcher,  FirstBase, SecondBase, Shortstop, ThirdBase,
                            Outfield, Outfield,  Outfield,   Outfield,  FirstBase | ThirdBase};
    for (int i = 0; i < 10; ++i)
        team.AddPlayer(Player(name + " Fielder " + std::to_string(i),
                              215 + 12 * ((strength + i) % 7), fielders[i], (strength + i) % 7));
    for (int i = 0; i < 7; ++i) {
        PlayerRecord arm = Player(name + " Pitcher " + std::to_string(i), 150, Pitcher, 0);
        arm.pitching = std::make_unique<PitchingLine>();
        arm.pitching->eraX100 = static_cast<std::uint16_t>(300 + 35 * ((strength + i) % 5));
        arm.pitching->games = static_cast<std::uint8_t>(i < 4 ? 32 : 60);
        arm.pitching->inningsPitched = static_cast<std::uint16_t>(i < 4 ? 200 : 70);
        arm.pitching->saves = static_cast<std::uint8_t>(i == 6 ? 30 : 0);
        team.AddPlayer(std::move(arm));
    }
    return team;
}

// The states before every turn of a few games played with both sides by the book.
struct Positions {
    TeamList teams;
    std::vector<std::unique_ptr<Session>> states;

    explicit Positions(bool firstPitchOnly) {
        TeamRecord& visitors = MakeTeam(teams, "1936 Visitors", 1);
        TeamRecord& home = MakeTeam(teams, "1936 Home", 4);
        Session session;
        session.gameLogPath.clear();
        session.silent = true;
        for (std::uint32_t game = 0; game < 4; ++game) {
            ResetGame(session.game);
            std::string error;
            DefaultSetup(session, visitors, home, false, &error);
            OpenPlayScreen(session);
            session.random.Seed(1000 + game);
            while (!IsGameOver(session.game)) {
                Keep(session);
                if (firstPitchOnly) break;
                const TurnDecision turn = ManagedSides{true, true}.BeforeTurn(session, nullptr);
                PlayTurn(session, turn.offense, turn.defense);
            }
        }
    }

    void Keep(const Session& session) {
        auto copy = std::make_unique<Session>();
        copy->gameLogPath.clear();
        CopyGameState(session.game, copy->game);
        copy->random.Seed(session.random.State());
        states.push_back(std::move(copy));
    }
};

void Decisions(benchmark::State& state, ManagerKind kind, bool firstPitchOnly) {
    Positions positions(firstPitchOnly);
    std::size_t at = 0;
    for (auto _ : state) {
        Session& session = *positions.states[at];
        at = (at + 1) % positions.states.size();
        TurnDecision decision = DecideTurn(session, true, true, kind);
        benchmark::DoNotOptimize(decision);
    }
    state.counters["decisions/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_BookDecision(benchmark::State& state) {
    Decisions(state, ManagerKind::Book, false);
}
BENCHMARK(BM_BookDecision);

void BM_LookAheadDecision(benchmark::State& state) {
    Decisions(state, ManagerKind::LookAhead, false);
}
BENCHMARK(BM_LookAheadDecision)->Unit(benchmark::kMillisecond);

void BM_LookAheadFirstPitch(benchmark::State& state) {
    Decisions(state, ManagerKind::LookAhead, true);
}
BENCHMARK(BM_LookAheadFirstPitch)->Unit(benchmark::kMillisecond);

}  // namespace
