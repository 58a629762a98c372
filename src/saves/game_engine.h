// The engine a game plays on, applied to a session: the classic rules, or the realistic
// model with its data for the LegendDB the session reads.
#pragma once

#include <functional>
#include <memory>

#include "realistic/realistic.h"

namespace velmoro {

struct Session;

// Where a game finds the realistic engine's data. It is asked only when a game is to play
// on the realistic engine, so a program that plays classic games never loads the data.
using RealisticDataSource = std::function<std::shared_ptr<const RealisticData>()>;

// The data for the LegendDB (and the side files beside it) the session reads.
std::shared_ptr<const RealisticData> LoadSessionRealisticData(const Session& session);

// The session's game plays on `kind` from now on. The data come from `source`, or are
// loaded for the session when it gives none. Set after every set-up, load and replay: a
// game never inherits the engine of the one before it.
void PlayOnEngine(Session& session, EngineKind kind, const RealisticDataSource& source = {});

// The "Replay Game" choice (PrepareReplayGame), the game keeping its engine.
void PrepareReplayOnSameEngine(Session& session, const RealisticDataSource& source = {});

}  // namespace velmoro
