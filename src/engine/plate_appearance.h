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
//
// The tables are made once a game, when the play screen first opens on it (or the first
// turn finds none), and hold to its end: a pinch hitter bats with his slot's table (the
// replaced batter's against the starting pitcher) and a relief pitcher changes no table.
// Saved games do not keep tables, so a loaded game gets fresh ones, made of the players
// and pitchers in its lineups then: from its first substitution on, a loaded game plays
// differently from the game it was saved from.
void BuildAllOutcomeTables(GameState& game);

// Classifies a draw 0..999 against a table, first match wins.
PlateResult ClassifyDraw(const OutcomeTable& table, std::uint32_t draw);

// The plate appearance of the batter at the plate: seeds the generator once, draws,
// classifies and plays the result.
PlayResult PlayPlateAppearance(Session& session);

}  // namespace velmoro
