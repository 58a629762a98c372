// The hitting and pitching statistics views: one window that changes its contents
// when the user pages or switches views, and gives control back on "Cancel".
#pragma once

#include <QDialog>

#include "engine/side.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace velmoro {

struct UiContext;
struct TeamRecord;
struct StatsPage;

class TeamStatsDialog : public QDialog {
  public:
    enum class View { Hitting, Pitching };

    // Opens on the hitting view of `team`; the pitching view shows the staff of `side`.
    TeamStatsDialog(UiContext& context, TeamRecord& team, Side side, QWidget* parent = nullptr);

    View CurrentView() const { return view_; }

  private:
    void BuildWidgets();
    void Fill();
    void ShowPage(const StatsPage& page, int columns);
    void ShowButton(QPushButton* button, bool show);
    void NextPage();
    void PreviousPage();
    void SwitchView();

    UiContext& context_;
    TeamRecord& team_;
    Side side_;
    View view_ = View::Hitting;

    QLabel* title_ = nullptr;
    QGroupBox* group_ = nullptr;
    QTableWidget* table_ = nullptr;
    QPushButton* previous_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* switch_ = nullptr;
};

}  // namespace velmoro
