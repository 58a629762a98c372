// A managed season's games played: the computer's on workers, a day at a time, and the
// user's recorded from the play screen.
#include <fmt/format.h>

#include <algorithm>
#include <functional>
#include <mutex>
#include <optional>

#include "base/parallel.h"
#include "campaign/game_record.h"
#include "campaign/managed_season.h"
#include "campaign/season_file.h"
#include "campaign/season_game_player.h"
#include "db/install_dir.h"
#include "db/team_files.h"
#include "engine/turns.h"
#include "season/season_worker.h"

namespace velmoro {

struct ManagedSeason::Rosters {
    TeamDatabase db;
    std::vector<const TeamRecord*> clubs;
    std::shared_ptr<const RealisticData> realistic;
};

ManagedSeason::ManagedSeason() = default;
ManagedSeason::~ManagedSeason() = default;

Status ManagedSeason::SetDirectory(const std::filesystem::path& directory) {
    if (Status set = file_->SetDirectory(directory); !set) return set;
    directory_ = directory;
    rosters_.reset();
    return OkStatus();
}

Status ManagedSeason::LoadRosters() {
    if (rosters_) return OkStatus();
    auto rosters = std::make_unique<Rosters>();
    std::string error;
    if (!LoadLegendDatabase(rosters->db, directory_, &error)) return Status::Error(error);
    for (const SeasonTeam& entry : season_.teams) {
        const TeamRecord& names = *entry.team;
        const TeamRecord* club = LookupTeam(rosters->db.legendTeams, names.name);
        bool same = club && club->players.size() == names.players.size();
        for (std::size_t p = 0; same && p < names.players.size(); ++p)
            same = club->players[p]->name == names.players[p]->name;
        if (!same)
            return Status::Error(fmt::format("{}: the club \"{}\" of {} is {} in {}",
                                             path_.string(), names.name, path_.filename().string(),
                                             club ? "not the same" : "missing",
                                             DataFileToRead(directory_, kLegendFileName).string()));
        rosters->clubs.push_back(club);
    }
    if (engine_ == EngineKind::Realistic)
        rosters->realistic =
            LoadRealisticData(rosters->db, DataFileToRead(directory_, kLegendFileName));
    rosters_ = std::move(rosters);
    return OkStatus();
}

Status ManagedSeason::SetupOf(int gameId, SeasonGameSetup& setup) const {
    if (gameId < 0 || gameId >= static_cast<int>(games_.size()))
        return Status::Error(fmt::format("{}: no game {}", path_.string(), gameId + 1));
    const SeasonGame& game = games_[gameId];
    const int rotation = RotationLength(season_.year);
    setup.visitor = season_.teams[game.visitor].team->name;
    setup.home = season_.teams[game.home].team->name;
    setup.designatedHitter = season_.designatedHitter(season_.teams[game.home].league);
    setup.visitorStarter = {turns_[gameId].first, rotation};
    setup.homeStarter = {turns_[gameId].second, rotation};
    setup.engine = engine_;
    return OkStatus();
}

std::optional<int> ManagedSeason::NextManagedGame() const {
    for (const SeasonGame& game : games_)
        if (!game.played && (Manages(game.visitor) || Manages(game.home))) return game.id;
    return std::nullopt;
}

void ManagedSeason::Apply(const GameRecord& record) {
    const SeasonGame& game = record.box.game;
    games_[game.id] = game;
    results_.games[game.id] = {true, game.visitorRuns, game.homeRuns};
    for (const PlayerGame& player : record.players) {
        results_.players[player.player].batting += player.batting;
        results_.players[player.player].pitching += player.pitching;
    }
}

Status ManagedSeason::RecordGame(int gameId, const GameState& game, const GameTally* tally) {
    SeasonGameSetup setup;
    if (Status known = SetupOf(gameId, setup); !known) return known;
    if (games_[gameId].played)
        return Status::Error(
            fmt::format("{}: game {} is already played", path_.string(), gameId + 1));
    if (!IsGameOver(game) || !game.visitor.team || !game.home.team ||
        game.visitor.team->name != setup.visitor || game.home.team->name != setup.home)
        return Status::Error(fmt::format("{}: not a finished game {} at {}", path_.string(),
                                         setup.visitor, setup.home));
    const GameRecord record = RecordOf(game, games_[gameId], tally, PlayerIndex(season_));
    if (Status written = file_->WriteGame(record); !written) return written;
    Apply(record);
    return OkStatus();
}

namespace {

// The unplayed games of the days from today to `end`, day by day; with `stopAtManaged`,
// up to the first day with a managed club's game, that game and those after it left out.
std::vector<std::vector<int>> DaysToPlay(const std::vector<SeasonGame>& games, int end,
                                         const std::function<bool(const SeasonGame&)>& managed,
                                         bool stopAtManaged, bool& stopped) {
    std::vector<std::vector<int>> days;
    int lastDay = -1;
    stopped = false;
    for (const SeasonGame& game : games) {
        if (game.played || game.day >= end) continue;
        if (game.day != lastDay) {
            if (stopped) break;
            days.emplace_back();
            lastDay = game.day;
        }
        if (stopAtManaged && managed(game)) {
            stopped = true;
            continue;
        }
        days.back().push_back(game.id);
    }
    return days;
}

}  // namespace

struct ManagedSeason::SimRun {
    const SeasonSimOptions& options;
    SimOutcome& outcome;
    int total = 0;
    PlayerIndex index;
    std::vector<std::unique_ptr<SeasonGamePlayer>> players;
};

Status ManagedSeason::Sim(const SeasonSimOptions& options, SimOutcome& outcome) {
    outcome = {};
    if (Status loaded = LoadRosters(); !loaded) return loaded;
    const int end = options.toEnd ? DayCount() : std::min(DayCount(), Today() + options.days);
    const auto managed = [this](const SeasonGame& g) {
        return Manages(g.visitor) || Manages(g.home);
    };
    const std::vector<std::vector<int>> days =
        DaysToPlay(games_, end, managed, options.stopAtManagedGame, outcome.stoppedAtManagedGame);
    SimRun run{options, outcome, 0, PlayerIndex(season_), {}};
    std::size_t most = 0;
    for (const auto& day : days)
        run.total += static_cast<int>(day.size()), most = std::max(most, day.size());
    const int jobs = WorkerCount(options.jobs, static_cast<long>(most));
    for (int w = 0; w < jobs && most > 0; ++w)
        run.players.push_back(std::make_unique<SeasonGamePlayer>(rosters_->clubs));
    for (const std::vector<int>& day : days) {
        if (Status played = PlayDay(day, run); !played) return played;
        if (options.cancel && *options.cancel) {
            outcome.cancelled = true;
            break;
        }
    }
    return OkStatus();
}

Status ManagedSeason::PlayDay(const std::vector<int>& gameIds, SimRun& run) {
    std::vector<std::optional<GameRecord>> done(gameIds.size());
    std::size_t next = 0;
    std::mutex lock;
    Status failure;
    const int jobs = WorkerCount(run.options.jobs, static_cast<long>(gameIds.size()));
    RunParallel(static_cast<long>(gameIds.size()), jobs, [&](int w, long item) {
        if (run.options.cancel && *run.options.cancel) return false;
        const SeasonGame& game = games_[gameIds[item]];
        SeasonGameSetup setup;
        GameTally tally;
        Status played = SetupOf(game.id, setup);
        // The computer manages both sides of every game it plays.
        const ManagedSides managed{true, true, ManagerKind::Book};
        if (played)
            played = run.players[w]->Play(setup, rosters_->realistic, GameSeed(seed_, game.id),
                                          managed, tally);
        std::optional<GameRecord> record;
        if (played) record = RecordOf(run.players[w]->Game(), game, &tally, run.index);
        const std::lock_guard<std::mutex> guard(lock);
        if (!played) {
            if (failure) failure = std::move(played);
            return false;
        }
        done[item] = std::move(record);
        // Written in the schedule's order, each game as soon as those before it are.
        for (; next < done.size() && done[next]; ++next) {
            if (Status written = file_->WriteGame(*done[next]); !written) {
                if (failure) failure = std::move(written);
                return false;
            }
            Apply(*done[next]);
            done[next]->players.clear();
            ++run.outcome.gamesPlayed;
            if (run.options.progress) run.options.progress(run.outcome.gamesPlayed, run.total);
        }
        return true;
    });
    return failure;
}

}  // namespace velmoro
