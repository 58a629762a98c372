#include "import/lahman_import.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "base/text.h"
#include "db/team_files.h"
#include "import/lahman_csv.h"
#include "import/lahman_names.h"
#include "import/lahman_positions.h"
#include "import/lahman_side.h"

namespace velmoro {
namespace {

struct BattingSums {
    long games = 0, atBats = 0, runs = 0, hits = 0, doubles = 0, triples = 0, homeRuns = 0;
    long rbi = 0, stolenBases = 0, caughtStealing = 0, walks = 0, strikeouts = 0;
};

struct PitchingSums {
    int rows = 0;
    double era = NAN, baOpp = NAN;  // as the table gives them, for a single row
    long wins = 0, losses = 0, saves = 0, games = 0, shutouts = 0, outs = 0, hits = 0;
    long earnedRuns = 0, walks = 0, strikeouts = 0, battersFaced = 0, hitByPitch = 0;
    long sacrifices = 0;
};

// One player's season for one team, gathered from the three tables.
struct Stint {
    std::string playerId;
    BattingSums batting;
    PitchingSums pitching;
    FieldingGames fielding;
    long gamesAll = 0;
    bool hasAppearances = false;
    bool hasBatting = false;
    PlayerUsage usage;  // the side file's counts, summed over the stints
    std::size_t battingLine = 0, pitchingLine = 0;  // last row of each table, for messages
};

struct TeamSeason {
    int year = 0;
    std::string league, teamId, franchise, fullName;
    SeasonRecord standing;
    ClubSeason club;
    std::vector<Stint> stints;
    std::unordered_map<std::string, std::size_t> byPlayer;

    Stint& StintOf(std::string_view playerId) {
        auto [it, added] = byPlayer.try_emplace(std::string(playerId), stints.size());
        if (added) {
            stints.emplace_back();
            stints.back().playerId = playerId;
        }
        return stints[it->second];
    }
};

struct Person {
    std::string first, last;
    int birthYear = 0;
    char bats = ' ', throws = ' ';
};

// Column indexes of a table, looked up once; a missing column is an error.
class Columns {
  public:
    Columns(const CsvTable& table, std::string tableName)
        : table_(table), name_(std::move(tableName)) {}
    int operator()(const char* column) {
        int index = table_.Column(column);
        if (index < 0 && missing_.empty()) missing_ = name_ + " has no column " + column;
        return index;
    }
    const std::string& Missing() const { return missing_; }

  private:
    const CsvTable& table_;
    std::string name_;
    std::string missing_;
};

// Games at a position, indexed like kRegularPageNames.
int PageGames(const FieldingGames& f, std::size_t page) {
    const int games[kRegularPages] = {f.catcher,   f.firstBase, f.secondBase,
                                      f.shortstop, f.thirdBase, f.outfield};
    return games[page];
}

constexpr std::uint8_t kPageBits[kRegularPages] = {Catcher,   FirstBase, SecondBase,
                                                   Shortstop, ThirdBase, Outfield};

// A club of fewer players has so few to choose from that each of them is offered
// wherever he played.
constexpr std::size_t kSmallClub = 16;

// The outfield has three regulars, every other position one.
constexpr std::size_t RegularsAt(std::size_t page) {
    return page + 1 == kRegularPages ? 3 : 1;
}

class Importer {
  public:
    Importer(const LahmanImportOptions& options, LahmanImportResult& result, std::string* error)
        : options_(options), result_(result), error_(error) {}

    bool Run(const std::filesystem::path& dir, TeamList& out) {
        // Teams first: the other tables keep only rows of the chosen team-seasons.
        constexpr std::size_t kSteps = 6;
        std::size_t done = 0;
        auto step = [&](const char* file, auto read) {
            Progress(done++, kSteps);
            CsvTable table;
            file_ = file;
            return table.Load(dir / file, error_) && read(table);
        };
        bool read =
            step("Teams.csv", [this](const CsvTable& t) { return ReadTeams(t); }) &&
            step("People.csv", [this](const CsvTable& t) { return ReadPeople(t); }) &&
            step("Batting.csv", [this](const CsvTable& t) { return ReadBatting(t); }) &&
            step("Pitching.csv", [this](const CsvTable& t) { return ReadPitching(t); }) &&
            step("Appearances.csv", [this](const CsvTable& t) { return ReadAppearances(t); });
        if (!read) return false;
        BuildTeams(out);
        Progress(kSteps, kSteps);
        return true;
    }

  private:
    void Progress(std::size_t done, std::size_t total) {
        if (options_.progress) options_.progress(done, total);
    }

    bool Fail(const std::string& message) {
        if (error_) *error_ = message;
        return false;
    }

    void Warn(std::size_t line, std::string_view column, const std::string& what) {
        std::string where = std::string(file_) + " line " + std::to_string(line);
        if (!column.empty()) where += ", column " + std::string(column);
        result_.warnings.push_back(where + ": " + what);
    }

    // The counts of one row in `values`; false, with a warning, when a field is not a
    // count: the row is then left out whole.
    template <std::size_t N>
    bool RowCounts(const CsvTable& t, std::size_t r, const std::array<int, N>& columns,
                   const std::array<const char*, N>& names, std::array<long, N>& values) {
        for (std::size_t i = 0; i < N; ++i) {
            if (t.Count(r, columns[i], values[i])) continue;
            Warn(t.Line(r), names[i],
                 "\"" + ShownValue(t.Field(r, columns[i]), 40) + "\" is not a count; row left out");
            return false;
        }
        return true;
    }

    // A repeated key: false, with a warning, for the second and later rows.
    bool FirstRow(std::unordered_set<std::string>& seen, std::string key, std::size_t line,
                  std::string_view what) {
        if (seen.insert(std::move(key)).second) return true;
        Warn(line, {}, "a second row for " + std::string(what) + "; row left out");
        return false;
    }

    bool InRange(long year) const { return year >= options_.fromYear && year <= options_.toYear; }

    TeamSeason* Find(long year, std::string_view teamId) {
        auto it = teamIndex_.find(std::to_string(year) + std::string(teamId));
        return it == teamIndex_.end() ? nullptr : &teams_[it->second];
    }

    bool ReadTeams(const CsvTable& t) {
        Columns c(t, "Teams.csv");
        int year = c("yearID"), league = c("lgID"), team = c("teamID"), franchise = c("franchID"),
            name = c("name"), division = c("divID");
        const std::array<const char*, 6> names = {"Rank", "G", "W", "L", "R", "RA"};
        std::array<int, 6> columns;
        for (std::size_t i = 0; i < names.size(); ++i)
            columns[i] = c(names[i]);
        if (!c.Missing().empty()) return Fail(c.Missing());
        const SideCounts<ClubSeason> side = Side(t, TeamsSideColumns());
        for (std::size_t r = 0; r < t.Rows(); ++r) {
            if (!InRange(t.Int(r, year))) continue;
            std::array<long, 6> v;
            if (!RowCounts(t, r, columns, names, v)) continue;
            TeamSeason s;
            s.year = static_cast<int>(t.Int(r, year));
            s.teamId = t.Field(r, team);
            std::string key = std::to_string(s.year) + s.teamId;
            if (teamIndex_.count(key)) {
                Warn(t.Line(r), {},
                     "a second row for " + std::to_string(s.year) + " " + s.teamId +
                         "; row left out");
                continue;
            }
            s.league = t.Field(r, league);
            s.franchise = t.Field(r, franchise);
            s.fullName = t.Field(r, name);
            auto small = [](long value) {
                return static_cast<int>(std::min<long>(value, std::numeric_limits<int>::max()));
            };
            s.standing = {{},          s.year,      s.league,    std::string(t.Field(r, division)),
                          small(v[1]), small(v[2]), small(v[3]), small(v[4]),
                          small(v[5]), small(v[0])};
            // The index written from these rows is read back with the same rule.
            if (const std::string problem = SeasonRecordProblem(s.standing); !problem.empty()) {
                Warn(t.Line(r), {}, problem + "; row left out");
                continue;
            }
            AddSide(side, t, r, true, s.club);
            teamIndex_.emplace(std::move(key), teams_.size());
            teams_.push_back(std::move(s));
        }
        return true;
    }

    bool ReadPeople(const CsvTable& t) {
        Columns c(t, "People.csv");
        int id = c("playerID"), first = c("nameFirst"), last = c("nameLast"), born = c("birthYear");
        if (!c.Missing().empty()) return Fail(c.Missing());
        const int bats = t.Column("bats"), throws = t.Column("throws");
        if (bats < 0 || throws < 0)
            NoSideFiles(std::string("has no column ") + (bats < 0 ? "bats" : "throws"));
        for (std::size_t r = 0; r < t.Rows(); ++r)
            people_.emplace(std::string(t.Field(r, id)),
                            Person{std::string(t.Field(r, first)), std::string(t.Field(r, last)),
                                   static_cast<int>(t.Int(r, born)), BatsLetter(t.Field(r, bats)),
                                   ThrowsLetter(t.Field(r, throws))});
        return true;
    }

    bool ReadBatting(const CsvTable& t) {
        Columns c(t, "Batting.csv");
        int id = c("playerID"), year = c("yearID"), team = c("teamID"), stint = c("stint");
        constexpr std::array<long BattingSums::*, 12> fields = {
            &BattingSums::games,          &BattingSums::atBats,  &BattingSums::runs,
            &BattingSums::hits,           &BattingSums::doubles, &BattingSums::triples,
            &BattingSums::homeRuns,       &BattingSums::rbi,     &BattingSums::stolenBases,
            &BattingSums::caughtStealing, &BattingSums::walks,   &BattingSums::strikeouts,
        };
        const std::array<const char*, 12> names = {"G",  "AB",  "R",  "H",  "X2B", "X3B",
                                                   "HR", "RBI", "SB", "CS", "BB",  "SO"};
        std::array<int, 12> columns;
        for (std::size_t i = 0; i < names.size(); ++i)
            columns[i] = c(names[i]);
        if (!c.Missing().empty()) return Fail(c.Missing());
        const SideCounts<PlayerUsage> side = Side(t, BattingSideColumns());
        std::unordered_set<std::string> seen;
        for (std::size_t r = 0; r < t.Rows(); ++r) {
            TeamSeason* s =
                InRange(t.Int(r, year)) ? Find(t.Int(r, year), t.Field(r, team)) : nullptr;
            if (!s) continue;
            std::array<long, 12> v;
            if (!RowCounts(t, r, columns, names, v)) continue;
            std::string key = std::string(t.Field(r, id)) + " " + std::to_string(s->year) +
                              " stint " + std::string(t.Field(r, stint));
            if (!FirstRow(seen, key, t.Line(r), key)) continue;
            Stint& st = s->StintOf(t.Field(r, id));
            AddSide(side, t, r, !st.hasBatting, st.usage);
            st.hasBatting = true;
            st.battingLine = t.Line(r);
            for (std::size_t i = 0; i < fields.size(); ++i)
                st.batting.*fields[i] += v[i];
        }
        return true;
    }

    bool ReadPitching(const CsvTable& t) {
        Columns c(t, "Pitching.csv");
        int id = c("playerID"), year = c("yearID"), team = c("teamID"), stint = c("stint"),
            era = c("ERA"), baOpp = c("BAOpp");
        constexpr std::array<long PitchingSums::*, 14> fields = {
            &PitchingSums::wins,       &PitchingSums::losses,       &PitchingSums::saves,
            &PitchingSums::games,      &PitchingSums::shutouts,     &PitchingSums::outs,
            &PitchingSums::hits,       &PitchingSums::earnedRuns,   &PitchingSums::walks,
            &PitchingSums::strikeouts, &PitchingSums::battersFaced, &PitchingSums::hitByPitch,
            &PitchingSums::sacrifices, &PitchingSums::sacrifices,
        };
        const std::array<const char*, 14> names = {"W",  "L",  "SV", "G",   "SHO", "IPouts", "H",
                                                   "ER", "BB", "SO", "BFP", "HBP", "SH",     "SF"};
        std::array<int, 14> columns;
        for (std::size_t i = 0; i < names.size(); ++i)
            columns[i] = c(names[i]);
        if (!c.Missing().empty()) return Fail(c.Missing());
        const SideCounts<PlayerUsage> side = Side(t, PitchingSideColumns());
        std::unordered_set<std::string> seen;
        for (std::size_t r = 0; r < t.Rows(); ++r) {
            TeamSeason* s =
                InRange(t.Int(r, year)) ? Find(t.Int(r, year), t.Field(r, team)) : nullptr;
            if (!s) continue;
            std::array<long, 14> v;
            if (!RowCounts(t, r, columns, names, v)) continue;
            double eraValue = t.Number(r, era), baOppValue = t.Number(r, baOpp);
            bool junk = false;
            for (auto [column, value, label] :
                 {std::tuple{era, eraValue, "ERA"}, std::tuple{baOpp, baOppValue, "BAOpp"}}) {
                if (junk || !std::isnan(value) || t.Field(r, column).empty()) continue;
                Warn(
                    t.Line(r), label,
                    "\"" + ShownValue(t.Field(r, column), 40) + "\" is not a number; row left out");
                junk = true;
            }
            if (junk) continue;
            std::string key = std::string(t.Field(r, id)) + " " + std::to_string(s->year) +
                              " stint " + std::string(t.Field(r, stint));
            if (!FirstRow(seen, key, t.Line(r), key)) continue;
            Stint& st = s->StintOf(t.Field(r, id));
            AddSide(side, t, r, st.pitching.rows == 0, st.usage);
            st.pitchingLine = t.Line(r);
            PitchingSums& p = st.pitching;
            for (std::size_t i = 0; i < fields.size(); ++i)
                p.*fields[i] += v[i];
            // A second stint for the same club: the rates come from the summed counts.
            p.era = p.rows == 0 ? eraValue : NAN;
            p.baOpp = p.rows == 0 ? baOppValue : NAN;
            ++p.rows;
        }
        return true;
    }

    bool ReadAppearances(const CsvTable& t) {
        Columns c(t, "Appearances.csv");
        int id = c("playerID"), year = c("yearID"), team = c("teamID");
        const std::array<const char*, 11> names = {"G_all", "G_p",  "G_c",  "G_1b", "G_2b", "G_3b",
                                                   "G_ss",  "G_of", "G_lf", "G_cf", "G_rf"};
        std::array<int, 11> columns;
        for (std::size_t i = 0; i < names.size(); ++i)
            columns[i] = c(names[i]);
        if (!c.Missing().empty()) return Fail(c.Missing());
        const SideCounts<PlayerUsage> side = Side(t, AppearancesSideColumns());
        std::unordered_set<std::string> seen;
        for (std::size_t r = 0; r < t.Rows(); ++r) {
            TeamSeason* s =
                InRange(t.Int(r, year)) ? Find(t.Int(r, year), t.Field(r, team)) : nullptr;
            if (!s) continue;
            std::array<long, 11> v;
            if (!RowCounts(t, r, columns, names, v)) continue;
            std::string key =
                std::string(t.Field(r, id)) + " " + std::to_string(s->year) + " " + s->teamId;
            if (!FirstRow(seen, key, t.Line(r), key)) continue;
            Stint& stint = s->StintOf(t.Field(r, id));
            AddSide(side, t, r, true, stint.usage);
            stint.hasAppearances = true;
            stint.gamesAll = v[0];
            auto games = [](long value) {
                return static_cast<int>(std::min<long>(value, std::numeric_limits<int>::max()));
            };
            FieldingGames& f = stint.fielding;
            f.pitcher = games(v[1]);
            f.catcher = games(v[2]);
            f.firstBase = games(v[3]);
            f.secondBase = games(v[4]);
            f.thirdBase = games(v[5]);
            f.shortstop = games(v[6]);
            f.outfield = games(std::max(v[7], v[8] + v[9] + v[10]));
        }
        return true;
    }

    // The side files are written only when every table has their columns.
    void NoSideFiles(const std::string& why) {
        if (result_.noSideFiles.empty()) result_.noSideFiles = std::string(file_) + " " + why;
    }
    template <class Record>
    SideCounts<Record> Side(const CsvTable& t, std::span<const SideColumn<Record>> columns) {
        SideCounts<Record> side(t, columns);
        if (!side.Missing().empty()) NoSideFiles("has no column " + side.Missing());
        return side;
    }
    template <class Record>
    void AddSide(const SideCounts<Record>& side, const CsvTable& t, std::size_t r, bool first,
                 Record& record) {
        if (const char* bad = side.Add(t, r, first, record))
            Warn(t.Line(r), bad,
                 "\"" + ShownValue(t.Field(r, t.Column(bad)), 40) +
                     "\" is not a count; read as empty");
    }
    void AddUsage(const Stint& s, const std::string& teamName, const std::string& name);

    void BuildTeams(TeamList& out);
    void BuildTeam(TeamSeason& t, const std::string& teamName, TeamList& out);
    PlayerRecord MakePlayer(const Stint& stint, const std::string& teamName);

    // `value` cut to what `Field` holds, with a warning when it is more.
    template <class Field>
    Field Fit(long value, const char* file, std::size_t line, const char* column,
              const std::string& who) {
        constexpr long kMax = std::numeric_limits<Field>::max();
        if (value <= kMax) return static_cast<Field>(value);
        result_.warnings.push_back(std::string(file) + " line " + std::to_string(line) +
                                   ", column " + column + ": " + who + " has " +
                                   std::to_string(value) + ", past the field's " +
                                   std::to_string(kMax) + "; kept as " + std::to_string(kMax));
        return static_cast<Field>(kMax);
    }

    const LahmanImportOptions& options_;
    LahmanImportResult& result_;
    std::string* error_;
    const char* file_ = "";
    std::vector<TeamSeason> teams_;
    std::unordered_map<std::string, std::size_t> teamIndex_;
    std::unordered_map<std::string, Person> people_;
};

std::uint16_t Rounded(double value) {
    return static_cast<std::uint16_t>(std::clamp<long>(std::lround(value), 0, 0xFFFF));
}

// The lineup pages list a team's players by batting average, best first, and offer
// the first who can play the position. A part-timer who hit better than the regular
// (a backup catcher, a .400 call-up, a pitcher with two hits in three at-bats) would
// be offered first everywhere, the designated hitter's page included. So a player who
// was none of the club's regulars carries his average only up to one point below the
// weakest regular's (a pitcher two points below, after the position players); his
// counts stay as they were, so he plays as he hit.
void CapPartTimeAverages(const TeamSeason& t, const std::vector<std::uint8_t>& regular,
                         const std::vector<std::size_t>& keep, std::vector<PlayerRecord>& players);

// Mainly a pitcher: he pitched in at least as many games as he played anywhere else.
bool MainlyPitcher(const Stint& s) {
    if (s.pitching.rows == 0) return false;
    if (!s.hasAppearances) return true;
    const FieldingGames& f = s.fielding;
    return f.pitcher >=
           std::max({f.catcher, f.firstBase, f.secondBase, f.thirdBase, f.shortstop, f.outfield});
}

void CapPartTimeAverages(const TeamSeason& t, const std::vector<std::uint8_t>& regular,
                         const std::vector<std::size_t>& keep, std::vector<PlayerRecord>& players) {
    int weakest = -1;
    for (std::size_t j : keep)
        if (regular[j] && players[j].atBats > 0 && (weakest < 0 || players[j].battingAvg < weakest))
            weakest = players[j].battingAvg;
    if (weakest < 0) return;
    for (std::size_t j : keep) {
        if (regular[j] || players[j].atBats == 0) continue;
        const int cap = std::max(0, weakest - (MainlyPitcher(t.stints[j]) ? 2 : 1));
        if (players[j].battingAvg > cap) players[j].battingAvg = static_cast<std::uint16_t>(cap);
    }
}

// The player's season as the tables give it, named by his player code until the
// team's names are settled; no position bits yet.
PlayerRecord Importer::MakePlayer(const Stint& s, const std::string& teamName) {
    const std::string who = teamName + ", player " + s.playerId;
    PlayerRecord p(s.playerId);
    const BattingSums& b = s.batting;
    if (b.atBats > 0) {
        const std::size_t at = s.battingLine;
        auto fit8 = [&](long value, const char* column) {
            return Fit<std::uint8_t>(value, "Batting.csv", at, column, who);
        };
        p.atBats = Fit<std::uint16_t>(b.atBats, "Batting.csv", at, "AB", who);
        p.battingAvg = Rounded(b.hits * 1000.0 / b.atBats);
        p.games = fit8(b.games, "G");
        p.runs = fit8(b.runs, "R");
        // Hits keep their low byte where EffectiveHits gives them back (a 262-hit season
        // reads right); past that they are cut like any other count.
        constexpr long kReadBack = 256 + 9;
        p.hits = b.hits > 0xFF && b.hits <= kReadBack && b.atBats > 500
                     ? static_cast<std::uint8_t>(b.hits & 0xFF)
                     : fit8(b.hits, "H");
        p.doubles = fit8(b.doubles, "X2B");
        p.triples = fit8(b.triples, "X3B");
        p.homeRuns = fit8(b.homeRuns, "HR");
        p.rbi = fit8(b.rbi, "RBI");
        p.stolenBases = fit8(b.stolenBases, "SB");
        p.caughtStealing = fit8(b.caughtStealing, "CS");
        p.walks = fit8(b.walks, "BB");
        p.strikeouts = fit8(b.strikeouts, "SO");
    }
    if (s.pitching.rows > 0) {
        const PitchingSums& q = s.pitching;
        const std::size_t at = s.pitchingLine;
        auto fit8 = [&](long value, const char* column) {
            return Fit<std::uint8_t>(value, "Pitching.csv", at, column, who);
        };
        auto fit16 = [&](long value, const char* column) {
            return Fit<std::uint16_t>(value, "Pitching.csv", at, column, who);
        };
        auto line = std::make_unique<PitchingLine>();
        line->eraX100 = EraX100(q.era, q.earnedRuns, q.outs);
        line->wins = fit8(q.wins, "W");
        line->losses = fit8(q.losses, "L");
        line->saves = fit8(q.saves, "SV");
        line->games = fit8(q.games, "G");
        line->shutouts = fit8(q.shutouts, "SHO");
        line->earnedRuns = fit8(q.earnedRuns, "ER");
        line->inningsPitched = fit16(q.outs / 3, "IPouts");
        line->walks = fit16(q.walks, "BB");
        line->strikeouts = fit16(q.strikeouts, "SO");
        line->oppAvgX1000 = OppAvgX1000(q.baOpp, q.hits, q.battersFaced, q.walks, q.hitByPitch,
                                        q.sacrifices, q.outs);
        p.pitching = std::move(line);
    }
    return p;
}

// The player's line of the side file. A player missing from a table gets its counts
// as nothing (no batting, no pitching), or, without an appearances row, his games from
// the other tables and the starts unknown.
void Importer::AddUsage(const Stint& s, const std::string& teamName, const std::string& name) {
    if (!result_.noSideFiles.empty()) return;
    PlayerUsage u = s.usage;
    if (!s.hasBatting)
        u.atBats = u.hits = u.hitByPitch = u.sacrificeHits = u.sacrificeFlies = u.groundedIntoDp =
            0;
    if (s.pitching.rows == 0)
        u.pitchGames = u.pitchStarts = u.gamesFinished = u.completeGames = u.saves = u.outsPitched =
            u.battersFaced = u.hitsAllowed = u.homeRunsAllowed = u.walksAllowed =
                u.strikeoutsPitched = u.hitBatsmen = u.runsAllowed = u.earnedRuns = 0;
    if (!s.hasAppearances) {
        u.games = static_cast<int>(
            std::min<long>(std::max(s.batting.games, s.pitching.games), kMaxSeasonGames));
        u.gamesPitcher = u.pitchGames;
        u.gamesStarted = u.gamesDh = u.gamesPinchHitter = kNotRecorded;
    }
    u.team = teamName;
    u.player = name;
    u.id = s.playerId;
    if (auto it = people_.find(s.playerId); it != people_.end()) {
        u.bats = it->second.bats;
        u.throws = it->second.throws;
    }
    result_.players.push_back(std::move(u));
}

void Importer::BuildTeams(TeamList& out) {
    // A team-season without a single player in Batting is a table cut short, not a club.
    std::vector<TeamSeason> kept;
    std::map<int, std::vector<std::string>> empty;
    for (TeamSeason& t : teams_) {
        bool batting = std::any_of(t.stints.begin(), t.stints.end(),
                                   [](const Stint& s) { return s.hasBatting; });
        if (batting)
            kept.push_back(std::move(t));
        else
            empty[t.year].push_back(t.teamId);
    }
    teams_ = std::move(kept);
    for (const auto& [year, ids] : empty) {
        std::string line = std::to_string(year) + ": " + std::to_string(ids.size()) +
                           (ids.size() == 1 ? " team" : " teams") + " without players in Batting (";
        for (std::size_t i = 0; i < ids.size(); ++i)
            line += (i ? ", " : "") + ids[i];
        result_.leftOut.push_back(line + "), left out");
    }

    std::vector<SeasonClub> clubs;
    for (const TeamSeason& t : teams_)
        clubs.push_back(
            {t.year, ClubNickname(t.fullName), t.league, t.teamId, ClubCity(t.fullName)});
    std::vector<std::string> names = UniqueTeamNames(clubs);
    // Franchises in the order of their first season, each franchise's seasons in order.
    std::map<std::string, int> firstSeason;
    for (const TeamSeason& t : teams_) {
        auto [it, added] = firstSeason.try_emplace(t.franchise, t.year);
        if (!added) it->second = std::min(it->second, t.year);
    }
    std::vector<std::size_t> order(teams_.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const TeamSeason &x = teams_[a], &y = teams_[b];
        return std::tie(firstSeason[x.franchise], x.franchise, x.year, x.teamId) <
               std::tie(firstSeason[y.franchise], y.franchise, y.year, y.teamId);
    });
    for (std::size_t i : order)
        BuildTeam(teams_[i], names[i], out);
}

void Importer::BuildTeam(TeamSeason& t, const std::string& teamName, TeamList& out) {
    // Regulars first: most games for the club, then the player code.
    std::sort(t.stints.begin(), t.stints.end(), [](const Stint& a, const Stint& b) {
        long ga = std::max({a.gamesAll, a.batting.games, a.pitching.games});
        long gb = std::max({b.gamesAll, b.batting.games, b.pitching.games});
        return ga != gb ? ga > gb : a.playerId < b.playerId;
    });
    const std::size_t n = t.stints.size();
    // The regulars: the leaders in games at each position, the top three in the outfield.
    std::vector<std::uint8_t> regular(n, 0);
    for (std::size_t page = 0; page < kRegularPages; ++page) {
        std::vector<int> games;
        for (const Stint& s : t.stints)
            games.push_back(PageGames(s.fielding, page));
        std::vector<int> sorted = games;
        std::sort(sorted.begin(), sorted.end(), std::greater<>());
        const std::size_t k = std::min(RegularsAt(page), sorted.size());
        const int least = k ? sorted[k - 1] : 0;
        for (std::size_t j = 0; j < n; ++j)
            if (games[j] > 0 && games[j] >= least) regular[j] |= kPageBits[page];
    }

    std::vector<PlayerRecord> players;
    for (const Stint& s : t.stints)
        players.push_back(MakePlayer(s, teamName));

    auto assignBits = [&](int minGames) {
        for (std::size_t j = 0; j < n; ++j) {
            FieldingGames games = t.stints[j].fielding;
            // Without an appearances row the pitching games are all we know of his fielding.
            if (!t.stints[j].hasAppearances)
                games.pitcher =
                    static_cast<int>(std::min<long>(t.stints[j].pitching.games, 0xFFFF));
            players[j].positions =
                PositionBits(games, players[j].pitching != nullptr, regular[j], minGames);
        }
    };
    auto heldBits = [&](const std::vector<std::size_t>& held) {
        std::vector<std::uint8_t> bits;
        for (std::size_t j : held)
            bits.push_back(players[j].positions);
        return bits;
    };
    assignBits(kPositionBitGames);
    // The club holds what the database change window's Save keeps of an unedited
    // history (qualifying players), and its regulars whatever their games.
    std::vector<std::size_t> keep, everyone;
    for (std::size_t j = 0; j < n; ++j) {
        everyone.push_back(j);
        if (regular[j] || IsQualifyingPlayer(players[j])) keep.push_back(j);
    }
    // A small club, or one whose regulars doubled up, cannot always field a side from
    // its regular positions alone: there every position a player took counts, and
    // when even that leaves a place empty, every player is held. A side that can be
    // fielded is a playable team.
    if (keep.size() < kSmallClub || !CoversTheField(heldBits(keep))) {
        assignBits(1);
        if (!CoversTheField(heldBits(keep))) keep = everyone;
    }
    CapPartTimeAverages(t, regular, keep, players);

    std::vector<PersonName> people;
    for (std::size_t j : keep) {
        auto it = people_.find(t.stints[j].playerId);
        Person p = it == people_.end() ? Person{} : it->second;
        people.push_back({p.first, p.last, p.birthYear, t.stints[j].playerId});
    }
    std::vector<std::string> playerNames = UniquePlayerNames(people);
    std::vector<std::string> nameOf(n);
    TeamRecord& team = AddTeam(out, teamName);
    for (std::size_t k = 0; k < keep.size(); ++k) {
        nameOf[keep[k]] = playerNames[k];
        AddUsage(t.stints[keep[k]], teamName, playerNames[k]);
        PlayerRecord& p = team.AddPlayer(std::move(players[keep[k]]));
        p.name = playerNames[k];
    }
    if (result_.noSideFiles.empty()) {
        result_.clubs.push_back(t.club);
        result_.clubs.back().team = teamName;
        result_.clubs.back().year = t.year;
        result_.clubs.back().league = t.league;
    }
    LahmanSeason season;
    season.standing = t.standing;
    season.standing.team = teamName;
    for (std::size_t page = 0; page < kRegularPages; ++page)
        for (std::size_t j = 0; j < n; ++j)
            if (regular[j] & kPageBits[page]) season.regulars[page].push_back(nameOf[j]);
    result_.seasons.push_back(std::move(season));
    t.stints.clear();
    t.byPlayer.clear();
}

}  // namespace

std::uint16_t EraX100(double era, long earnedRuns, long outs) {
    if (std::isfinite(era)) return Rounded(era * 100.0);
    if (outs > 0) return Rounded(earnedRuns * 2700.0 / outs);
    // Runs without an out: an endless ERA, kept as the largest the field holds so
    // that he sorts after every real one.
    return earnedRuns > 0 ? 0xFFFF : 0;
}

std::uint16_t OppAvgX1000(double baOpp, long hits, long battersFaced, long walks, long hitByPitch,
                          long sacrifices, long outs) {
    if (std::isfinite(baOpp)) return Rounded(baOpp * 1000.0);
    long atBats = battersFaced > 0 ? battersFaced - walks - hitByPitch - sacrifices : 0;
    // Old seasons lack batters faced: outs plus hits comes close to the at-bats.
    if (atBats <= 0) atBats = outs + hits;
    return atBats > 0 ? Rounded(hits * 1000.0 / atBats) : 0;
}

bool ImportLahman(const std::filesystem::path& csvDir, const LahmanImportOptions& options,
                  TeamList& out, LahmanImportResult* result, std::string* error) {
    LahmanImportResult local;
    Importer importer(options, result ? *result : local, error);
    return importer.Run(csvDir, out);
}

}  // namespace velmoro
