#include "cli/sim_replays.h"

#include <fmt/format.h>

#include "base/seed_mix.h"
#include "season/season_report.h"
#include "season/season_teams.h"
#include "setup/stat_text.h"

namespace velmoro {

std::uint32_t ReplaySeed(std::uint32_t seed, int replay) {
    return replay == 0 ? seed : ItemSeed(seed, static_cast<std::uint32_t>(replay));
}

namespace {

void AddPlayers(std::vector<PlayerSeason>& sum, const std::vector<PlayerSeason>& part) {
    if (sum.empty()) {
        sum = part;
        return;
    }
    for (std::size_t p = 0; p < sum.size() && p < part.size(); ++p) {
        sum[p].batting += part[p].batting;
        sum[p].pitching += part[p].pitching;
    }
}

}  // namespace

Status PlayReplays(const Season& season, const SeasonRunOptions& options, int count, Replays& out,
                   const ReplayListener& onReplay) {
    out = Replays{};
    out.season = season;
    out.count = count;
    out.gamesPerReplay = season.schedule.size();
    for (int r = 0; r < count; ++r) {
        SeasonRunOptions run = options;
        run.seed = ReplaySeed(options.seed, r);
        SeasonResults one;
        const Status played = PlaySeason(season, run, one);
        // Each replay's games follow the one before's in the long season.
        if (r > 0)
            out.season.schedule.insert(out.season.schedule.end(), season.schedule.begin(),
                                       season.schedule.end());
        out.results.games.insert(out.results.games.end(), one.games.begin(), one.games.end());
        AddPlayers(out.results.players, one.players);
        if (!played) return played;
        if (onReplay) onReplay(one);
    }
    return OkStatus();
}

std::string AveragedStandingsText(const Replays& replays, const std::vector<int>& league) {
    const Season& season = replays.season;
    const double n = replays.count;
    std::string out = fmt::format("{} {}, the average of {} replays\n", season.year,
                                  LeagueName(season.teams[league.front()].league), replays.count);
    out += fmt::format("{:<30}{:>7}{:>7}{:>6}{:>6}{:>7}{:>7}{:>12}{:>12}{:>10}{:>6}\n", "Team", "W",
                       "L", "Pct", "GB", "RS", "RA", "Home", "Away", "Real W-L", "Rank");
    for (const StandingRow& row : LeagueStandings(season, replays.results, league)) {
        const SeasonTeam& team = season.teams[row.team];
        out += fmt::format(
            "{:<30}{:>7.1f}{:>7.1f}{:>6}{:>6}{:>7.1f}{:>7.1f}{:>12}{:>12}{:>10}{:>6}\n",
            team.team->name, row.wins / n, row.losses / n, PctText(row.pct),
            GamesBehindText(row.gamesBehind / n), row.runsScored / n, row.runsAllowed / n,
            fmt::format("{:.1f}-{:.1f}", row.homeWins / n, row.homeLosses / n),
            fmt::format("{:.1f}-{:.1f}", row.awayWins / n, row.awayLosses / n),
            fmt::format("{}-{}", team.realWins, team.realLosses), team.realRank);
    }
    return out;
}

std::string AveragedLeadersText(const Replays& replays, const std::vector<int>& league, int count) {
    const Season& season = replays.season;
    std::string out = "Leaders\n";
    for (const LeagueLeaders& table : SeasonLeaders(season, replays.results, league, count)) {
        // The rates are the same over the long season; the counts are averaged.
        const bool rate = table.title == "AVG" || table.title == "ERA";
        out += fmt::format("  {:<4}", table.title);
        if (table.leaders.empty()) out += "-";
        for (std::size_t i = 0; i < table.leaders.size(); ++i) {
            const Leader& leader = table.leaders[i];
            const PlayerSeason& player = replays.results.players[leader.player];
            const TeamRecord& team = *season.teams[player.team].team;
            out += fmt::format("{}{} {} ({})", i ? ", " : "",
                               rate ? LeaderValue(table.title, leader.value)
                                    : fmt::format("{:.1f}", leader.value / replays.count),
                               team.players[player.player]->name, team.name);
        }
        out += "\n";
    }
    return out;
}

double RunsDifferencePercent(const Realism& realism) {
    if (realism.realRunsPerGame <= 0) return 0;
    return 100 * (realism.simulatedRunsPerGame - realism.realRunsPerGame) / realism.realRunsPerGame;
}

Realism AveragedRealism(const Replays& replays) {
    Realism realism = MeasureRealism(replays.season, replays.results);
    // Measured on the long season, the difference in wins adds up over the replays.
    realism.meanWinDifference /= replays.count;
    return realism;
}

}  // namespace velmoro
