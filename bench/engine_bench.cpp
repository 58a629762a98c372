// Engine speed: plate appearances and complete nine-inning games per second, with the
// play-by-play written as in a real game and no box score file, on the classic engine
// (argument 0) and the realistic one (1) with rates summed from the two teams.
#include <benchmark/benchmark.h>

#include <string>

#include "engine/game_state.h"
#include "engine/session.h"
#include "engine/turns.h"
#include "realistic/realistic.h"

namespace {

using namespace velmoro;

PlayerRecord Hitter(const std::string& name, int shift, std::uint8_t positions) {
    PlayerRecord player(name);
    player.atBats = static_cast<std::uint16_t>(500 + 7 * shift);
    player.hits = static_cast<std::uint8_t>(130 + 5 * shift);
    player.doubles = static_cast<std::uint8_t>(22 + shift);
    player.triples = static_cast<std::uint8_t>(3 + shift % 4);
    player.homeRuns = static_cast<std::uint8_t>(10 + 3 * shift);
    player.walks = static_cast<std::uint8_t>(45 + 3 * shift);
    player.strikeouts = static_cast<std::uint8_t>(75 + 4 * shift);
    player.battingAvg = static_cast<std::uint16_t>(player.hits * 1000 / player.atBats);
    player.positions = positions;
    return player;
}

// Nine regulars, a designated hitter and five pitchers of ordinary seasons.
TeamRecord& MakeTeam(TeamList& list, const std::string& name, int strength) {
    TeamRecord& team = AddTeam(list, name);
    const std::uint8_t fielders[] = {Catcher,   FirstBase, SecondBase, Shortstop,
                                     ThirdBase, Outfield,  Outfield,   Outfield};
    for (int i = 0; i < 8; ++i) {
        team.AddPlayer(
            Hitter(name + " Fielder " + std::to_string(i), (strength + i) % 7, fielders[i]));
    }
    team.AddPlayer(Hitter(name + " Hitter", strength % 7, NoPosition));
    for (int i = 0; i < 5; ++i) {
        PlayerRecord arm = Hitter(name + " Pitcher " + std::to_string(i), 0, Pitcher);
        arm.pitching = std::make_unique<PitchingLine>();
        arm.pitching->eraX100 = static_cast<std::uint16_t>(300 + 40 * ((strength + i) % 5));
        team.AddPlayer(std::move(arm));
    }
    return team;
}

void SetUpSide(GameSide& side, TeamRecord& team) {
    side.team = &team;
    PlayerRecord* starter = team.players[9].get();
    side.defense[PitcherSlot] = starter;
    for (int i = 0; i < 8; ++i) {
        side.defense[i + 1] = team.players[i].get();
        side.lineup[i] = team.players[i].get();
    }
    side.lineup[8] = starter;
    side.lineup[kPitcherEntry] = starter;
}

struct Fixture {
    TeamList teams;
    Session session;

    explicit Fixture(EngineKind engine) {
        TeamRecord& visitors = MakeTeam(teams, "1936 Visitors", 1);
        TeamRecord& home = MakeTeam(teams, "1936 Home", 4);
        session.gameLogPath.clear();
        session.random.SetFixedSeed(20240601);
        SetUpSide(session.game.visitor, visitors);
        SetUpSide(session.game.home, home);
        OpenPlayScreen(session);
        SetEngine(session, engine, nullptr);
    }

    void NewGame() {
        PrepareReplay(session.game);
        OpenPlayScreen(session);
    }
};

void BM_PlateAppearances(benchmark::State& state) {
    Fixture fixture(state.range(0) == 1 ? EngineKind::Realistic : EngineKind::Classic);
    for (auto _ : state) {
        if (IsGameOver(fixture.session.game)) fixture.NewGame();
        PlayTurn(fixture.session, 0, 0);
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["pa/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_PlateAppearances)->Arg(0)->Arg(1);

void BM_CompleteGames(benchmark::State& state) {
    Fixture fixture(state.range(0) == 1 ? EngineKind::Realistic : EngineKind::Classic);
    long plateAppearances = 0;
    for (auto _ : state) {
        fixture.NewGame();
        while (!IsGameOver(fixture.session.game)) {
            PlayTurn(fixture.session, 0, 0);
            ++plateAppearances;
        }
        benchmark::DoNotOptimize(fixture.session.game.playLog.data());
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["games/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["pa/game"] = static_cast<double>(plateAppearances) / state.iterations();
}
BENCHMARK(BM_CompleteGames)->Arg(0)->Arg(1);

}  // namespace
