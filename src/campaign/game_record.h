// A finished game as the season file records it: the box score and each player's share.
#pragma once

#include <vector>

#include "campaign/box_score.h"
#include "campaign/game_tally.h"
#include "season/season_stats.h"

namespace velmoro {

struct GameState;
class PlayerIndex;

struct PlayerGame {
    int player = 0;  // into the season's players
    BattingTotals batting;
    PitchingTotals pitching;
};

struct GameRecord {
    BoxScore box;  // box.game the scheduled game, its score set
    std::vector<PlayerGame> players;
};

// The record of `game`, finished, as game `scheduled` of the season: the lines of the box
// score, the batters' strikeouts and the extra innings from `tally` (when there is one),
// the pitchers' decisions (none in a game abandoned tied). A player the index does not
// know (a roster changed since) gets a box line but no season line.
GameRecord RecordOf(const GameState& game, const SeasonGame& scheduled, const GameTally* tally,
                    const PlayerIndex& index);

}  // namespace velmoro
