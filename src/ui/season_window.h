// The "Season" window: a year and a league replayed on worker threads (on the realistic
// engine unless the classic one is chosen), the standings
// filling in beside the real records while it runs, then the leaders and a chart of
// simulated against real winning percentage.
#pragma once

#include <QDialog>
#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

#include "db/player_usage.h"
#include "db/season_index.h"
#include "season/season.h"

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

namespace velmoro {

struct UiContext;
class SeasonChart;

class SeasonWindow : public QDialog {
  public:
    SeasonWindow(UiContext& context, std::vector<SeasonRecord> index, QWidget* parent = nullptr);
    ~SeasonWindow() override;

    QComboBox* YearBox() const { return year_; }
    QComboBox* LeagueBox() const { return league_; }
    QSpinBox* GamesBox() const { return games_; }
    QComboBox* EngineBox() const { return engine_; }
    QPushButton* PlayButton() const { return play_; }
    QPushButton* CancelButton() const { return cancel_; }
    QProgressBar* Progress() const { return progress_; }
    QTreeWidget* Standings() const { return standings_; }
    QPlainTextEdit* Leaders() const { return leaders_; }
    SeasonChart* Chart() const { return chart_; }
    bool Running() const { return worker_.joinable(); }

    void PlaySeasonNow();
    void CancelSeason();
    // The players' season lines of the team a standings row names, in a TeamLinesDialog.
    void ShowTeamLines(QTreeWidgetItem* item);

  private:
    void FillLeagues();
    // Every 100 ms while a season runs: the games finished since, then the end.
    void Drain();
    void ApplyArrivedGames();
    void Finish();
    void ShowStandings();

    UiContext& context_;
    std::vector<SeasonRecord> index_;
    // The players' side file: the clubs' usage plans, or why there are none.
    std::vector<PlayerUsage> usage_;
    std::string usageNote_;
    QComboBox* year_;
    QComboBox* league_;
    QSpinBox* games_;
    QComboBox* engine_;
    QPushButton* play_;
    QPushButton* cancel_;
    QProgressBar* progress_;
    QTreeWidget* standings_;
    QPlainTextEdit* leaders_;
    SeasonChart* chart_;
    QLabel* realism_;
    QTimer* timer_;

    Season season_;
    SeasonResults shown_;     // what the window shows: games as they come in
    SeasonResults finished_;  // written by the season's thread, read after it ends
    Status failure_;          // the same
    std::thread worker_;
    std::atomic<bool> cancel_requested_{false};
    std::atomic<bool> done_{false};
    std::mutex pendingLock_;
    std::vector<std::pair<int, GameResult>> pending_;
};

// Opens the window over LegendDB and the season index beside it; says why when either
// is missing.
void RunSeasonWindow(UiContext& context, QWidget* parent);

}  // namespace velmoro
