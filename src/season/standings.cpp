#include "season/standings.h"

#include <algorithm>
#include <cmath>

namespace velmoro {

namespace {

std::vector<StandingRow> AllRows(const Season& season, const SeasonResults& results) {
    std::vector<StandingRow> rows(season.teams.size());
    for (std::size_t t = 0; t < rows.size(); ++t)
        rows[t].team = static_cast<int>(t);
    for (std::size_t i = 0; i < season.schedule.size() && i < results.games.size(); ++i) {
        const GameResult& result = results.games[i];
        if (!result.played) continue;
        StandingRow& visitor = rows[season.schedule[i].visitor];
        StandingRow& home = rows[season.schedule[i].home];
        visitor.runsScored += result.visitorRuns;
        visitor.runsAllowed += result.homeRuns;
        home.runsScored += result.homeRuns;
        home.runsAllowed += result.visitorRuns;
        if (result.homeRuns > result.visitorRuns) {
            ++home.wins, ++home.homeWins, ++visitor.losses, ++visitor.awayLosses;
        } else if (result.visitorRuns > result.homeRuns) {
            ++visitor.wins, ++visitor.awayWins, ++home.losses, ++home.homeLosses;
        }
    }
    return rows;
}

// Games each team has played in the replay.
std::vector<int> TeamGames(const Season& season, const SeasonResults& results) {
    std::vector<int> games(season.teams.size(), 0);
    for (std::size_t i = 0; i < season.schedule.size() && i < results.games.size(); ++i) {
        if (!results.games[i].played) continue;
        ++games[season.schedule[i].visitor];
        ++games[season.schedule[i].home];
    }
    return games;
}

double Correlation(const std::vector<double>& x, const std::vector<double>& y) {
    const double n = static_cast<double>(x.size());
    if (n < 2) return 0;
    double mx = 0, my = 0;
    for (std::size_t i = 0; i < x.size(); ++i)
        mx += x[i], my += y[i];
    mx /= n, my /= n;
    double sxy = 0, sxx = 0, syy = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        sxy += (x[i] - mx) * (y[i] - my);
        sxx += (x[i] - mx) * (x[i] - mx);
        syy += (y[i] - my) * (y[i] - my);
    }
    return sxx > 0 && syy > 0 ? sxy / std::sqrt(sxx * syy) : 0;
}

}  // namespace

double WinningPct(int wins, int losses) {
    return wins + losses > 0 ? static_cast<double>(wins) / (wins + losses) : 0;
}

double GamesBehind(int leaderWins, int leaderLosses, int wins, int losses) {
    return std::max(0.0, ((leaderWins - wins) + (losses - leaderLosses)) / 2.0);
}

std::vector<StandingRow> LeagueStandings(const Season& season, const SeasonResults& results,
                                         const std::vector<int>& league) {
    const std::vector<StandingRow> all = AllRows(season, results);
    std::vector<StandingRow> rows;
    for (int t : league)
        rows.push_back(all[t]);
    for (StandingRow& row : rows)
        row.pct = WinningPct(row.wins, row.losses);
    std::stable_sort(rows.begin(), rows.end(), [](const StandingRow& a, const StandingRow& b) {
        return a.pct != b.pct ? a.pct > b.pct : a.wins > b.wins;
    });
    for (StandingRow& row : rows)
        row.gamesBehind = rows.empty() ? 0
                                       : GamesBehind(rows.front().wins, rows.front().losses,
                                                     row.wins, row.losses);
    return rows;
}

std::vector<LeagueLeaders> SeasonLeaders(const Season& season, const SeasonResults& results,
                                         const std::vector<int>& league, int count) {
    std::vector<bool> inLeague(season.teams.size(), false);
    for (int t : league)
        inLeague[t] = true;
    return Leaders(results.players, inLeague, TeamGames(season, results), count);
}

Realism MeasureRealism(const Season& season, const SeasonResults& results) {
    const std::vector<StandingRow> rows = AllRows(season, results);
    Realism realism;
    std::vector<double> simulated, real;
    long simRuns = 0, simGames = 0, realRuns = 0, realGames = 0;
    double winDifference = 0;
    for (const StandingRow& row : rows) {
        const SeasonTeam& team = season.teams[row.team];
        const int played = row.wins + row.losses;
        const int realDecided = team.realWins + team.realLosses;
        simRuns += row.runsScored;
        simGames += played;
        realRuns += team.realRunsScored;
        realGames += team.realGames;
        if (played == 0 || realDecided == 0) continue;
        simulated.push_back(WinningPct(row.wins, row.losses));
        real.push_back(WinningPct(team.realWins, team.realLosses));
        winDifference +=
            std::abs(row.wins - static_cast<double>(team.realWins) * played / realDecided);
    }
    realism.teams = static_cast<int>(simulated.size());
    realism.pctCorrelation = Correlation(simulated, real);
    realism.meanWinDifference = realism.teams ? winDifference / realism.teams : 0;
    realism.simulatedRunsPerGame = simGames ? static_cast<double>(simRuns) / simGames : 0;
    realism.realRunsPerGame = realGames ? static_cast<double>(realRuns) / realGames : 0;
    return realism;
}

}  // namespace velmoro
