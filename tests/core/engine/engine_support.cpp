#include "engine_support.h"

#include <algorithm>

#include "engine/turns.h"

namespace velmoro::testing {

namespace {

PlayerRecord Batter(const std::string& name, int strength, int index, std::uint8_t positions) {
    PlayerRecord player(name);
    const int shift = (strength + index) % 7;
    player.atBats = static_cast<std::uint16_t>(480 + 10 * shift);
    player.hits = static_cast<std::uint8_t>(120 + 6 * shift);
    player.doubles = static_cast<std::uint8_t>(20 + shift);
    player.triples = static_cast<std::uint8_t>(2 + shift % 3);
    player.homeRuns = static_cast<std::uint8_t>(8 + 3 * shift);
    player.walks = static_cast<std::uint8_t>(40 + 4 * shift);
    player.strikeouts = static_cast<std::uint8_t>(70 + 5 * shift);
    player.battingAvg = static_cast<std::uint16_t>(player.hits * 1000 / player.atBats);
    player.games = 140;
    player.runs = 70;
    player.rbi = 65;
    player.positions = positions;
    return player;
}

PlayerRecord Arm(const std::string& name, int strength, int index) {
    PlayerRecord player(name);
    player.atBats = 60;
    player.hits = 9;
    player.battingAvg = 150;
    player.strikeouts = 25;
    player.positions = Pitcher;
    player.pitching = std::make_unique<PitchingLine>();
    player.pitching->eraX100 = static_cast<std::uint16_t>(280 + 25 * ((strength + index) % 9));
    player.pitching->wins = 12;
    player.pitching->losses = 9;
    player.pitching->strikeouts = 150;
    player.pitching->oppAvgX1000 = 250;
    return player;
}

}  // namespace

TeamRecord& MakeTeam(TeamList& list, const std::string& name, int strength) {
    TeamRecord& team = AddTeam(list, name);
    const std::uint8_t fielders[] = {Catcher,   FirstBase, SecondBase, Shortstop,
                                     ThirdBase, Outfield,  Outfield,   Outfield};
    for (int i = 0; i < 8; ++i) {
        team.AddPlayer(Batter(name + " F" + std::to_string(i), strength, i, fielders[i]));
    }
    team.AddPlayer(Batter(name + " DH", strength, 8, NoPosition));
    for (int i = 9; i < 16; ++i) {
        team.AddPlayer(Batter(name + " B" + std::to_string(i), strength, i, Outfield | FirstBase));
    }
    for (int i = 16; i < 25; ++i)
        team.AddPlayer(Arm(name + " P" + std::to_string(i), strength, i));
    return team;
}

void SetUpSide(GameState& game, int sideNumber, TeamRecord& team, bool designatedHitter,
               int pitcher) {
    GameSide& side = game.Side(sideNumber);
    side.team = &team;
    PlayerRecord* starter = team.players[pitcher].get();
    side.defense.fill(nullptr);
    side.defense[PitcherSlot] = starter;
    // Defence slots 1..8 are C, 1B, 2B, SS, 3B, LF, CF, RF: the fielders' order.
    for (int i = 0; i < 8; ++i)
        side.defense[i + 1] = team.players[i].get();
    for (int i = 0; i < 8; ++i)
        side.lineup[i] = team.players[i].get();
    if (designatedHitter) {
        side.defense[DesignatedHitterSlot] = team.players[8].get();
        side.lineup[8] = team.players[8].get();
    } else {
        side.lineup[8] = starter;
    }
    side.lineup[9] = starter;
    int count = 0;
    side.pitchingStaff.fill(nullptr);
    for (int i = 16; i < 25; ++i)
        side.pitchingStaff[count++] = team.players[i].get();
}

void SetUpGame(Session& session, TeamRecord& visitors, TeamRecord& home, bool designatedHitter) {
    GameState& game = session.game;
    game.designatedHitter = designatedHitter ? 1 : 0;
    SetUpSide(game, kVisitors, visitors, designatedHitter);
    SetUpSide(game, kHome, home, designatedHitter);
    OpenPlayScreen(session);
}

OutcomeTable AlwaysTable(PlateResult result) {
    // Limits in test order; every limit from the result's own on is 1000.
    static constexpr PlateResult kOrder[] = {PlateResult::HomeRun, PlateResult::Triple,
                                             PlateResult::Double,  PlateResult::Single,
                                             PlateResult::Walk,    PlateResult::Strikeout,
                                             PlateResult::FlyBall, PlateResult::GroundBall};
    const int index = static_cast<int>(std::find(std::begin(kOrder), std::end(kOrder), result) -
                                       std::begin(kOrder));
    auto limit = [&](int k) { return k >= index ? 1000u : 0u; };
    OutcomeTable table;
    table.homeRunLimit = limit(0);
    table.tripleLimit = limit(1);
    table.doubleLimit = limit(2);
    table.singleLimit = limit(3);
    table.walkLimit = limit(4);
    table.strikeoutLimit = limit(5);
    table.flyBallLimit = limit(6);
    return table;
}

void ForceSide(GameState& game, int sideNumber, PlateResult result) {
    game.Side(sideNumber).outcomes.fill(AlwaysTable(result));
    game.hasBattingOutcomes = true;
}

void ArrangeNextValue(Random& random, const std::function<bool(int)>& wanted) {
    for (std::uint32_t seed = 0;; ++seed) {
        Random probe;
        probe.Seed(seed);
        if (wanted(probe.Next())) {
            random.Seed(seed);
            return;
        }
    }
}

void PlaceRunners(GameState& game, int bases, std::vector<int> slots) {
    game.bases = bases;
    game.runnerQueue.fill(0);
    for (std::size_t i = 0; i < slots.size(); ++i)
        game.runnerQueue[i] = slots[i] + 1;
}

int RecordingDisplay::Count(const std::string& call) const {
    return static_cast<int>(std::count(calls.begin(), calls.end(), call));
}

std::vector<std::string> RecordingDisplay::Messages() const {
    std::vector<std::string> messages;
    for (const auto& call : calls) {
        if (call.rfind("Message ", 0) == 0) messages.push_back(call);
    }
    return messages;
}

}  // namespace velmoro::testing
