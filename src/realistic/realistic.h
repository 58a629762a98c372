// The realistic engine: every plate appearance from the batter and the pitcher of the
// moment, in their league, park and season. It plays beside the classic engine and never
// inside its rules: a game is classic until SetEngine makes it realistic.
#pragma once

#include <filesystem>
#include <memory>
#include <vector>

#include "engine/engine_kind.h"

namespace velmoro {

struct Session;
struct GameState;
struct TeamDatabase;
struct PlayerUsage;

// What the realistic engine knows of one database: each team-season's league rates, park
// and defence, and the players' numbers beyond their records. Read-only once loaded, shared
// by every game and worker thread.
class RealisticData;

// Loads it for the database file at `database` from its side files when they are there,
// otherwise from sums over `teams` with neutral parks. Never fails: what is missing is
// summed or taken as neutral. `players`, when given, are the players' side file a
// caller has read already, and it is not read again.
std::shared_ptr<const RealisticData> LoadRealisticData(
    const TeamDatabase& teams, const std::filesystem::path& database,
    const std::vector<PlayerUsage>* players = nullptr);

// The engine of the session's game from now on (its teams set). Realistic with no data
// plays on the players' own lines against rates summed from the two teams.
void SetEngine(Session& session, EngineKind kind, std::shared_ptr<const RealisticData> data);

EngineKind EngineOf(const GameState& game);

}  // namespace velmoro
