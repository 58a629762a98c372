#include "import/import_season.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

#include <fmt/format.h>

#include "base/text.h"
#include "db/team_files.h"

namespace velmoro {
namespace {

// Reads blank-separated values the way the club file format defines them (whole
// numbers, decimals, a short word). Stops at the first value it cannot read, so the
// fields after it keep their zeros. Numbers of any size are taken without overflow
// and keep their low bits when stored.
class FieldScanner {
  public:
    explicit FieldScanner(std::string_view text) : text_(text) {}

    bool Whole(long long& value) {
        SkipBlanks();
        std::size_t start = pos_;
        bool negative = false;
        if (pos_ < text_.size() && (text_[pos_] == '-' || text_[pos_] == '+'))
            negative = text_[pos_++] == '-';
        std::size_t digits = pos_;
        unsigned long long magnitude = 0;
        while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_])))
            magnitude = magnitude * 10 + static_cast<unsigned>(text_[pos_++] - '0');
        if (pos_ == digits) {
            pos_ = start;
            return false;
        }
        value = static_cast<long long>(negative ? 0 - magnitude : magnitude);
        return true;
    }

    bool Decimal(float& value) {
        SkipBlanks();
        std::string rest(text_.substr(pos_));
        char* end = nullptr;
        value = std::strtof(rest.c_str(), &end);
        if (end == rest.c_str()) return false;
        pos_ += static_cast<std::size_t>(end - rest.c_str());
        return true;
    }

    // Up to `width` characters that are not blanks.
    bool Word(std::size_t width, std::string& value) {
        SkipBlanks();
        std::size_t start = pos_;
        while (pos_ < text_.size() && pos_ - start < width &&
               !std::isspace(static_cast<unsigned char>(text_[pos_])))
            ++pos_;
        value.assign(text_.substr(start, pos_ - start));
        return pos_ > start;
    }

  private:
    void SkipBlanks() {
        while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_])))
            ++pos_;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

template <class Field>
void Store(Field& field, long long value) {
    field = static_cast<Field>(static_cast<unsigned long long>(value));
}

// value × scale truncated toward zero, then its low 16 bits. The value is read in
// single precision and scaled in double precision, which is why 2.27 gives 226.
std::uint16_t ScaledTruncated(float value, double scale) {
    double scaled = static_cast<double>(value) * scale;
    if (!std::isfinite(scaled) || std::fabs(scaled) > 9.0e15) return 0;
    return static_cast<std::uint16_t>(
        static_cast<unsigned long long>(static_cast<long long>(scaled)));
}

bool Contains(std::string_view line, std::string_view text) {
    return line.find(text) != std::string_view::npos;
}

bool IsBlank(std::string_view line) {
    for (char c : line)
        if (!std::isspace(static_cast<unsigned char>(c))) return false;
    return true;
}

void InsertTeam(TeamList& list, std::unique_ptr<TeamRecord> team) {
    std::string previous = PreviousSeasonName(team->name);
    for (auto it = list.begin(); !previous.empty() && it != list.end(); ++it) {
        if ((*it)->name == previous) {
            list.insert(it + 1, std::move(team));
            return;
        }
    }
    list.push_back(std::move(team));
}

}  // namespace

std::uint8_t ParsePositionsLine(std::string_view line) {
    std::uint8_t bits = 0;
    if (Contains(line, "P")) bits |= Pitcher;
    if (Contains(line, "1B")) bits |= FirstBase;
    if (Contains(line, "2B")) bits |= SecondBase;
    if (Contains(line, "3B")) bits |= ThirdBase;
    if (Contains(line, "SS")) bits |= Shortstop;
    if (Contains(line, "RF") || Contains(line, "CF") || Contains(line, "LF")) bits |= Outfield;
    if (Contains(line, "C") && !Contains(line, "CF")) bits |= Catcher;
    return bits ? bits : static_cast<std::uint8_t>(NoPosition);
}

void ParseBattingLine(std::string_view line, PlayerRecord& p) {
    if (Contains(line, "NO_HIT_STATS") || line.empty()) return;
    FieldScanner in(line.substr(1));  // past the average's decimal point
    std::string average;
    if (!in.Word(3, average)) return;
    p.battingAvg = static_cast<std::uint16_t>(std::atoi(average.c_str()));
    long long v = 0;
    if (!in.Whole(v)) return;
    Store(p.games, v);
    if (!in.Whole(v)) return;
    Store(p.atBats, v);
    for (std::uint8_t* field : {&p.runs, &p.hits, &p.doubles, &p.triples, &p.homeRuns, &p.rbi,
                                &p.walks, &p.strikeouts, &p.stolenBases, &p.caughtStealing}) {
        if (!in.Whole(v)) return;
        Store(*field, v);
    }
}

std::unique_ptr<PitchingLine> ParsePitchingLine(std::string_view line) {
    if (Contains(line, "NO_PITCH_STATS")) return nullptr;
    auto l = std::make_unique<PitchingLine>();
    FieldScanner in(line);
    float f = 0;
    long long v = 0;
    if (!in.Decimal(f)) return l;
    l->eraX100 = ScaledTruncated(f, 100.0);
    for (std::uint8_t* field : {&l->wins, &l->losses, &l->saves, &l->games, &l->shutouts}) {
        if (!in.Whole(v)) return l;
        Store(*field, v);
    }
    if (!in.Decimal(f)) return l;
    l->inningsPitched = ScaledTruncated(f, 1.0);
    if (!in.Whole(v)) return l;
    Store(l->earnedRuns, v);
    if (!in.Whole(v)) return l;
    Store(l->walks, v);
    if (!in.Whole(v)) return l;
    Store(l->strikeouts, v);
    if (in.Decimal(f)) l->oppAvgX1000 = ScaledTruncated(f, 1000.0);
    return l;
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

bool ReadClubFile(const std::filesystem::path& path, TeamRecord& team,
                  std::vector<std::string>* warnings) {
    auto warn = [&](const std::string& text) {
        if (warnings) warnings->push_back(text);
    };
    auto skip = [&](const std::string& reason) {
        warn(fmt::format("skipped {}: {}", path.string(), reason));
        return false;
    };
    std::string text;
    if (Status read = ReadFileBytes(path, text); !read) return skip(read.message());
    const std::vector<std::string> lines = SplitLines(WithoutByteOrderMark(text));
    if (lines.empty() || IsBlank(lines[0])) return skip("empty");
    // fgets-style reading would cut a long line and read its rest as the next lines; a
    // name line this long is a file whose lines do not end with line feeds.
    auto tooLong = [&](std::size_t line, std::size_t max) {
        if (lines[line].size() <= max) return false;
        skip(fmt::format("line {} is {} bytes long, longer than a name ({} at most){}", line + 1,
                         lines[line].size(), max,
                         Contains(lines[line], "\r") ? "; its lines end with CR only" : ""));
        return true;
    };
    if (tooLong(0, kClubFileTeamNameMax)) return false;
    team.name = lines[0];
    team.players.clear();
    std::size_t i = 1;
    static const std::string kNoLine;
    auto next = [&]() -> const std::string& { return i < lines.size() ? lines[i++] : kNoLine; };
    while (i < lines.size()) {
        // A stray blank line (often a second separator at the end) is not a player.
        if (IsBlank(lines[i])) {
            ++i;
            continue;
        }
        if (tooLong(i, kClubFilePlayerNameMax)) return false;
        PlayerRecord& p = team.AddPlayer(PlayerRecord(next()));
        ParseBattingLine(next(), p);
        p.pitching = ParsePitchingLine(next());
        const std::string& positions = next();
        p.positions = ParsePositionsLine(positions);
        next();  // separator
        if (p.pitching && !p.HasPosition(Pitcher)) {
            // The database file keeps pitching lines of pitchers only.
            warn(
                fmt::format("{}: player \"{}\" has a pitching line but no P among the positions "
                            "\"{}\"; the pitching line is dropped",
                            path.string(), ShownValue(p.name), ShownValue(positions)));
            p.pitching.reset();
        }
    }
    return !team.players.empty() || skip("no players");
}

std::string PreviousSeasonName(std::string_view teamName) {
    if (teamName.size() < 5 || teamName[4] != ' ') return {};
    int year = 0;
    for (char c : teamName.substr(0, 4)) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return {};
        year = year * 10 + (c - '0');
    }
    if (year <= 1000) return {};
    return std::to_string(year - 1) + std::string(teamName.substr(4));
}

SeasonImportResult ImportSeasonTeams(TeamDatabase& db, const std::filesystem::path& sourceDir) {
    SeasonImportResult result;
    for (const char* file : kSeasonClubFiles) {
        auto read = std::make_unique<TeamRecord>();
        if (!ReadClubFile(sourceDir / file, *read, &result.warnings)) {
            result.skippedFiles.emplace_back(file);
            continue;
        }
        if (TeamRecord* existing = LookupTeam(db.legendTeams, read->name)) {
            // Same record, same place: only the players change.
            existing->players = std::move(read->players);
            ++result.replacedTeams;
        } else {
            InsertTeam(db.legendTeams, std::move(read));
            ++result.newTeams;
        }
    }
    return result;
}

}  // namespace velmoro
