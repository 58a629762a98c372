// The odds a league's matchups start from, set so that its own players, meeting as often
// as they really did, give back the league's rates. The odds-ratio matchup is not linear
// (each outcome's odds are turned into a rate and the rates scaled to add up to one), so
// the league's plain odds give slightly more of the outcomes its players spread widely
// over; a few rounds of correction take that out.
#pragma once

#include <vector>

#include "realistic/events.h"

namespace velmoro {

struct LeagueContext;

// A player's relative odds and how much he played (plate appearances or batters faced).
struct Weighted {
    const plate::Rates* relative = nullptr;
    double weight = 0;
};

// The rates the matchups of `batters` against `pitchers` give on average, each pair
// weighted by both players' playing time, from the context odds `odds`.
plate::Rates ExpectedRates(const plate::Rates& odds, const std::vector<Weighted>& batters,
                           const std::vector<Weighted>& pitchers);

// Sets `league.odds` so that ExpectedRates gives `league.batting`: the players who played
// most paired as they are, the others of each side pooled into one (the whole league
// paired would take too long to load).
void Calibrate(LeagueContext& league, std::vector<Weighted> batters,
               std::vector<Weighted> pitchers);

}  // namespace velmoro
