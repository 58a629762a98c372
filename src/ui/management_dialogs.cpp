#include "ui/management_dialogs.h"

#include "setup/manage_substitution.h"
#include "ui/manage_lineup_dialog.h"
#include "ui/team_stats_dialog.h"
#include "ui/ui_context.h"

namespace velmoro {

namespace {

int RunLineupDialog(UiContext& context, QWidget* parent, ManageLineupDialog::Mode mode) {
    ManageLineupDialog dialog(context, mode, parent);
    if (dialog.ClosedAtOpening()) return dialog.Changed() ? 1 : 0;
    dialog.exec();
    return dialog.Changed() ? 1 : 0;
}

}  // namespace

int RunSubstitutionDialog(UiContext& context, QWidget* parent, bool forced) {
    // A turn asks only while its pinch hitter still has to leave.
    if (forced && !ForcedReplacementDue(context.session.game)) return 0;
    return RunLineupDialog(context, parent, ManageLineupDialog::Mode::Substitution);
}

int RunPitchingChangeDialog(UiContext& context, QWidget* parent) {
    return RunLineupDialog(context, parent, ManageLineupDialog::Mode::PitchingChange);
}

int RunTeamStatsDialog(UiContext& context, QWidget* parent, TeamRecord& team) {
    TeamStatsDialog dialog(context, team, parent);
    dialog.exec();
    return 0;
}

}  // namespace velmoro
