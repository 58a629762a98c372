// The batting order page: the default order from the side's defence, "Up" and "Down",
// "Club's Lineup" (the club's starters and order from the players' side file), and the
// season lines of the whole order.
#pragma once

#include <QWizardPage>

#include "engine/side.h"

class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace velmoro {

struct UiContext;

class WizardOrderPage : public QWizardPage {
    Q_OBJECT

  public:
    // `side` only until the page becomes active; then `setupSide` decides.
    WizardOrderPage(UiContext& context, Side side, QWidget* parent = nullptr);

    void initializePage() override;
    bool validatePage() override;
    int nextId() const override;

  private:
    void FillDefaultOrder();
    void FillClubLineup();
    void ShowOrder();
    void RefreshTable();
    void MoveUp();
    void MoveDown();
    void MoveEntry(int from, int to);

    UiContext& context_;
    QLabel* title_ = nullptr;
    QLabel* heading_ = nullptr;
    QListWidget* order_ = nullptr;
    QPushButton* up_ = nullptr;
    QPushButton* down_ = nullptr;
    QPushButton* club_ = nullptr;
    QTableWidget* table_ = nullptr;
    Side side_ = Side::Visitors;
};

}  // namespace velmoro
