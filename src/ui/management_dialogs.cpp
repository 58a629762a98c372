#include "management_dialogs.h"

namespace velmoro {

// Placeholders until the management windows land.
int RunSubstitutionDialog(UiContext&, QWidget*, bool) { return 0; }
int RunPitchingChangeDialog(UiContext&, QWidget*) { return 0; }
int RunTeamStatsDialog(UiContext&, QWidget*, TeamRecord&) { return 0; }

}  // namespace velmoro
