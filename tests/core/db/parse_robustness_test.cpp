// Any byte sequence given to the loader: it either reads a whole database, which then
// writes back to the very same bytes, or fails with the list left empty. Under the
// sanitizers this also shows that no input reads out of bounds.
#include <gtest/gtest.h>

#include <random>

#include "db/db_fixture.h"

namespace velmoro {
namespace {

using testing::Batter;
using testing::Hurler;
using testing::Image;

TeamList VariedLeague(std::mt19937& rng) {
    TeamList list;
    for (int t = 0; t < 4; ++t) {
        TeamRecord& team = AddTeam(list, "Team " + std::to_string(t));
        const int players = static_cast<int>(rng() % 6);
        for (int p = 0; p < players; ++p) {
            const auto kind = rng() % 3;
            PlayerRecord player = kind == 0   ? Hurler("H" + std::to_string(p), 30)
                                  : kind == 1 ? Batter("B" + std::to_string(p), 100, 400)
                                              : Batter("Z" + std::to_string(p), 0, 0, 0x80);
            team.AddPlayer(std::move(player));
        }
    }
    return list;
}

// Checks the one property every input must have; returns whether it parsed.
bool CheckImage(const std::string& bytes) {
    TeamList out;
    std::string error;
    const bool parsed = ParseTeamList(bytes, out, &error);
    if (!parsed) {
        EXPECT_TRUE(out.empty());
        EXPECT_FALSE(error.empty());
    } else {
        EXPECT_EQ(Image(out), bytes) << "a parsed image must write back unchanged";
    }
    return parsed;
}

TEST(ParseRobustness, EveryPrefixParsesExactlyAtTeamBoundaries) {
    std::mt19937 rng(7);
    const TeamList league = VariedLeague(rng);
    const std::string image = Image(league);
    std::vector<std::size_t> boundaries{0};
    for (const auto& team : league) {
        TeamList one;
        TeamRecord& copy = AddTeam(one, team->name);
        for (const auto& player : team->players)
            copy.AddPlayer(PlayerRecord(*player));
        boundaries.push_back(boundaries.back() + Image(one).size());
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
        std::string bytes = Image(VariedLeague(rng));
        const int edits = 1 + static_cast<int>(rng() % 4);
        for (int e = 0; e < edits && !bytes.empty(); ++e) {
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

TEST(ParseRobustness, MaximalLengthsAndCountsAreRead) {
    // 0xFF everywhere: a 255-byte name, 255 players each with a 255-byte name.
    std::string bytes(1, '\xFF');
    bytes += std::string(255, 'n');
    bytes += '\xFF';
    for (int p = 0; p < 255; ++p) {
        bytes += '\xFF' + std::string(255, 'p') + std::string(16, '\xFF');
        bytes += std::string(16, '\xFF');  // positions 0xFF: a pitching line follows
    }
    TeamList out;
    ASSERT_TRUE(ParseTeamList(bytes, out));
    ASSERT_EQ(out[0]->players.size(), 255u);
    const PlayerRecord& p = *out[0]->players[254];
    EXPECT_EQ(p.atBats, 0xFFFF);
    EXPECT_EQ(p.positions, 0xFF);
    EXPECT_EQ(p.pitching->oppAvgX1000, 0xFFFF);
    EXPECT_EQ(Image(out), bytes);
}

}  // namespace
}  // namespace velmoro
