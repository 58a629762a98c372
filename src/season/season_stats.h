// A replayed season's player numbers: each player's totals over his games, and the
// league leaders with the minimums that qualify a player for the rate categories.
#pragma once

#include <string>
#include <vector>

namespace velmoro {

// Only what the games keep: no play counts a caught stealing, so there is no column for it.
// A start is a game begun in the lineup; a plate appearance an at-bat or a walk (the
// games know no hit batsman or sacrifice fly).
struct BattingTotals {
    int games = 0, starts = 0, plateAppearances = 0, atBats = 0, runs = 0, hits = 0, doubles = 0,
        triples = 0, homeRuns = 0, rbi = 0, stolenBases = 0, walks = 0, strikeouts = 0;
};

struct PitchingTotals {
    int games = 0, starts = 0, outs = 0, runs = 0, hits = 0, walks = 0, strikeouts = 0, wins = 0,
        losses = 0, saves = 0;
};

BattingTotals& operator+=(BattingTotals& sum, const BattingTotals& part);
PitchingTotals& operator+=(PitchingTotals& sum, const PitchingTotals& part);

// A player's season in the replay; `player` indexes the team's roster in the shared list.
struct PlayerSeason {
    int team = 0;
    int player = 0;
    BattingTotals batting;
    PitchingTotals pitching;
};

// A batting average counts with 3.1 plate appearances (at-bats and walks) per team game,
// an earned run average with an inning per team game; neither without an at-bat or an out.
bool QualifiesForAverage(const BattingTotals& batting, int teamGames);
bool QualifiesForEra(const PitchingTotals& pitching, int teamGames);

struct Leader {
    int player = 0;  // into the season's players
    double value = 0;
};

struct LeagueLeaders {
    std::string title;  // "AVG", "HR", ...
    std::vector<Leader> leaders;
};

// AVG, HR, RBI, SB, W, ERA, K, SV: the first `count` of each among `players`, counting
// only those of a team `inLeague` holds; `teamGames` by team. A counting category lists
// nobody at 0; ties keep the players' order.
std::vector<LeagueLeaders> Leaders(const std::vector<PlayerSeason>& players,
                                   const std::vector<bool>& inLeague,
                                   const std::vector<int>& teamGames, int count);

}  // namespace velmoro
