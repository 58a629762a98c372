// Team preparation: the roster ordered by batting average and the pitching staff.
#pragma once

#include "db/records.h"
#include "engine/side.h"

namespace velmoro {

struct Session;
struct GameState;

// Highest battingAvg first, equal averages keep their order. Moves the records, not
// their contents, so every reference keeps naming the same player.
void SortRosterByAverage(TeamRecord& team);

// Refills the staff of `side` with the first 29 players of `team` that have a pitching
// line, lowest eraX100 first. A team without players leaves the staff unchanged.
void BuildPitchingStaff(GameState& game, Side side, TeamRecord& team);

// SortRosterByAverage and BuildPitchingStaff of the side's team.
void PrepareSide(Session& session, Side side);

// The "Replay Game" choice: the same starters (PrepareReplay), then both teams prepared
// again, the visitors first.
void PrepareReplayGame(Session& session);

// Next on the team page: both teams stored, designatedHitter set, and the visitors at
// bat, as the lineup pages start with them.
void StartLineupPages(Session& session, TeamRecord* visitors, TeamRecord* home,
                      bool designatedHitter);

// The team page's part of a whole set-up: each team stored and prepared as it is chosen,
// the visitors first, then StartLineupPages.
void PrepareBothTeams(Session& session, TeamRecord& visitors, TeamRecord& home,
                      bool designatedHitter);

}  // namespace velmoro
