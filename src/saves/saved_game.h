// The saved game text file (".gam").
#pragma once

#include <filesystem>
#include <string>

#include "base/status.h"
#include "saves/game_engine.h"

namespace velmoro {

struct Session;
struct GameState;

// The file's bytes as written on every platform (CR LF line ends).
// False when a name holds a line end and could not be read back, or when the game
// has no teams or no BoxLines yet (nothing that could be continued).
bool SavedGameText(const GameState& game, std::string& out);

// Writes through a temporary file renamed over the target. Fails when nothing was
// written (no path, a name the file cannot hold, a file that cannot be created), with
// "cannot write PATH: REASON".
Status WriteSavedGame(const GameState& game, const std::filesystem::path& path);

// Reads a saved game into the session (loading LegendDB and CustomDB from the
// installation directory when needed). Every number is checked before the game is
// used: a file the turns could not go on with is refused like one that cannot be read.
// On failure the game is left as ResetGame leaves it and the message says why,
// without the file's name ("line 76: the outs: 4 is not in 0..3", "the runners
// (0,0,1) do not match the bases (1)", "No such file or directory"). A game read plays
// on the engine its file marks (PlayOnEngine with `realistic`).
Status ReadSavedGame(Session& session, const std::filesystem::path& path,
                     const RealisticDataSource& realistic = {});

// ReadSavedGame, then the team preparation of both sides (the load command's steps
// that are not windows).
Status LoadSavedGame(Session& session, const std::filesystem::path& path,
                     const RealisticDataSource& realistic = {});

}  // namespace velmoro
