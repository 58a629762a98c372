#include "campaign/managed_season.h"

#include <fmt/format.h>
#include <fmt/ranges.h>

#include <algorithm>
#include <chrono>

#include "campaign/day_schedule.h"
#include "campaign/season_file.h"
#include "db/install_dir.h"
#include "db/season_index.h"
#include "db/team_files.h"
#include "season/season_teams.h"
#include "season/season_worker.h"

namespace velmoro {

namespace {

// The year's clubs from the index and LegendDB in `directory`, the user's among them.
Status ChooseClubs(const NewSeasonOptions& options, TeamDatabase& db, Season& season,
                   std::vector<std::string>& notes) {
    std::string error;
    if (!LoadLegendDatabase(db, options.directory, &error)) return Status::Error(error);
    std::vector<SeasonRecord> index;
    if (!LoadSeasonIndex(ReplayIndexPath(options.directory), index, &error))
        return Status::Error(error);
    if (Status chosen = SeasonFromIndex(index, db.legendTeams, options.year, options.league,
                                        options.gamesPerTeam, season, notes);
        !chosen)
        return chosen;
    for (const std::string& name : options.managed) {
        const auto at = std::find_if(season.teams.begin(), season.teams.end(),
                                     [&](const SeasonTeam& t) { return t.team->name == name; });
        if (at != season.teams.end()) continue;
        std::vector<std::string> clubs;
        for (const SeasonTeam& team : season.teams)
            clubs.push_back(team.team->name);
        return Status::Error(fmt::format("no club \"{}\" in the {} season; its clubs: {}", name,
                                         options.year, fmt::join(clubs, ", ")));
    }
    return OkStatus();
}

SeasonContents ContentsOf(const NewSeasonOptions& options, Season& season) {
    SeasonContents contents;
    contents.year = options.year, contents.engine = options.engine, contents.seed = options.seed;
    // Absolute: the file may be opened from any working directory.
    contents.directory = std::filesystem::absolute(options.directory);
    for (const SeasonTeam& team : season.teams) {
        SeasonClub& club = contents.clubs.emplace_back();
        club.team = team, club.team.team = nullptr, club.name = team.team->name;
        club.managed = std::find(options.managed.begin(), options.managed.end(), club.name) !=
                       options.managed.end();
        for (const auto& player : team.team->players)
            club.players.push_back(player->name);
    }
    const std::vector<DayGame> days =
        LayOutDays(season.schedule, static_cast<int>(season.teams.size()));
    season.schedule.clear();
    for (std::size_t g = 0; g < days.size(); ++g) {
        season.schedule.push_back(days[g].game);
        contents.games.push_back(
            {static_cast<int>(g), days[g].day, days[g].game.visitor, days[g].game.home});
    }
    contents.turns = GameNumbers(season);
    for (std::size_t t = 0; t < season.teams.size(); ++t)
        for (int p = 0; p < static_cast<int>(season.teams[t].team->players.size()); ++p)
            contents.players.push_back({static_cast<int>(t), p, {}, {}});
    return contents;
}

}  // namespace

Status ManagedSeason::Create(const std::filesystem::path& file, const NewSeasonOptions& options,
                             std::unique_ptr<ManagedSeason>& season,
                             std::vector<std::string>* notes) {
    TeamDatabase db;
    Season chosen;
    std::vector<std::string> left;
    Status status = ChooseClubs(options, db, chosen, left);
    if (notes) *notes = left;
    if (!status) return status;
    SeasonContents contents = ContentsOf(options, chosen);
    std::unique_ptr<SeasonFile> written;
    if (Status created = SeasonFile::Create(file, contents, written); !created) return created;
    season.reset(new ManagedSeason);
    season->path_ = file;
    season->file_ = std::move(written);
    season->Take(contents);
    return OkStatus();
}

Status ManagedSeason::Open(const std::filesystem::path& file,
                           std::unique_ptr<ManagedSeason>& season) {
    SeasonContents contents;
    std::unique_ptr<SeasonFile> opened;
    if (Status status = SeasonFile::Open(file, contents, opened); !status) return status;
    season.reset(new ManagedSeason);
    season->path_ = file;
    season->file_ = std::move(opened);
    season->Take(contents);
    return OkStatus();
}

void ManagedSeason::Take(SeasonContents& contents) {
    season_ = Season{};
    season_.year = contents.year;
    const int year = contents.year;
    season_.designatedHitter = [year](const std::string& league) {
        return LeagueUsesDesignatedHitter(year, league);
    };
    names_.clear();
    for (SeasonClub& club : contents.clubs) {
        TeamRecord& names = AddTeam(names_, club.name);
        for (std::string& player : club.players)
            names.AddPlayer(PlayerRecord(std::move(player)));
        club.team.team = &names;
        season_.teams.push_back(club.team);
        managed_.push_back(club.managed);
    }
    results_.games.clear();
    for (const SeasonGame& game : contents.games) {
        season_.schedule.push_back({game.visitor, game.home});
        results_.games.push_back({game.played, game.visitorRuns, game.homeRuns});
    }
    results_.players = std::move(contents.players);
    games_ = std::move(contents.games);
    turns_ = std::move(contents.turns);
    engine_ = contents.engine, seed_ = contents.seed, directory_ = contents.directory;
}

bool ManagedSeason::Manages(int club) const {
    return managed_[static_cast<std::size_t>(club)];
}

std::vector<int> ManagedSeason::ManagedClubs() const {
    std::vector<int> clubs;
    for (int c = 0; c < static_cast<int>(managed_.size()); ++c)
        if (managed_[c]) clubs.push_back(c);
    return clubs;
}

int ManagedSeason::DayCount() const {
    return games_.empty() ? 0 : games_.back().day + 1;
}

int ManagedSeason::Today() const {
    for (const SeasonGame& game : games_)
        if (!game.played) return game.day;
    return DayCount();
}

std::string ManagedSeason::DateText(int day) const {
    using namespace std::chrono;
    const sys_days date = sys_days{year_month_day{year{season_.year}, April, 12d}} + days{day};
    const year_month_day ymd{date};
    static const char* const kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    return fmt::format("{} {} {}, {}", kDays[weekday{date}.c_encoding()],
                       kMonths[static_cast<unsigned>(ymd.month()) - 1],
                       static_cast<unsigned>(ymd.day()), static_cast<int>(ymd.year()));
}

std::vector<SeasonGame> ManagedSeason::GamesOn(int day) const {
    std::vector<SeasonGame> games;
    for (const SeasonGame& game : games_)
        if (game.day == day) games.push_back(game);
    return games;
}

std::vector<std::vector<int>> ManagedSeason::Leagues() const {
    return SeasonLeagues(season_);
}

std::vector<StandingRow> ManagedSeason::Standings(const std::vector<int>& league) const {
    return LeagueStandings(season_, results_, league);
}

std::vector<LeagueLeaders> ManagedSeason::LeadersOf(const std::vector<int>& league,
                                                    int count) const {
    return SeasonLeaders(season_, results_, league, count);
}

std::vector<ClubTotals> ManagedSeason::ClubLines() const {
    std::vector<ClubTotals> clubs(season_.teams.size());
    for (std::size_t c = 0; c < clubs.size(); ++c)
        clubs[c].team = static_cast<int>(c);
    for (const PlayerSeason& player : results_.players) {
        clubs[player.team].batting += player.batting;
        clubs[player.team].pitching += player.pitching;
    }
    return clubs;
}

const std::string& ManagedSeason::PlayerName(int player) const {
    const PlayerSeason& entry = results_.players[static_cast<std::size_t>(player)];
    return season_.teams[entry.team].team->players[entry.player]->name;
}

Status ManagedSeason::ReadBoxScore(int gameId, BoxScore& box) const {
    if (gameId < 0 || gameId >= static_cast<int>(games_.size()))
        return Status::Error(fmt::format("{}: no game {} (the season has {})", path_.string(),
                                         gameId + 1, games_.size()));
    return file_->ReadBoxScore(gameId, box);
}

}  // namespace velmoro
