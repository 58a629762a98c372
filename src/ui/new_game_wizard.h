// The new game wizard: the team page, then each side's lineup pages and batting order
// page, strictly forward.
#pragma once

#include <QWizard>

namespace velmoro {

struct UiContext;

class NewGameWizard : public QWizard {
    Q_OBJECT

  public:
    NewGameWizard(UiContext& context, QWidget* parent = nullptr);

  private:
    void ShowPageCaption(int id);
};

// Positive when the user pressed Finish, 0 when the wizard was cancelled.
int RunNewGameWizard(UiContext& context, QWidget* parent);

}  // namespace velmoro
