#include "season/season_usage.h"

#include <algorithm>
#include <memory>
#include <unordered_map>

#include "db/install_dir.h"
#include "db/team_files.h"
#include "season/season.h"

namespace velmoro {

namespace {

constexpr int kNeverStarted = -1000;

// Team games a pitcher of this share waits between starts.
int RestOf(const ClubPlan& plan, double share) {
    const int byShare = share > 0 ? static_cast<int>(1.0 / share) : plan.restGames;
    return std::max(plan.shortRestGames, std::min(plan.restGames, byShare));
}

struct ClubState {
    RotationState rotation;
    StartCounts starts;
    int games = 0;
};

ClubState StartState(const ClubPlan& plan) {
    ClubState state;
    state.rotation.starts.assign(plan.players.size(), 0);
    state.rotation.lastStart.assign(plan.players.size(), kNeverStarted);
    state.starts.assign(plan.players.size(), {});
    return state;
}

std::vector<std::array<DayLineup, 2>> PlanGames(const Season& season,
                                                const std::vector<ClubPlan>& plans) {
    std::vector<ClubState> states;
    for (const ClubPlan& plan : plans)
        states.push_back(StartState(plan));
    std::vector<std::array<DayLineup, 2>> games;
    games.reserve(season.schedule.size());
    for (const ScheduledGame& scheduled : season.schedule) {
        const std::array<int, 2> teams{scheduled.visitor, scheduled.home};
        const bool dh =
            season.designatedHitter && season.designatedHitter(season.teams[scheduled.home].league);
        std::array<int, 2> starters{};
        for (int s = 0; s < 2; ++s) {
            ClubState& state = states[teams[s]];
            starters[s] = RotationStarter(plans[teams[s]], state.rotation, state.games);
        }
        auto& day = games.emplace_back();
        for (int s = 0; s < 2; ++s) {
            const ClubPlan& plan = plans[teams[s]];
            ClubState& state = states[teams[s]];
            const int opponent = starters[1 - s];
            const char throws = opponent < 0 ? ' ' : plans[teams[1 - s]].players[opponent].throws;
            day[s] = ClubLineup(plan, *season.teams[teams[s]].team, state.starts, state.games,
                                starters[s], throws, dh);
            CountStarts(day[s], state.starts);
            if (starters[s] >= 0) BookStart(state.rotation, starters[s], state.games);
            ++state.games;
        }
    }
    return games;
}

}  // namespace

std::string NoUsageNote(const std::string& why) {
    return why + ": the clubs play as the new game wizard sets them up";
}

std::vector<PlayerUsage> LoadReplayUsage(const std::filesystem::path& directory,
                                         std::string& note) {
    const std::filesystem::path path =
        PlayerUsagePathFor(DataFileToRead(directory, kLegendFileName));
    std::vector<PlayerUsage> rows;
    std::error_code ignored;
    if (!std::filesystem::exists(path, ignored)) {
        note = NoUsageNote(std::string(kLegendFileName) + " has no " + path.filename().string() +
                           " beside it");
    } else if (Status loaded = LoadPlayerUsage(path, rows); !loaded) {
        note = NoUsageNote(loaded.message());
    } else if (rows.empty()) {
        note = NoUsageNote(path.string() + " holds no player");
    }
    return rows;
}

int RotationStarter(const ClubPlan& plan, const RotationState& state, int game) {
    int pick = -1, longest = -1;
    double earliest = 0;
    for (const PlanShare& entry : plan.rotation) {
        const int p = entry.player;
        if (plan.maxStarts > 0 && state.starts[p] >= plan.maxStarts) continue;
        const int waited = game - state.lastStart[p];
        if (longest < 0 || waited > game - state.lastStart[longest]) longest = p;
        if (waited < RestOf(plan, entry.share)) continue;
        // The game by which his next start is due to keep his share: the earliest due
        // goes first, which keeps every share whenever the rest allows it at all.
        const double due = (state.starts[p] + 1) / entry.share;
        if (pick < 0 || due < earliest) {
            pick = p;
            earliest = due;
        }
    }
    return pick >= 0 ? pick : longest;
}

void BookStart(RotationState& state, int pitcher, int game) {
    ++state.starts[pitcher];
    state.lastStart[pitcher] = game;
}

std::shared_ptr<const SeasonUsage> PlanSeasonUsage(const Season& season,
                                                   const std::vector<PlayerUsage>& rows,
                                                   std::string& note) {
    std::unordered_map<std::string, std::unordered_map<std::string, const PlayerUsage*>> byTeam;
    // The rows of every season come here: most are another year's, told by the team's name.
    std::vector<std::string> years;
    for (const SeasonTeam& entry : season.teams) {
        byTeam[entry.team->name];
        if (std::find(years.begin(), years.end(), TeamYear(entry.team->name)) == years.end())
            years.push_back(TeamYear(entry.team->name));
    }
    const auto ours = [&](const std::string& team) {
        return std::any_of(years.begin(), years.end(),
                           [&](const std::string& year) { return team.starts_with(year); });
    };
    for (const PlayerUsage& row : rows) {
        if (!ours(row.team)) continue;
        if (const auto team = byTeam.find(row.team); team != byTeam.end())
            team->second.emplace(row.player, &row);
    }
    auto usage = std::make_shared<SeasonUsage>();
    for (const SeasonTeam& entry : season.teams) {
        const auto team = byTeam.find(entry.team->name);
        if (team->second.empty()) {
            note = NoUsageNote(entry.team->name + " has no lines in the players' file");
            return nullptr;
        }
        std::vector<const PlayerUsage*> matched;
        for (const auto& player : entry.team->players) {
            const auto row = team->second.find(player->name);
            matched.push_back(row == team->second.end() ? nullptr : row->second);
        }
        usage->plans.push_back(MakeClubPlan(*entry.team, matched, season.year));
        if (!usage->plans.back().Usable()) {
            note = NoUsageNote(entry.team->name + " has no starting pitcher in the players' file");
            return nullptr;
        }
    }
    usage->games = PlanGames(season, usage->plans);
    return usage;
}

}  // namespace velmoro
