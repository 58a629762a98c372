// A season's usage: each club's plan from the players' side file, and the lineups of
// every game worked out in schedule order before a game is played (the starts each
// player has made, the starters' rest, the rotation's turn), so that the games can be
// played on any number of workers and come out the same.
#pragma once

#include <array>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "db/player_usage.h"
#include "setup/club_lineup.h"

namespace velmoro {

struct Season;

struct SeasonUsage {
    std::vector<ClubPlan> plans;                  // by season team
    std::vector<std::array<DayLineup, 2>> games;  // by schedule index: visitors, home
};

// The message of a replay whose clubs play as the wizard sets them up, once per replay.
std::string NoUsageNote(const std::string& why);

// The players' side file beside the LegendDB the replay reads from `directory` (the
// user's copy where that is the one read): its rows, or none with `note` saying why.
std::vector<PlayerUsage> LoadReplayUsage(const std::filesystem::path& directory, std::string& note);

// The usage of `season` from the side file's rows: every team needs rows for its
// players (matched by team and player name) and a pitcher with starts. Otherwise none,
// and `note` says why (NoUsageNote).
std::shared_ptr<const SeasonUsage> PlanSeasonUsage(const Season& season,
                                                   const std::vector<PlayerUsage>& rows,
                                                   std::string& note);

// Rotation state of one club through the season.
struct RotationState {
    std::vector<int> starts;     // by team player index
    std::vector<int> lastStart;  // team game of his last start, or a large negative
};

// The pitcher whose turn it is in team game `game`: of the rested ones (see ClubPlan),
// the one whose next start falls due soonest for his share ((starts + 1) / share), ties
// to the rotation's order; when nobody is rested, the one rested longest. -1 for a plan
// without a rotation.
int RotationStarter(const ClubPlan& plan, const RotationState& state, int game);

// His start booked.
void BookStart(RotationState& state, int pitcher, int game);

}  // namespace velmoro
