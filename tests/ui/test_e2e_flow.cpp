// Whole games through the real windows, as a user plays them: the main menu's New Game,
// every page of the wizard taken as offered, Pitch until the game is over, the box
// score, Replay Game and Quit; and a game saved in the middle, quit and loaded again.
#include <QApplication>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QWizard>
#include <QtTest>
#include <functional>

#include "engine/game_state.h"
#include "support/ui_harness.h"
#include "ui/game_over_window.h"
#include "ui/main_window.h"
#include "ui/manage_lineup_dialog.h"
#include "ui/play_screen.h"

using namespace velmoro;
using namespace velmoro::testing;

namespace {

// The one push button of `window` with this text; none when missing or ambiguous.
QPushButton* ButtonWithText(QWidget* window, const QString& text) {
    QPushButton* found = nullptr;
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        if (button->text() != text) continue;
        if (found) return nullptr;
        found = button;
    }
    return found;
}

// Everything the play screen shows that a fresh, replayed or reloaded game must match.
struct ScreenView {
    QString title;
    QStringList scores;  // visitors' then home's innings 1..9, R, H, E
    QStringList lineup;  // names of the side at bat
    QString inning, outs, pitcher, hitter, log;
    std::array<PlayerRecord*, 10> visitors{}, home{};

    bool operator==(const ScreenView&) const = default;
};

ScreenView Look(PlayScreen* screen, const GameState& game) {
    ScreenView view;
    view.title = screen->windowTitle();
    for (int side : {kVisitors, kHome})
        for (int box = 1; box <= ErrorsBox; ++box)
            view.scores << screen->ScoreBoxLabel(side, box)->text();
    for (int slot = 0; slot < 9; ++slot)
        view.lineup << screen->LineupName(slot)->text();
    view.inning = screen->InningCaption()->text();
    view.outs = screen->OutsCaption()->text();
    view.pitcher = screen->PitcherName()->text();
    view.hitter = screen->HitterName()->text();
    view.log = screen->LogField()->toPlainText();
    view.visitors = game.visitor.lineup;
    view.home = game.home.lineup;
    return view;
}

// "5 bottom" from either wording of the inning caption.
QString HalfInning(const QString& caption) {
    const QString lower = caption.toLower();
    const QString number = QRegularExpression("\\d+").match(lower).captured();
    return number + (lower.contains("bottom") ? " bottom" : lower.contains("top") ? " top" : "?");
}

QString ReadWhole(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll()).replace("\r\n", "\n");
}

// Acts, like a user, on whichever modal window is on top: one step per tick, so every
// window gets its events between two clicks. A window nobody expected, or a run that
// takes too long, is closed and recorded so the test fails instead of hanging.
class Autopilot {
  public:
    std::function<void(PlayScreen*)> onPlayScreen;
    std::function<void(GameOverWindow*)> onGameOver;
    std::function<void(ManageLineupDialog*)> onLineup;

    int wizardNexts = 0;
    int wizardFinishes = 0;
    QStringList unexpected;
    bool timedOut = false;

    Autopilot() {
        clock_.start();
        timer_.setInterval(1);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
        timer_.start();
    }

    // Clicks the button with this text; a button that is missing is recorded and the
    // window closed, so the test fails on `unexpected` instead of crashing.
    void Press(QDialog* window, const QString& text) {
        if (QPushButton* button = ButtonWithText(window, text)) return button->click();
        unexpected << "no button " + text + " in " + window->windowTitle();
        window->reject();
    }

  private:
    void Tick() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        if (clock_.elapsed() > 60000) {
            timedOut = true;
            timer_.stop();
            if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
        } else if (auto* wizard = qobject_cast<QWizard*>(modal)) {
            AcceptOffered(wizard);
        } else if (auto* screen = dynamic_cast<PlayScreen*>(modal); screen && onPlayScreen) {
            onPlayScreen(screen);
        } else if (auto* over = dynamic_cast<GameOverWindow*>(modal); over && onGameOver) {
            onGameOver(over);
        } else if (auto* lineup = dynamic_cast<ManageLineupDialog*>(modal); lineup && onLineup) {
            onLineup(lineup);
        } else {
            unexpected << modal->windowTitle();
            if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
        }
    }

    // Next on every page, Finish on the last.
    void AcceptOffered(QWizard* wizard) {
        QAbstractButton* next = wizard->button(QWizard::NextButton);
        if (next->isVisible() && next->isEnabled()) {
            ++wizardNexts;
            next->click();
        } else if (QAbstractButton* finish = wizard->button(QWizard::FinishButton);
                   finish->isVisible() && finish->isEnabled()) {
            ++wizardFinishes;
            finish->click();
        }
    }

    QElapsedTimer clock_;
    QTimer timer_;
};

// A main menu over a league written to a temp folder, the box score written there too.
struct Desk {
    QTemporaryDir dir;
    UiHarness harness;
    MainWindow window{harness.context};

    Desk() {
        harness.session.installDirectory = dir.path().toStdString();
        harness.session.gameLogPath = GameLogPath().toStdString();
        window.show();
    }
    bool Ready() const { return dir.isValid() && WriteTestLeague(dir.path().toStdString()); }
    QString GameLogPath() const { return dir.filePath("GameLog"); }
    GameState& Game() { return harness.session.game; }
    void Click(const QString& text) {
        QPushButton* button = ButtonWithText(&window, text);
        QVERIFY2(button, qPrintable("no button " + text));
        QTest::mouseClick(button, Qt::LeftButton);
    }
};

// What the main menu leaves after a game, however it ended.
void VerifyClearedForTheNextGame(Session& session) {
    const GameState& game = session.game;
    for (const GameSide* side : {&game.visitor, &game.home}) {
        for (const PlayerRecord* player : side->lineup)
            QVERIFY(player == nullptr);
        for (const PlayerRecord* player : side->defense)
            QVERIFY(player == nullptr);
        for (const BoxChain& chain : side->boxLines)
            QVERIFY(chain.empty());
        QCOMPARE(side->teamRuns, 0);
    }
    QCOMPARE(game.playLog, std::string("Top of inning 1\r\n"));
    QCOMPARE(game.inning, 1);
    QCOMPARE(game.battingSide, kVisitors);
    QCOMPARE(session.setup.setupSide, kVisitors);
    QCOMPARE(session.setup.selectingPosition, int(Pitcher));
    QCOMPARE(session.setup.selectingOutfielder, kLeftField);
}

constexpr int kPitchLimit = 1000;  // far more plate appearances than nine innings take

}  // namespace

class EndToEndTest : public QObject {
    Q_OBJECT

  private slots:
    void newGamePlayedToTheEndThenReplayedThenQuit();
    void gameSavedMidwayLoadsBackAsItWas();
};

void EndToEndTest::newGamePlayedToTheEndThenReplayedThenQuit() {
    Desk desk;
    QVERIFY(desk.Ready());
    GameState& game = desk.Game();
    Autopilot pilot;
    std::vector<ScreenView> openings;  // each game as its play screen first showed it
    int pitches = 0, pitchingChanges = 0, gameOvers = 0;
    PlayerRecord* homeStarter = nullptr;
    PlayerRecord* reliever = nullptr;
    QString shownBoxScore, boxScoreFile, overTitle;
    QStringList finalRuns;

    pilot.onPlayScreen = [&](PlayScreen* screen) {
        if (int(openings.size()) == gameOvers) {
            openings.push_back(Look(screen, game));
            if (gameOvers == 1) pilot.Press(screen, "&Quit");
            return;
        }
        // A change of pitchers in the first inning, which the replay must undo.
        if (pitches == 2 && pitchingChanges == 0 && !game.HomeBatting()) {
            homeStarter = game.home.lineup[9];
            ++pitchingChanges;
            // The window is modal: opened from a tick of its own, this one goes on.
            QTimer::singleShot(0, screen->ManagePitchingButton(), &QPushButton::click);
            return;
        }
        if (++pitches > kPitchLimit) return screen->reject();
        pilot.Press(screen, "&Pitch");
    };
    pilot.onLineup = [&](ManageLineupDialog* dialog) {
        auto* candidates = dialog->findChild<QListWidget*>("candidates");
        if (candidates && candidates->count() > 0) candidates->setCurrentRow(0);
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        reliever = game.home.lineup[9];
    };
    pilot.onGameOver = [&](GameOverWindow* window) {
        ++gameOvers;
        overTitle = window->windowTitle();
        shownBoxScore = window->LogField()->toPlainText();
        boxScoreFile = ReadWhole(desk.GameLogPath());
        if (auto* screen = dynamic_cast<PlayScreen*>(window->parentWidget()))
            finalRuns = {screen->ScoreBoxLabel(kVisitors, RunsBox)->text(),
                         screen->ScoreBoxLabel(kHome, RunsBox)->text()};
        pilot.Press(window, "Replay Game");
    };
    desk.Click("&New Game");

    QVERIFY(!pilot.timedOut);
    QCOMPARE(pilot.unexpected, QStringList());
    QCOMPARE(desk.harness.prompter.messages.size(), std::size_t(0));
    // Team page, nine lineup pages and the order page for each side; no designated hitter.
    QCOMPARE(pilot.wizardNexts, 20);
    QCOMPARE(pilot.wizardFinishes, 1);
    QVERIFY2(pitches <= kPitchLimit, "the game never ended");
    QCOMPARE(gameOvers, 1);
    QCOMPARE(overTitle, QString("Velmoro Baseball Game Log"));
    QVERIFY(!boxScoreFile.isEmpty());
    QVERIFY(boxScoreFile.size() < int(kGameLogLimit));  // shown whole, not cut
    QCOMPARE(shownBoxScore, boxScoreFile);
    // Every default takes the first team for both sides; the box score's result line
    // agrees with the runs the screen showed at the end.
    QCOMPARE(boxScoreFile.section('\n', 0, 0),
             QString("%1 %2, %1 %3").arg(kTestVisitors, finalRuns.value(0), finalRuns.value(1)));

    QCOMPARE(pitchingChanges, 1);
    QVERIFY(homeStarter && reliever && reliever != homeStarter);
    QCOMPARE(int(openings.size()), 2);
    const ScreenView& first = openings[0];
    const ScreenView& replay = openings[1];
    QCOMPARE(first.title, QString("Velmoro Baseball Play Ball"));
    QCOMPARE(first.home[9], homeStarter);
    QStringList fresh = {"0", "", "", "", "", "", "", "", "", "0", "0", "0",
                         "",  "", "", "", "", "", "", "", "", "0", "0", "0"};
    QCOMPARE(first.scores, fresh);
    // The replay opens exactly as the first game did: same starters, empty line score.
    QCOMPARE(replay.scores, first.scores);
    QCOMPARE(replay.lineup, first.lineup);
    QCOMPARE(replay.pitcher, first.pitcher);
    QCOMPARE(replay.hitter, first.hitter);
    QCOMPARE(replay.inning, first.inning);
    QCOMPARE(replay.outs, first.outs);
    QCOMPARE(replay.log, first.log);
    QVERIFY(replay.visitors == first.visitors);
    QVERIFY(replay.home == first.home);

    VerifyClearedForTheNextGame(desk.harness.session);
}

void EndToEndTest::gameSavedMidwayLoadsBackAsItWas() {
    Desk desk;
    QVERIFY(desk.Ready());
    const QString savePath = desk.dir.filePath("midgame.gam");
    desk.harness.chooser.QueueSave(savePath.toStdString());
    desk.harness.chooser.QueueOpen(savePath.toStdString());
    GameState& game = desk.Game();
    Autopilot pilot;
    int pitches = 0;
    ScreenView saved;
    pilot.onPlayScreen = [&](PlayScreen* screen) {
        // Well into the game, with somebody on base if the game offers it soon.
        if (++pitches < 30 || (pitches < 45 && game.bases == 0)) {
            pilot.Press(screen, "&Pitch");
            return;
        }
        saved = Look(screen, game);
        pilot.Press(screen, "&Save");
        pilot.Press(screen, "&Quit");
    };
    desk.Click("&New Game");
    QVERIFY(!pilot.timedOut);
    QCOMPARE(desk.harness.chooser.saveCount, 1);
    QVERIFY(QFile::exists(savePath));
    VerifyClearedForTheNextGame(desk.harness.session);
    QCOMPARE(saved.title, QString("Velmoro Baseball Play Ball"));
    QVERIFY(saved.log.count('\n') > 5);

    ScreenView loaded;
    pilot.onPlayScreen = [&](PlayScreen* screen) {
        loaded = Look(screen, game);
        pilot.Press(screen, "&Quit");
    };
    desk.Click("&Load");
    QVERIFY(!pilot.timedOut);
    QCOMPARE(pilot.unexpected, QStringList());
    QCOMPARE(desk.harness.chooser.openCount, 1);
    QCOMPARE(desk.harness.prompter.messages.size(), std::size_t(0));
    QCOMPARE(loaded.title, saved.title);
    QCOMPARE(loaded.scores, saved.scores);
    QCOMPARE(loaded.log, saved.log);
    // A refresh words the caption differently from the change of half-inning
    // ("Bottom of inning 5" against "INNING: 5 (bottom)"); the half-inning is the same.
    QCOMPARE(HalfInning(loaded.inning), HalfInning(saved.inning));
    QCOMPARE(loaded.outs, saved.outs);
    QCOMPARE(loaded.lineup, saved.lineup);
    QCOMPARE(loaded.pitcher, saved.pitcher);
    QCOMPARE(loaded.hitter, saved.hitter);
    VerifyClearedForTheNextGame(desk.harness.session);
}

QTEST_MAIN(EndToEndTest)
#include "test_e2e_flow.moc"
