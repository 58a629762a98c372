// The play screen "Velmoro Baseball Play Ball": the window in which a game is played.
// It shows the game through the engine's Display operations and holds no game data.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <QDialog>
#include <QStringList>

#include "engine/display.h"
#include "manager/managed_sides.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace velmoro {

struct UiContext;
class DiamondView;

// Quit (or closing the window) asks this when turns were played since the game was
// saved, loaded or set up.
inline constexpr const char* kQuitUnsavedQuestion = "Quit this game? It has not been saved.";

// Pure blue: the side at bat and its batter due up.
inline const QColor kHighlightColour(0, 0, 255);

// The sides the computer manages. They belong to the window, not to the game: a saved
// game knows nothing of them, a replay keeps them.
struct ComputerManagers {
    bool visitors = false;
    bool home = false;
};

// Ends with 0 after "&Quit" and 1 after "Replay Game" has prepared the next game.
class PlayScreen : public QDialog, public Display {
  public:
    enum LineupColumn { AtBatsColumn, RunsColumn, HitsColumn, RbiColumn };

    PlayScreen(UiContext& context, QWidget* parent = nullptr, ComputerManagers managers = {});
    ~PlayScreen() override;

    // Display
    void ShowTeamNames() override;
    void ShowPitcher(const PlayerRecord& pitcher) override;
    void ShowHitter(const PlayerRecord& hitter) override;
    void ShowLineup() override;
    void ShowLineupRow(int slot) override;
    void DrawBases() override;
    void RefreshPlayScreen() override;
    void ShowInningCaption(std::string_view text) override;
    void ShowOutsCaption(std::string_view text) override;
    void ShowScoreBox(Side side, int box, std::string_view text) override;
    void ShowLog(const std::string& playLog) override;
    void ResetChoices(bool offensive, bool defensive) override;
    void ShowMessage(const std::string& text, const std::string& caption) override;
    void ForcedSubstitution(Side side) override;
    void RequestGameOver() override;

    // The widgets, for the windows that look at them (and the tests).
    QLabel* TeamName(Side side) const { return side == Side::Home ? homeName_ : visitorName_; }
    // Inning 1..9 or RunsBox / HitsBox / ErrorsBox.
    QLabel* ScoreBoxLabel(Side side, int box) const;
    QLabel* LineupName(int slot) const { return lineupNames_[slot]; }
    QLabel* LineupNumber(int slot, LineupColumn column) const {
        return lineupNumbers_[slot][column];
    }
    QLabel* PitcherName() const { return pitcherName_; }
    QLabel* PitcherValue(int column) const { return pitcherValues_[column]; }
    QLabel* HitterName() const { return hitterName_; }
    QLabel* HitterValue(int column) const { return hitterValues_[column]; }
    QLabel* InningCaption() const { return inningCaption_; }
    QLabel* OutsCaption() const { return outsCaption_; }
    // "Engine: Classic" or "Engine: Realistic".
    QLabel* EngineCaption() const { return engineCaption_; }
    QPlainTextEdit* LogField() const { return log_; }
    DiamondView* Diamond() const { return diamond_; }
    QComboBox* OffensiveChoices() const { return offense_; }
    QComboBox* DefensiveChoices() const { return defense_; }
    QPushButton* PitchButton() const { return pitch_; }
    QPushButton* SaveButton() const { return save_; }
    QPushButton* QuitButton() const { return quit_; }
    QPushButton* ManageHittingButton() const { return manageHitting_; }
    QPushButton* StatsHittingButton() const { return statsHitting_; }
    QPushButton* ManagePitchingButton() const { return managePitching_; }
    QPushButton* StatsPitchingButton() const { return statsPitching_; }
    QCheckBox* ManagesVisitorsBox() const { return managesVisitors_; }
    QCheckBox* ManagesHomeBox() const { return managesHome_; }
    QLabel* ReasonLine() const { return reason_; }
    QPushButton* SimButton() const { return sim_; }

    ComputerManagers Managers() const;
    // Whether "Sim to End" is playing turns.
    bool Simulating() const { return simulating_; }

    static bool IsHighlighted(const QLabel* label);

    // Called before each turn is played and after it (`after` false, then true): a
    // season's game counts what its box lines leave out.
    void WatchTurns(std::function<void(bool after)> watch) { watchTurns_ = std::move(watch); }

  public slots:
    void reject() override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // Widget building (play_screen_layout.cpp).
    void BuildWindow();
    QWidget* BuildScoreboard();
    QWidget* BuildLineupPanel();
    QWidget* BuildMatchupPanel();
    QWidget* BuildChoicePanel();
    void Connect();

    void SetHighlight(QLabel* label, bool on);
    void Pitch();
    // The computer manager (play_screen_manager.cpp).
    bool Managed(Side side) const;
    bool ComputerPlays(Side side) const { return simulating_ || Managed(side); }
    // The sides the computer decides for (`ComputerPlays` when `whileSimulating`).
    ManagedSides Sides(bool whileSimulating) const;
    void PlayOneTurn();
    void PrepareTurn();
    void ManagersChanged(Side side, bool managed);
    void StartSim();
    void SimStep();
    void StopSim();
    void UpdateCommands();
    void ShowHeldMessages();
    void OpenTeamDialog(bool battingSide, bool management);
    void Save();
    // Turns were played since the game was saved, loaded or set up, and it is not over
    // (a finished game is in its box score).
    bool UnsavedTurns() const;
    void Quit();
    void GameOver();

    UiContext& context_;
    bool gameOverPending_ = false;
    // The play-by-play grows with every turn played: its length when the game was last
    // saved, loaded or set up.
    std::size_t savedLogSize_ = 0;
    bool simulating_ = false;
    // While the computer bats, the engine's messages wait: the forced replacement's goes
    // to the reason line, any other is shown when the turn is over.
    bool holdMessages_ = false;
    std::vector<std::pair<std::string, std::string>> heldMessages_;
    // What the computer did in the last turn, shown before its next decision.
    QStringList turnNotes_;
    std::function<void(bool after)> watchTurns_;

    QLabel* visitorName_ = nullptr;
    QLabel* homeName_ = nullptr;
    std::array<std::array<QLabel*, 12>, 2> scoreBoxes_{};
    std::array<QLabel*, 9> lineupNames_{};
    std::array<std::array<QLabel*, 4>, 9> lineupNumbers_{};
    QLabel* pitcherName_ = nullptr;
    std::array<QLabel*, 5> pitcherValues_{};
    QLabel* hitterName_ = nullptr;
    std::array<QLabel*, 5> hitterValues_{};
    QLabel* inningCaption_ = nullptr;
    QLabel* outsCaption_ = nullptr;
    QLabel* engineCaption_ = nullptr;
    QPlainTextEdit* log_ = nullptr;
    DiamondView* diamond_ = nullptr;
    QComboBox* offense_ = nullptr;
    QComboBox* defense_ = nullptr;
    QPushButton* pitch_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* quit_ = nullptr;
    QPushButton* manageHitting_ = nullptr;
    QPushButton* statsHitting_ = nullptr;
    QPushButton* managePitching_ = nullptr;
    QPushButton* statsPitching_ = nullptr;
    QCheckBox* managesVisitors_ = nullptr;
    QCheckBox* managesHome_ = nullptr;
    QLabel* reason_ = nullptr;
    QPushButton* sim_ = nullptr;
    QTimer* simTimer_ = nullptr;
};

// Opens the play screen modally, again for as long as it ends with a replay.
void RunPlayScreen(UiContext& context, QWidget* parent);

}  // namespace velmoro
