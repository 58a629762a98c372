// In-game management windows: substitutions, pitching change, team statistics.
#pragma once

class QWidget;

namespace velmoro {

struct UiContext;
struct TeamRecord;

// The substitution window for `dialogSide`; `forced` is the mode opened by a turn
// whose pinch hitter must leave. Non-zero when something changed.
int RunSubstitutionDialog(UiContext& context, QWidget* parent, bool forced);

// The pitching change for `dialogSide`. Non-zero when the pitcher changed.
int RunPitchingChangeDialog(UiContext& context, QWidget* parent);

// The hitting and pitching statistics views of a team.
int RunTeamStatsDialog(UiContext& context, QWidget* parent, TeamRecord& team);

}  // namespace velmoro
