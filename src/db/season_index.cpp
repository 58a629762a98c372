#include "db/season_index.h"

#include <algorithm>
#include <array>

#include "db/csv.h"
#include "db/csv_records.h"
#include "db/error_out.h"
#include "db/team_files.h"

namespace velmoro {

namespace {

constexpr std::size_t kColumns = 10;
constexpr std::array<std::string_view, kColumns> kColumnNames = {
    "team", "year", "league", "division", "games", "wins", "losses", "runs", "runs_allowed", "rank",
};

// The numbers of a record from its fields, in the order of the columns.
std::string ReadNumbers(const std::vector<std::string_view>& fields, SeasonRecord& s) {
    int* numbers[kColumns] = {nullptr, &s.year,   nullptr, nullptr,        &s.games,
                              &s.wins, &s.losses, &s.runs, &s.runsAllowed, &s.rank};
    for (std::size_t i = 0; i < kColumns; ++i)
        if (numbers[i] && !WholeNumber(fields[i], *numbers[i]))
            return NotAWholeNumber(kColumnNames[i], fields[i]);
    return {};
}

CsvRecordsFormat Format() {
    CsvRecordsFormat format;
    format.columns = kColumnNames;
    format.what = "a season index";
    format.record = "team-season";
    return format;
}

}  // namespace

std::filesystem::path SeasonIndexPathFor(const std::filesystem::path& database) {
    if (database.filename() == kLegendFileName)
        return database.parent_path() / kSeasonIndexFileName;
    std::filesystem::path index = database;
    index += kSeasonIndexSuffix;
    return index;
}

std::string SeasonRecordProblem(const SeasonRecord& s) {
    if (s.year < kFirstSeasonYear || s.year > kLastSeasonYear)
        return OutOfRange("year", s.year, kFirstSeasonYear, kLastSeasonYear);
    if (s.games < 0 || s.games > kMaxSeasonGames)
        return OutOfRange("games", s.games, 0, kMaxSeasonGames, " (games a team)");
    if (s.wins < 0 || s.wins > s.games)
        return OutOfRange("wins", s.wins, 0, s.games, " (the games)");
    if (s.losses < 0 || s.losses > s.games)
        return OutOfRange("losses", s.losses, 0, s.games, " (the games)");
    const int maxRuns = s.games * kMaxRunsPerGame;
    const char* perGame = " (100 a game)";
    if (s.runs < 0 || s.runs > maxRuns) return OutOfRange("runs", s.runs, 0, maxRuns, perGame);
    if (s.runsAllowed < 0 || s.runsAllowed > maxRuns)
        return OutOfRange("runs_allowed", s.runsAllowed, 0, maxRuns, perGame);
    if (s.rank < 0 || s.rank > kMaxRank) return OutOfRange("rank", s.rank, 0, kMaxRank, "");
    return {};
}

std::string SeasonIndexText(const std::vector<SeasonRecord>& seasons) {
    std::string out = std::string(kSeasonIndexHeader) + '\n';
    for (const SeasonRecord& s : seasons) {
        const std::string year = std::to_string(s.year), games = std::to_string(s.games),
                          wins = std::to_string(s.wins), losses = std::to_string(s.losses),
                          runs = std::to_string(s.runs), allowed = std::to_string(s.runsAllowed),
                          rank = std::to_string(s.rank);
        AppendCsvRecord(
            out, {s.team, year, s.league, s.division, games, wins, losses, runs, allowed, rank});
    }
    return out;
}

Status WriteSeasonIndex(const std::filesystem::path& path,
                        const std::vector<SeasonRecord>& seasons) {
    return WriteCsvFile(path, SeasonIndexText(seasons));
}

Status ParseSeasonIndex(std::string_view text, std::vector<SeasonRecord>& out) {
    out.clear();
    Status status = ReadCsvRecords(text, Format(), [&](const std::vector<std::string_view>& f) {
        SeasonRecord s{std::string(f[0]), 0, std::string(f[2]), std::string(f[3])};
        std::string problem = ReadNumbers(f, s);
        if (problem.empty()) problem = SeasonRecordProblem(s);
        if (problem.empty()) out.push_back(std::move(s));
        return problem;
    });
    if (!status) out.clear();
    return status;
}

bool LoadSeasonIndex(const std::filesystem::path& path, std::vector<SeasonRecord>& out,
                     std::string* error) {
    out.clear();
    Status loaded =
        LoadCsvRecords(path, [&](std::string_view text) { return ParseSeasonIndex(text, out); });
    if (!loaded) SetError(error, loaded.message());
    return loaded.ok();
}

}  // namespace velmoro
