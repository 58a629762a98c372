// The play-by-play and the box score file.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace velmoro {

struct Session;
struct GameState;

// Appends "NAME TEXT" (or "NAME TEXT RUNS SUFFIX") to the play-by-play, writes the
// half-inning heading after a third out and updates the captions and the log field.
// A silent session logs nothing.
void LogPlay(Session& session, std::string_view name, std::string_view text, int runs,
             std::string_view suffix = "runs scored");

// The play screen's refresh of the outs caption and the log field, and a repaint of
// the diamond; the play-by-play itself does not change.
void ShowPlayLog(Session& session);

// The whole GameLog text: result line and both box scores, CR LF line ends.
std::string BoxScoreText(const GameState& game);

// Writes BoxScoreText to the session's gameLogPath (nothing when it is empty). When
// the file cannot be written the old one stays as it was, the display is told
// (BoxScoreNotWritten) and the result is false; the game ends all the same.
bool WriteGameLog(Session& session);

}  // namespace velmoro
