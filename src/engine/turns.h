// Turns, half-innings and the end of the game.
#pragma once

namespace velmoro {

struct Session;
struct GameState;

// One press of "Pitch".
void PlayTurn(Session& session, int offensiveChoice, int defensiveChoice);

void NextBatter(Session& session);
void ChangeHalfInning(Session& session);

// The end-of-game test. IsGameOverActing also runs EndGame when the game is over.
bool IsGameOver(const GameState& game);
bool IsGameOverActing(Session& session);

// Writes the box score file and asks for the game-over window.
void EndGame(Session& session);

// What the play screen does when it opens: BoxLines and outcome tables when the game
// has none, the side-at-bat fields, the captions and the log.
void OpenPlayScreen(Session& session);

// The game-state part of a screen refresh: batterIndex and the pitcher on the mound
// follow the side at bat.
void SyncBattingSide(GameState& game);

}  // namespace velmoro
