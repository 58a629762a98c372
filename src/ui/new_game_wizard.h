// The new game wizard: team page, lineup pages and batting order pages.
#pragma once

class QWidget;

namespace velmoro {

struct UiContext;

// Positive when the user pressed Finish, 0 when the wizard was cancelled.
int RunNewGameWizard(UiContext& context, QWidget* parent);

}  // namespace velmoro
