#include "season/season_teams.h"

#include <algorithm>
#include <map>

namespace velmoro {

bool SeasonFromIndex(const std::vector<SeasonRecord>& index, const TeamList& legend, int year,
                     const std::string& league, Season& season, std::vector<std::string>& skipped,
                     std::string* error) {
    season = Season{};
    season.year = year;
    season.designatedHitter = [year](const std::string& lg) {
        return LeagueUsesDesignatedHitter(year, lg);
    };
    std::map<std::string, int> perLeague;
    for (const SeasonRecord& record : index) {
        if (record.year != year || (!league.empty() && record.league != league)) continue;
        const TeamRecord* team = LookupTeam(legend, record.team);
        if (!IsTeamPlayable(team)) {
            skipped.push_back(record.team);
            continue;
        }
        season.teams.push_back({team, record.league, record.division, record.games, record.wins,
                                record.losses, record.runs, record.runsAllowed, record.rank});
        ++perLeague[record.league];
    }
    // A league of one team has nobody to play.
    std::erase_if(season.teams, [&](const SeasonTeam& t) { return perLeague[t.league] < 2; });
    if (season.teams.empty()) {
        if (error)
            *error = league.empty()
                         ? "no season " + std::to_string(year) + " to replay"
                         : "no season " + std::to_string(year) + " " + league + " to replay";
        return false;
    }
    return true;
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
