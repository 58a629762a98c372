#include <gtest/gtest.h>

#include <cstdio>

#include "cli/db_lineup_figures.h"
#include "support/temp_dir.h"
#include "support/test_league.h"

namespace velmoro::testing {
namespace {

// The default starters are counted page by page against the club's regulars: here the
// catcher is one, the first baseman is not, and two of the three outfielders are.
TEST(LineupFigures, DefaultStartersAgainstTheClubsRegulars) {
    TeamList teams;
    FillTestLeague(teams);
    LahmanSeason season;
    season.standing.team = kTestVisitors;
    season.standing.year = kFirstDesignatedHitterYear;
    season.regulars = {
        {{"Gus Kellerman"}, {"Duke Farrow"}, {}, {}, {}, {"Jack Tarrant", "Billy Royce"}}};
    TempDir dir;
    std::FILE* out = std::fopen((dir / "figures.txt").string().c_str(), "w+b");
    ASSERT_NE(out, nullptr);
    PrintLineupFigures(MeasureDefaultLineups(teams, {season}), out);
    std::rewind(out);
    char text[1024] = {};
    EXPECT_GT(std::fread(text, 1, sizeof text - 1, out), 0u);
    std::fclose(out);
    EXPECT_STREQ(text,
                 "Default starters who are the club's regulars (1 team-seasons):\n"
                 "  C    100.0%  (1 of 1)\n  1B     0.0%  (0 of 1)\n  2B     0.0%  (0 of 0)\n"
                 "  SS     0.0%  (0 of 0)\n  3B     0.0%  (0 of 0)\n  OF    66.7%  (2 of 3)\n"
                 "  all   60.0%  (3 of 5)\n"
                 "Default DH with 100+ at-bats since 1973: 100.0%  (1 of 1)\n");
}

}  // namespace
}  // namespace velmoro::testing
