#include "ui/new_game_wizard.h"

#include "ui/wizard_window.h"

namespace velmoro {

int RunNewGameWizard(UiContext& context, QWidget* parent) {
    NewGameWizard wizard(context, parent);
    return wizard.exec() == QDialog::Accepted ? 1 : 0;
}

}  // namespace velmoro
