// The running game of a replayed season: clubs steal and bunt as often as their players
// really did, so that the bases those plays gain and the outs they cost are in the
// replay's runs. Nobody squeezes or walks a man on purpose: the record does not say how
// often they did.
#pragma once

namespace velmoro {

struct GameState;
class RealisticGame;

// Plate appearances a runner spends on first with second open, on average, each one a
// chance to run; and the share of a batter's plate appearances with nobody out and a
// runner on first or second (third open): his chances to bunt.
inline constexpr double kTurnsOnFirst = 1.1;
inline constexpr double kBuntChances = 0.07;
// Steals of third come this often for each steal of second a runner would try.
inline constexpr double kStealThirdShare = 0.15;

// The offensive choice of the turn (Normal Play, Steal or Sacrifice) for the batting
// side, `draw` in [0, 1) deciding. Never a play the turn would refuse.
int RunningGameChoice(const RealisticGame& model, const GameState& game, double draw);

}  // namespace velmoro
