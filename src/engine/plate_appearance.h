// Outcome tables and the plate appearance draw.
#pragma once

#include <cstdint>

#include "engine/game_state.h"
#include "engine/running.h"

namespace velmoro {

struct Session;

enum class PlateResult { HomeRun, Triple, Double, Single, Walk, Strikeout, FlyBall, GroundBall };

// The table of one batter against a pitcher's eraX100.
OutcomeTable BuildOutcomeTable(const PlayerRecord& batter, int eraX100);

// Fills the nine tables of a side, against the other side's pitcher (lineup entry 9).
// Changes nothing else.
void BuildOutcomeTables(GameState& game, Side which);

// Both sides' tables, and the side at bat's become the batting tables.
void BuildAllOutcomeTables(GameState& game);

// Classifies a draw 0..999 against a table, first match wins.
PlateResult ClassifyDraw(const OutcomeTable& table, std::uint32_t draw);

// The plate appearance of the batter at the plate: seeds the generator once, draws,
// classifies and plays the result.
PlayResult PlayPlateAppearance(Session& session);

}  // namespace velmoro
