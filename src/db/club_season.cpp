#include "db/club_season.h"

#include <array>

#include "db/csv_columns.h"
#include "db/season_index.h"
#include "db/team_files.h"

namespace velmoro {

namespace {

using C = ClubSeason;
using Column = CsvColumn<C>;

constexpr Column Count(std::string_view name, int C::*number, bool mayBeEmpty = false) {
    return Column::Number(name, number, 0, kMaxClubCount, mayBeEmpty);
}
constexpr Column Games(std::string_view name, int C::*number, bool mayBeEmpty = false) {
    return Column::Number(name, number, 0, kMaxSeasonGames, mayBeEmpty);
}
constexpr Column ParkFactor(std::string_view name, int C::*number) {
    return Column::Number(name, number, 1, kMaxParkFactor);
}
constexpr bool kMayBeEmpty = true;

// The file's columns, in the order of the record's fields.
constexpr std::array<Column, 28> kColumns = {
    Column::Text("team", &C::team),
    Column::Number("year", &C::year, kFirstSeasonYear, kLastSeasonYear),
    Column::Text("league", &C::league),
    Games("games", &C::games),
    Games("home_games", &C::homeGames, kMayBeEmpty),
    Count("runs", &C::runs),
    Count("at_bats", &C::atBats),
    Count("hits", &C::hits),
    Count("doubles", &C::doubles),
    Count("triples", &C::triples),
    Count("home_runs", &C::homeRuns),
    Count("walks", &C::walks),
    Count("strikeouts", &C::strikeouts, kMayBeEmpty),
    Count("stolen_bases", &C::stolenBases, kMayBeEmpty),
    Count("caught_stealing", &C::caughtStealing, kMayBeEmpty),
    Count("hit_by_pitch", &C::hitByPitch, kMayBeEmpty),
    Count("sacrifice_flies", &C::sacrificeFlies, kMayBeEmpty),
    Count("runs_allowed", &C::runsAllowed),
    Count("earned_runs", &C::earnedRuns),
    Count("outs_pitched", &C::outsPitched),
    Count("hits_allowed", &C::hitsAllowed),
    Count("home_runs_allowed", &C::homeRunsAllowed),
    Count("walks_allowed", &C::walksAllowed),
    Count("strikeouts_pitched", &C::strikeoutsPitched),
    Count("errors", &C::errors),
    Count("double_plays", &C::doublePlays, kMayBeEmpty),
    ParkFactor("batting_park_factor", &C::battingParkFactor),
    ParkFactor("pitching_park_factor", &C::pitchingParkFactor),
};

CsvRecordsFormat Format() {
    CsvRecordsFormat format;
    format.what = "a clubs' side file";
    format.record = "team-season";
    return format;
}

}  // namespace

std::filesystem::path ClubSeasonPathFor(const std::filesystem::path& database) {
    if (database.filename() == kLegendFileName) return database.parent_path() / kClubSeasonFileName;
    std::filesystem::path file = database;
    file += kClubSeasonSuffix;
    return file;
}

std::string ClubSeasonText(const std::vector<ClubSeason>& clubs) {
    return CsvColumnsText<C>(kColumns, clubs);
}

Status WriteClubSeasons(const std::filesystem::path& path, const std::vector<ClubSeason>& clubs) {
    return WriteCsvFile(path, ClubSeasonText(clubs));
}

Status LoadClubSeasons(const std::filesystem::path& path, std::vector<ClubSeason>& out) {
    out.clear();
    return LoadCsvRecords(path, [&](std::string_view text) { return ParseClubSeasons(text, out); });
}

Status ParseClubSeasons(std::string_view text, std::vector<ClubSeason>& out) {
    return ParseCsvColumns<C>(text, kColumns, Format(), out);
}

}  // namespace velmoro
