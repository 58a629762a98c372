// Two sessions at the main menu, as a user has them: a new game through every wizard
// page played to the end, the box score, Cancel, Replay Game and Quit; and a game on the
// realistic engine saved in the middle (after Quit was refused, the chooser given up, a
// save failed and a file kept once), quit, and loaded.
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QWizard>
#include <QtTest>
#include <fstream>
#include <memory>

#include "engine/turns.h"
#include "realistic/realistic.h"
#include "support/ui_harness.h"
#include "ui/engine_choice.h"
#include "ui/game_over_window.h"
#include "ui/main_window.h"
#include "ui/play_screen.h"
#include "ui/saved_game_commands.h"

using namespace velmoro;
using namespace velmoro::testing;

namespace {

// Everything the play screen shows of a game.
QStringList Look(const PlayScreen& screen) {
    QStringList texts{screen.windowTitle(),
                      screen.OutsCaption()->text(),
                      screen.PitcherName()->text(),
                      screen.HitterName()->text(),
                      screen.LogField()->toPlainText(),
                      screen.EngineCaption()->text()};
    for (Side side : kBothSides)
        for (int box = 1; box <= ErrorsBox; ++box)
            texts << screen.ScoreBoxLabel(side, box)->text();
    for (int slot = 0; slot < 9; ++slot)
        texts << screen.LineupName(slot)->text();
    // "INNING: 5 (bottom)" while playing, "Bottom of inning 5" after a refresh.
    const QString caption = screen.InningCaption()->text().toLower();
    texts << QRegularExpression("\\d+").match(caption).captured() +
                 (caption.contains("bottom") ? " bottom" : " top");
    return texts;
}

// A main menu over the test league written to a temporary folder.
struct Desk {
    QTemporaryDir dir;
    UiHarness harness;
    MainWindow menu{harness.context};
    int wizardNexts = 0;
    EngineKind engine = EngineKind::Classic;
    ModalWatcher<QWizard> wizard{[this](QWizard* window) {
        Pick(window->currentPage(), "team2Teams", 1);
        ShowEngine(Child<QComboBox>(window->currentPage(), "engine"), engine);
        while (window->button(QWizard::NextButton)->isVisible()) {
            ++wizardNexts;
            window->button(QWizard::NextButton)->click();
        }
        window->button(QWizard::FinishButton)->click();
    }};

    Desk() {
        harness.session.installDirectory = dir.path().toStdString();
        harness.session.gameLogPath = dir.filePath("GameLog").toStdString();
        WriteTestLeague(harness.session.installDirectory);
        menu.show();
    }

    // What the main menu leaves after a game, however it ended.
    void VerifyCleared() {
        const Session& session = harness.session;
        QCOMPARE(session.game.visitor.lineup[0], nullptr);
        QCOMPARE(session.game.playLog, std::string("Top of inning 1\r\n"));
        QCOMPARE(harness.context.setup.selectingPosition, int(Pitcher));
    }
};

// Who plays where and bats when, for both sides, by name.
QStringList Lineups(const Session& session) {
    QStringList names;
    for (const GameSide* side : {&session.game.visitor, &session.game.home})
        for (const auto* list : {&side->lineup, &side->defense})
            for (const PlayerRecord* player : *list)
                names << (player ? QString::fromStdString(player->name) : "-");
    return names;
}

void PitchUntil(PlayScreen* screen, const GameState& game, const std::function<bool()>& done) {
    for (int turn = 0; turn < 3000 && !done(); ++turn) {
        if (!IsGameOver(game)) QTest::mouseClick(screen->PitchButton(), Qt::LeftButton);
        QCoreApplication::processEvents();
    }
}

}  // namespace

class FlowsTest : public QObject {
    Q_OBJECT

  private slots:
    void newGamePlayedToTheEndAndReplayed();
    void gameSavedMidwayLoadsBackAsItWas();
};

void FlowsTest::newGamePlayedToTheEndAndReplayed() {
    Desk desk;
    const GameState& game = desk.harness.session.game;
    QStringList opening, replayOpening, lineups;
    QString shownLog, resultLine;
    bool stillPlaying = false, replayFocused = false;
    std::unique_ptr<ModalWatcher<GameOverWindow>> over;
    std::unique_ptr<ModalWatcher<PlayScreen>> replay;
    ModalWatcher<PlayScreen> first([&](PlayScreen* screen) {
        opening = Look(*screen);
        lineups = Lineups(desk.harness.session);
        // Cancel keeps the finished game on the screen; the next Pitch asks again.
        over = std::make_unique<ModalWatcher<GameOverWindow>>([&](GameOverWindow* window) {
            QCOMPARE(window->windowTitle(), QString("Velmoro Baseball Game Log"));
            shownLog = window->LogField()->toPlainText();
            resultLine =
                QString("%1 %2, %3 %4")
                    .arg(kTestVisitors, screen->ScoreBoxLabel(Side::Visitors, RunsBox)->text(),
                         kTestHome, screen->ScoreBoxLabel(Side::Home, RunsBox)->text());
            window->CancelButton()->click();
        });
        PitchUntil(screen, game, [&] { return over->Fired(); });
        stillPlaying = screen->isVisible() && IsGameOver(game);
        over = std::make_unique<ModalWatcher<GameOverWindow>>([&](GameOverWindow* window) {
            replayFocused = window->focusWidget() == window->ReplayButton();
            window->ReplayButton()->click();
        });
        QTest::mouseClick(screen->PitchButton(), Qt::LeftButton);
        QTRY_VERIFY(over->Fired());
        replay = std::make_unique<ModalWatcher<PlayScreen>>([&](PlayScreen* next) {
            replayOpening = Look(*next);
            next->QuitButton()->click();
        });
    });
    QTest::mouseClick(desk.menu.NewGameButton(), Qt::LeftButton);

    // Team page, nine lineup pages and the order page for each side, every one but the
    // home team taken as offered: set up as velmoro-sim's defaults do.
    QCOMPARE(desk.wizardNexts, 20);
    UiHarness expected;
    QVERIFY(expected.SetUpGame());
    QCOMPARE(lineups, Lineups(expected.session));
    QVERIFY(first.Fired() && replay && replay->Fired());
    QVERIFY(desk.harness.prompter.messages.empty());
    QVERIFY(stillPlaying && replayFocused);
    // A classic game never loads the realistic engine's data.
    QCOMPARE(opening.value(5), QString("Engine: Classic"));
    QVERIFY(!desk.harness.context.realistic);
    // The box score is the file written, its result line the runs the screen showed.
    QFile log(QString::fromStdString(desk.harness.session.gameLogPath.string()));
    QVERIFY(log.open(QIODevice::ReadOnly));
    QCOMPARE(shownLog, QString::fromUtf8(log.readAll()).replace("\r\n", "\n"));
    QCOMPARE(shownLog.section('\n', 0, 0), resultLine);
    // The replay opens exactly as the first game did.
    QCOMPARE(opening.value(4), QString("Top of inning 1\n"));
    QCOMPARE(replayOpening, opening);
    desk.VerifyCleared();
}

void FlowsTest::gameSavedMidwayLoadsBackAsItWas() {
    Desk desk;
    desk.engine = EngineKind::Realistic;
    const GameState& game = desk.harness.session.game;
    const QString fileName = "midgame.gam";
    const std::string path = desk.dir.filePath(fileName).toStdString();
    const std::string badPath = desk.dir.filePath("no such folder/game.gam").toStdString();
    std::ofstream(path) << "a text file the user keeps\n";
    ScriptedFileChooser& chooser = desk.harness.chooser;
    ScriptedPrompter& prompter = desk.harness.prompter;
    // Cancelled, a failed write, then the text file: kept once, replaced the next time.
    chooser.saves = {std::nullopt, badPath, path, path};
    chooser.opens = {std::nullopt, path};
    // Quit unsaved: No. Replace: No, Yes. Load cancelled: try again.
    prompter.QueueAnswers({false, false, true, true});
    QStringList saved, loaded;
    ModalWatcher<PlayScreen> playing([&](PlayScreen* screen) {
        // Well into the game, with somebody on base if the game offers it soon.
        int pitches = 0;
        PitchUntil(screen, game,
                   [&] { return ++pitches > 45 || (pitches > 30 && game.bases != 0); });
        QTest::mouseClick(screen->QuitButton(), Qt::LeftButton);
        QVERIFY(screen->isVisible());
        saved = Look(*screen);
        // The data are loaded for the choice; the caption names the engine that plays.
        QVERIFY(desk.harness.context.realistic);
        QCOMPARE(saved.value(5), QString("Engine: ") + EngineName(EngineOf(game)));
        for (int press = 0; press < 3; ++press)
            QTest::mouseClick(screen->SaveButton(), Qt::LeftButton);
        QCOMPARE(Look(*screen), saved);
        QTest::mouseClick(screen->QuitButton(), Qt::LeftButton);  // saved: no question
    });
    QTest::mouseClick(desk.menu.NewGameButton(), Qt::LeftButton);
    QVERIFY(playing.Fired());
    QCOMPARE(chooser.saveCount, 4);
    const std::string replace = fileName.toStdString() + " already exists. Replace it?";
    std::vector<std::string> questions;
    for (const auto& message : prompter.messages)
        if (message.question) questions.push_back(message.text);
    QCOMPARE(questions, (std::vector<std::string>{kQuitUnsavedQuestion, replace, replace}));
    QCOMPARE(prompter.Informs(),
             std::vector<std::string>{std::string(kSaveFailedMessage) + "\ncannot write " +
                                      badPath + ": No such file or directory"});
    desk.VerifyCleared();

    ModalWatcher<PlayScreen> reopened([&](PlayScreen* screen) {
        loaded = Look(*screen);
        QTest::mouseClick(screen->QuitButton(), Qt::LeftButton);
    });
    QTest::mouseClick(desk.menu.LoadButton(), Qt::LeftButton);
    QVERIFY(reopened.Fired());
    QCOMPARE(prompter.messages.back().text, std::string(kNotLoadedQuestion));
    QCOMPARE(prompter.Informs().size(), std::size_t{1});
    QVERIFY(saved.value(4).count('\n') > 5);
    QCOMPARE(loaded, saved);
    desk.VerifyCleared();
}

QTEST_MAIN(FlowsTest)
#include "test_flows.moc"
