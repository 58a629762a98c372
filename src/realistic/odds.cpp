#include "realistic/odds.h"

#include <algorithm>
#include <cmath>

namespace velmoro::plate {

namespace {

// Rates this close to 0 or 1 are held inside, so that every odds is finite.
constexpr double kTiny = 1e-6;

double Held(double rate) {
    return std::clamp(rate, kTiny, 1.0 - kTiny);
}

// The split sizes: a left-handed batter's platoon split is larger than a right-handed
// batter's, and right-handed pitchers face about 72% of plate appearances.
constexpr double kLeftBatterSplit = 0.10;
constexpr double kRightBatterSplit = 0.07;
constexpr double kRightPitcherShare = 0.72;

}  // namespace

Rates Regressed(const Counts& player, const Rates& league, const Rates& added) {
    if (player.plateAppearances <= 0) return league;
    Rates rates{};
    double sum = 0;
    for (int e = 0; e < Count; ++e) {
        rates[e] = (player.events[e] + added[e] * league[e]) / (player.plateAppearances + added[e]);
        sum += rates[e];
    }
    for (double& rate : rates)
        rate /= sum;
    return rates;
}

Rates RelativeOdds(const Rates& player, const Rates& league) {
    Rates relative{};
    for (int e = 0; e < Count; ++e)
        relative[e] = league[e] < kTiny ? 1.0 : Odds(Held(player[e])) / Odds(Held(league[e]));
    return relative;
}

double UnscaledMatchup(const Rates& batterInContext, const Rates& pitcherRelative,
                       const Rates& factor, Rates& rates) {
    double sum = 0;
    for (int e = 0; e < Count; ++e) {
        const double odds = batterInContext[e] * pitcherRelative[e] * factor[e];
        rates[e] = odds / (1.0 + odds);
        sum += rates[e];
    }
    return sum;
}

Rates Matchup(const Rates& batterRelative, const Rates& pitcherRelative, const Rates& contextOdds,
              const Rates& factor) {
    Rates inContext{};
    for (int e = 0; e < Count; ++e)
        inContext[e] = batterRelative[e] * contextOdds[e];
    Rates rates{};
    const double sum = UnscaledMatchup(inContext, pitcherRelative, factor, rates);
    for (double& rate : rates)
        rate /= sum;
    return rates;
}

double ParkRunFactor(int battingParkFactor, int pitchingParkFactor) {
    const double season = (battingParkFactor + pitchingParkFactor) / 200.0;
    return std::max(0.5, 2.0 * season - 1.0);
}

double HitOddsFactor(double runFactor) {
    return std::sqrt(runFactor);
}

Platoon PlatoonOf(char bats, char throwsOfPitcher) {
    if (throwsOfPitcher != 'L' && throwsOfPitcher != 'R') return {};
    if (bats == 'L') return {kLeftBatterSplit, kRightPitcherShare};
    if (bats == 'R') return {kRightBatterSplit, 1.0 - kRightPitcherShare};
    return {};  // a switch hitter has the advantage always; unknown hands change nothing
}

void ApplyPlatoon(const Platoon& platoon, bool advantage, Rates& factor) {
    if (platoon.split == 0) return;
    const double exponent = advantage ? 1.0 - platoon.usualShare : -platoon.usualShare;
    const double gain = std::pow(1.0 + platoon.split, exponent);
    for (int e : {Single, Double, Triple, HomeRun, Walk})
        factor[e] *= gain;
    factor[Strikeout] /= gain;
}

}  // namespace velmoro::plate
