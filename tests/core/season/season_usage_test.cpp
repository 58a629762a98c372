// The rotation through a season: starts in proportion to the real ones, never on less
// rest than the era allowed, a heavy starter on short rest only where the era used it.
#include <gtest/gtest.h>

#include <numeric>

#include "season/season_usage.h"

namespace velmoro {
namespace {

TEST(Rotation, StartsFollowTheSharesOnTheEraRest) {
    struct Case {
        int year, games;
        std::vector<int> realStarts;
        int fewestGamesBetween;
    } cases[] = {
        {2019, 162, {33, 32, 32, 30, 25, 10}, 5},  // five-man: none sooner than 5 games
        {1908, 154, {49, 35, 30, 25, 15}, 3},      // a 49-start ace on short rest
        {1965, 162, {41, 38, 36, 30, 17}, 3},      // four-man, the ace on short rest
        {1884, 112, {73, 39}, 1},                  // two men pitch the season
    };
    for (const Case& c : cases) {
        ClubPlan plan;
        plan.players.resize(c.realStarts.size());
        const double total = std::accumulate(c.realStarts.begin(), c.realStarts.end(), 0.0);
        for (int p = 0; p < static_cast<int>(c.realStarts.size()); ++p)
            plan.rotation.push_back({p, c.realStarts[p] / total});
        SetRotationRest(plan, c.year);
        RotationState state{std::vector<int>(plan.players.size(), 0),
                            std::vector<int>(plan.players.size(), -1000)};
        int fewest = c.games;
        for (int game = 0; game < c.games; ++game) {
            const int p = RotationStarter(plan, state, game);
            if (state.starts[p] > 0) fewest = std::min(fewest, game - state.lastStart[p]);
            BookStart(state, p, game);
        }
        SCOPED_TRACE(c.year);
        EXPECT_EQ(fewest, c.fewestGamesBetween);
        for (std::size_t p = 0; p < c.realStarts.size(); ++p)
            EXPECT_NEAR(state.starts[p], c.games * c.realStarts[p] / total, 2.0) << p;
    }
}

}  // namespace
}  // namespace velmoro
