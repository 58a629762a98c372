#include "new_game_wizard.h"

namespace velmoro {

// Placeholder until the wizard lands.
int RunNewGameWizard(UiContext&, QWidget*) { return 0; }

}  // namespace velmoro
