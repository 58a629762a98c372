// The shipped fictional league: stable bytes, playable clubs, believable numbers.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "db/team_files.h"
#include "engine/session.h"
#include "import/demo_league.h"
#include "setup/default_setup.h"

namespace velmoro {
namespace {

std::string Image(const TeamList& list) {
    std::string bytes;
    EXPECT_TRUE(SerializeTeamList(list, false, bytes));
    return bytes;
}

TEST(DemoLeague, SameBytesEveryRunAndReadsBackUnchanged) {
    std::string first = Image(MakeDemoLeague());
    EXPECT_EQ(first, Image(MakeDemoLeague()));
    TeamList parsed;
    std::string error;
    ASSERT_TRUE(ParseTeamList(first, parsed, &error)) << error;
    EXPECT_EQ(Image(parsed), first);
}

// Clubs keep their seasons together in order; the standings add up for every team.
TEST(DemoLeague, SeasonsInOrderAndStandingsAddUp) {
    const TeamList league = MakeDemoLeague();
    ASSERT_EQ(league.size(), static_cast<std::size_t>(kDemoClubs * kDemoSeasons));
    std::set<std::string> names;
    for (std::size_t i = 0; i < league.size(); ++i) {
        const std::string& name = league[i]->name;
        EXPECT_TRUE(names.insert(name).second) << name;
        int season = static_cast<int>(i) % kDemoSeasons;
        EXPECT_EQ(TeamYear(name), std::to_string(kDemoFirstSeason + season));
        EXPECT_EQ(TeamClubName(name), TeamClubName(league[i - season]->name));
        EXPECT_FALSE(TeamClubName(name).empty());
    }
    const std::vector<SeasonRecord> standings = MakeDemoStandings();
    ASSERT_EQ(standings.size(), league.size());
    EXPECT_EQ(SeasonIndexText(standings), SeasonIndexText(MakeDemoStandings()));
    int wins = 0, losses = 0, runs = 0, allowed = 0;
    std::set<std::string> firstPlaces;
    for (std::size_t i = 0; i < league.size(); ++i) {
        const SeasonRecord& s = standings[i];
        EXPECT_EQ(s.team, league[i]->name);
        EXPECT_EQ(std::to_string(s.year), TeamYear(s.team));
        EXPECT_EQ(s.wins + s.losses, s.games);
        EXPECT_TRUE(s.rank >= 1 && s.rank <= kDemoClubs / 2) << s.team;
        if (s.rank == 1) firstPlaces.insert(std::to_string(s.year) + s.division);
        wins += s.wins, losses += s.losses, runs += s.runs, allowed += s.runsAllowed;
    }
    EXPECT_EQ(wins, losses);
    EXPECT_EQ(runs, allowed);
    EXPECT_EQ(firstPlaces.size(), 2u * kDemoSeasons);  // one leader per division and season
}

TEST(DemoLeague, EveryTeamPlayableWithStartersRelieversAndBench) {
    for (const auto& team : MakeDemoLeague()) {
        SCOPED_TRACE(team->name);
        EXPECT_TRUE(IsTeamPlayable(team.get()));
        int starters = 0, relievers = 0, fielders = 0;
        std::set<std::string> names;
        for (const auto& p : team->players) {
            EXPECT_TRUE(names.insert(p->name).second) << "duplicate " << p->name;
            EXPECT_EQ(p->HasPosition(Pitcher), p->pitching != nullptr) << p->name;
            if (!p->pitching) {
                ++fielders;
                continue;
            }
            ASSERT_GT(p->pitching->games, 0);
            bool starter = p->pitching->inningsPitched / p->pitching->games > 3;
            ++(starter ? starters : relievers);
        }
        EXPECT_GE(starters, 4);
        EXPECT_GE(relievers, 5);
        EXPECT_GE(fielders, 12);  // nine starters and a bench
    }
}

// League-wide rates as in a modern season, so games look like baseball.
TEST(DemoLeague, SeasonLinesAreRealistic) {
    long atBats = 0, hits = 0, homeRuns = 0, walks = 0, strikeouts = 0;
    long innings = 0, earnedRuns = 0;
    int wrapped = 0;
    for (const auto& team : MakeDemoLeague()) {
        for (const auto& p : team->players) {
            if (p->atBats > 0) {
                int h = EffectiveHits(*p);
                EXPECT_NEAR(p->battingAvg, h * 1000.0 / p->atBats, 0.5001) << p->name;
                EXPECT_LE(p->doubles + p->triples + p->homeRuns, h) << p->name;
                if (h > 255) ++wrapped;
                atBats += p->atBats, hits += h, homeRuns += p->homeRuns;
                walks += p->walks, strikeouts += p->strikeouts;
            }
            if (p->pitching) {
                const PitchingLine& l = *p->pitching;
                EXPECT_NEAR(l.eraX100, l.earnedRuns * 900.0 / l.inningsPitched, 0.5001) << p->name;
                innings += l.inningsPitched, earnedRuns += l.earnedRuns;
            }
        }
    }
    EXPECT_EQ(wrapped, 1);
    EXPECT_NEAR(hits * 1000.0 / atBats, 255, 20);
    EXPECT_NEAR(homeRuns * 1000.0 / atBats, 32, 10);
    EXPECT_NEAR(walks * 1000.0 / atBats, 95, 25);
    EXPECT_NEAR(strikeouts * 1000.0 / atBats, 220, 50);
    EXPECT_NEAR(earnedRuns * 900.0 / innings, 400, 60);
}

// Accepting every default must field each position with a player who plays it and
// open with a real starting pitcher, not a fallback pick.
TEST(DemoLeague, DefaultSetupFieldsRealPositionPlayers) {
    TeamList league = MakeDemoLeague();
    static constexpr std::uint8_t kSlotBits[9] = {Pitcher,    Catcher,   FirstBase,
                                                  SecondBase, Shortstop, ThirdBase,
                                                  Outfield,   Outfield,  Outfield};
    for (const auto& team : league) {
        for (bool dh : {false, true}) {
            SCOPED_TRACE(team->name + (dh ? " with DH" : ""));
            Session session;
            std::string error;
            ASSERT_TRUE(DefaultSetup(session, *team, *league.front(), dh, &error)) << error;
            const GameSide& side = session.game.visitor;
            for (int slot = 0; slot < 9; ++slot) {
                ASSERT_NE(side.defense[slot], nullptr);
                EXPECT_TRUE(side.defense[slot]->HasPosition(kSlotBits[slot])) << slot;
            }
            const PitchingLine& ace = *side.defense[0]->pitching;
            EXPECT_GT(ace.inningsPitched / ace.games, 3);
        }
    }
}

}  // namespace
}  // namespace velmoro
