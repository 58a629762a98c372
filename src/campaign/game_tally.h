// What a game's box lines leave out, counted while it is played.
#pragma once

#include <string>
#include <vector>

namespace velmoro {

struct GameState;

// What a game's box lines do not keep, counted as it is played: each batter's strikeouts
// and the runs of every inning past the ninth. Watch before each turn (before or after the
// managers' moves), Count after it.
class GameTally {
  public:
    void Watch(const GameState& game);
    void Count(const GameState& game);
    // By side (0 visitors, 1 home) and name.
    int StrikeoutsOf(int side, const std::string& name) const;
    // The side's runs by inning, the first nine from the line score.
    std::vector<int> Innings(const GameState& game, int side) const;

  private:
    struct Entry {
        int side = 0;
        std::string name;
        int count = 0;
    };
    std::vector<Entry> strikeouts_;
    std::vector<std::vector<int>> extraInnings_{{}, {}};
    int side_ = 0;
    int inning_ = 1;
    int runs_ = 0;
    int slot_ = 0;
    int fieldingStrikeouts_ = 0;
};

}  // namespace velmoro
