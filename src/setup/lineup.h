// Starting lineup selection rules: the page for each position, its candidates, the
// choice stored at once, and the step to the next page.
#pragma once

#include <string>
#include <vector>

#include "db/records.h"
#include "setup/setup_state.h"

namespace velmoro {

struct Session;
struct GameState;

// Defence slot of the page `selectingPosition` / `selectingOutfielder` designate
// (0 P ... 9 DH), or -1 when every position is done.
int SlotBeingChosen(const SetupState& setup);

// "Select A Starting Pitcher" ... "Select A Designated Hitter".
std::string LineupPageTitle(const SetupState& setup);

// The word of the "no players" message: "pitcher" ... "outfield", "designated hitter".
std::string PositionWord(const SetupState& setup);

// "There are no players left to play %s.\nPlease try again." for the page.
std::string NoPlayersMessage(const SetupState& setup);

// True unless currentPlayer's name equals that of a player in another filled slot of
// the working defence.
bool IsPlayerFree(Session& session, const SetupState& setup);

// The candidate names of the active lineup page, the fallback list when the first is
// empty; empty when nobody can play the position.
std::vector<std::string> LineupCandidates(Session& session, const SetupState& setup);

// The highlighted entry: the first player of currentTeam with that name becomes
// currentPlayer and goes into the slot being chosen (the pitcher also into lineup
// entry 9). False, with nothing stored, when no player has that name.
bool SelectLineupCandidate(Session& session, const SetupState& setup, const std::string& name);

// Next on a lineup page. Returns true when the batting order page follows.
bool AdvanceLineupPage(const GameState& game, SetupState& setup);

}  // namespace velmoro
