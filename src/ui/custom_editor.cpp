#include "ui/custom_editor.h"

#include "ui/db_change_window.h"
#include "ui/editor_window.h"

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
