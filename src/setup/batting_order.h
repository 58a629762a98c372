// Batting order: the default order and moving batters, and the side switch / finish
// of the set-up.
#pragma once

#include <string>

#include "engine/side.h"
#include "setup/setup_state.h"

namespace velmoro {

struct Session;
struct GameState;

// Entry 0 the DH (or the pitcher), entries 1..8 C, 1B, 2B, SS, 3B, LF, CF, RF, entry 9
// the pitcher, for the lineup of `setupSide`.
void DefaultBattingOrder(GameState& game, Side setupSide);

// Exchange entries p and p-1 (up) or p and p+1 (down); false at the ends.
bool MoveBatterUp(GameState& game, Side setupSide, int position);
bool MoveBatterDown(GameState& game, Side setupSide, int position);

// Next on the visitors' batting order page: the home team's pitcher page follows.
void SwitchToHomeSide(Session& session, SetupState& setup);

// Finish on the home team's batting order page: the visitors bat first.
void FinishSetup(Session& session);

// Set-up state back to the visitors' pitcher page.
void ResetSetup(SetupState& setup);

}  // namespace velmoro
