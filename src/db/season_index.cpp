#include "db/season_index.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <unordered_map>

#include "base/text.h"
#include "db/csv.h"
#include "db/error_out.h"
#include "db/file_write.h"
#include "db/team_files.h"

namespace velmoro {

namespace {

constexpr std::size_t kColumns = 10;
constexpr std::array<std::string_view, kColumns> kColumnNames = {
    "team", "year", "league", "division", "games", "wins", "losses", "runs", "runs_allowed", "rank",
};

bool WholeNumber(std::string_view text, int& value) {
    if (text.empty() || text.front() < '0' || text.front() > '9') return false;
    auto [end, failure] = std::from_chars(text.data(), text.data() + text.size(), value);
    return failure == std::errc() && end == text.data() + text.size();
}

std::string OutOfRange(const char* column, int value, int last, const char* bound) {
    return std::string("column ") + column + ": " + std::to_string(value) + " is not in 0.." +
           std::to_string(last) + bound;
}

// The numbers of a record from its fields, in the order of the columns.
std::string ReadNumbers(const std::vector<std::string_view>& fields, SeasonRecord& s) {
    int* numbers[kColumns] = {nullptr, &s.year,   nullptr, nullptr,        &s.games,
                              &s.wins, &s.losses, &s.runs, &s.runsAllowed, &s.rank};
    for (std::size_t i = 0; i < kColumns; ++i)
        if (numbers[i] && !WholeNumber(fields[i], *numbers[i]))
            return "column " + std::string(kColumnNames[i]) + ": \"" + ShownValue(fields[i], 40) +
                   "\" is not a whole number";
    return {};
}

// Reads the records after the header; "line N: ..." for the first that is refused.
std::string ReadRecords(CsvReader& reader, std::vector<SeasonRecord>& out) {
    std::vector<std::string_view> fields;
    std::unordered_map<std::string_view, std::size_t> lineOf;
    for (fields.clear(); reader.Next(fields); fields.clear()) {
        const std::string at = "line " + std::to_string(reader.Line()) + ": ";
        if (reader.QuoteNeverClosed()) return at + "a quote is never closed";
        if (fields.size() == 1 && fields[0].empty()) continue;  // blank line
        if (fields.size() != kColumns)
            return at + std::to_string(fields.size()) + " fields instead of " +
                   std::to_string(kColumns);
        if (fields[0].empty()) return at + "no team name";
        SeasonRecord s{std::string(fields[0]), 0, std::string(fields[2]), std::string(fields[3])};
        std::string problem = ReadNumbers(fields, s);
        if (problem.empty()) problem = SeasonRecordProblem(s);
        if (!problem.empty()) return at + problem;
        if (auto [first, added] = lineOf.try_emplace(fields[0], reader.Line()); !added)
            return at + "column team: \"" + ShownValue(fields[0]) + "\" is on line " +
                   std::to_string(first->second) + " already";
        out.push_back(std::move(s));
    }
    if (out.empty()) return "no team-season after the header line";
    return {};
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
        return "column year: " + std::to_string(s.year) + " is not in " +
               std::to_string(kFirstSeasonYear) + ".." + std::to_string(kLastSeasonYear);
    if (s.games < 0 || s.games > kMaxSeasonGames)
        return OutOfRange("games", s.games, kMaxSeasonGames, " (games a team)");
    if (s.wins < 0 || s.wins > s.games) return OutOfRange("wins", s.wins, s.games, " (the games)");
    if (s.losses < 0 || s.losses > s.games)
        return OutOfRange("losses", s.losses, s.games, " (the games)");
    const int maxRuns = s.games * kMaxRunsPerGame;
    const char* perGame = " (100 a game)";
    if (s.runs < 0 || s.runs > maxRuns) return OutOfRange("runs", s.runs, maxRuns, perGame);
    if (s.runsAllowed < 0 || s.runsAllowed > maxRuns)
        return OutOfRange("runs_allowed", s.runsAllowed, maxRuns, perGame);
    if (s.rank < 0 || s.rank > kMaxRank) return OutOfRange("rank", s.rank, kMaxRank, "");
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
    std::string error;
    if (ReplaceFileContents(path, SeasonIndexText(seasons), &error)) return OkStatus();
    return Status::Error(error);
}

Status ParseSeasonIndex(std::string_view text, std::vector<SeasonRecord>& out) {
    out.clear();
    if (WithoutByteOrderMark(text).empty()) return Status::Error("empty, not a season index");
    if (Status lengths = CheckCsvLineLengths(text); !lengths) return lengths;
    std::string copy(text);
    CsvReader reader(copy);
    std::vector<std::string_view> header;
    reader.Next(header);
    if (reader.QuoteNeverClosed() ||
        !std::equal(header.begin(), header.end(), kColumnNames.begin(), kColumnNames.end()))
        return Status::Error(std::string("line 1: not a season index (the first line must be ") +
                             kSeasonIndexHeader + ")");
    if (std::string problem = ReadRecords(reader, out); !problem.empty()) {
        out.clear();
        return Status::Error(problem);
    }
    return OkStatus();
}

bool LoadSeasonIndex(const std::filesystem::path& path, std::vector<SeasonRecord>& out,
                     std::string* error) {
    out.clear();
    std::string text;
    if (Status read = ReadCsvFile(path, text); !read) {
        SetError(error, read.message());
        return false;
    }
    if (Status parsed = ParseSeasonIndex(text, out); !parsed) {
        SetError(error, ShownValue(path.string(), kShownPathBytes) + ": " + parsed.message());
        return false;
    }
    return true;
}

}  // namespace velmoro
