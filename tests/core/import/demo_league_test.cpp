// The shipped fictional league: seasons whose standings add up. Its bytes are those of
// the golden runs, whose season replays set up and play every club.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "db/team_files.h"
#include "import/demo_league.h"

namespace velmoro {
namespace {

TEST(DemoLeague, SeasonsInOrderAndStandingsAddUp) {
    const TeamList league = MakeDemoLeague();
    const std::vector<SeasonRecord> standings = MakeDemoStandings();
    ASSERT_EQ(league.size(), static_cast<std::size_t>(kDemoClubs * kDemoSeasons));
    ASSERT_EQ(standings.size(), league.size());
    std::set<std::string> names, firstPlaces;
    int wins = 0, losses = 0, runs = 0, allowed = 0;
    for (std::size_t i = 0; i < league.size(); ++i) {
        const std::string& name = league[i]->name;
        EXPECT_TRUE(names.insert(name).second) << name;
        const int season = static_cast<int>(i) % kDemoSeasons;
        EXPECT_EQ(TeamYear(name), std::to_string(kDemoFirstSeason + season));
        EXPECT_EQ(TeamClubName(name), TeamClubName(league[i - season]->name));
        const SeasonRecord& s = standings[i];
        EXPECT_EQ(s.team, name);
        EXPECT_EQ(s.wins + s.losses, s.games);
        EXPECT_TRUE(s.rank >= 1 && s.rank <= kDemoClubs / 2) << s.team;
        if (s.rank == 1) firstPlaces.insert(std::to_string(s.year) + s.division);
        wins += s.wins, losses += s.losses, runs += s.runs, allowed += s.runsAllowed;
    }
    EXPECT_EQ(wins, losses);
    EXPECT_EQ(runs, allowed);
    EXPECT_EQ(firstPlaces.size(), 2u * kDemoSeasons);  // one leader per division and season
}

}  // namespace
}  // namespace velmoro
