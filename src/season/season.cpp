#include "season/season.h"

#include <algorithm>
#include <memory>
#include <mutex>

#include "base/parallel.h"
#include "base/seed_mix.h"
#include "realistic/realistic_data.h"
#include "season/season_worker.h"

namespace velmoro {

bool LeagueUsesDesignatedHitter(int year, const std::string& league) {
    return year >= 2022 || (year >= 1973 && league == "AL");
}

int RotationLength(int year) {
    return year < 1920 ? 4 : 5;
}

std::vector<std::vector<int>> SeasonLeagues(const Season& season) {
    std::vector<std::string> names;
    std::vector<std::vector<int>> leagues;
    for (int t = 0; t < static_cast<int>(season.teams.size()); ++t) {
        const auto at = std::find(names.begin(), names.end(), season.teams[t].league);
        if (at == names.end()) {
            names.push_back(season.teams[t].league);
            leagues.push_back({t});
        } else {
            leagues[static_cast<std::size_t>(at - names.begin())].push_back(t);
        }
    }
    return leagues;
}

void ScheduleSeason(Season& season, int gamesPerTeam) {
    std::vector<int> targets;
    for (const SeasonTeam& team : season.teams)
        targets.push_back(gamesPerTeam > 0 ? gamesPerTeam : team.realGames);
    season.schedule = BuildSchedule(SeasonLeagues(season), targets);
}

std::uint32_t GameSeed(std::uint32_t seasonSeed, int gameIndex) {
    return ItemSeed(seasonSeed, static_cast<std::uint32_t>(gameIndex));
}

namespace {

// Each player's totals: the workers' shares added, which does not depend on which
// worker played which game.
std::vector<PlayerSeason> SumPlayers(const Season& season, const PlayerIndex& index,
                                     const std::vector<std::unique_ptr<SeasonWorker>>& workers) {
    std::vector<PlayerSeason> players(static_cast<std::size_t>(index.Size()));
    for (int t = 0; t < static_cast<int>(season.teams.size()); ++t)
        for (int p = index.First(t); p < index.First(t + 1); ++p)
            players[p] = {t, p - index.First(t), {}, {}};
    for (const auto& worker : workers) {
        for (std::size_t p = 0; p < players.size(); ++p) {
            players[p].batting += worker->Players()[p].batting;
            players[p].pitching += worker->Players()[p].pitching;
        }
    }
    return players;
}

// The realistic engine's data: the options', or else made once from the season's teams.
std::shared_ptr<const RealisticData> RealisticFor(const Season& season,
                                                  const SeasonRunOptions& options) {
    if (options.engine != EngineKind::Realistic || options.realistic) return options.realistic;
    std::vector<const TeamRecord*> teams;
    for (const SeasonTeam& entry : season.teams)
        teams.push_back(entry.team);
    return BuildRealisticData(teams, {});
}

}  // namespace

Status PlaySeason(const Season& season, const SeasonRunOptions& options, SeasonResults& results) {
    const PlayerIndex index(season);
    const std::vector<std::pair<int, int>> numbers = GameNumbers(season);
    const int total = static_cast<int>(season.schedule.size());
    results.games.assign(season.schedule.size(), GameResult{});
    const int jobs = WorkerCount(options.jobs, total);
    std::vector<std::unique_ptr<SeasonWorker>> workers;
    const std::shared_ptr<const RealisticData> realistic = RealisticFor(season, options);
    for (int w = 0; w < jobs; ++w) {
        workers.push_back(std::make_unique<SeasonWorker>(season, index));
        workers.back()->UseEngine(options.engine, realistic);
    }
    std::mutex lock;
    Status failure;
    RunParallel(total, jobs, [&](int w, long item) {
        if (options.cancel && *options.cancel) return false;
        const int i = static_cast<int>(item);
        GameResult result;
        Status played = workers[w]->Play(i, GameSeed(options.seed, i), numbers[i], result);
        const std::lock_guard<std::mutex> guard(lock);
        if (!played) {
            if (failure) failure = std::move(played);
            return false;
        }
        results.games[static_cast<std::size_t>(i)] = result;
        if (options.onGame) options.onGame(i, result);
        return true;
    });
    results.players = SumPlayers(season, index, workers);
    return failure;
}

}  // namespace velmoro
