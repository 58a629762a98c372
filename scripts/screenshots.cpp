// Writes the README's pictures of the real windows, offscreen, over the demo league:
//   velmoro-screenshots DATA_DIR DOCS_DIR
// DATA_DIR holds LegendDB, Seasons.csv and velmoro.txt as the build writes them.
// Built and run by scripts/screenshots.sh; not part of the program or its tests.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QWizard>
#include <cstdio>
#include <functional>

#include "db/season_index.h"
#include "db/team_files.h"
#include "engine/session.h"
#include "engine/turns.h"
#include "platform/file_chooser.h"
#include "platform/prompter.h"
#include "setup/batting_order.h"
#include "setup/default_setup.h"
#include "ui/custom_editor_window.h"
#include "ui/game_over_window.h"
#include "ui/main_window.h"
#include "ui/management_dialogs.h"
#include "ui/new_game_wizard.h"
#include "ui/play_screen.h"
#include "ui/readme_window.h"
#include "ui/season_window.h"
#ifdef VELMORO_MANAGED_SEASONS
#include "campaign/managed_season.h"
#include "ui/campaign/season_screen.h"
#endif
#include "ui/text_view_files.h"
#include "ui/ui_context.h"

using namespace velmoro;

namespace {

// Nobody answers: messages go to stderr, questions are answered No, files are not chosen.
struct QuietPrompter : Prompter {
    void Inform(const std::string& text, const std::string& caption) override {
        std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    }
    bool AskYesNo(const std::string&, const std::string&) override { return false; }
};
struct NoFileChooser : FileChooser {
    std::optional<std::string> ChooseOpen() override { return std::nullopt; }
    std::optional<std::string> ChooseSave() override { return std::nullopt; }
};

QString docsDir;
int failures = 0;

void Save(QWidget* window, const char* name) {
    window->show();
    QCoreApplication::processEvents();
    const QString path = QDir(docsDir).filePath(name);
    if (window->grab().save(path)) {
        std::printf("wrote %s\n", qPrintable(path));
    } else {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        ++failures;
    }
}

// Runs `act` on the next window that opens modally (exec() blocks its caller).
void WhenModal(std::function<void(QDialog*)> act) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) return;
        timer->stop();
        timer->deleteLater();
        act(dialog);
    });
    timer->start();
}

void WaitFor(const std::function<bool()>& done) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 120000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

void Select(QWidget* window, const char* list, int row) {
    window->findChild<QListWidget*>(list)->setCurrentRow(row);
    QCoreApplication::processEvents();
}

void Press(QWidget* window, const char* button) {
    window->findChild<QPushButton*>(button)->click();
    QCoreApplication::processEvents();
}

#ifdef VELMORO_MANAGED_SEASONS
// A managed season of the demo league six weeks in, a club of the user's among them.
void SaveSeasonScreen(UiContext& context, const std::filesystem::path& data) {
    const QString file = QDir::temp().filePath("velmoro-screenshots.vsn");
    QFile::remove(file);
    NewSeasonOptions options;
    options.directory = data;
    options.year = 2025;
    options.managed = {"2025 Harbor Hawks"};
    options.seed = 7;
    std::unique_ptr<ManagedSeason> season;
    SeasonSimOptions weeks;
    weeks.days = 42;
    SimOutcome outcome;
    Status status = ManagedSeason::Create(file.toStdString(), options, season);
    if (status) status = season->Sim(weeks, outcome);
    if (!status) {
        std::fprintf(stderr, "no season: %s\n", status.message().c_str());
        ++failures;
        return;
    }
    {
        SeasonScreen screen(context, std::move(season));
        screen.resize(1100, 640);
        Save(&screen, "season_screen.png");
    }
    QFile::remove(file);
}
#endif

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s DATA_DIR DOCS_DIR\n", argv[0]);
        return 2;
    }
    const std::filesystem::path data = argv[1];
    docsDir = argv[2];
    QDir().mkpath(docsDir);
    Session session;
    session.random.SetFixedSeed(7);
    session.installDirectory = data;
    session.gameLogPath = QDir::temp().filePath("velmoro-screenshots-GameLog").toStdString();
    QuietPrompter prompter;
    NoFileChooser chooser;
    UiContext context{session, prompter, chooser};
    std::vector<SeasonRecord> index;
    if (!LoadLegendDatabase(session.teams, data) ||
        !LoadSeasonIndex(data / kSeasonIndexFileName, index)) {
        std::fprintf(stderr, "no demo league in %s\n", argv[1]);
        return 1;
    }

    MainWindow menu(context);
    menu.resize(760, 400);
    Save(&menu, "main_menu.png");
    menu.hide();

    if (const auto readme = ReadTextPrefix(data / "velmoro.txt", kReadmeLimit)) {
        ReadmeWindow window(*readme, nullptr);
        Save(&window, "readme.png");
    }

    {  // The team page with two clubs and a designated hitter, a lineup page, the order.
        NewGameWizard wizard(context);
        wizard.resize(860, 560);
        wizard.show();
        Select(wizard.currentPage(), "team2Teams", 1);
        wizard.currentPage()->findChild<QCheckBox*>("designatedHitter")->setChecked(true);
        Save(&wizard, "wizard_team_page.png");
        wizard.button(QWizard::NextButton)->click();
        Save(&wizard, "wizard_lineup_page.png");
        while (wizard.button(QWizard::NextButton)->isVisible() &&
               !wizard.currentPage()->findChild<QWidget*>("order"))
            wizard.button(QWizard::NextButton)->click();
        Save(&wizard, "wizard_batting_order.png");
        wizard.reject();
    }
    ResetGame(session.game);
    ResetSetup(context.setup);

    // A game in the fourth inning with runners on; the management windows over it.
    std::string error;
    TeamRecord& visitors = *session.teams.legendTeams[0];
    TeamRecord& home = *session.teams.legendTeams[2];
    if (!DefaultSetup(session, visitors, home, false, &error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    GameState& game = session.game;
    PlayScreen screen(context);
    screen.resize(screen.sizeHint().expandedTo(QSize(900, 620)));
    screen.show();
    while (!IsGameOver(game) && (game.inning < 4 || game.bases == 0 || game.outs == 0))
        screen.PitchButton()->click();
    Save(&screen, "play_screen.png");

    // A pitching change for the side in the field, a reliever highlighted.
    WhenModal([](QDialog* window) {
        Select(window, "candidates", 1);
        Save(window, "manage_substitution.png");
        window->reject();
    });
    RunPitchingChangeDialog(context, &screen, game.FieldingSide());
    WhenModal([](QDialog* window) {
        window->resize(760, 640);
        Save(window, "manage_stats.png");
        window->reject();
    });
    RunTeamStatsDialog(context, &screen, *game.Batting().team, game.battingSide);

    bool over = false;
    WhenModal([&over](QDialog* window) {
        Save(window, "game_over.png");
        over = true;
        window->reject();
    });
    for (int turn = 0; turn < 3000 && !over; ++turn) {
        if (!IsGameOver(game)) screen.PitchButton()->click();
        QCoreApplication::processEvents();
    }
    screen.hide();
    QFile::remove(QString::fromStdString(session.gameLogPath.string()));

    {  // A custom team being built while a search shows its finds.
        AddTeam(session.teams.customTeams, "Bay Area All-Stars");
        CustomEditorWindow editor(context);
        editor.resize(1100, 560);
        editor.show();
        Select(&editor, "years", 0);
        Select(&editor, "clubs", 1);
        for (int row : {0, 3, 5, 9}) {
            Select(&editor, "sourcePlayers", row);
            Press(&editor, "addPlayer");
        }
        editor.findChild<QLineEdit*>("searchText")->setText("callo");
        Press(&editor, "findPlayer");
        Save(&editor, "editor_search.png");
        editor.hide();
    }

    SeasonWindow season(context, index);
    season.resize(1100, 720);
    season.show();
    season.GamesBox()->setValue(14);
    season.PlayButton()->click();
    WaitFor([&] { return season.PlayButton()->isEnabled(); });
    Save(&season, "season_window.png");
    season.hide();
#ifdef VELMORO_MANAGED_SEASONS
    SaveSeasonScreen(context, data);
#endif
    return failures == 0 ? 0 : 1;
}
