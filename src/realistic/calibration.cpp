#include "realistic/calibration.h"

#include <algorithm>

#include "realistic/odds.h"
#include "realistic/realistic_data.h"

namespace velmoro {

namespace {

constexpr std::size_t kSampledBatters = 240;
constexpr std::size_t kSampledPitchers = 120;
constexpr int kRounds = 3;

// A sample of `players` in proportion to their playing time: points at even steps of the
// summed weight pick the player they fall on, each pick worth one step. A regular is
// picked about as often as his plate appearances say; the whole league stays in it.
std::vector<Weighted> Sampled(std::vector<Weighted> players, std::size_t size) {
    std::erase_if(players, [](const Weighted& p) { return p.weight <= 0; });
    if (players.size() <= size) return players;
    std::stable_sort(players.begin(), players.end(),
                     [](const Weighted& a, const Weighted& b) { return a.weight > b.weight; });
    double total = 0;
    for (const Weighted& player : players)
        total += player.weight;
    const double step = total / static_cast<double>(size);
    std::vector<Weighted> sample;
    double point = step / 2, reached = 0;
    for (const Weighted& player : players) {
        reached += player.weight;
        double weight = 0;
        for (; point < reached; point += step)
            weight += step;
        if (weight > 0) sample.push_back({player.relative, weight});
    }
    return sample;
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
    batters = Sampled(std::move(batters), kSampledBatters);
    pitchers = Sampled(std::move(pitchers), kSampledPitchers);
    if (batters.empty() || pitchers.empty()) return;
    for (int round = 0; round < kRounds; ++round) {
        const plate::Rates expected = ExpectedRates(league.odds, batters, pitchers);
        for (int e = 0; e < plate::Count; ++e)
            if (expected[e] > 1e-9 && league.batting[e] > 1e-9)
                league.odds[e] *= plate::Odds(league.batting[e]) / plate::Odds(expected[e]);
    }
}

}  // namespace velmoro
