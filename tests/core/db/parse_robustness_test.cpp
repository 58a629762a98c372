// Any byte sequence given to the loader: it either reads a whole database, which then
// writes back to the very same bytes, or fails with the list left empty. Under the
// sanitizers this also shows that no input reads out of bounds.
#include <gtest/gtest.h>

#include <random>

#include "db/db_fixture.h"

namespace velmoro {
namespace {

TeamList VariedLeague(std::mt19937& rng) {
    TeamList list;
    for (int t = 0; t < 4; ++t) {
        TeamRecord& team = AddTeam(list, "Team " + std::to_string(t));
        for (int p = static_cast<int>(rng() % 6); p > 0; --p) {
            const auto kind = rng() % 3;
            team.AddPlayer(kind == 0   ? testing::Hurler("H", 30)
                           : kind == 1 ? testing::Batter("B", 100, 400)
                                       : testing::Batter("Z", 0, 0, NoPosition));
        }
    }
    return list;
}

bool CheckImage(const std::string& bytes) {
    TeamList out;
    std::string error;
    const bool parsed = ParseTeamList(bytes, out, &error);
    if (!parsed) {
        EXPECT_TRUE(out.empty());
        EXPECT_FALSE(error.empty());
    } else {
        EXPECT_EQ(testing::Image(out), bytes) << "a parsed image must write back unchanged";
    }
    return parsed;
}

TEST(ParseRobustness, EveryPrefixParsesExactlyAtTeamBoundaries) {
    std::mt19937 rng(7);
    const TeamList league = VariedLeague(rng);
    const std::string image = testing::Image(league);
    std::vector<std::size_t> boundaries{0};
    for (const auto& team : league) {
        TeamList one;
        TeamRecord& copy = AddTeam(one, team->name);
        for (const auto& player : team->players)
            copy.AddPlayer(PlayerRecord(*player));
        boundaries.push_back(boundaries.back() + testing::Image(one).size());
    }
    for (std::size_t cut = 0; cut <= image.size(); ++cut) {
        const bool atBoundary =
            std::find(boundaries.begin(), boundaries.end(), cut) != boundaries.end();
        EXPECT_EQ(CheckImage(image.substr(0, cut)), atBoundary) << "cut at " << cut;
    }
}

TEST(ParseRobustness, MutatedAndRandomImagesNeverHalfLoad) {
    std::mt19937 rng(2024);
    int parsedCount = 0;
    for (int round = 0; round < 3000; ++round) {
        std::string bytes = testing::Image(VariedLeague(rng));
        for (int e = 1 + static_cast<int>(rng() % 4); e > 0 && !bytes.empty(); --e) {
            const std::size_t at = rng() % bytes.size();
            switch (rng() % 3) {
                case 0:
                    bytes[at] = static_cast<char>(rng());
                    break;
                case 1:
                    bytes.erase(at, 1 + rng() % 8);
                    break;
                default:
                    bytes.insert(at, 1 + rng() % 3, static_cast<char>(rng()));
                    break;
            }
        }
        parsedCount += CheckImage(bytes) ? 1 : 0;
        std::string noise(rng() % 300, '\0');
        for (char& c : noise)
            c = static_cast<char>(rng());
        parsedCount += CheckImage(noise) ? 1 : 0;
    }
    EXPECT_GT(parsedCount, 0) << "some mutations should still be whole databases";
}

}  // namespace
}  // namespace velmoro
