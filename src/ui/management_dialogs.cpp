#include "ui/management_dialogs.h"

#include "setup/manage_substitution.h"
#include "ui/manage_lineup_dialog.h"
#include "ui/team_stats_dialog.h"
#include "ui/ui_context.h"

namespace velmoro {

namespace {

int RunLineupDialog(UiContext& context, QWidget* parent, Side side, ManageLineupDialog::Mode mode) {
    ManageLineupDialog dialog(context, side, mode, parent);
    if (dialog.ClosedAtOpening()) return dialog.Changed() ? 1 : 0;
    dialog.exec();
    return dialog.Changed() ? 1 : 0;
}

}  // namespace

int RunSubstitutionDialog(UiContext& context, QWidget* parent, Side side, bool forced) {
    // A turn asks only while its pinch hitter still has to leave.
    if (forced && !ForcedReplacementDue(context.session.game, side)) return 0;
    return RunLineupDialog(context, parent, side, ManageLineupDialog::Mode::Substitution);
}

int RunPitchingChangeDialog(UiContext& context, QWidget* parent, Side side) {
    return RunLineupDialog(context, parent, side, ManageLineupDialog::Mode::PitchingChange);
}

int RunTeamStatsDialog(UiContext& context, QWidget* parent, TeamRecord& team, Side side) {
    TeamStatsDialog dialog(context, team, side, parent);
    dialog.exec();
    return 0;
}

}  // namespace velmoro
