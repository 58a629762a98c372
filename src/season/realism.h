// How close replays of a season come to the real one: runs per game, the league's
// batting rates, the teams' winning percentages and the regulars' home runs and
// averages, each averaged over any number of replays of the season.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "season/season.h"

namespace velmoro {

// A league's batting as rates: AVG per at-bat; home runs, walks and strikeouts per plate
// appearance (at-bats and walks, as both the database and the replay count them).
struct LeagueBatting {
    double average = 0, homeRuns = 0, walks = 0, strikeouts = 0;
};

// Pairs of (real, replayed) figures to correlate.
using FigurePairs = std::vector<std::pair<double, double>>;

// Pearson's correlation; 0 for fewer than two pairs or a figure that never varies.
double Correlation(const FigurePairs& pairs);

// Difference of a simulated figure from the real one in %, 0 when the real one is 0.
double DifferencePercent(double simulated, double real);

// A player counts among the regulars with this many real plate appearances (and an
// at-bat in the replays: one the lineups never used tells nothing of the engine).
inline constexpr int kRegularPlateAppearances = 400;

struct RealismFigures {
    int year = 0;
    int replays = 0;
    double simulatedRunsPerGame = 0, realRunsPerGame = 0;
    LeagueBatting simulated, real;
    // What the real lines of the players the replay used, in the shares it used them,
    // make of the league: the engine's own error is simulated against this, the rest
    // is who bats and who pitches (regulars only, starters only).
    LeagueBatting expected;
    FigurePairs winPercentages;  // a pair per team
    FigurePairs homeRuns;        // a pair per regular
    FigurePairs averages;        // a pair per regular
};

// The figures of one season, replay after replay.
class RealismTally {
  public:
    explicit RealismTally(const Season& season) : season_(season) {}
    void Add(const SeasonResults& replay);
    RealismFigures Figures() const;

  private:
    LeagueBatting Expected() const;

    const Season& season_;
    int replays_ = 0;
    double runs_ = 0, teamGames_ = 0;
    double atBats_ = 0, hits_ = 0, homeRuns_ = 0, walks_ = 0, strikeouts_ = 0;
    std::vector<double> wins_, decisions_;
    std::vector<double> playerHomeRuns_, playerHits_, playerAtBats_;
    std::vector<double> playerWalks_, battersFaced_;
};

// The real league's batting of a season's teams, from their players' lines.
LeagueBatting RealLeagueBatting(const Season& season);

// "1927  16 teams  runs/game 5.12 real 5.06 (+1.2%)  AVG .285/.285 ..." for one season.
std::string RealismLine(const RealismFigures& figures);

// The figures of many seasons: the mean and the largest difference of runs per game (in
// the seasons from 1901, and before), the seasons whose league rates miss by more than
// 5%, and the correlations over every team and regular.
class RealismSummary {
  public:
    void Add(const RealismFigures& figures);
    std::string Text() const;

  private:
    struct Span {
        int seasons = 0;
        double sumDifference = 0, sumAbsolute = 0, worst = 0;
        int worstYear = 0;
    };
    Span modern_, early_;
    int ratesOff_ = 0, modernSeasons_ = 0;
    FigurePairs winPercentages_, homeRuns_, averages_;
};

}  // namespace velmoro
