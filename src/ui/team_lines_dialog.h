// A team's players in a season, replayed or managed: one row per player who played, his
// batting and pitching totals, sortable by any column.
#pragma once

#include <QDialog>

class QTableWidget;

namespace velmoro {

struct Season;
struct SeasonResults;

class TeamLinesDialog : public QDialog {
  public:
    TeamLinesDialog(const Season& season, const SeasonResults& results, int team,
                    QWidget* parent = nullptr);

    QTableWidget* Table() const { return table_; }

  private:
    QTableWidget* table_;
};

}  // namespace velmoro
