// Save and Load around the play screen, the chooser's questions, and the game-over
// window's text.
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>

#include "engine/turns.h"
#include "support/ui_harness.h"
#include "ui/game_over_window.h"
#include "ui/play_screen.h"
#include "ui/saved_game_commands.h"

using namespace velmoro;
using namespace velmoro::testing;

namespace {

// Every number and name the screen shows, captions aside (their wording differs
// between a running game and a reopened one).
QStringList ScreenTexts(const PlayScreen& screen) {
    QStringList texts;
    for (const QLabel* label : screen.findChildren<QLabel*>())
        if (label != screen.InningCaption()) texts << label->text();
    texts << screen.LogField()->toPlainText();
    return texts;
}

void PitchUntil(PlayScreen& screen, const std::function<bool()>& done) {
    for (int turn = 0; turn < 3000 && !done(); ++turn)
        QTest::mouseClick(screen.PitchButton(), Qt::LeftButton);
}

}  // namespace

class SaveLoadTest : public QObject {
    Q_OBJECT

  private slots:
    void saveThenLoadRestoresTheScreen();
    void saveGivenUpOrFailedLeavesTheGameGoingOn();
    void unreadableGameIsNotLoaded();
    void gameOverWindowShowsTheLog_data();
    void gameOverWindowShowsTheLog();
};

void SaveLoadTest::saveThenLoadRestoresTheScreen() {
    QTemporaryDir dir;
    const std::string path = dir.filePath("bottom.gam").toStdString();
    QStringList before;
    int inning = 0;
    {
        UiHarness harness;
        QVERIFY(harness.SetUpGame());
        PlayScreen screen(harness.context);
        GameState& game = harness.session.game;
        PitchUntil(screen, [&] { return game.HomeBatting() && game.outs == 1; });
        QVERIFY(game.HomeBatting());
        before = ScreenTexts(screen);
        inning = game.inning;
        harness.chooser.QueueSave(path);
        QTest::mouseClick(screen.SaveButton(), Qt::LeftButton);
        QVERIFY(harness.prompter.messages.empty());
        // Saving leaves the game as it was.
        QCOMPARE(ScreenTexts(screen), before);
    }
    UiHarness harness;
    LoadTestLeague(harness.session);
    harness.chooser.QueueOpen(path);
    QVERIFY(LoadGameCommand(harness.context));
    PlayScreen screen(harness.context);
    GameState& game = harness.session.game;
    QCOMPARE(ScreenTexts(screen), before);
    QCOMPARE(screen.InningCaption()->text(), QString("Bottom of inning %1").arg(inning));
    QVERIFY(PlayScreen::IsHighlighted(screen.TeamName(2)));
    QVERIFY(!PlayScreen::IsHighlighted(screen.TeamName(1)));
    QVERIFY(PlayScreen::IsHighlighted(screen.LineupName(game.home.nextBatter)));
    QCOMPARE(screen.LineupName(0)->text(), QString::fromStdString(game.home.lineup[0]->name));
    // The home team's next run goes to its own boxes.
    const int homeRuns = game.home.teamRuns;
    PitchUntil(screen, [&] { return game.home.teamRuns > homeRuns || IsGameOver(game); });
    QVERIFY(game.home.teamRuns > homeRuns);
    QCOMPARE(screen.ScoreBoxLabel(2, RunsBox)->text(), QString::number(game.home.teamRuns));
    QCOMPARE(screen.ScoreBoxLabel(1, RunsBox)->text(), QString::number(game.visitor.teamRuns));
    if (game.inning <= 9 && game.HomeBatting())
        QCOMPARE(screen.ScoreBoxLabel(2, game.inning)->text(),
                 QString::number(game.home.lineScore[game.inning - 1]));
}

// A save given up writes nothing and asks nothing more; a save that cannot be written
// is reported and the game goes on.
void SaveLoadTest::saveGivenUpOrFailedLeavesTheGameGoingOn() {
    QTemporaryDir dir;
    UiHarness harness;
    QVERIFY(harness.SetUpGame());
    PlayScreen screen(harness.context);
    harness.prompter.QueueAnswers({true, false});
    QTest::mouseClick(screen.SaveButton(), Qt::LeftButton);
    QCOMPARE(harness.chooser.saveCount, 2);
    QCOMPARE(harness.prompter.QuestionCount(), 2);
    QCOMPARE(harness.prompter.messages[0].text, std::string(kNotSavedQuestion));
    QVERIFY(harness.prompter.Informs().empty());

    const std::string path = dir.filePath("no such folder/game.gam").toStdString();
    harness.chooser.QueueSave(path);
    QTest::mouseClick(screen.SaveButton(), Qt::LeftButton);
    QCOMPARE(harness.prompter.Informs(),
             std::vector<std::string>{std::string(kSaveFailedMessage) + "\ncannot write " + path +
                                      ": No such file or directory"});
    QCOMPARE(harness.prompter.messages.back().caption, std::string("Velmoro Baseball Error"));
    QVERIFY(screen.result() == 0 && harness.session.game.hasBattingBoxLines);
    QTest::mouseClick(screen.PitchButton(), Qt::LeftButton);
    QCOMPARE(harness.session.game.batterIndex, 1);
}

void SaveLoadTest::unreadableGameIsNotLoaded() {
    QTemporaryDir dir;
    const std::string path = dir.filePath("broken.gam").toStdString();
    std::ofstream(path) << kTestVisitors << "\nNo Such Team\n";
    UiHarness harness;
    LoadTestLeague(harness.session);
    harness.chooser.QueueOpen(path);
    QVERIFY(!LoadGameCommand(harness.context));
    // Nothing of the broken file is left for the next new game.
    QVERIFY(!harness.session.game.hasBattingBoxLines);
    QVERIFY(harness.SetUpGame());
}

void SaveLoadTest::gameOverWindowShowsTheLog_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("exists");
    QTest::newRow("missing file") << QByteArray() << "" << false;
    QTest::newRow("box score") << QByteArray("A 3, B 2\r\n\r\nA Hitting Stats\r\n")
                               << "A 3, B 2\n\nA Hitting Stats\n"
                               << true;
    const QByteArray line = QByteArray(48, 'x') + "\r\n";
    QTest::newRow("longer than 5000 bytes")
        << line.repeated(200) << QString(QByteArray(48, 'x') + "\n").repeated(100) << true;
}

void SaveLoadTest::gameOverWindowShowsTheLog() {
    QFETCH(QByteArray, file);
    QFETCH(QString, shown);
    QFETCH(bool, exists);
    QTemporaryDir dir;
    const std::string path = dir.filePath("GameLog").toStdString();
    if (exists) std::ofstream(path, std::ios::binary).write(file.data(), file.size());
    GameOverWindow window(path, nullptr);
    QCOMPARE(window.windowTitle(), QString("Velmoro Baseball Game Log"));
    QCOMPARE(window.LogField()->toPlainText(), shown);
    const QFontMetrics metrics(window.LogField()->font());
    QCOMPARE(metrics.horizontalAdvance("iiii"), metrics.horizontalAdvance("MMMM"));
    QVERIFY(window.findChild<QLabel*>()->text() == "Game Over");
    window.show();
    QCOMPARE(window.focusWidget(), window.ReplayButton());
    QTest::mouseClick(window.CancelButton(), Qt::LeftButton);
    QCOMPARE(window.result(), 0);
}

QTEST_MAIN(SaveLoadTest)
#include "test_saveload.moc"
