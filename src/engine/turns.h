// Turns, half-innings and the end of the game.
#pragma once

namespace velmoro {

struct Session;
struct GameState;

// One press of "Pitch".
void PlayTurn(Session& session, int offensiveChoice, int defensiveChoice);

void NextBatter(Session& session);
void ChangeHalfInning(Session& session);

// The end-of-game test.
bool IsGameOver(const GameState& game);
// IsGameOver, and when it holds EndGame as well (the box score is written again and
// the game-over window asked for again).
bool EndGameIfOver(Session& session);

// Writes the box score file and asks for the game-over window.
void EndGame(Session& session);

// What the play screen does when it opens: BoxLines and outcome tables when the game
// has none, the side-at-bat fields, the captions and the log.
void OpenPlayScreen(Session& session);

// The side at bat resumes its order: the batter at the plate becomes its next batter.
// (The pitcher on the mound follows the side at bat by itself.)
void ResumeBattingOrder(GameState& game);

}  // namespace velmoro
