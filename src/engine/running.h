// Base running, outs and scoring: the runner queue, the plays of each plate
// appearance result and the scoreboard update.
#pragma once

#include <cstdint>

#include "engine/game_state.h"

namespace velmoro {

struct Session;
enum class PlateResult;

struct PlayResult {
    int runs = 0;
    int hits = 0;
    int errors = 0;
};

// Pitching events charged to the pitcher on the mound (combine with |).
enum PitcherEvent : int {
    OutEvent = 1,
    StrikeoutEvent = 2,
    WalkEvent = 4,
    RunEvent = 8,
    HitEvent = 16
};

void PushRunner(GameState& game, int slot);
int PopRunner(GameState& game);
// Batting slot of the runner on a base (Base::First, Second or Third).
int RunnerOnBase(const GameState& game, int base);
int RunnersOnBase(const GameState& game);

void CountPitcherEvent(GameState& game, int events);

// n times: the lead runner scores, is credited with a run, the pitcher charged.
void ScoreRunners(Session& session, int count);

// Plays a classified plate appearance result; `draw` is the draw 0..999 it came from.
PlayResult PlayPlateResult(Session& session, PlateResult result, std::uint32_t draw);

// Adds a play's runs, hits and errors to the score and the scoreboard.
void ApplyPlayResult(Session& session, const PlayResult& result);

}  // namespace velmoro
