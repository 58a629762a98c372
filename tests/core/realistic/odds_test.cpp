// The model's arithmetic on tables of cases worked out by hand.
#include <gtest/gtest.h>

#include <cmath>

#include "realistic/calibration.h"
#include "realistic/odds.h"
#include "realistic/realistic_data.h"

namespace velmoro::plate {
namespace {

// Rates with only hits (as singles) and outs in play, the two-outcome world of log5.
Rates TwoWay(double hit) {
    Rates rates{};
    rates[Single] = hit;
    rates[OutInPlay] = 1.0 - hit;
    return rates;
}

Rates OddsOf(const Rates& rates) {
    Rates odds{};
    for (int e = 0; e < Count; ++e)
        odds[e] = rates[e] > 0 ? Odds(rates[e]) : 0;
    return odds;
}

Rates Ones() {
    Rates ones{};
    ones.fill(1.0);
    return ones;
}

TEST(RealisticOdds, MatchupIsLog5InEveryLeague) {
    struct Case {
        double batter, pitcher, league, expected;
    };
    // .300 hitter, .250 pitcher, .260 league: James's log5 gives .289.
    const Case cases[] = {{.300, .250, .260, .2891},
                          {.260, .260, .260, .2600},
                          {.400, .200, .250, .3333},
                          {.250, .250, .300, .2059}};
    for (const Case& c : cases) {
        const Rates league = TwoWay(c.league);
        const Rates rates =
            Matchup(RelativeOdds(TwoWay(c.batter), league), RelativeOdds(TwoWay(c.pitcher), league),
                    OddsOf(league), Ones());
        EXPECT_NEAR(rates[Single], c.expected, 5e-4) << c.batter << " vs " << c.pitcher;
        EXPECT_NEAR(rates[Single] + rates[OutInPlay], 1.0, 1e-12);
    }
}

// A player's odds relative to his own league, played in another: a .020 home-run hitter
// of a .010 league hits about twice the odds of a .030 league.
TEST(RealisticOdds, EraNeutralisation) {
    struct Case {
        double player, own, context, expected;
    };
    const Case cases[] = {{.020, .010, .030, .0588},
                          {.010, .010, .030, .0300},
                          {.030, .030, .010, .0100},
                          {.000, .010, .030, .0000}};
    for (const Case& c : cases) {
        Rates player{}, own{}, context{};
        player[HomeRun] = c.player, player[OutInPlay] = 1 - c.player;
        own[HomeRun] = c.own, own[OutInPlay] = 1 - c.own;
        context[HomeRun] = c.context, context[OutInPlay] = 1 - c.context;
        const Rates rates = Matchup(RelativeOdds(player, own), Ones(), OddsOf(context), Ones());
        EXPECT_NEAR(rates[HomeRun], c.expected, 5e-4) << c.player << " of " << c.own;
    }
}

TEST(RealisticOdds, RegressionAddsLeagueAverage) {
    Rates league = TwoWay(.250);
    Counts none;
    EXPECT_EQ(Regressed(none, league, Ones()), league);
    Counts player;
    player.events[Single] = 12, player.events[OutInPlay] = 28, player.plateAppearances = 40;
    Rates added{};
    added.fill(40);
    // 12 hits in 40 with 40 of .250 added: 22 in 80.
    EXPECT_NEAR(Regressed(player, league, added)[Single], 22.0 / 80, 1e-12);
}

TEST(RealisticOdds, ParkAndFatigueFactors) {
    struct Park {
        int batting, pitching;
        double runs;
    };
    for (const Park& p :
         {Park{100, 100, 1.0}, Park{110, 110, 1.2}, Park{95, 97, 0.92}, Park{60, 60, 0.5}})
        EXPECT_NEAR(ParkRunFactor(p.batting, p.pitching), p.runs, 1e-12);
    EXPECT_NEAR(HitOddsFactor(1.21), 1.1, 1e-12);
    struct Tired {
        double faced, usual, factor;
    };
    for (const Tired& t :
         {Tired{20, 25, 1.0}, Tired{30, 25, 1 + 5 * kFatiguePerBatter}, Tired{60, 25, kFatigueCap}})
        EXPECT_NEAR(FatigueFactor(t.faced, t.usual), t.factor, 1e-12);
}

// With and without the advantage, weighted by how often a batter of his hand has it,
// the platoon factors average out (geometrically) to his own line.
TEST(RealisticOdds, PlatoonSplitsAverageToTheSeasonLine) {
    struct Case {
        char bats, throws;
        bool applies;
    };
    const Case cases[] = {{'L', 'R', true},
                          {'R', 'L', true},
                          {'B', 'R', false},
                          {' ', 'R', false},
                          {'L', ' ', false}};
    for (const Case& c : cases) {
        const Platoon platoon = PlatoonOf(c.bats, c.throws);
        EXPECT_EQ(platoon.split > 0, c.applies) << c.bats << c.throws;
        if (!c.applies) continue;
        Rates with = Ones(), without = Ones();
        ApplyPlatoon(platoon, true, with);
        ApplyPlatoon(platoon, false, without);
        EXPECT_GT(with[HomeRun], 1.0);
        EXPECT_LT(with[Strikeout], 1.0);
        EXPECT_NEAR(with[HomeRun] / without[HomeRun], 1.0 + platoon.split, 1e-12);
        const double mean = platoon.usualShare * std::log(with[Single]) +
                            (1 - platoon.usualShare) * std::log(without[Single]);
        EXPECT_NEAR(mean, 0.0, 1e-12);
    }
}

// Players spread wide around their league: the plain league odds give back a little
// more than the league's home runs; calibrated odds give back its rates.
TEST(RealisticOdds, CalibratedLeagueGivesBackItsRates) {
    LeagueContext league;
    league.batting = {.150, .045, .005, .030, .085, .008, .220, .457};
    league.odds = OddsOf(league.batting);
    const auto spread = [&](double homeRuns, double strikeouts) {
        Rates player = league.batting;
        player[HomeRun] *= homeRuns, player[Strikeout] *= strikeouts;
        player[OutInPlay] = 0;
        double sum = 0;
        for (double rate : player)
            sum += rate;
        player[OutInPlay] = 1 - sum;
        return RelativeOdds(player, league.batting);
    };
    const std::vector<Rates> batters{spread(.2, .7), spread(1, 1), spread(2.5, 1.4)};
    const std::vector<Rates> pitchers{spread(.6, 1.5), spread(1.5, .6)};
    std::vector<velmoro::Weighted> weighted, arms;
    for (const Rates& batter : batters)
        weighted.push_back({&batter, 500});
    for (const Rates& pitcher : pitchers)
        arms.push_back({&pitcher, 700});
    const Rates plain = velmoro::ExpectedRates(league.odds, weighted, arms);
    EXPECT_GT(plain[HomeRun], league.batting[HomeRun] * 1.02);
    velmoro::Calibrate(league, weighted, arms);
    const Rates calibrated = velmoro::ExpectedRates(league.odds, weighted, arms);
    for (int e = 0; e < Count; ++e)
        EXPECT_NEAR(calibrated[e] / league.batting[e], 1.0, 2e-3) << e;
}

}  // namespace
}  // namespace velmoro::plate
