// One lineup page layout for every position: which position it asks for is read from
// the set-up values when the page becomes active.
#pragma once

#include <QWizardPage>

#include "engine/side.h"

class QLabel;
class QListWidget;

namespace velmoro {

struct UiContext;
class StatsPanel;
class StartersPanel;

class WizardLineupPage : public QWizardPage {
    Q_OBJECT

  public:
    WizardLineupPage(UiContext& context, QWidget* parent = nullptr);

    void initializePage() override;
    bool validatePage() override;
    bool isComplete() const override;
    int nextId() const override;

  private:
    void SetUpWindow();
    void OnSelectionChanged(int row);

    UiContext& context_;
    QLabel* title_ = nullptr;
    QLabel* heading_ = nullptr;
    QListWidget* candidates_ = nullptr;
    StatsPanel* batting_ = nullptr;
    StatsPanel* pitching_ = nullptr;
    StartersPanel* starters_ = nullptr;
    Side side_ = Side::Visitors;
    bool pitcherPage_ = false;
    int nextPage_ = -1;
};

}  // namespace velmoro
