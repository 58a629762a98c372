// One worker's player of a season's games: its own session and its own copies of the
// clubs, so that workers share nothing but the rosters they read.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "base/status.h"
#include "campaign/game_tally.h"
#include "campaign/managed_season.h"
#include "manager/managed_sides.h"

namespace velmoro {

class SeasonGamePlayer {
  public:
    explicit SeasonGamePlayer(const std::vector<const TeamRecord*>& clubs);
    ~SeasonGamePlayer();

    // Sets the game up (SetUpSeasonGame) and plays it to its end with `seed`, the
    // computer managing the sides `managed` names; `tally` counts what the box lines leave out.
    Status Play(const SeasonGameSetup& setup, std::shared_ptr<const RealisticData> realistic,
                std::uint32_t seed, const ManagedSides& managed, GameTally& tally);
    const GameState& Game() const;

  private:
    std::unique_ptr<Session> session_;
};

}  // namespace velmoro
