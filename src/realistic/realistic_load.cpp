// Building what the model knows of a database: league-seasons summed from the players'
// lines (and the side files' counts), then every team-season and player in them.
#include <algorithm>
#include <cstdlib>

#include "db/club_season.h"
#include "db/player_usage.h"
#include "db/records.h"
#include "db/season_index.h"
#include "realistic/calibration.h"
#include "realistic/era.h"
#include "realistic/odds.h"
#include "realistic/realistic_data.h"

namespace velmoro {

namespace {

// Hit batsmen where no line of the league recorded any: about one plate appearance in 150.
constexpr double kUnrecordedHitByPitch = 0.0067;

// A league-season's sums while the teams are read.
struct LeagueSums {
    int year = 0;
    plate::Counts batting;  // hit by pitch only where recorded
    plate::Counts pitchersBatting;
    double hitByPitchPlateAppearances = 0;  // the plate appearances those come from
    plate::Counts pitching;
    double games = 0, clubGames = 0, errors = 0, doublePlays = 0, stolen = 0, caught = 0;
    double unearned = 0, unearnedGames = 0;
};

struct Lookup {
    std::unordered_map<std::string, const SeasonRecord*> seasons;
    std::unordered_map<std::string, const ClubSeason*> clubs;
    std::unordered_map<std::string, const PlayerUsage*> players;

    const PlayerUsage* Usage(const std::string& team, const std::string& player) const {
        const auto at = players.find(team + '\n' + player);
        return at == players.end() ? nullptr : at->second;
    }
    const ClubSeason* Club(const std::string& team) const {
        const auto at = clubs.find(team);
        return at == clubs.end() ? nullptr : at->second;
    }
};

double ErrorFactor(const ClubSeason& club, const LeagueContext& league) {
    const double games = club.games;
    if (club.earnedRuns > 0 && league.unearnedRunsPerGame > 0)
        return std::clamp((club.runsAllowed - club.earnedRuns) / games / league.unearnedRunsPerGame,
                          0.4, 2.5);
    return std::clamp(club.errors / games / league.errorsPerGame, 0.5, 2.0);
}

Lookup MakeLookup(const RealisticSources& sources) {
    Lookup lookup;
    if (sources.index)
        for (const SeasonRecord& record : *sources.index)
            lookup.seasons.emplace(record.team, &record);
    if (sources.clubs)
        for (const ClubSeason& club : *sources.clubs)
            lookup.clubs.emplace(club.team, &club);
    if (sources.players)
        for (const PlayerUsage& row : *sources.players)
            lookup.players.emplace(row.team + '\n' + row.player, &row);
    return lookup;
}

plate::Rates BattingRates(const LeagueSums& sums) {
    const plate::Counts& c = sums.batting;
    const double hitByPitch = sums.hitByPitchPlateAppearances > 0
                                  ? c.events[plate::HitByPitch] / sums.hitByPitchPlateAppearances
                                  : kUnrecordedHitByPitch;
    const double others = c.plateAppearances - c.events[plate::HitByPitch];
    plate::Rates rates{};
    for (int e = 0; e < plate::Count; ++e)
        rates[e] = others > 0 ? c.events[e] / others * (1.0 - hitByPitch) : 0;
    rates[plate::HitByPitch] = hitByPitch;
    return rates;
}

plate::Rates Shares(const plate::Counts& counts, const plate::Rates& otherwise) {
    if (counts.plateAppearances <= 0) return otherwise;
    plate::Rates rates{};
    for (int e = 0; e < plate::Count; ++e)
        rates[e] = counts.events[e] / counts.plateAppearances;
    return rates;
}

void AddBatting(LeagueSums& sums, const plate::Counts& counts) {
    plate::Counts known = counts;
    if (known.events[plate::HitByPitch] < 0) {
        known.events[plate::HitByPitch] = 0;
    } else {
        sums.hitByPitchPlateAppearances += counts.plateAppearances;
    }
    sums.batting += known;
}

// Hit batsmen the line did not record, at the league's share.
plate::Counts WithHitByPitch(plate::Counts counts, const plate::Rates& league) {
    if (counts.events[plate::HitByPitch] >= 0) return counts;
    const double share = league[plate::HitByPitch];
    counts.events[plate::HitByPitch] = counts.plateAppearances * share / (1.0 - share);
    counts.plateAppearances += counts.events[plate::HitByPitch];
    return counts;
}

LeagueContext ContextOf(const LeagueSums& sums) {
    LeagueContext league;
    league.year = sums.year;
    league.batting = BattingRates(sums);
    league.pitching = Shares(sums.pitching, league.batting);
    plate::Counts pitchers = sums.pitchersBatting;
    pitchers.events[plate::HitByPitch] = 0;
    pitchers.plateAppearances = 0;
    for (int e = 0; e < plate::Count; ++e)
        pitchers.plateAppearances += pitchers.events[e];
    league.pitchersBatting = Shares(pitchers, league.batting);
    for (int e = 0; e < plate::Count; ++e)
        league.odds[e] = plate::Odds(std::clamp(league.batting[e], 1e-9, 0.999));
    if (sums.games > 0) league.plateAppearancesPerGame = sums.batting.plateAppearances / sums.games;
    const bool clubs = sums.clubGames > 0 && sums.errors > 0;
    league.errorsPerGame = clubs ? sums.errors / sums.clubGames : EraErrorsPerGame(sums.year);
    if (sums.unearnedGames > 0) league.unearnedRunsPerGame = sums.unearned / sums.unearnedGames;
    league.doublePlaysPerGame = clubs && sums.doublePlays > 0 ? sums.doublePlays / sums.clubGames
                                                              : EraDoublePlaysPerGame(sums.year);
    league.caughtStealingRecorded = sums.caught > 0.05 * sums.stolen;
    league.stealSuccess = league.caughtStealingRecorded ? sums.stolen / (sums.stolen + sums.caught)
                                                        : kUnrecordedStealSuccess;
    const double onFirst = TimesOnFirst(sums.batting);
    if (onFirst > 0)
        league.stealAttempts = StealAttempts(sums.stolen, sums.caught, league) / onFirst;
    return league;
}

struct Placed {
    const TeamRecord* team;
    int league;
};

class Builder {
  public:
    Builder(const std::vector<const TeamRecord*>& teams, const RealisticSources& sources)
        : teams_(teams), lookup_(MakeLookup(sources)) {}

    std::shared_ptr<RealisticData> Build() {
        PlaceTeams();
        SumBatting();
        auto data = std::make_shared<RealisticData>();
        for (const LeagueSums& sums : sums_)
            data->leagues.push_back(ContextOf(sums));
        SumPitching(*data);
        for (std::size_t l = 0; l < sums_.size(); ++l)
            data->leagues[l].pitching = Shares(sums_[l].pitching, data->leagues[l].batting);
        data->neutral = Neutral();
        for (const Placed& placed : placed_)
            data->teams.emplace(placed.team->name, MakeTeam(*data, placed));
        CalibrateLeagues(*data);
        return data;
    }

  private:
    void CalibrateLeagues(RealisticData& data) const {
        std::vector<std::vector<Weighted>> batters(data.leagues.size()), pitchers(batters.size());
        for (const auto& [name, team] : data.teams) {
            if (team.league < 0) continue;
            const auto l = static_cast<std::size_t>(team.league);
            for (const PlayerModel& player : team.players) {
                batters[l].push_back({&player.batting, player.plateAppearances});
                pitchers[l].push_back({&player.pitching, player.battersFaced});
            }
        }
        for (std::size_t l = 0; l < data.leagues.size(); ++l)
            Calibrate(data.leagues[l], std::move(batters[l]), std::move(pitchers[l]));
    }

    void PlaceTeams() {
        std::unordered_map<std::string, int> leagues;
        for (const TeamRecord* team : teams_) {
            const auto season = lookup_.seasons.find(team->name);
            const int year = season != lookup_.seasons.end()
                                 ? season->second->year
                                 : std::atoi(TeamYear(team->name).c_str());
            const std::string league =
                season != lookup_.seasons.end() ? season->second->league : std::string();
            const auto [at, added] = leagues.emplace(std::to_string(year) + '|' + league,
                                                     static_cast<int>(sums_.size()));
            if (added) sums_.emplace_back().year = year;
            placed_.push_back({team, at->second});
            LeagueSums& sums = sums_[static_cast<std::size_t>(at->second)];
            if (season != lookup_.seasons.end()) sums.games += season->second->games;
            if (const ClubSeason* club = lookup_.Club(team->name)) {
                sums.clubGames += club->games;
                sums.errors += club->errors;
                if (club->earnedRuns > 0) {
                    sums.unearned += club->runsAllowed - club->earnedRuns;
                    sums.unearnedGames += club->games;
                }
                sums.doublePlays += std::max(0, club->doublePlays);
            }
        }
    }

    void SumBatting() {
        for (const Placed& placed : placed_) {
            LeagueSums& sums = sums_[static_cast<std::size_t>(placed.league)];
            for (const auto& player : placed.team->players) {
                const plate::Counts counts = BattingCounts(*player, Usage(*placed.team, *player));
                AddBatting(sums, counts);
                if (IsPitcher(*player)) sums.pitchersBatting += counts;
                sums.stolen += player->stolenBases;
                sums.caught += player->caughtStealing;
            }
        }
    }

    void SumPitching(const RealisticData& data) {
        for (const Placed& placed : placed_) {
            const LeagueContext& league = data.League(placed.league);
            LeagueSums& sums = sums_[static_cast<std::size_t>(placed.league)];
            for (const auto& player : placed.team->players) {
                sums.pitching += WithHitByPitch(
                    PitchingCounts(*player, Usage(*placed.team, *player), league.batting),
                    league.batting);
            }
        }
    }

    // The stated context of teams without a season: every league-season from 1901 pooled
    // (all of them when none is that late).
    LeagueContext Neutral() const {
        LeagueSums pooled;
        for (const LeagueSums& sums : sums_) {
            if (sums.year < 1901 && std::any_of(sums_.begin(), sums_.end(),
                                                [](const auto& s) { return s.year >= 1901; }))
                continue;
            pooled.year = std::max(pooled.year, sums.year);
            pooled.batting += sums.batting;
            pooled.hitByPitchPlateAppearances += sums.hitByPitchPlateAppearances;
            pooled.pitching += sums.pitching;
            pooled.pitchersBatting += sums.pitchersBatting;
            pooled.games += sums.games;
            pooled.clubGames += sums.clubGames;
            pooled.errors += sums.errors;
            pooled.doublePlays += sums.doublePlays;
            pooled.stolen += sums.stolen;
            pooled.caught += sums.caught;
        }
        if (pooled.batting.plateAppearances <= 0) return LeagueContext{};
        return ContextOf(pooled);
    }

    TeamContext MakeTeam(const RealisticData& data, const Placed& placed) const {
        TeamContext team;
        team.league = placed.league;
        const LeagueContext& league = data.League(placed.league);
        if (const ClubSeason* club = lookup_.Club(placed.team->name)) {
            team.battingParkFactor = club->battingParkFactor > 0 ? club->battingParkFactor : 100;
            team.pitchingParkFactor = club->pitchingParkFactor > 0 ? club->pitchingParkFactor : 100;
            if (club->games > 0) {
                team.errorFactor = ErrorFactor(*club, league);
                if (club->doublePlays > 0)
                    team.doublePlayFactor =
                        std::clamp(club->doublePlays / static_cast<double>(club->games) /
                                       league.doublePlaysPerGame,
                                   0.6, 1.6);
            }
        }
        team.staff = StaffRates(placed.team, league);
        for (const auto& player : placed.team->players) {
            team.byName.emplace(player->name, team.players.size());
            team.players.push_back(
                ModelPlayer(*player, Usage(*placed.team, *player), league, team));
        }
        return team;
    }

    plate::Rates StaffRates(const TeamRecord* team, const LeagueContext& league) const {
        plate::Counts staff;
        for (const auto& player : team->players)
            staff += WithHitByPitch(PitchingCounts(*player, Usage(*team, *player), league.batting),
                                    league.batting);
        return staff.plateAppearances > 0 ? Shares(staff, league.pitching) : plate::Rates{};
    }

    const PlayerUsage* Usage(const TeamRecord& team, const PlayerRecord& player) const {
        return lookup_.players.empty() ? nullptr : lookup_.Usage(team.name, player.name);
    }

    const std::vector<const TeamRecord*>& teams_;
    Lookup lookup_;
    std::vector<LeagueSums> sums_;
    std::vector<Placed> placed_;
};

}  // namespace

std::shared_ptr<RealisticData> BuildRealisticData(const std::vector<const TeamRecord*>& teams,
                                                  const RealisticSources& sources) {
    return Builder(teams, sources).Build();
}

}  // namespace velmoro
