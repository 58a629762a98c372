#include "import/lahman_import.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "import/lahman_csv.h"
#include "import/lahman_names.h"
#include "import/lahman_positions.h"

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
};

struct TeamSeason {
    int year = 0;
    std::string league, teamId, franchise, fullName, name;
    std::vector<Stint> stints;
    std::unordered_map<std::string, std::size_t> byPlayer;

    Stint& StintOf(std::string_view playerId) {
        auto [it, added] = byPlayer.try_emplace(std::string(playerId), stints.size());
        if (added) stints.push_back(Stint{std::string(playerId), {}, {}, {}, 0, false});
        return stints[it->second];
    }
};

struct Person {
    std::string first, last;
    int birthYear = 0;
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

class Importer {
  public:
    Importer(const LahmanImportOptions& options, std::string* error)
        : options_(options), error_(error) {}

    bool Run(const std::filesystem::path& dir, TeamList& out) {
        // Teams first: the other tables keep only rows of the chosen team-seasons.
        constexpr std::size_t kSteps = 6;
        std::size_t done = 0;
        auto step = [&](const char* file, auto read) {
            Progress(done++, kSteps);
            CsvTable table;
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

    bool InRange(long year) const { return year >= options_.fromYear && year <= options_.toYear; }

    TeamSeason* Find(long year, std::string_view teamId) {
        auto it = teamIndex_.find(std::to_string(year) + std::string(teamId));
        return it == teamIndex_.end() ? nullptr : &teams_[it->second];
    }

    bool ReadTeams(const CsvTable& t) {
        Columns c(t, "Teams.csv");
        int year = c("yearID"), league = c("lgID"), team = c("teamID"), franchise = c("franchID"),
            name = c("name");
        if (!c.Missing().empty()) return Fail(c.Missing());
        for (std::size_t r = 0; r < t.Rows(); ++r) {
            if (!InRange(t.Int(r, year))) continue;
            TeamSeason s;
            s.year = static_cast<int>(t.Int(r, year));
            s.league = t.Field(r, league);
            s.teamId = t.Field(r, team);
            s.franchise = t.Field(r, franchise);
            s.fullName = t.Field(r, name);
            teamIndex_.emplace(std::to_string(s.year) + s.teamId, teams_.size());
            teams_.push_back(std::move(s));
        }
        return true;
    }

    bool ReadPeople(const CsvTable& t) {
        Columns c(t, "People.csv");
        int id = c("playerID"), first = c("nameFirst"), last = c("nameLast"), born = c("birthYear");
        if (!c.Missing().empty()) return Fail(c.Missing());
        for (std::size_t r = 0; r < t.Rows(); ++r)
            people_.emplace(std::string(t.Field(r, id)),
                            Person{std::string(t.Field(r, first)), std::string(t.Field(r, last)),
                                   static_cast<int>(t.Int(r, born))});
        return true;
    }

    bool ReadBatting(const CsvTable& t) {
        Columns c(t, "Batting.csv");
        int id = c("playerID"), year = c("yearID"), team = c("teamID");
        const std::pair<long BattingSums::*, int> fields[] = {
            {&BattingSums::games, c("G")},        {&BattingSums::atBats, c("AB")},
            {&BattingSums::runs, c("R")},         {&BattingSums::hits, c("H")},
            {&BattingSums::doubles, c("X2B")},    {&BattingSums::triples, c("X3B")},
            {&BattingSums::homeRuns, c("HR")},    {&BattingSums::rbi, c("RBI")},
            {&BattingSums::stolenBases, c("SB")}, {&BattingSums::caughtStealing, c("CS")},
            {&BattingSums::walks, c("BB")},       {&BattingSums::strikeouts, c("SO")},
        };
        if (!c.Missing().empty()) return Fail(c.Missing());
        for (std::size_t r = 0; r < t.Rows(); ++r) {
            TeamSeason* s =
                InRange(t.Int(r, year)) ? Find(t.Int(r, year), t.Field(r, team)) : nullptr;
            if (!s) continue;
            BattingSums& b = s->StintOf(t.Field(r, id)).batting;
            for (const auto& [field, column] : fields)
                b.*field += t.Int(r, column);
        }
        return true;
    }

    bool ReadPitching(const CsvTable& t) {
        Columns c(t, "Pitching.csv");
        int id = c("playerID"), year = c("yearID"), team = c("teamID"), era = c("ERA"),
            baOpp = c("BAOpp");
        const std::pair<long PitchingSums::*, int> fields[] = {
            {&PitchingSums::wins, c("W")},           {&PitchingSums::losses, c("L")},
            {&PitchingSums::saves, c("SV")},         {&PitchingSums::games, c("G")},
            {&PitchingSums::shutouts, c("SHO")},     {&PitchingSums::outs, c("IPouts")},
            {&PitchingSums::hits, c("H")},           {&PitchingSums::earnedRuns, c("ER")},
            {&PitchingSums::walks, c("BB")},         {&PitchingSums::strikeouts, c("SO")},
            {&PitchingSums::battersFaced, c("BFP")}, {&PitchingSums::hitByPitch, c("HBP")},
        };
        int sh = c("SH"), sf = c("SF");
        if (!c.Missing().empty()) return Fail(c.Missing());
        for (std::size_t r = 0; r < t.Rows(); ++r) {
            TeamSeason* s =
                InRange(t.Int(r, year)) ? Find(t.Int(r, year), t.Field(r, team)) : nullptr;
            if (!s) continue;
            PitchingSums& p = s->StintOf(t.Field(r, id)).pitching;
            for (const auto& [field, column] : fields)
                p.*field += t.Int(r, column);
            p.sacrifices += t.Int(r, sh) + t.Int(r, sf);
            // A second stint for the same club: the rates come from the summed counts.
            p.era = p.rows == 0 ? t.Number(r, era) : NAN;
            p.baOpp = p.rows == 0 ? t.Number(r, baOpp) : NAN;
            ++p.rows;
        }
        return true;
    }

    bool ReadAppearances(const CsvTable& t) {
        Columns c(t, "Appearances.csv");
        int id = c("playerID"), year = c("yearID"), team = c("teamID"), all = c("G_all");
        const std::pair<int FieldingGames::*, int> fields[] = {
            {&FieldingGames::pitcher, c("G_p")},    {&FieldingGames::catcher, c("G_c")},
            {&FieldingGames::firstBase, c("G_1b")}, {&FieldingGames::secondBase, c("G_2b")},
            {&FieldingGames::thirdBase, c("G_3b")}, {&FieldingGames::shortstop, c("G_ss")},
        };
        int of = c("G_of"), lf = c("G_lf"), cf = c("G_cf"), rf = c("G_rf");
        if (!c.Missing().empty()) return Fail(c.Missing());
        for (std::size_t r = 0; r < t.Rows(); ++r) {
            TeamSeason* s =
                InRange(t.Int(r, year)) ? Find(t.Int(r, year), t.Field(r, team)) : nullptr;
            if (!s) continue;
            Stint& stint = s->StintOf(t.Field(r, id));
            stint.hasAppearances = true;
            stint.gamesAll += t.Int(r, all);
            for (const auto& [field, column] : fields)
                stint.fielding.*field += static_cast<int>(t.Int(r, column));
            long outfield = std::max(t.Int(r, of), t.Int(r, lf) + t.Int(r, cf) + t.Int(r, rf));
            stint.fielding.outfield += static_cast<int>(outfield);
        }
        return true;
    }

    void BuildTeams(TeamList& out);
    PlayerRecord MakePlayer(const Stint& stint, std::string name) const;

    const LahmanImportOptions& options_;
    std::string* error_;
    std::vector<TeamSeason> teams_;
    std::unordered_map<std::string, std::size_t> teamIndex_;
    std::unordered_map<std::string, Person> people_;
};

template <class Field>
Field Low(long value) {
    return static_cast<Field>(static_cast<unsigned long>(value));
}

std::uint16_t Rounded(double value) {
    return Low<std::uint16_t>(std::lround(value));
}

PlayerRecord Importer::MakePlayer(const Stint& s, std::string name) const {
    PlayerRecord p(std::move(name));
    const BattingSums& b = s.batting;
    if (b.atBats > 0) {
        p.atBats = Low<std::uint16_t>(b.atBats);
        p.battingAvg = Rounded(b.hits * 1000.0 / b.atBats);
        p.games = Low<std::uint8_t>(b.games);
        p.runs = Low<std::uint8_t>(b.runs);
        p.hits = Low<std::uint8_t>(b.hits);
        p.doubles = Low<std::uint8_t>(b.doubles);
        p.triples = Low<std::uint8_t>(b.triples);
        p.homeRuns = Low<std::uint8_t>(b.homeRuns);
        p.rbi = Low<std::uint8_t>(b.rbi);
        p.stolenBases = Low<std::uint8_t>(b.stolenBases);
        p.caughtStealing = Low<std::uint8_t>(b.caughtStealing);
        p.walks = Low<std::uint8_t>(b.walks);
        p.strikeouts = Low<std::uint8_t>(b.strikeouts);
    }
    FieldingGames fielding = s.fielding;
    if (s.pitching.rows > 0) {
        const PitchingSums& q = s.pitching;
        auto line = std::make_unique<PitchingLine>();
        line->eraX100 = EraX100(q.era, q.earnedRuns, q.outs);
        line->wins = Low<std::uint8_t>(q.wins);
        line->losses = Low<std::uint8_t>(q.losses);
        line->saves = Low<std::uint8_t>(q.saves);
        line->games = Low<std::uint8_t>(q.games);
        line->shutouts = Low<std::uint8_t>(q.shutouts);
        line->earnedRuns = Low<std::uint8_t>(q.earnedRuns);
        line->inningsPitched = Low<std::uint16_t>(q.outs / 3);
        line->walks = Low<std::uint16_t>(q.walks);
        line->strikeouts = Low<std::uint16_t>(q.strikeouts);
        line->oppAvgX1000 = OppAvgX1000(q.baOpp, q.hits, q.battersFaced, q.walks, q.hitByPitch,
                                        q.sacrifices, q.outs);
        p.pitching = std::move(line);
        // Without an appearances row the pitching games are all we know of his fielding.
        if (!s.hasAppearances) fielding.pitcher = static_cast<int>(q.games);
    }
    p.positions = PositionBits(fielding, p.pitching != nullptr);
    return p;
}

void Importer::BuildTeams(TeamList& out) {
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
    for (std::size_t i : order) {
        TeamSeason& t = teams_[i];
        // Regulars first: most games for the club, then the player code.
        std::sort(t.stints.begin(), t.stints.end(), [](const Stint& a, const Stint& b) {
            long ga = std::max({a.gamesAll, a.batting.games, a.pitching.games});
            long gb = std::max({b.gamesAll, b.batting.games, b.pitching.games});
            return ga != gb ? ga > gb : a.playerId < b.playerId;
        });
        std::vector<PersonName> people;
        for (const Stint& s : t.stints) {
            auto it = people_.find(s.playerId);
            Person p = it == people_.end() ? Person{} : it->second;
            people.push_back({p.first, p.last, p.birthYear, s.playerId});
        }
        std::vector<std::string> playerNames = UniquePlayerNames(people);
        TeamRecord& team = AddTeam(out, names[i]);
        for (std::size_t k = 0; k < t.stints.size(); ++k)
            team.AddPlayer(MakePlayer(t.stints[k], playerNames[k]));
        t.stints.clear();
        t.byPlayer.clear();
    }
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
                  TeamList& out, std::string* error) {
    Importer importer(options, error);
    return importer.Run(csvDir, out);
}

}  // namespace velmoro
