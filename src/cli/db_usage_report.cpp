// usage-report: every season of a LegendDB replayed (seed 7, the classic engine) and set
// against the players' real seasons of its side file: pitchers' share of the plate
// appearances, regulars' plate appearances, starters' starts, innings and strikeout
// leaders.
#include <fmt/format.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <unordered_map>

#include "cli/db_commands.h"
#include "db/player_usage.h"
#include "db/season_index.h"
#include "db/team_files.h"
#include "season/season_teams.h"
#include "season/season_usage.h"

namespace velmoro {

namespace {

constexpr std::uint32_t kReportSeed = 7;
constexpr double kPitcherShareGap = 1.5;  // points
constexpr int kRegularPlateAppearances = 300;
constexpr double kPlateAppearanceGap = 0.15;
constexpr int kStarterStarts = 20;
constexpr int kStartsGap = 3;
constexpr int kMostStarts = 45;
constexpr std::array<int, 2> kLeaderYears{1927, 2019};

int Known(int count) {
    return count == kNotRecorded ? 0 : count;
}

using UsageLookup =
    std::unordered_map<std::string, std::unordered_map<std::string, const PlayerUsage*>>;

struct Ratio {
    long hits = 0, total = 0;
    void Add(bool hit) {
        hits += hit ? 1 : 0;
        ++total;
    }
    std::string Text() const {
        return fmt::format("{} of {} ({:.1f}%)", hits, total, total ? 100.0 * hits / total : 0.0);
    }
};

struct LeagueShare {
    std::string name;
    double replay = 0, real = 0;
};

struct Tally {
    Ratio pitcherShare, regulars, starters;
    std::vector<LeagueShare> shares;
    long dhPitcherPlateAppearances = 0, dhRealPitcherPlateAppearances = 0;
    double regularRatio = 0;  // replayed over real plate appearances, summed
    long regularsOver = 0;    // beyond the mark above the real ones
    int dhLeagues = 0;
    int overMostStarts = 0;
    std::string leaders;
};

// One player of the replay beside his real season.
struct Pair {
    const PlayerUsage* row;
    const PlayerRecord* record;
    const PlayerSeason* replay;
};

int RealPlateAppearances(const Pair& p) {
    return p.row->atBats + p.record->walks + Known(p.row->hitByPitch) +
           Known(p.row->sacrificeHits) + Known(p.row->sacrificeFlies);
}

bool IsPitcher(const PlayerUsage& row) {
    return row.gamesPitcher * 2 > row.games;
}

std::vector<Pair> Pairs(const Season& season, const SeasonResults& results,
                        const UsageLookup& lookup, int team) {
    std::vector<Pair> pairs;
    const TeamRecord& record = *season.teams[team].team;
    const auto rows = lookup.find(record.name);
    if (rows == lookup.end()) return pairs;
    for (const PlayerSeason& p : results.players) {
        if (p.team != team) continue;
        const PlayerRecord& player = *record.players[p.player];
        const auto row = rows->second.find(player.name);
        if (row != rows->second.end()) pairs.push_back({row->second, &player, &p});
    }
    return pairs;
}

void CountPlayers(const std::vector<Pair>& pairs, int year, Tally& tally) {
    for (const Pair& p : pairs) {
        const int real = RealPlateAppearances(p);
        if (real >= kRegularPlateAppearances)
            tally.regularRatio += static_cast<double>(p.replay->batting.plateAppearances) / real,
                tally.regularsOver +=
                p.replay->batting.plateAppearances > (1 + kPlateAppearanceGap) * real;
        if (real >= kRegularPlateAppearances)
            tally.regulars.Add(std::abs(p.replay->batting.plateAppearances - real) <=
                               kPlateAppearanceGap * real);
        if (p.row->pitchStarts >= kStarterStarts)
            tally.starters.Add(std::abs(p.replay->pitching.starts - p.row->pitchStarts) <=
                               kStartsGap);
        if (year > 1920 && p.replay->pitching.starts > kMostStarts) ++tally.overMostStarts;
    }
}

std::string LeaderLine(const std::vector<Pair>& pairs, const char* title,
                       int (*replay)(const Pair&), int (*real)(const Pair&), bool innings) {
    const auto best = [&](int (*of)(const Pair&)) {
        return std::max_element(pairs.begin(), pairs.end(),
                                [&](const Pair& a, const Pair& b) { return of(a) < of(b); });
    };
    const auto shown = [&](int value) {
        return innings ? fmt::format("{}.{}", value / 3, value % 3) : std::to_string(value);
    };
    const auto r = best(replay), t = best(real);
    return fmt::format("    {:<11} replay {} {} ({} real), real {} {} ({} in the replay)\n", title,
                       r->record->name, shown(replay(*r)), shown(real(*r)), t->record->name,
                       shown(real(*t)), shown(replay(*t)));
}

void MeasureLeague(const Season& season, const SeasonResults& results, const UsageLookup& lookup,
                   const std::vector<int>& league, Tally& tally) {
    std::vector<Pair> pairs;
    for (int team : league) {
        const std::vector<Pair> more = Pairs(season, results, lookup, team);
        pairs.insert(pairs.end(), more.begin(), more.end());
    }
    CountPlayers(pairs, season.year, tally);
    double realAll = 0, realPitchers = 0, replayAll = 0, replayPitchers = 0;
    for (const Pair& p : pairs) {
        const bool pitcher = IsPitcher(*p.row);
        realAll += RealPlateAppearances(p);
        replayAll += p.replay->batting.plateAppearances;
        if (!pitcher) continue;
        realPitchers += RealPlateAppearances(p);
        replayPitchers += p.replay->batting.plateAppearances;
    }
    const std::string& code = season.teams[league.front()].league;
    if (season.designatedHitter && season.designatedHitter(code)) {
        ++tally.dhLeagues;
        tally.dhPitcherPlateAppearances += static_cast<long>(replayPitchers);
        tally.dhRealPitcherPlateAppearances += static_cast<long>(realPitchers);
    } else if (realAll > 0 && replayAll > 0) {
        const LeagueShare share{fmt::format("{} {}", season.year, code),
                                100 * replayPitchers / replayAll, 100 * realPitchers / realAll};
        tally.pitcherShare.Add(std::abs(share.replay - share.real) <= kPitcherShareGap);
        tally.shares.push_back(share);
    }
    if (std::find(kLeaderYears.begin(), kLeaderYears.end(), season.year) == kLeaderYears.end() ||
        pairs.empty())
        return;
    tally.leaders += fmt::format("  {} {}\n", season.year, code);
    tally.leaders += LeaderLine(
        pairs, "innings", [](const Pair& p) { return p.replay->pitching.outs; },
        [](const Pair& p) { return p.row->outsPitched; }, true);
    tally.leaders += LeaderLine(
        pairs, "strikeouts", [](const Pair& p) { return p.replay->pitching.strikeouts; },
        [](const Pair& p) { return p.row->strikeoutsPitched; }, false);
}

void PrintTally(const UsageReportOptions& options, int seasons, Tally& tally) {
    fmt::print("Usage report: {}, {} seasons, seed {}, classic engine, {}\n", options.legendFile,
               seasons, kReportSeed,
               options.plain ? "the wizard's defaults" : "the clubs' usage plans");
    fmt::print("Pitchers' share of plate appearances within {} points of the real one: {}\n",
               kPitcherShareGap, tally.pitcherShare.Text());
    double gap = 0;
    for (const LeagueShare& s : tally.shares)
        gap += std::abs(s.replay - s.real);
    if (!tally.shares.empty())
        fmt::print("  mean difference {:.2f} points\n", gap / tally.shares.size());
    for (const LeagueShare& s : tally.shares)
        if (s.name == "1927 AL" || s.name == "2019 NL")
            fmt::print("  {}: replay {:.1f}%, real {:.1f}%\n", s.name, s.replay, s.real);
    std::stable_sort(tally.shares.begin(), tally.shares.end(), [](const auto& a, const auto& b) {
        return std::abs(a.replay - a.real) > std::abs(b.replay - b.real);
    });
    for (std::size_t i = 0; i < std::min<std::size_t>(5, tally.shares.size()); ++i)
        fmt::print("  far: {} replay {:.1f}%, real {:.1f}%\n", tally.shares[i].name,
                   tally.shares[i].replay, tally.shares[i].real);
    fmt::print(
        "  with a designated hitter: {} plate appearances of pitchers in {} league-seasons "
        "(real {})\n",
        tally.dhPitcherPlateAppearances, tally.dhLeagues, tally.dhRealPitcherPlateAppearances);
    fmt::print("Players with {}+ real plate appearances within {:.0f}% of them: {}\n",
               kRegularPlateAppearances, 100 * kPlateAppearanceGap, tally.regulars.Text());
    if (tally.regulars.total > 0)
        fmt::print("  replayed over real plate appearances, mean {:.3f}; {} more than 15% over\n",
                   tally.regularRatio / tally.regulars.total, tally.regularsOver);
    fmt::print("Pitchers with {}+ real starts within {} of them: {}\n", kStarterStarts, kStartsGap,
               tally.starters.Text());
    fmt::print("Pitchers over {} starts after 1920: {}\n", kMostStarts, tally.overMostStarts);
    if (!tally.leaders.empty()) fmt::print("Leaders\n{}", tally.leaders);
}

}  // namespace

int RunUsageReport(const UsageReportOptions& options) {
    TeamList teams;
    std::string error;
    std::vector<SeasonRecord> index;
    std::vector<PlayerUsage> rows;
    if (!ReadTeamFile(options.legendFile, teams, &error) ||
        !LoadSeasonIndex(SeasonIndexPathFor(options.legendFile), index, &error)) {
        fmt::print(stderr, "velmoro-db: {}\n", error);
        return 1;
    }
    if (Status loaded = LoadPlayerUsage(PlayerUsagePathFor(options.legendFile), rows); !loaded) {
        fmt::print(stderr, "velmoro-db: {}\n", loaded.message());
        return 1;
    }
    UsageLookup lookup;
    for (const PlayerUsage& row : rows)
        lookup[row.team].emplace(row.player, &row);
    Tally tally;
    int seasons = 0;
    for (int year : IndexYears(index)) {
        if ((options.from && year < *options.from) || (options.to && year > *options.to)) continue;
        Season season;
        std::vector<std::string> notes;
        if (!SeasonFromIndex(index, teams, year, "", 0, season, notes)) continue;
        std::string note;
        if (!options.plain) season.usage = PlanSeasonUsage(season, rows, note);
        if (!options.plain && !season.usage) fmt::print(stderr, "velmoro-db: {} {}\n", year, note);
        SeasonRunOptions run;
        run.seed = kReportSeed;
        SeasonResults results;
        if (Status played = PlaySeason(season, run, results); !played) {
            fmt::print(stderr, "velmoro-db: {} season: {}\n", year, played.message());
            return 1;
        }
        for (const std::vector<int>& league : SeasonLeagues(season))
            MeasureLeague(season, results, lookup, league, tally);
        ++seasons;
    }
    PrintTally(options, seasons, tally);
    return 0;
}

}  // namespace velmoro
