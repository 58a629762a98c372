// The main menu window "Velmoro Baseball": Load, New Game, Quit, ReadMe and Season.
#pragma once

#include <QWidget>

class QPushButton;

namespace velmoro {

struct UiContext;

class MainWindow : public QWidget {
  public:
    explicit MainWindow(UiContext& context, QWidget* parent = nullptr);

    QPushButton* LoadButton() const { return load_; }
    QPushButton* NewGameButton() const { return newGame_; }
    QPushButton* QuitButton() const { return quit_; }
    QPushButton* ReadMeButton() const { return readMe_; }
    QPushButton* SeasonButton() const { return season_; }

    void LoadGame();
    void NewGame();

  private:
    // After a game, finished or abandoned: nothing of it is left for the next one.
    void ClearGame();

    UiContext& context_;
    QPushButton* load_;
    QPushButton* newGame_;
    QPushButton* quit_;
    QPushButton* readMe_;
    QPushButton* season_;
};

}  // namespace velmoro
