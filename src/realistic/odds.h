// The arithmetic of the model: rates as odds, the odds-ratio combination of batter,
// pitcher and league, small samples drawn toward the league, and the factors of park,
// platoon and fatigue. Plain functions of numbers, no game.
#pragma once

#include "realistic/events.h"

namespace velmoro::plate {

inline double Odds(double rate) {
    return rate / (1.0 - rate);
}

// A player's rates from his counts with `added[e]` plate appearances of his league's
// rates mixed into outcome e (each outcome's rate out of its own total, then all scaled
// to add up to 1). No plate appearances at all gives the league's rates.
Rates Regressed(const Counts& player, const Rates& league, const Rates& added);

// A player's rates as odds relative to his league's: the odds of each outcome over the
// league's odds (1 for an outcome the league never saw recorded).
Rates RelativeOdds(const Rates& player, const Rates& league);

// The odds-ratio (generalised log5) matchup: for each outcome the odds are the batter's
// relative odds x the pitcher's relative odds x the context league's odds x `factor`;
// each odds is turned back to a rate and the rates are scaled to add up to 1.
Rates Matchup(const Rates& batterRelative, const Rates& pitcherRelative, const Rates& contextOdds,
              const Rates& factor);

// The park's run factor in its own games from the team's park factors (100 neutral),
// which describe a team's whole season, half of it at home.
double ParkRunFactor(int battingParkFactor, int pitchingParkFactor);

// The odds factor of hits for a run factor: runs grow about as the square of the hit
// rate, so a hit's odds move by the square root.
double HitOddsFactor(double runFactor);

// Platoon: the batter with the advantage (opposite hands, or a switch hitter) gains
// `split` on the odds of hits and walks and loses it on strikeouts. His season line holds
// his usual share of such plate appearances, so the factor is taken relative to it.
struct Platoon {
    double split = 0;       // odds gained with the advantage over without it
    double usualShare = 0;  // his usual share of plate appearances with the advantage
};
Platoon PlatoonOf(char bats, char throwsOfPitcher);
// Matchup's rates before they are scaled, with the batter's relative odds already times
// the context's odds; returns their sum (a draw taken against it needs no scaling).
double UnscaledMatchup(const Rates& batterInContext, const Rates& pitcherRelative,
                       const Rates& factor, Rates& rates);

// Multiplies the factors of hits, walks and strikeouts of `factor`.
void ApplyPlatoon(const Platoon& platoon, bool advantage, Rates& factor);

// A tiring pitcher: past his usual batters faced each further batter adds `perBatter`
// to the odds of hits and walks (and takes it from strikeouts), up to `cap`.
inline constexpr double kFatiguePerBatter = 0.005;
inline constexpr double kFatigueCap = 1.10;
inline double FatigueFactor(double battersFaced, double usualLength) {
    const double past = battersFaced - usualLength;
    if (past <= 0) return 1.0;
    const double factor = 1.0 + kFatiguePerBatter * past;
    return factor < kFatigueCap ? factor : kFatigueCap;
}

}  // namespace velmoro::plate
