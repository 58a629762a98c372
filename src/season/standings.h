// What a replayed season shows: standings beside the real ones, league leaders and how
// close the replay came to the real season.
#pragma once

#include <string>
#include <vector>

#include "season/season.h"

namespace velmoro {

struct StandingRow {
    int team = 0;
    int wins = 0, losses = 0, runsScored = 0, runsAllowed = 0;
    int homeWins = 0, homeLosses = 0, awayWins = 0, awayLosses = 0;
    double pct = 0;
    double gamesBehind = 0;
};

// One league's standings from the games played so far, best winning percentage first
// (then most wins, then the season's team order), as the standings of every era rank
// them. Games behind are counted from that leader and never below 0: in a season whose
// clubs played very different numbers of games (1884), a club below the leader with
// far more wins than him is 0 games behind, shown as the leader's "-".
std::vector<StandingRow> LeagueStandings(const Season& season, const SeasonResults& results,
                                         const std::vector<int>& league);

// Wins over games decided; 0 before the first.
double WinningPct(int wins, int losses);

// Games behind the leader: half the difference in wins plus half the difference in
// losses, 0 where that would go below 0.
double GamesBehind(int leaderWins, int leaderLosses, int wins, int losses);

// The league's Leaders (season_stats.h) over the games played so far: the first
// `count` of each category.
std::vector<LeagueLeaders> SeasonLeaders(const Season& season, const SeasonResults& results,
                                         const std::vector<int>& league, int count);

// How close the replay came: the correlation of simulated and real winning percentage,
// the mean absolute difference in wins (real wins scaled to the games played) and runs
// per team game, simulated and real.
struct Realism {
    int teams = 0;
    double pctCorrelation = 0;
    double meanWinDifference = 0;
    double simulatedRunsPerGame = 0;
    double realRunsPerGame = 0;
};

Realism MeasureRealism(const Season& season, const SeasonResults& results);

}  // namespace velmoro
