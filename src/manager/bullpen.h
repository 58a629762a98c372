// A club's bullpen and bench run from its usage plan in a replayed game: when the pitcher
// on the mound comes out, who relieves him, the pinch hitter for a pitcher on his way out,
// and the bench players who come in late for the starters.
// Each game draws from its own seed, so a game plays the same on any worker.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/side.h"
#include "setup/usage_plan.h"

namespace velmoro {

struct Session;
struct GameState;

// Runs that end a starter's day on top of his usual runs per start, and a reliever's.
inline constexpr double kStarterExtraRuns = 3;
inline constexpr int kRelieverRuns = 3;
// The closer protects a lead of 1..3 from the ninth inning on.
inline constexpr int kSaveLead = 3;
// The bench comes in from this inning: each time a starter is due up, with chance (the
// bench's games off it a club game) / kLatePlateAppearances. The 14 (about a starter's
// plate appearances from the sixth) brings the regulars' plate appearances to their
// real ones on average.
inline constexpr int kBenchInning = 6;
inline constexpr double kLatePlateAppearances = 14;

class Bullpen {
  public:
    Bullpen(const ClubPlan& plan, std::uint64_t seed);

    // Between turns, for `side` in the field: relieves the pitcher when his day is done.
    // The starter goes the distance as often as he completed his starts; otherwise his
    // day is his usual outs in the starts he left, drawn each game between three
    // quarters and five quarters of it, or his usual runs plus three; a reliever's, his
    // usual outs per relief game or three runs. The closer comes in to save a lead of
    // 1..3 from the ninth; otherwise a reliever drawn by his games not finished (by his
    // games finished from the ninth). Returns the pitcher brought in, or "".
    std::string ChangePitcher(Session& session, Side side);

    // Between turns, for `side` at bat without a designated hitter: a pinch hitter (the
    // best free hitter on the bench) for the pitcher due up whose day is done. Returns
    // the hitter, or "".
    std::string PinchHitForPitcher(Session& session, Side side);

    // Between turns, for `side` at bat, from the sixth inning: a starter due up (not the
    // pitcher) gives way to a pinch hitter with chance (the bench's games off it a club
    // game) / kLatePlateAppearances, the hitter drawn by his games off the bench.
    // Returns the hitter, or "".
    std::string PinchHitForStarter(Session& session, Side side);

    // `side`'s pinch hitter leaves: a reliever takes the pitcher's place, a player off
    // the bench (drawn by his games off it) a fielder's. False when none is left (the
    // caller keeps the engine's demand).
    bool ReplacePinchHitter(Session& session, Side side);

  private:
    bool DayIsDone(const GameState& game, Side side, int ahead) const;
    // A reliever of `names`, drawn by the plan's weights for the inning.
    std::string PickFrom(const GameState& game, const std::vector<std::string>& names);
    // A bench player of `side` not yet in the game who plays `position` (any, for a pinch
    // hitter), drawn by his games off the bench; "" when none.
    std::string DrawBench(const GameState& game, Side side, int position);
    int Draw(int total);

    const ClubPlan& plan_;
    std::uint64_t state_;
    double starterLength_ = 0;  // this game's share of the starter's usual outs
    int completeDraw_ = 0;      // out of 1000: he goes the distance below his share
};

}  // namespace velmoro
