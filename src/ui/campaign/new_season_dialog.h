// "New Season": the year, one league or all, the games per club, the engine and the
// clubs the user manages (none, one or several), from the season index.
#pragma once

#include <QDialog>
#include <vector>

#include "campaign/managed_season.h"
#include "db/season_index.h"

class QComboBox;
class QListWidget;
class QSpinBox;

namespace velmoro {

class NewSeasonDialog : public QDialog {
  public:
    explicit NewSeasonDialog(std::vector<SeasonRecord> index, QWidget* parent = nullptr);

    QComboBox* YearBox() const { return year_; }
    QComboBox* LeagueBox() const { return league_; }
    QSpinBox* GamesBox() const { return games_; }
    QComboBox* EngineBox() const { return engine_; }
    // Checkable: a checked club is managed by the user.
    QListWidget* Clubs() const { return clubs_; }

    // The choices; the folder and the seed are the caller's.
    NewSeasonOptions Options() const;

  private:
    void FillClubs();

    std::vector<SeasonRecord> index_;
    QComboBox* year_;
    QComboBox* league_;
    QSpinBox* games_;
    QComboBox* engine_;
    QListWidget* clubs_;
};

}  // namespace velmoro
