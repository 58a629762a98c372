#include "ui/main_window.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "db/captions.h"
#include "db/team_files.h"
#include "engine/session.h"
#include "setup/batting_order.h"
#include "ui/engine_choice.h"
#ifdef VELMORO_MANAGED_SEASONS
#include "ui/campaign/season_commands.h"
#endif
#include "ui/new_game_wizard.h"
#include "ui/picture_view.h"
#include "ui/pictures.h"
#include "ui/play_screen.h"
#include "ui/readme_window.h"
#include "ui/saved_game_commands.h"
#include "ui/season_window.h"
#include "ui/ui_context.h"

namespace velmoro {

MainWindow::MainWindow(UiContext& context, QWidget* parent)
    : QWidget(parent),
      context_(context),
      load_(new QPushButton("&Load", this)),
      newGame_(new QPushButton("&New Game", this)),
      quit_(new QPushButton("&Quit", this)),
      readMe_(new QPushButton("&ReadMe", this)),
      season_(new QPushButton("&Season", this)) {
    setWindowTitle(kCaption);
    setWindowIcon(ProgramIcon());
    auto* pictures = new QHBoxLayout;
    pictures->addWidget(new PictureView(PaintBatAndBall, QSize(200, 200), this), 2);
    pictures->addWidget(new PictureView(PaintBallpark, QSize(360, 200), this), 3);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {load_, newGame_, quit_, readMe_, season_})
        buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(pictures, 1);
    layout->addLayout(buttons);

    connect(load_, &QPushButton::clicked, this, &MainWindow::LoadGame);
    connect(newGame_, &QPushButton::clicked, this, &MainWindow::NewGame);
    connect(quit_, &QPushButton::clicked, this, &QWidget::close);
    connect(readMe_, &QPushButton::clicked, this, [this] { ShowReadme(context_, this); });
    connect(season_, &QPushButton::clicked, this, [this] {
#ifdef VELMORO_MANAGED_SEASONS
        RunSeasonMenu(context_, this);
#else
        RunSeasonWindow(context_, this);
#endif
    });
}

void MainWindow::LoadGame() {
    if (!LoadGameCommand(context_)) return;
    RunPlayScreen(context_, this);
    ClearGame();
}

void MainWindow::NewGame() {
    Session& session = context_.session;
    std::string customError, legendError;
    const bool loaded =
        LoadGameDatabases(session.teams, session.installDirectory, &customError, &legendError);
    // A damaged CustomDB does not stop the game, but its teams are missing, and its next
    // save keeps the file aside: the user learns both now.
    if (!customError.empty()) {
        context_.prompter.Inform("Database Load failed\n" + customError +
                                     "\n\nThe custom teams are not offered. Before the file is "
                                     "saved again it is kept as CustomDB.damaged.",
                                 kErrorCaption);
    }
    if (!loaded) {
        context_.prompter.Inform("Database Load failed\n" + legendError, kErrorCaption);
        return;
    }
    if (RunNewGameWizard(context_, this) > 0) {
        PlayOnEngine(session, context_.engine, RealisticSource(context_));
        RunPlayScreen(context_, this);
    }
    ClearGame();
}

void MainWindow::ClearGame() {
    ResetGame(context_.session.game);
    ResetSetup(context_.setup);
}

}  // namespace velmoro
