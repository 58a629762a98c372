// One worker thread's share of a replayed season: its own session, its own copies of the
// teams and its own totals, so that workers share nothing but the season they read.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "base/status.h"
#include "engine/game_state.h"
#include "season/pitching_decisions.h"
#include "season/season.h"

namespace velmoro {

struct Session;
struct TeamRecord;
struct GameSide;

// A player's share of a season from one game's box line: a game, the line's numbers
// (not his strikeouts, which the line does not keep). A start is being first in the
// batting slot's chain or in the side's pitching order.
BattingTotals BattingOf(const BoxLine& line, bool started);
PitchingTotals PitchingOf(const BoxPitching& line, bool started);
// Each pitcher's outs and runs allowed, in the order they came in.
std::vector<PitcherOuting> Outings(const BoxChain& pitchers);

// Where each team's players sit in the flat list of player seasons, and their names.
class PlayerIndex {
  public:
    explicit PlayerIndex(const Season& season);
    int Size() const { return first_.back(); }
    int First(int team) const { return first_[team]; }
    // The player of a team a box line names (the first of that name), or -1.
    int Find(int team, const std::string& name) const;

  private:
    std::vector<int> first_;  // by team, and the total at the end
    std::vector<std::unordered_map<std::string, int>> byName_;
};

// The starter's turn of each side of each game: how many games its team played before.
std::vector<std::pair<int, int>> GameNumbers(const Season& season);

class SeasonWorker {
  public:
    SeasonWorker(const Season& season, const PlayerIndex& index);
    ~SeasonWorker();

    const std::vector<PlayerSeason>& Players() const { return players_; }

    // The engine of the games it plays from now on (classic until then).
    void UseEngine(EngineKind kind, std::shared_ptr<const RealisticData> data) {
        engine_ = kind;
        realistic_ = std::move(data);
    }

    // Plays game `gameIndex` with starters `numbers` (visitors, home) into `result`.
    Status Play(int gameIndex, std::uint32_t seed, std::pair<int, int> numbers, GameResult& result);

  private:
    // The game's set-up: from the clubs' plans when the season has them, else (or when a
    // plan cannot field a side) as the new game wizard's defaults.
    bool SetUp(int gameIndex, std::pair<int, int> numbers, std::string& error);
    void Collect(int team, const GameSide& side);
    void Credit(int visitorTeam, int homeTeam, const GameResult& result);
    PlayerSeason* Entry(int team, const std::string& name);

    const Season& season_;
    const PlayerIndex& index_;
    std::unique_ptr<Session> session_;
    std::vector<TeamRecord*> teams_;
    std::vector<PlayerSeason> players_;
    EngineKind engine_ = EngineKind::Classic;
    std::shared_ptr<const RealisticData> realistic_;
};

}  // namespace velmoro
