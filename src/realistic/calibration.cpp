#include "realistic/calibration.h"

#include <algorithm>

#include "realistic/odds.h"
#include "realistic/realistic_data.h"

namespace velmoro {

namespace {

constexpr std::size_t kCondensedBatters = 200;
constexpr std::size_t kCondensedPitchers = 100;
constexpr int kRounds = 3;

// `players` down to `size`: the ones who played most as they are, the rest as one player
// of their summed playing time and their average relative odds (`pooled` holds them).
// The pooled few hold little of the playing time, so averaging their odds first costs
// little; leaving them out would not do (regulars strike out less and hit more home runs
// than their league).
std::vector<Weighted> Condensed(std::vector<Weighted> players, std::size_t size,
                                plate::Rates& pooled) {
    std::erase_if(players, [](const Weighted& p) { return p.weight <= 0; });
    if (players.size() <= size) return players;
    std::stable_sort(players.begin(), players.end(),
                     [](const Weighted& a, const Weighted& b) { return a.weight > b.weight; });
    pooled = {};
    double weight = 0;
    for (std::size_t p = size - 1; p < players.size(); ++p) {
        for (int e = 0; e < plate::Count; ++e)
            pooled[e] += (*players[p].relative)[e] * players[p].weight;
        weight += players[p].weight;
    }
    for (double& odds : pooled)
        odds /= weight;
    players.resize(size - 1);
    players.push_back({&pooled, weight});
    return players;
}

}  // namespace

plate::Rates ExpectedRates(const plate::Rates& odds, const std::vector<Weighted>& batters,
                           const std::vector<Weighted>& pitchers) {
    plate::Rates sum{}, rates{}, unit{};
    unit.fill(1.0);
    double total = 0;
    for (const Weighted& batter : batters) {
        plate::Rates inContext;
        for (int e = 0; e < plate::Count; ++e)
            inContext[e] = (*batter.relative)[e] * odds[e];
        for (const Weighted& pitcher : pitchers) {
            const double weight = batter.weight * pitcher.weight;
            const double scale =
                weight / plate::UnscaledMatchup(inContext, *pitcher.relative, unit, rates);
            for (int e = 0; e < plate::Count; ++e)
                sum[e] += rates[e] * scale;
            total += weight;
        }
    }
    for (double& rate : sum)
        rate = total > 0 ? rate / total : 0;
    return sum;
}

void Calibrate(LeagueContext& league, std::vector<Weighted> batters,
               std::vector<Weighted> pitchers) {
    plate::Rates pooledBatter{}, pooledPitcher{};
    batters = Condensed(std::move(batters), kCondensedBatters, pooledBatter);
    pitchers = Condensed(std::move(pitchers), kCondensedPitchers, pooledPitcher);
    if (batters.empty() || pitchers.empty()) return;
    for (int round = 0; round < kRounds; ++round) {
        const plate::Rates expected = ExpectedRates(league.odds, batters, pitchers);
        for (int e = 0; e < plate::Count; ++e)
            if (expected[e] > 1e-9 && league.batting[e] > 1e-9)
                league.odds[e] *= plate::Odds(league.batting[e]) / plate::Odds(expected[e]);
    }
}

}  // namespace velmoro
