// Everything the engine shows or asks of the play screen. The play screen implements
// it; velmoro-sim and the tests have their own small implementations.
#pragma once

#include <string>
#include <string_view>

#include "db/captions.h"
#include "db/records.h"
#include "engine/side.h"

namespace velmoro {

inline constexpr const char* kPinchHitterMustLeaveMessage =
    "Pinch Hitter must be replaced by position player";

// Scoreboard boxes of one row: the inning boxes 1..9, then the totals.
enum ScoreBox : int { RunsBox = 10, HitsBox = 11, ErrorsBox = 12 };

class Display {
  public:
    virtual ~Display() = default;

    // Both team names; the side at bat is highlighted.
    virtual void ShowTeamNames() {}
    // Season numbers of the pitcher and the hitter in the "Pitcher vs. Hitter" panel.
    virtual void ShowPitcher(const PlayerRecord& /*pitcher*/) {}
    virtual void ShowHitter(const PlayerRecord& /*hitter*/) {}
    // The lineup panel of the side at bat, the batter due up highlighted.
    virtual void ShowLineup() {}
    virtual void ShowLineupRow(int /*slot*/) {}
    // Requests a repaint of the diamond for the current bases.
    virtual void DrawBases() {}
    // Redraws the whole screen from the game state.
    virtual void RefreshPlayScreen() {}

    virtual void ShowInningCaption(std::string_view /*text*/) {}
    virtual void ShowOutsCaption(std::string_view /*text*/) {}
    // A scoreboard box of a side: inning 1..9 or a ScoreBox.
    virtual void ShowScoreBox(Side /*side*/, int /*box*/, std::string_view /*text*/) {}
    // The log field gets the whole play-by-play, scrolled to its newest lines.
    virtual void ShowLog(const std::string& /*playLog*/) {}
    // Both choice lists (or only the offensive one) back to "Normal Play".
    virtual void ResetChoices(bool /*offensive*/, bool /*defensive*/) {}

    // A message box with an OK button.
    virtual void ShowMessage(const std::string& /*text*/, const std::string& /*caption*/) {}
    // The box score file could not be written; `reason` is the system's.
    virtual void BoxScoreNotWritten(const std::string& path, const std::string& reason) {
        ShowMessage("Cannot write the box score to " + path + ": " + reason, kErrorCaption);
    }
    // The side at bat, `side`, must replace the pinch hitter who just batted, since he
    // cannot field the position he took over. The demand is shown; a display that
    // answers it opens the substitution window in its forced mode and returns when it
    // closes, or lets the computer make the replacement.
    virtual void ForcedSubstitution(Side /*side*/) {
        ShowMessage(kPinchHitterMustLeaveMessage, kCaption);
    }
    // Asks for the game-over window once the current command has finished.
    virtual void RequestGameOver() {}
};

}  // namespace velmoro
