// Starting lineup selection rules: the page for each position, its candidates, the
// choice stored at once, and the step to the next page.
#pragma once

#include <string>
#include <vector>

#include "db/records.h"
#include "setup/setup_state.h"

namespace velmoro {

struct GameState;

// The team whose lineup the pages choose: the team of the side being set up.
TeamRecord* TeamBeingSetUp(const GameState& game, const SetupState& setup);

// Defence slot of the page `selectingPosition` / `selectingOutfielder` designate
// (0 P ... 9 DH), or -1 when every position is done.
int SlotBeingChosen(const SetupState& setup);

// "Select A Starting Pitcher" ... "Select A Designated Hitter".
std::string LineupPageTitle(const SetupState& setup);

// The word of the "no players" message: "pitcher" ... "outfield", "designated hitter".
std::string PositionWord(const SetupState& setup);

// "There are no players left to play %s.\nPlease try again." for the page.
std::string NoPlayersMessage(const SetupState& setup);

// True unless the player's name equals that of a player in another filled slot of the
// defence of the side being set up; false for no player.
bool IsPlayerFree(const GameState& game, const SetupState& setup, const PlayerRecord* player);

// The candidate names of the active lineup page, the fallback list when the first is
// empty; empty when nobody can play the position.
std::vector<std::string> LineupCandidates(const GameState& game, const SetupState& setup);

// The highlighted entry: the first player of the team being set up with that name goes
// into the slot being chosen (the pitcher also into lineup entry 9) and is returned.
// None, with nothing stored, when no player has that name.
PlayerRecord* SelectLineupCandidate(GameState& game, const SetupState& setup,
                                    const std::string& name);

// Next on a lineup page. Returns true when the batting order page follows.
bool AdvanceLineupPage(const GameState& game, SetupState& setup);

}  // namespace velmoro
