#include "db/season_index.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string_view>

#include "db/error_out.h"
#include "db/team_files.h"

namespace velmoro {

namespace {

constexpr std::size_t kColumns = 10;
constexpr std::array<const char*, kColumns> kColumnNames = {
    "team", "year", "league", "division", "games", "wins", "losses", "runs", "runs_allowed", "rank",
};

std::string Quoted(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string out = "\"";
    for (char c : text)
        out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

// Splits one line into its fields; false for a quote that is never closed.
bool SplitLine(std::string_view line, std::vector<std::string>& fields) {
    fields.assign(1, std::string());
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == ',') {
            fields.emplace_back();
        } else if (line[i] == '"' && fields.back().empty()) {
            for (++i;; ++i) {
                if (i >= line.size()) return false;
                if (line[i] == '"') {
                    if (i + 1 < line.size() && line[i + 1] == '"') {
                        fields.back() += '"';
                        ++i;
                        continue;
                    }
                    break;
                }
                fields.back() += line[i];
            }
        } else {
            fields.back() += line[i];
        }
    }
    return true;
}

bool WholeNumber(const std::string& text, int& value) {
    if (text.empty() || text.front() < '0' || text.front() > '9') return false;
    auto [end, failure] = std::from_chars(text.data(), text.data() + text.size(), value);
    return failure == std::errc() && end == text.data() + text.size();
}

std::string Shown(const std::string& text) {
    constexpr std::size_t kShown = 40;
    return "\"" + PrintableName(text.substr(0, kShown)) + (text.size() > kShown ? "...\"" : "\"");
}

}  // namespace

std::string SeasonIndexText(const std::vector<SeasonRecord>& seasons) {
    std::ostringstream out;
    out << kSeasonIndexHeader << '\n';
    for (const SeasonRecord& s : seasons)
        out << Quoted(s.team) << ',' << s.year << ',' << Quoted(s.league) << ','
            << Quoted(s.division) << ',' << s.games << ',' << s.wins << ',' << s.losses << ','
            << s.runs << ',' << s.runsAllowed << ',' << s.rank << '\n';
    return out.str();
}

bool WriteSeasonIndex(const std::filesystem::path& path, const std::vector<SeasonRecord>& seasons,
                      std::string* error) {
    if (ReplaceFileContents(path, SeasonIndexText(seasons))) return true;
    SetError(error, "cannot write " + path.string());
    return false;
}

bool ParseSeasonIndex(std::string_view text, std::vector<SeasonRecord>& out, std::string* error) {
    out.clear();
    std::vector<std::string> fields;
    std::size_t lineNumber = 0;
    auto fail = [&](const std::string& why) {
        out.clear();
        SetError(error, "line " + std::to_string(lineNumber) + ": " + why);
        return false;
    };
    while (!text.empty()) {
        ++lineNumber;
        std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (lineNumber == 1) {
            if (line != kSeasonIndexHeader)
                return fail(std::string("not a season index (the first line must be ") +
                            kSeasonIndexHeader + ")");
            continue;
        }
        if (line.empty()) continue;
        if (!SplitLine(line, fields)) return fail("a quote is never closed");
        if (fields.size() != kColumns)
            return fail(std::to_string(fields.size()) + " fields instead of " +
                        std::to_string(kColumns));
        SeasonRecord s;
        s.team = fields[0];
        s.league = fields[2];
        s.division = fields[3];
        if (s.team.empty()) return fail("no team name");
        int* numbers[] = {&s.year,   nullptr, nullptr,        &s.games, &s.wins,
                          &s.losses, &s.runs, &s.runsAllowed, &s.rank};
        for (std::size_t i = 1; i < kColumns; ++i) {
            int* target = numbers[i - 1];
            if (target && !WholeNumber(fields[i], *target))
                return fail(std::string("column ") + kColumnNames[i] + ": " + Shown(fields[i]) +
                            " is not a whole number");
        }
        out.push_back(std::move(s));
    }
    if (lineNumber == 0) {
        SetError(error, "empty, not a season index");
        return false;
    }
    return true;
}

bool LoadSeasonIndex(const std::filesystem::path& path, std::vector<SeasonRecord>& out,
                     std::string* error) {
    out.clear();
    std::ifstream in(path, std::ios::binary);
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        SetError(error, "cannot read " + path.string() + ": it is a folder");
        return false;
    }
    if (!in) {
        SetError(error, "cannot read " + path.string() + ": " + std::strerror(errno));
        return false;
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad()) {
        SetError(error, "cannot read " + path.string());
        return false;
    }
    std::string why;
    if (!ParseSeasonIndex(bytes.str(), out, &why)) {
        SetError(error, path.string() + ": " + why);
        return false;
    }
    return true;
}

}  // namespace velmoro
