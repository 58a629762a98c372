// The shipped fictional league: playable clubs whose seasons add up and whose numbers
// look like baseball. Its bytes are those of the golden runs.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "db/team_files.h"
#include "engine/session.h"
#include "import/demo_league.h"
#include "setup/default_setup.h"

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

// Every team fields each position with a player who plays it and opens with a real
// starter, with or without a designated hitter; league-wide rates as in a modern season.
TEST(DemoLeague, EveryTeamPlayableWithRealisticLines) {
    const TeamList league = MakeDemoLeague();
    constexpr std::uint8_t kSlotBits[9] = {Pitcher,   Catcher,  FirstBase, SecondBase, Shortstop,
                                           ThirdBase, Outfield, Outfield,  Outfield};
    long atBats = 0, hits = 0, homeRuns = 0, strikeouts = 0, innings = 0, earnedRuns = 0;
    for (const auto& team : league) {
        SCOPED_TRACE(team->name);
        int relievers = 0;
        for (const auto& p : team->players) {
            EXPECT_EQ(p->HasPosition(Pitcher), p->pitching != nullptr) << p->name;
            if (p->atBats > 0) {
                const int h = EffectiveHits(*p);
                EXPECT_NEAR(p->battingAvg, h * 1000.0 / p->atBats, 0.5001) << p->name;
                atBats += p->atBats, hits += h, homeRuns += p->homeRuns;
                strikeouts += p->strikeouts;
            }
            if (!p->pitching) continue;
            const PitchingLine& l = *p->pitching;
            EXPECT_NEAR(l.eraX100, l.earnedRuns * 900.0 / l.inningsPitched, 0.5001) << p->name;
            innings += l.inningsPitched, earnedRuns += l.earnedRuns;
            relievers += l.inningsPitched / l.games <= 3;
        }
        EXPECT_GE(relievers, 5);
        for (bool dh : {false, true}) {
            Session session;
            ASSERT_TRUE(DefaultSetup(session, *team, *league.front(), dh, nullptr));
            const GameSide& side = session.game.visitor;
            for (int slot = 0; slot < 9; ++slot)
                EXPECT_TRUE(side.defense[slot]->HasPosition(kSlotBits[slot])) << slot;
            EXPECT_GT(side.defense[0]->pitching->inningsPitched / side.defense[0]->pitching->games,
                      3);
        }
    }
    EXPECT_NEAR(hits * 1000.0 / atBats, 255, 20);
    EXPECT_NEAR(homeRuns * 1000.0 / atBats, 32, 10);
    EXPECT_NEAR(strikeouts * 1000.0 / atBats, 220, 50);
    EXPECT_NEAR(earnedRuns * 900.0 / innings, 400, 60);
}

}  // namespace
}  // namespace velmoro
