// The main menu, the readme, the play screen and its management windows, each shown
// once over a game of the test league: the window shows what its rule gives, and its
// buttons call their rules.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>

#include "setup/manage_stats.h"
#include "setup/manage_substitution.h"
#include "support/ui_harness.h"
#include "ui/main_window.h"
#include "ui/pictures.h"
#include "ui/play_screen.h"
#include "ui/readme_window.h"
#include "ui/saved_game_commands.h"

using namespace velmoro;
using namespace velmoro::testing;

namespace {

QString Name(const PlayerRecord* player) {
    return QString::fromStdString(player->name);
}

void PitchUntil(PlayScreen& screen, const std::function<bool()>& done) {
    for (int turn = 0; turn < 2000 && !done(); ++turn)
        QTest::mouseClick(screen.PitchButton(), Qt::LeftButton);
}

// The screen's diamond paints the same picture as one showing these bases.
bool DiamondShows(PlayScreen& screen, int bases) {
    DiamondView reference([bases] { return bases; });
    reference.resize(screen.Diamond()->size());
    QImage shown(reference.size(), QImage::Format_RGB32), expected = shown;
    shown.fill(Qt::black);
    expected.fill(Qt::black);  // the picture alone, no window background
    screen.Diamond()->render(&shown, {}, {}, QWidget::DrawChildren);
    reference.render(&expected, {}, {}, QWidget::DrawChildren);
    return shown == expected;
}

QString TableRow(QWidget* window, int row) {
    auto* table = Child<QTableWidget>(window, "statsTable");
    QStringList cells;
    for (int column = 0; column < table->columnCount(); ++column)
        cells << (table->item(row, column) ? table->item(row, column)->text() : QString());
    return cells.join('\t');
}

}  // namespace

class WindowsTest : public QObject {
    Q_OBJECT

  private slots:
    void mainMenuButtons();
    void readmeShowsTheFile();
    void playScreenFollowsTheGame();
    void managementWindowsChangeTheGame();
};

void WindowsTest::mainMenuButtons() {
    QTemporaryDir dir;
    UiHarness harness;
    harness.session.installDirectory = dir.path().toStdString();
    MainWindow window(harness.context);
    window.show();
    QCOMPARE(window.windowTitle(), QString("Velmoro Baseball"));
    QStringList texts;
    for (auto* button : {window.LoadButton(), window.NewGameButton(), window.QuitButton(),
                         window.ReadMeButton(), window.SeasonButton()})
        texts << button->text();
    QCOMPARE(texts, (QStringList{"&Load", "&New Game", "&Quit", "&ReadMe", "&Season"}));

    // Load given up twice: the question after each chooser, then the failure.
    harness.prompter.QueueAnswers({true, false});
    QTest::mouseClick(window.LoadButton(), Qt::LeftButton);
    QCOMPARE(harness.chooser.openCount, 2);
    QCOMPARE(harness.prompter.messages[1].text, std::string(kNotLoadedQuestion));
    QCOMPARE(harness.prompter.Informs(), std::vector<std::string>{"Game Load failed"});

    // New Game, Season and ReadMe over a folder without their files say so.
    harness.prompter.messages.clear();
    for (auto* button : {window.NewGameButton(), window.SeasonButton(), window.ReadMeButton()})
        QTest::mouseClick(button, Qt::LeftButton);
    const auto informs = harness.prompter.Informs();
    QCOMPARE(int(informs.size()), 3);
    QCOMPARE(informs[0], "Database Load failed\n" +
                             (harness.session.installDirectory / kLegendFileName).string() +
                             ": No such file or directory");
    QVERIFY(informs[1].rfind("Database Load failed", 0) == 0);
    QVERIFY(informs[2].rfind("The readme file, velmoro.txt, is missing.\n", 0) == 0);
    QCOMPARE(harness.prompter.messages[0].caption, std::string("Velmoro Baseball Error"));

    QTest::mouseClick(window.QuitButton(), Qt::LeftButton);
    QVERIFY(!window.isVisible());
}

// The file as lines (either line end), at most 5000 bytes and no broken character.
void WindowsTest::readmeShowsTheFile() {
    const QByteArray line = QByteArray(99, 'a') + '\n';
    const struct {
        QByteArray file;
        QString shown;
    } cases[] = {{"Velmoro\r\nplay ball\r\n\r\nend", "Velmoro\nplay ball\n\nend"},
                 {line.repeated(60), QString(line.repeated(50))},
                 {QByteArray(4999, 'b') + "\xc3\xa9tail", QString(QByteArray(4999, 'b'))}};
    QTemporaryDir dir;
    UiHarness harness;
    harness.session.installDirectory = dir.path().toStdString();
    MainWindow menu(harness.context);
    for (const auto& c : cases) {
        std::ofstream(dir.filePath("velmoro.txt").toStdString(), std::ios::binary)
            .write(c.file.data(), c.file.size());
        QString text;
        ModalWatcher<ReadmeWindow> reader([&](ReadmeWindow* window) {
            text = window->TextField()->toPlainText();
            QCOMPARE(window->windowTitle(), QString("Corvane Velmoro Baseball Readme File"));
            Button(window, "OK")->click();
        });
        QTest::mouseClick(menu.ReadMeButton(), Qt::LeftButton);
        QVERIFY(reader.Fired());
        QCOMPARE(text, c.shown);
    }
    QVERIFY(harness.prompter.messages.empty());
}

void WindowsTest::playScreenFollowsTheGame() {
    UiHarness harness;
    QVERIFY(harness.SetUpGame());
    GameState& game = harness.session.game;
    PlayScreen screen(harness.context);
    screen.show();
    QCOMPARE(screen.windowTitle(), QString("Velmoro Baseball Play Ball"));
    QCOMPARE(screen.TeamName(1)->text(), QString(kTestVisitors));
    QCOMPARE(screen.TeamName(2)->text(), QString(kTestHome));
    QVERIFY(PlayScreen::IsHighlighted(screen.TeamName(1)));
    QVERIFY(PlayScreen::IsHighlighted(screen.LineupName(0)));
    QCOMPARE(screen.ScoreBoxLabel(1, 1)->text(), QString("0"));
    QCOMPARE(screen.InningCaption()->text(), QString("INNING: 1 (top)"));
    QCOMPARE(screen.OutsCaption()->text(), QString("Outs: 0"));
    QCOMPARE(screen.LogField()->toPlainText(), QString("Top of inning 1\n"));
    for (int slot = 0; slot < 9; ++slot)
        QCOMPARE(screen.LineupName(slot)->text(), Name(game.visitor.lineup[slot]));
    QCOMPARE(screen.PitcherName()->text(), Name(game.home.lineup[9]));
    QCOMPARE(screen.HitterName()->text(), Name(game.visitor.lineup[0]));

    PitchUntil(screen, [&] { return game.bases != 0; });
    QVERIFY(DiamondShows(screen, game.bases));
    QVERIFY(!DiamondShows(screen, 0));
    PitchUntil(screen, [&] { return game.HomeBatting(); });
    QVERIFY(PlayScreen::IsHighlighted(screen.TeamName(2)));
    QVERIFY(!PlayScreen::IsHighlighted(screen.TeamName(1)));
    QCOMPARE(screen.LineupName(0)->text(), Name(game.home.lineup[0]));
    QCOMPARE(screen.PitcherName()->text(), Name(game.visitor.lineup[9]));
    QCOMPARE(screen.ScoreBoxLabel(1, RunsBox)->text(), QString::number(game.visitor.teamRuns));
    QCOMPARE(screen.ScoreBoxLabel(1, HitsBox)->text(), QString::number(game.visitor.hits));
    QCOMPARE(screen.InningCaption()->text(), QString("INNING: 1 (bottom)"));
    QVERIFY(screen.LogField()->toPlainText().endsWith("Bottom of inning 1.\n"));

    // Each team button opens its window for its side: the side at bat or in the field.
    const struct {
        QPushButton* button;
        int side;
    } buttons[] = {{screen.ManageHittingButton(), kHome},
                   {screen.StatsHittingButton(), kHome},
                   {screen.ManagePitchingButton(), kVisitors},
                   {screen.StatsPitchingButton(), kVisitors}};
    for (const auto& b : buttons) {
        game.dialogSide = 0;
        ModalWatcher<QDialog> closer([](QDialog* dialog) { dialog->reject(); });
        QTest::mouseClick(b.button, Qt::LeftButton);
        QVERIFY(closer.Fired());
        QCOMPARE(game.dialogSide, b.side);
    }

    QTest::mouseClick(screen.QuitButton(), Qt::LeftButton);
    QCOMPARE(screen.result(), 0);
    QVERIFY(!game.hasBattingBoxLines);
    QCOMPARE(game.playLog, std::string("Top of inning 1\r\n"));
}

// Through the play screen's buttons: a pitcher who bats for the visitors, the home
// team's pitching change, the statistics, and the window a turn opens when a pinch
// hitter must leave.
void WindowsTest::managementWindowsChangeTheGame() {
    UiHarness harness;
    QVERIFY(harness.SetUpGame());
    GameState& game = harness.session.game;
    PlayScreen screen(harness.context);
    ModalWatcher<QDialog> substitution([](QDialog* window) {
        QCOMPARE(window->windowTitle(), QString("Velmoro Baseball Lineup"));
        QCOMPARE(Child<QLabel>(window, "teamName")->text(), QString(kTestVisitors));
        QCOMPARE(Entries(window, "candidates"),
                 (QStringList{"Duke Farrow", "Ned Lasko", "Lou Pettigrew", "Eddie Marsh",
                              "Walt Brennan"}));
        Child<QComboBox>(window, "whoToReplace")->setCurrentIndex(1);
        QCOMPARE(Child<QLabel>(window, "candidateCaption")->text(), QString("Select A Pitcher"));
        QCOMPARE(Entries(window, "candidates"),
                 (QStringList{"Eddie Marsh", "Lou Pettigrew", "Walt Brennan"}));
        Pick(window, "candidates", 1);
        QCOMPARE(Child<QLabel>(window, "Pitching:ERA")->text(), QString("3.31"));
        Button(window, "OK")->click();
    });
    QTest::mouseClick(screen.ManageHittingButton(), Qt::LeftButton);
    QVERIFY(substitution.Fired());
    QCOMPARE(screen.LineupName(0)->text(), QString("Lou Pettigrew"));
    QCOMPARE(screen.HitterName()->text(), QString("Lou Pettigrew"));
    QCOMPARE(game.visitor.lineup[9]->name, std::string("Lou Pettigrew"));

    ModalWatcher<QDialog> pitching([](QDialog* window) {
        QCOMPARE(Entries(window, "candidates"),
                 (QStringList{"Hal Grimsby", "Joe Vickery", "Stan Mulvey"}));
        Pick(window, "candidates", 1);
        Button(window, "OK")->click();
    });
    QTest::mouseClick(screen.ManagePitchingButton(), Qt::LeftButton);
    QVERIFY(pitching.Fired());
    QCOMPARE(screen.PitcherName()->text(), QString("Joe Vickery"));

    const TeamRecord& visitors = *game.visitor.team;
    ModalWatcher<QDialog> stats([&](QDialog* window) {
        QCOMPARE(window->findChild<QGroupBox*>()->title(), QString("Hitting"));
        QCOMPARE(TableRow(window, 13),
                 QString::fromStdString(visitors.players[13]->name + "\t" +
                                        HittingStatsLine(*visitors.players[13])));
        QVERIFY(!Button(window, "Next")->isVisible() || !Button(window, "Next")->isEnabled());
        Button(window, "Pitching")->click();
        const PlayerRecord& second = *game.visitor.pitchingStaff[1];
        QCOMPARE(TableRow(window, 1),
                 QString::fromStdString(second.name + "\t" + PitchingStatsLine(*second.pitching)));
        Button(window, "Cancel")->click();
    });
    QTest::mouseClick(screen.StatsHittingButton(), Qt::LeftButton);
    QVERIFY(stats.Fired());
    QCOMPARE(harness.session.teams.currentTeam, &visitors);

    // A pinch hitter for the left fielder: the next Pitch has him replaced first.
    game.batterIndex = game.visitor.nextBatter = 6;
    game.dialogSide = kVisitors;
    QCOMPARE(ApplySubstitution(harness.session, PinchHitter, "Eddie Marsh"),
             SubstitutionOutcome::Applied);
    ModalWatcher<QDialog> forced([](QDialog* window) {
        QCOMPARE(Entries(window, "candidates"), QStringList{"Duke Farrow"});
        QCOMPARE(Child<QComboBox>(window, "whoToReplace")->currentText(), QString("Left Field"));
        Button(window, "OK")->click();
    });
    QTest::mouseClick(screen.PitchButton(), Qt::LeftButton);
    QVERIFY(forced.Fired());
    QCOMPARE(screen.LineupName(6)->text(), QString("Duke Farrow"));
    QCOMPARE(harness.prompter.Informs(), std::vector<std::string>{kPinchHitterMustLeaveMessage});
}

QTEST_MAIN(WindowsTest)
#include "test_windows.moc"
