#include "campaign/game_tally.h"

#include <algorithm>

#include "engine/game_state.h"

namespace velmoro {

namespace {

int PitchersStrikeouts(const GameSide& side) {
    int sum = 0;
    for (const auto& line : side.boxLines[kPitcherEntry])
        if (line->pitching) sum += line->pitching->strikeouts;
    return sum;
}

}  // namespace

void GameTally::Watch(const GameState& game) {
    side_ = game.HomeBatting() ? 1 : 0;
    inning_ = game.inning;
    runs_ = game.Batting().teamRuns;
    // A pinch hitter goes into the same slot: the slot names whoever bats.
    slot_ = game.batterIndex;
    fieldingStrikeouts_ = PitchersStrikeouts(game.Fielding());
}

void GameTally::Count(const GameState& game) {
    const GameSide& batting = game.SideOf(side_ == 1 ? Side::Home : Side::Visitors);
    const GameSide& fielding = game.SideOf(side_ == 1 ? Side::Visitors : Side::Home);
    if (inning_ > 9) {
        auto& extras = extraInnings_[side_];
        if (static_cast<int>(extras.size()) < inning_ - 9) extras.resize(inning_ - 9, 0);
        extras[inning_ - 10] += batting.teamRuns - runs_;
    }
    if (PitchersStrikeouts(fielding) <= fieldingStrikeouts_) return;
    const auto& chain = batting.boxLines[slot_];
    if (chain.empty()) return;
    const std::string& name = chain.back()->name;
    const auto at = std::find_if(strikeouts_.begin(), strikeouts_.end(),
                                 [&](const Entry& e) { return e.side == side_ && e.name == name; });
    if (at == strikeouts_.end())
        strikeouts_.push_back({side_, name, 1});
    else
        ++at->count;
}

int GameTally::StrikeoutsOf(int side, const std::string& name) const {
    for (const Entry& entry : strikeouts_)
        if (entry.side == side && entry.name == name) return entry.count;
    return 0;
}

std::vector<int> GameTally::Innings(const GameState& game, int side) const {
    const GameSide& of = game.SideOf(side == 1 ? Side::Home : Side::Visitors);
    std::vector<int> innings;
    int sum = 0;
    for (int runs : of.lineScore) {
        if (runs < 0) break;
        innings.push_back(runs);
        sum += runs;
    }
    const auto& extras = extraInnings_[side];
    innings.insert(innings.end(), extras.begin(), extras.end());
    for (int runs : extras)
        sum += runs;
    // Extra innings no tally saw: their runs as one.
    if (sum < of.teamRuns || (extras.empty() && game.inning > 9 && innings.size() == 9))
        innings.push_back(of.teamRuns - sum);
    return innings;
}

}  // namespace velmoro
