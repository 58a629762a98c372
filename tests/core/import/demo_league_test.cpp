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

// The side files agree with the records: every place and the rotation add up to the
// club's games, a man plays only where his record lets him, the club sums its players.
TEST(DemoLeague, SideFilesAgreeWithTheRecords) {
    const TeamList league = MakeDemoLeague();
    const std::vector<PlayerUsage> usage = MakeDemoPlayerUsage();
    const std::vector<ClubSeason> clubs = MakeDemoClubSeasons();
    std::vector<PlayerUsage> read;
    ASSERT_TRUE(ParsePlayerUsage(PlayerUsageText(usage), read).ok());
    ASSERT_EQ(clubs.size(), league.size());
    const std::pair<int PlayerUsage::*, std::uint8_t> places[] = {
        {&PlayerUsage::gamesCatcher, Catcher},   {&PlayerUsage::gamesFirst, FirstBase},
        {&PlayerUsage::gamesSecond, SecondBase}, {&PlayerUsage::gamesShort, Shortstop},
        {&PlayerUsage::gamesThird, ThirdBase},   {&PlayerUsage::gamesLeft, Outfield},
        {&PlayerUsage::gamesCenter, Outfield},   {&PlayerUsage::gamesRight, Outfield},
        {&PlayerUsage::gamesDh, 0xFF},           {&PlayerUsage::pitchStarts, Pitcher}};
    std::size_t line = 0;
    for (std::size_t t = 0; t < league.size(); ++t) {
        std::vector<int> starts(std::size(places), 0);
        int atBats = 0;
        for (const auto& p : league[t]->players) {
            const PlayerUsage& u = usage[line++];
            ASSERT_EQ(u.team + u.player, league[t]->name + p->name);
            EXPECT_TRUE(u.games >= u.gamesStarted &&
                        u.games == std::max<int>(p->games, p->pitching ? p->pitching->games : 0))
                << u.player;
            for (std::size_t k = 0; k < std::size(places); ++k) {
                starts[k] += u.*places[k].first;
                EXPECT_TRUE(u.*places[k].first == 0 || (p->positions & places[k].second))
                    << u.player;
            }
            atBats += u.atBats;
        }
        EXPECT_EQ(starts, std::vector<int>(std::size(places), clubs[t].games)) << clubs[t].team;
        EXPECT_EQ(atBats, clubs[t].atBats);
    }
}

}  // namespace
}  // namespace velmoro
