// The main menu: its window, Load, New Game, ReadMe and Quit driven with a scripted
// prompter and chooser.
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "engine/turns.h"
#include "saves/saved_game.h"
#include "support/ui_harness.h"
#include "ui/main_window.h"
#include "ui/play_screen.h"
#include "ui/readme_window.h"
#include "ui/saved_game_commands.h"

using namespace velmoro;
using namespace velmoro::testing;

class MainMenuTest : public QObject {
    Q_OBJECT

  private slots:
    void buttonsInOrderReadMeAndQuit();
    void loadGivenUpEndsInGameLoadFailed_data();
    void loadGivenUpEndsInGameLoadFailed();
    void loadOpensThePlayScreenOnTheSavedGame();
    void newGameWithoutDatabaseStops();
    void newGameResetsTheGameAfterTheWizard();
};

// The buttons in order along the bottom, Season after the four first ones; ReadMe opens the readme,
// Quit closes.
void MainMenuTest::buttonsInOrderReadMeAndQuit() {
    QTemporaryDir dir;
    QFile readme(dir.filePath("velmoro.txt"));
    QVERIFY(readme.open(QIODevice::WriteOnly));
    readme.close();
    UiHarness harness;
    harness.session.installDirectory = dir.path().toStdString();
    MainWindow window(harness.context);
    window.show();
    QCOMPARE(window.windowTitle(), QString("Velmoro Baseball"));
    const QList<QPushButton*> buttons{window.LoadButton(), window.NewGameButton(),
                                      window.QuitButton(), window.ReadMeButton(),
                                      window.SeasonButton()};
    const QStringList texts{"&Load", "&New Game", "&Quit", "&ReadMe", "&Season"};
    for (int i = 0; i < buttons.size(); ++i) {
        QCOMPARE(buttons[i]->text(), texts[i]);
        if (i > 0) QVERIFY(buttons[i]->x() > buttons[i - 1]->x());
        QCOMPARE(buttons[i]->y(), buttons[0]->y());
    }
    ModalWatcher<ReadmeWindow> reader([](ReadmeWindow* window) { window->accept(); });
    QTest::mouseClick(window.ReadMeButton(), Qt::LeftButton);
    QVERIFY(reader.Fired());
    QTest::mouseClick(window.QuitButton(), Qt::LeftButton);
    QVERIFY(!window.isVisible());
}

void MainMenuTest::loadGivenUpEndsInGameLoadFailed_data() {
    // The answers as letters: a list as test data registers a converter through Qt's
    // std::function API, which a libc++ build cannot call in Debian's Qt.
    QTest::addColumn<QString>("answers");
    QTest::newRow("No at once") << QString("N");
    QTest::newRow("Yes, then No") << QString("YN");
}

void MainMenuTest::loadGivenUpEndsInGameLoadFailed() {
    QFETCH(QString, answers);
    UiHarness harness;
    for (QChar answer : answers)
        harness.prompter.QueueAnswers({answer == 'Y'});
    MainWindow window(harness.context);
    QTest::mouseClick(window.LoadButton(), Qt::LeftButton);
    QCOMPARE(harness.chooser.openCount, int(answers.size()));
    const auto& messages = harness.prompter.messages;
    QCOMPARE(int(messages.size()), int(answers.size()) + 1);
    for (int i = 0; i < int(answers.size()); ++i) {
        QVERIFY(messages[i].question);
        QCOMPARE(messages[i].text, std::string(kNotLoadedQuestion));
        QCOMPARE(messages[i].caption, std::string("Velmoro Baseball"));
    }
    QCOMPARE(messages.back().text, std::string("Game Load failed"));
    QCOMPARE(messages.back().caption, std::string("Velmoro Baseball Error"));
}

void MainMenuTest::loadOpensThePlayScreenOnTheSavedGame() {
    QTemporaryDir dir;
    const std::string path = dir.filePath("inning.gam").toStdString();
    {
        UiHarness writer;
        QVERIFY(writer.SetUpGame());
        OpenPlayScreen(writer.session);
        for (int turn = 0; turn < 12; ++turn)
            PlayTurn(writer.session, 0, 0);
        QVERIFY(WriteSavedGame(writer.session.game, path));
    }
    UiHarness harness;
    LoadTestLeague(harness.session);
    harness.chooser.QueueOpen(path);
    MainWindow window(harness.context);
    QString visitors;
    ModalWatcher<PlayScreen> quitter([&](PlayScreen* screen) {
        visitors = screen->TeamName(1)->text();
        screen->QuitButton()->click();
    });
    QTest::mouseClick(window.LoadButton(), Qt::LeftButton);
    QVERIFY(quitter.Fired());
    QCOMPARE(visitors, QString(kTestVisitors));
    QVERIFY(harness.prompter.messages.empty());
    QVERIFY(!harness.session.game.hasBattingBoxLines);
}

void MainMenuTest::newGameWithoutDatabaseStops() {
    QTemporaryDir empty;
    UiHarness harness;
    harness.session.installDirectory = empty.path().toStdString();
    // A damaged CustomDB is told too, before LegendDB, and with where reading stopped.
    const auto custom = harness.session.installDirectory / kCustomFileName;
    QVERIFY(ReplaceFileContents(custom,
                                "\x05"
                                "ab"));
    harness.session.game.playLog = "kept";
    MainWindow window(harness.context);
    ModalWatcher<QDialog> wizard([](QDialog* dialog) { dialog->reject(); }, 300);
    QTest::mouseClick(window.NewGameButton(), Qt::LeftButton);
    QTest::qWait(350);
    QVERIFY(!wizard.Fired());
    const std::string legend = (harness.session.installDirectory / kLegendFileName).string();
    const std::vector<std::string> expected = {
        "Database Load failed\n" + custom.string() +
            ": the data ends after 3 bytes, inside team 1\n\nThe custom teams are not offered. "
            "Before the file is saved again it is kept as CustomDB.damaged.",
        "Database Load failed\n" + legend + ": No such file or directory"};
    QCOMPARE(harness.prompter.Informs(), expected);
    QCOMPARE(harness.prompter.messages.front().caption, std::string("Velmoro Baseball Error"));
    QCOMPARE(harness.session.game.playLog, std::string("kept"));
}

void MainMenuTest::newGameResetsTheGameAfterTheWizard() {
    QTemporaryDir dir;
    QVERIFY(WriteTestLeague(dir.path().toStdString()));
    UiHarness harness;
    harness.session.installDirectory = dir.path().toStdString();
    Session& session = harness.session;
    // Leftovers of an earlier game and a wizard left on a later page.
    session.game.playLog = "old game";
    session.game.inning = 7;
    session.setup.selectingPosition = Catcher;
    session.setup.setupSide = kHome;
    MainWindow window(harness.context);
    ModalWatcher<QDialog> cancel([](QDialog* dialog) { dialog->reject(); });
    QTest::mouseClick(window.NewGameButton(), Qt::LeftButton);
    QCOMPARE(int(session.teams.legendTeams.size()), 2);
    QVERIFY(harness.prompter.Informs().empty());
    QCOMPARE(session.game.playLog, std::string("Top of inning 1\r\n"));
    QCOMPARE(session.game.inning, 1);
    QCOMPARE(session.setup.selectingPosition, int(Pitcher));
    QCOMPARE(session.setup.setupSide, kVisitors);
}

QTEST_MAIN(MainMenuTest)
#include "test_main_menu.moc"
