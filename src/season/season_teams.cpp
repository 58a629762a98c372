#include "season/season_teams.h"

#include <algorithm>
#include <map>

#include "db/install_dir.h"
#include "db/season_index.h"
#include "db/team_files.h"
#include "setup/fielding.h"

namespace velmoro {

namespace {

// The index's teams of the year that can play, each league's count in `perLeague`.
void GatherTeams(const std::vector<SeasonRecord>& index, const TeamList& legend,
                 const std::string& league, Season& season, std::map<std::string, int>& perLeague,
                 std::vector<std::string>& notes) {
    for (const SeasonRecord& record : index) {
        if (record.year != season.year || (!league.empty() && record.league != league)) continue;
        const TeamRecord* team = LookupTeam(legend, record.team);
        if (!team) {
            notes.push_back(record.team + " is not in LegendDB");
            continue;
        }
        const Status fielding =
            CheckFielding(*team, LeagueUsesDesignatedHitter(season.year, record.league));
        if (!fielding) {
            notes.push_back(fielding.message());
            continue;
        }
        season.teams.push_back({team, record.league, record.division, record.games, record.wins,
                                record.losses, record.runs, record.runsAllowed, record.rank});
        ++perLeague[record.league];
    }
}

}  // namespace

std::filesystem::path ReplayIndexPath(const std::filesystem::path& directory) {
    return SeasonIndexPathFor(DataFileToRead(directory, kLegendFileName));
}

Status SeasonFromIndex(const std::vector<SeasonRecord>& index, const TeamList& legend, int year,
                       const std::string& league, int gamesPerTeam, Season& season,
                       std::vector<std::string>& notes) {
    season = Season{};
    season.year = year;
    season.designatedHitter = [year](const std::string& lg) {
        return LeagueUsesDesignatedHitter(year, lg);
    };
    std::map<std::string, int> perLeague;
    GatherTeams(index, legend, league, season, perLeague, notes);
    for (const auto& entry : perLeague) {
        if (entry.second != 1) continue;
        const std::string& code = entry.first;
        const auto club = std::find_if(season.teams.begin(), season.teams.end(),
                                       [&](const SeasonTeam& t) { return t.league == code; });
        notes.push_back("the " + LeagueName(code) + " has one club that can play (" +
                        club->team->name + "): a league of one club cannot play a season");
    }
    std::erase_if(season.teams, [&](const SeasonTeam& t) { return perLeague[t.league] < 2; });
    const std::string name = std::to_string(year) + (league.empty() ? "" : " " + league);
    if (season.teams.empty()) return Status::Error("no season " + name + " to replay");
    ScheduleSeason(season, gamesPerTeam);
    if (season.schedule.empty())
        return Status::Error("season " + name + " has no games to play: the index gives its " +
                             "teams no games");
    return OkStatus();
}

std::vector<int> IndexYears(const std::vector<SeasonRecord>& index) {
    std::vector<int> years;
    for (const SeasonRecord& record : index)
        years.push_back(record.year);
    std::sort(years.begin(), years.end());
    years.erase(std::unique(years.begin(), years.end()), years.end());
    return years;
}

std::string LeagueName(const std::string& code) {
    static const std::map<std::string, std::string> names{
        {"AL", "American League"},      {"NL", "National League"}, {"AA", "American Association"},
        {"UA", "Union Association"},    {"PL", "Players' League"}, {"FL", "Federal League"},
        {"NA", "National Association"},
    };
    const auto it = names.find(code);
    return it == names.end() ? code : it->second;
}

}  // namespace velmoro
