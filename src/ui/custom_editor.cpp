#include "ui/custom_editor.h"

#include "ui/custom_editor_window.h"
#include "ui/database_change_window.h"

namespace velmoro {

// Both windows change the team lists under the team page, which resolves its choices
// again once they close.
void RunCustomTeamEditor(UiContext& context, QWidget* parent) {
    CustomEditorWindow window(context, parent);
    window.exec();
}

void RunDatabaseChangeDialog(UiContext& context, QWidget* parent) {
    DatabaseChangeWindow window(context, parent);
    window.exec();
}

}  // namespace velmoro
