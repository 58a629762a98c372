// What the main menu's "Season" offers: a new season to manage, one to continue, or the
// season replay.
#pragma once

#include <QDialog>

class QPushButton;

namespace velmoro {

class SeasonChoiceDialog : public QDialog {
  public:
    // exec() returns one of these, Rejected (0) when the user closes the window.
    enum Choice { NewSeason = 1, ContinueSeason, ReplaySeason };

    explicit SeasonChoiceDialog(QWidget* parent = nullptr);

    QPushButton* Button(Choice choice) const { return buttons_[choice - 1]; }

  private:
    QPushButton* buttons_[3];
};

}  // namespace velmoro
