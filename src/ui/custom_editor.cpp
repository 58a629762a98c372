#include "custom_editor.h"

namespace velmoro {

// Placeholders until the editors land.
void RunCustomTeamEditor(UiContext&, QWidget*) {}
void RunDatabaseChangeDialog(UiContext&, QWidget*) {}

}  // namespace velmoro
