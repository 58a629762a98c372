// The lineup of the day from a club's usage plan: who starts at each position, given the
// starts each player has made so far and the opposing starter's throwing hand, and the
// batting order by the plan's rule; and the lineup pages filled with it.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "base/status.h"
#include "setup/setup_state.h"
#include "setup/usage_plan.h"

namespace velmoro {

struct Session;
struct GameState;

// Starts so far of each player of the team (by team player index) at each defence slot.
using StartCounts = std::vector<std::array<int, 10>>;

struct DayLineup {
    // Team player indexes by defence slot (-1: none planned, the page's first is taken).
    std::array<int, 10> starters{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
};

// A batter facing a pitcher of the other hand (a switch hitter always does) gets this
// much added to his deficit: a tie-break that barely moves his season's starts.
inline constexpr double kPlatoonWeight = 0.5;

// The day's lineup: again and again the free player and open position whose starts lag
// most behind his share there (share x (games so far + 1) - starts so far, the platoon
// added) are paired, ties to the scarcer position and the team's order; a position left
// open then goes to the best free hitter who carries it. `starter` pitches; `opponentThrows` is
// 'L', 'R' or ' '.
DayLineup ClubLineup(const ClubPlan& plan, const TeamRecord& team, const StartCounts& starts,
                     int gamesSoFar, int starter, char opponentThrows, bool designatedHitter);

// Adds the lineup's starts to the counts.
void CountStarts(const DayLineup& lineup, StartCounts& starts);

// The lineup pages of `setup.setupSide` filled from the pitcher's page on with the
// lineup's players (a page's first free candidate planned nowhere else where the lineup
// has none or its player is taken), then the plan's batting order of whoever fills the
// pages. False when a page has nobody.
bool FillSideFromLineup(GameState& game, SetupState& setup, const ClubPlan& plan,
                        const DayLineup& lineup);

// The wizard's "Club's Lineup": `side`'s starters and batting order from its team's
// rows of the players' side file, its chosen pitcher kept, against the other side's
// chosen pitcher's hand (none yet: no platoon). Refused, with nothing changed, when the
// team has no rows or no starting pitcher in them.
Status FillClubLineup(GameState& game, Side side, const std::vector<PlayerUsage>& rows);

// Both sides set up as DefaultSetup does (team preparation, designated hitter), each
// side's pages filled from its lineup. False with the reason when a side cannot be fielded.
bool PlannedSetup(Session& session, TeamRecord& visitors, TeamRecord& home, bool designatedHitter,
                  const ClubPlan* plans[2], const DayLineup lineups[2], std::string* error);

}  // namespace velmoro
