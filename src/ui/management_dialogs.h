// In-game management windows: substitutions, pitching change, team statistics.
#pragma once

#include "engine/side.h"

class QWidget;

namespace velmoro {

struct UiContext;
struct TeamRecord;

// The substitution window for `side`; `forced` is the mode opened by a turn whose
// pinch hitter must leave. Non-zero when something changed.
int RunSubstitutionDialog(UiContext& context, QWidget* parent, Side side, bool forced);

// The pitching change for `side`. Non-zero when the pitcher changed.
int RunPitchingChangeDialog(UiContext& context, QWidget* parent, Side side);

// The hitting and pitching statistics views of a team; the pitching view shows the
// staff of `side`.
int RunTeamStatsDialog(UiContext& context, QWidget* parent, TeamRecord& team, Side side);

}  // namespace velmoro
