// The clubs' side file beside a team database: each team-season's totals, its park and
// its defence, for the realistic engine's league rates and park and fielding factors.
// Optional like the season index; the engine sums LegendDB when it is absent.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "base/status.h"
#include "db/player_usage.h"  // kNotRecorded

namespace velmoro {

// "Clubs.csv" beside LegendDB, "DATABASE.clubs.csv" beside any other database.
inline constexpr const char* kClubSeasonFileName = "Clubs.csv";
inline constexpr const char* kClubSeasonSuffix = ".clubs.csv";
std::filesystem::path ClubSeasonPathFor(const std::filesystem::path& database);

// One team-season as the Teams table gives it. `team` is the database's name; year and
// league are those of the season index. Counts a source lacks are kNotRecorded.
// What the reader takes: the year as the season index does, games 0..kMaxSeasonGames,
// other counts 0..kMaxClubCount, park factors 1..kMaxParkFactor.
inline constexpr int kMaxClubCount = 99999;
inline constexpr int kMaxParkFactor = 999;

struct ClubSeason {
    std::string team;
    int year = 0;
    std::string league;
    int games = 0, homeGames = kNotRecorded;
    // Batting.
    int runs = 0, atBats = 0, hits = 0, doubles = 0, triples = 0, homeRuns = 0, walks = 0;
    int strikeouts = kNotRecorded, stolenBases = kNotRecorded, caughtStealing = kNotRecorded;
    int hitByPitch = kNotRecorded, sacrificeFlies = kNotRecorded;
    // Pitching and defence.
    int runsAllowed = 0, earnedRuns = 0, outsPitched = 0, hitsAllowed = 0, homeRunsAllowed = 0;
    int walksAllowed = 0, strikeoutsPitched = 0, errors = 0, doublePlays = kNotRecorded;
    // Park factors, 100 neutral (batters', pitchers').
    int battingParkFactor = 100, pitchingParkFactor = 100;

    bool operator==(const ClubSeason&) const = default;
};

std::string ClubSeasonText(const std::vector<ClubSeason>& clubs);
Status WriteClubSeasons(const std::filesystem::path& path, const std::vector<ClubSeason>& clubs);
// As LoadPlayerUsage: file, line and column of the first bad field; a repeated team refused.
Status LoadClubSeasons(const std::filesystem::path& path, std::vector<ClubSeason>& out);
Status ParseClubSeasons(std::string_view text, std::vector<ClubSeason>& out);

}  // namespace velmoro
