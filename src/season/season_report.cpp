#include "season/season_report.h"

#include <fmt/format.h>

#include "db/csv.h"
#include "db/file_write.h"
#include "db/team_files.h"

#include "season/season_teams.h"
#include "setup/stat_text.h"

namespace velmoro {

std::string StandingsText(const Season& season, const SeasonResults& results,
                          const std::vector<int>& league) {
    const std::string& code = season.teams[league.front()].league;
    std::string out = fmt::format("{} {}\n", season.year, LeagueName(code));
    out += fmt::format("{:<30}{:>4}{:>4}{:>6}{:>6}{:>6}{:>6}{:>8}{:>8}{:>10}{:>6}\n", "Team", "W",
                       "L", "Pct", "GB", "RS", "RA", "Home", "Away", "Real W-L", "Rank");
    for (const StandingRow& row : LeagueStandings(season, results, league)) {
        const SeasonTeam& team = season.teams[row.team];
        out += fmt::format("{:<30}{:>4}{:>4}{:>6}{:>6}{:>6}{:>6}{:>8}{:>8}{:>10}{:>6}\n",
                           team.team->name, row.wins, row.losses, PctText(row.pct),
                           GamesBehindText(row.gamesBehind), row.runsScored, row.runsAllowed,
                           fmt::format("{}-{}", row.homeWins, row.homeLosses),
                           fmt::format("{}-{}", row.awayWins, row.awayLosses),
                           fmt::format("{}-{}", team.realWins, team.realLosses), team.realRank);
    }
    return out;
}

std::string LeaderValue(const std::string& title, double value) {
    if (title == "AVG") return PctText(value);
    if (title == "ERA") return fmt::format("{:.2f}", value);
    return fmt::format("{:.0f}", value);
}

std::string LeadersText(const Season& season, const SeasonResults& results,
                        const std::vector<int>& league, int count) {
    std::string out = "Leaders\n";
    for (const LeagueLeaders& table : SeasonLeaders(season, results, league, count)) {
        out += fmt::format("  {:<4}", table.title);
        if (table.leaders.empty()) out += "-";
        for (std::size_t i = 0; i < table.leaders.size(); ++i) {
            const PlayerSeason& player = results.players[table.leaders[i].player];
            const TeamRecord& team = *season.teams[player.team].team;
            out += fmt::format("{}{} {} ({})", i ? ", " : "",
                               LeaderValue(table.title, table.leaders[i].value),
                               team.players[player.player]->name, team.name);
        }
        out += "\n";
    }
    return out;
}

std::string RealismText(const Realism& realism) {
    return fmt::format(
        "Realism: winning percentage correlation {:.3f}, mean difference in wins {:.1f}, "
        "runs per game {:.2f} simulated, {:.2f} real\n",
        realism.pctCorrelation, realism.meanWinDifference, realism.simulatedRunsPerGame,
        realism.realRunsPerGame);
}

namespace {

std::string Number(long value) {
    return std::to_string(value);
}

std::string StandingsCsv(const Season& season, const SeasonResults& results) {
    std::string out;
    AppendCsvRecord(out, {"year", "league", "team", "w", "l", "pct", "gb", "rs", "ra", "home_w",
                          "home_l", "away_w", "away_l", "real_w", "real_l", "real_rank"});
    for (const std::vector<int>& league : SeasonLeagues(season)) {
        for (const StandingRow& row : LeagueStandings(season, results, league)) {
            const SeasonTeam& t = season.teams[row.team];
            AppendCsvRecord(
                out,
                {Number(season.year), t.league, t.team->name, Number(row.wins), Number(row.losses),
                 fmt::format("{:.3f}", row.pct), fmt::format("{}", row.gamesBehind),
                 Number(row.runsScored), Number(row.runsAllowed), Number(row.homeWins),
                 Number(row.homeLosses), Number(row.awayWins), Number(row.awayLosses),
                 Number(t.realWins), Number(t.realLosses), Number(t.realRank)});
        }
    }
    return out;
}

std::string PlayersCsv(const Season& season, const SeasonResults& results) {
    std::string out;
    AppendCsvRecord(out, {"year", "team", "player", "g",   "gs",  "pa", "ab", "r",  "h",
                          "2b",   "3b",   "hr",     "rbi", "sb",  "bb", "so", "pg", "pgs",
                          "ip",   "outs", "ra",     "ha",  "bba", "k",  "w",  "l",  "sv"});
    for (const PlayerSeason& p : results.players) {
        const BattingTotals& b = p.batting;
        const PitchingTotals& t = p.pitching;
        if (b.games == 0 && t.games == 0) continue;
        const TeamRecord& team = *season.teams[p.team].team;
        AppendCsvRecord(out, {Number(season.year),
                              team.name,
                              team.players[p.player]->name,
                              Number(b.games),
                              Number(b.starts),
                              Number(b.plateAppearances),
                              Number(b.atBats),
                              Number(b.runs),
                              Number(b.hits),
                              Number(b.doubles),
                              Number(b.triples),
                              Number(b.homeRuns),
                              Number(b.rbi),
                              Number(b.stolenBases),
                              Number(b.walks),
                              Number(b.strikeouts),
                              Number(t.games),
                              Number(t.starts),
                              InningsText(t.outs),
                              Number(t.outs),
                              Number(t.runs),
                              Number(t.hits),
                              Number(t.walks),
                              Number(t.strikeouts),
                              Number(t.wins),
                              Number(t.losses),
                              Number(t.saves)});
    }
    return out;
}

}  // namespace

std::filesystem::path PlayersCsvPath(const std::filesystem::path& path) {
    std::filesystem::path players = path;
    players.replace_filename(path.stem().string() + "-players" + path.extension().string());
    return players;
}

Status WriteCsvPair(const std::filesystem::path& first, const std::string& firstBytes,
                    const std::filesystem::path& second, const std::string& secondBytes) {
    std::string old;
    const bool hadFirst = ReadFileBytes(first, old).ok();
    std::string error;
    if (!ReplaceFileContents(first, firstBytes, &error)) return Status::Error(error);
    if (ReplaceFileContents(second, secondBytes, &error)) return OkStatus();
    // The second could not be written: the first goes back to what it was.
    std::error_code ignored;
    if (hadFirst)
        ReplaceFileContents(first, old);
    else
        std::filesystem::remove(first, ignored);
    return Status::Error(error);
}

Status WriteSeasonCsv(const std::filesystem::path& path, const Season& season,
                      const SeasonResults& results) {
    return WriteCsvPair(path, StandingsCsv(season, results), PlayersCsvPath(path),
                        PlayersCsv(season, results));
}

}  // namespace velmoro
