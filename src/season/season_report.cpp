#include "season/season_report.h"

#include <fmt/format.h>

#include <fstream>

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

bool WriteSeasonCsv(const std::filesystem::path& path, const Season& season,
                    const SeasonResults& results, std::string* error) {
    std::ofstream standings(path, std::ios::binary);
    standings << "year,league,team,w,l,pct,gb,rs,ra,home_w,home_l,away_w,away_l,real_w,real_l,"
                 "real_rank\n";
    for (const std::vector<int>& league : SeasonLeagues(season)) {
        for (const StandingRow& row : LeagueStandings(season, results, league)) {
            const SeasonTeam& t = season.teams[row.team];
            standings << fmt::format("{},{},\"{}\",{},{},{:.3f},{},{},{},{},{},{},{},{},{},{}\n",
                                     season.year, t.league, t.team->name, row.wins, row.losses,
                                     row.pct, row.gamesBehind, row.runsScored, row.runsAllowed,
                                     row.homeWins, row.homeLosses, row.awayWins, row.awayLosses,
                                     t.realWins, t.realLosses, t.realRank);
        }
    }
    std::filesystem::path playersPath = path;
    playersPath.replace_filename(path.stem().string() + "-players" + path.extension().string());
    std::ofstream players(playersPath, std::ios::binary);
    players << "year,team,player,g,ab,r,h,2b,3b,hr,rbi,sb,cs,bb,so,pg,gs,outs,ra,ha,bba,k,w,l,sv\n";
    for (const PlayerSeason& p : results.players) {
        const BattingTotals& b = p.batting;
        const PitchingTotals& t = p.pitching;
        if (b.games == 0 && t.games == 0) continue;
        const TeamRecord& team = *season.teams[p.team].team;
        players << fmt::format(
            "{},\"{}\",\"{}\",{},{},{},{},{},{},{},{},{},{},{},{},{},{},{},{},{},{},{},{},{},{}\n",
            season.year, team.name, team.players[p.player]->name, b.games, b.atBats, b.runs, b.hits,
            b.doubles, b.triples, b.homeRuns, b.rbi, b.stolenBases, b.caughtStealing, b.walks,
            b.strikeouts, t.games, t.starts, t.outs, t.runs, t.hits, t.walks, t.strikeouts, t.wins,
            t.losses, t.saves);
    }
    standings.close();
    players.close();
    if (standings.good() && players.good()) return true;
    if (error) *error = "cannot write " + (standings.good() ? playersPath : path).string();
    return false;
}

}  // namespace velmoro
