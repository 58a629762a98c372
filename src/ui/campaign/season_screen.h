// The season screen of a managed season: today's date and games, the standings beside
// the real ones, the leaders, the schedule with its results (a played game opens its box
// score), the clubs' and players' lines to date; "Play Game" for a managed club's game
// today, and the computer's days played on a worker thread with progress and Cancel.
#pragma once

#include <QDialog>
#include <atomic>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include "base/status.h"
#include "campaign/managed_season.h"

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QTableWidget;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

namespace velmoro {

struct UiContext;

class SeasonScreen : public QDialog {
  public:
    SeasonScreen(UiContext& context, std::unique_ptr<ManagedSeason> season,
                 QWidget* parent = nullptr);
    ~SeasonScreen() override;

    const ManagedSeason& season() const { return *season_; }
    QLabel* DateLabel() const { return date_; }
    QPushButton* PlayButton() const { return play_; }
    QPushButton* SimDayButton() const { return simDay_; }
    QPushButton* SimWeekButton() const { return simWeek_; }
    QPushButton* SimNextGameButton() const { return simNext_; }
    QPushButton* SimEndButton() const { return simEnd_; }
    QPushButton* CancelButton() const { return cancel_; }
    QProgressBar* Progress() const { return progress_; }
    QTabWidget* Tabs() const { return tabs_; }
    QTreeWidget* TodayGames() const { return today_; }
    QTreeWidget* Standings() const { return standings_; }
    QPlainTextEdit* Leaders() const { return leaders_; }
    QTreeWidget* Schedule() const { return schedule_; }
    QTableWidget* ClubLines() const { return clubs_; }
    QTableWidget* PlayerLines() const { return players_; }
    bool Simulating() const { return worker_.joinable(); }

    // The next game of a managed club, when it is today's: the wizard, the play screen,
    // then the result into the season.
    void PlayGame();
    // From today: `days` days, or to the next managed game, or to the end.
    void StartSim(int days, bool toNextGame, bool toEnd);
    void CancelSim();
    // The box score of a played game, in its window.
    void OpenBoxScore(int gameId);

  public slots:
    void reject() override;

  private:
    QWidget* BuildCommands();
    void BuildTabs();
    void Connect();
    // The views again from the season (season_screen_views.cpp): today's games and the
    // tab shown, the other tabs when they are shown.
    void Refresh();
    void FillTab(int tab);
    void FillToday();
    void FillSchedule();
    void FillLeaders();
    void FillClubLines();
    void FillPlayerLines();
    void ShowClubPlayers(int club);
    void UpdateCommands();
    std::optional<int> PlayableGame() const;
    void OpenGameOf(QTreeWidgetItem* item);
    // While a sim runs (season_screen_sim.cpp).
    void Drain();
    void FinishSim();

    UiContext& context_;
    std::unique_ptr<ManagedSeason> season_;
    QLabel* date_ = nullptr;
    QLabel* next_ = nullptr;
    QPushButton* play_ = nullptr;
    QPushButton* simDay_ = nullptr;
    QPushButton* simWeek_ = nullptr;
    QPushButton* simNext_ = nullptr;
    QPushButton* simEnd_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QTreeWidget* today_ = nullptr;
    QTreeWidget* standings_ = nullptr;
    QPlainTextEdit* leaders_ = nullptr;
    QTreeWidget* schedule_ = nullptr;
    QTableWidget* clubs_ = nullptr;
    QTableWidget* players_ = nullptr;
    QTimer* timer_ = nullptr;
    std::vector<bool> filled_;  // by tab

    std::thread worker_;
    std::atomic<bool> cancelRequested_{false};
    std::atomic<bool> done_{false};
    std::atomic<int> gamesDone_{0};
    std::atomic<int> gamesTotal_{0};
    Status simStatus_;  // written by the worker, read after it ends
    SimOutcome outcome_;
};

}  // namespace velmoro
