// The play screen over a game of the test league: what it shows after opening, after
// a third out and in extra innings, its buttons, and a whole game to the game-over
// window with both of its answers.
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "engine/turns.h"
#include "support/ui_harness.h"
#include "ui/game_over_window.h"
#include "ui/pictures.h"
#include "ui/play_screen.h"

using namespace velmoro;
using namespace velmoro::testing;

namespace {

QString Name(const PlayerRecord* player) {
    return QString::fromStdString(player->name);
}

// Presses Pitch until `done` holds or the game is over; false when it never held.
template <typename Done>
bool PitchUntil(PlayScreen& screen, Session& session, Done done, int limit = 2000) {
    for (int turn = 0; turn < limit; ++turn) {
        if (done()) return true;
        if (IsGameOver(session.game)) return false;
        QTest::mouseClick(screen.PitchButton(), Qt::LeftButton);
    }
    return done();
}

// What a diamond paints, without the window background behind it.
QImage Painted(QWidget& diamond, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::black);
    diamond.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

// The diamond on the screen shows the picture of these bases.
bool DiamondShows(PlayScreen& screen, int bases) {
    screen.show();
    QCoreApplication::processEvents();
    QWidget holder;
    DiamondView reference([bases] { return bases; }, &holder);
    reference.setGeometry(QRect(QPoint(), screen.Diamond()->size()));
    return Painted(*screen.Diamond(), screen.Diamond()->size()) ==
           Painted(reference, screen.Diamond()->size());
}

int HighlightedRow(const PlayScreen& screen) {
    int row = -1;
    for (int slot = 0; slot < 9; ++slot)
        if (PlayScreen::IsHighlighted(screen.LineupName(slot))) row = row == -1 ? slot : -2;
    return row;
}

}  // namespace

class PlayScreenTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void openingShowsTheNewGame();
    void thirdOutHandsTheScreenToTheHomeTeam();
    void eightDiamondsDiffer();
    void extraInningsCountOnlyTheTotals();
    void panelButtonsNameTheirSide();
    void quitResetsTheGame();
    void wholeGameEndsInTheGameOverWindow();

  private:
    std::unique_ptr<UiHarness> harness_;
    std::unique_ptr<QTemporaryDir> dir_;
};

void PlayScreenTest::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    harness_ = std::make_unique<UiHarness>();
    harness_->session.gameLogPath = dir_->filePath("GameLog").toStdString();
    std::string error;
    QVERIFY2(harness_->SetUpGame(false, &error), error.c_str());
}

void PlayScreenTest::openingShowsTheNewGame() {
    PlayScreen screen(harness_->context);
    const GameState& game = harness_->session.game;
    QCOMPARE(screen.windowTitle(), QString("Velmoro Baseball Play Ball"));
    QCOMPARE(screen.TeamName(1)->text(), QString(kTestVisitors));
    QCOMPARE(screen.TeamName(2)->text(), QString(kTestHome));
    QVERIFY(PlayScreen::IsHighlighted(screen.TeamName(1)));
    QVERIFY(!PlayScreen::IsHighlighted(screen.TeamName(2)));
    QCOMPARE(HighlightedRow(screen), 0);
    for (int side = 1; side <= 2; ++side)
        for (int inning = 1; inning <= 9; ++inning)
            QCOMPARE(screen.ScoreBoxLabel(side, inning)->text(),
                     side == 1 && inning == 1 ? QString("0") : QString());
    QCOMPARE(screen.ScoreBoxLabel(1, RunsBox)->text(), QString("0"));
    QCOMPARE(screen.ScoreBoxLabel(2, ErrorsBox)->text(), QString("0"));
    QCOMPARE(screen.OutsCaption()->text(), QString("Outs: 0"));
    QCOMPARE(screen.InningCaption()->text(), QString("INNING: 1 (top)"));
    QVERIFY(DiamondShows(screen, 0));
    QCOMPARE(screen.LogField()->toPlainText(), QString("Top of inning 1\n"));
    // The lineup is the visitors' in batting order with no numbers yet.
    for (int slot = 0; slot < 9; ++slot) {
        QCOMPARE(screen.LineupName(slot)->text(), Name(game.visitor.lineup[slot]));
        QCOMPARE(screen.LineupNumber(slot, PlayScreen::AtBatsColumn)->text(), QString("0"));
    }
    // Pitcher vs. hitter: the home starter against the leadoff man.
    QCOMPARE(screen.PitcherName()->text(), Name(game.home.lineup[9]));
    QCOMPARE(screen.HitterName()->text(), Name(game.visitor.lineup[0]));
    QCOMPARE(screen.OffensiveChoices()->count(), 4);
    QCOMPARE(screen.DefensiveChoices()->count(), 3);
    QCOMPARE(screen.OffensiveChoices()->currentIndex(), 0);
}

void PlayScreenTest::thirdOutHandsTheScreenToTheHomeTeam() {
    PlayScreen screen(harness_->context);
    GameState& game = harness_->session.game;
    QVERIFY(PitchUntil(screen, harness_->session, [&] { return game.bases != 0; }));
    QVERIFY(DiamondShows(screen, game.bases));
    QVERIFY(PitchUntil(screen, harness_->session, [&] { return game.HomeBatting(); }));
    QVERIFY(PlayScreen::IsHighlighted(screen.TeamName(2)));
    QVERIFY(!PlayScreen::IsHighlighted(screen.TeamName(1)));
    QCOMPARE(HighlightedRow(screen), 0);
    for (int slot = 0; slot < 9; ++slot)
        QCOMPARE(screen.LineupName(slot)->text(), Name(game.home.lineup[slot]));
    QCOMPARE(screen.PitcherName()->text(), Name(game.visitor.lineup[9]));
    QCOMPARE(screen.HitterName()->text(), Name(game.home.lineup[0]));
    QCOMPARE(screen.ScoreBoxLabel(2, 1)->text(), QString("0"));
    QCOMPARE(screen.ScoreBoxLabel(1, 1)->text(), QString::number(game.visitor.lineScore[0]));
    QCOMPARE(screen.ScoreBoxLabel(1, RunsBox)->text(), QString::number(game.visitor.teamRuns));
    QCOMPARE(screen.ScoreBoxLabel(1, HitsBox)->text(), QString::number(game.visitor.hits));
    QCOMPARE(screen.InningCaption()->text(), QString("INNING: 1 (bottom)"));
    QCOMPARE(screen.OutsCaption()->text(), QString("Outs: 0"));
    QVERIFY(DiamondShows(screen, 0));
    // The newest lines are in view.
    QVERIFY(screen.LogField()->toPlainText().endsWith("Bottom of inning 1.\n"));
    auto* bar = screen.LogField()->verticalScrollBar();
    QCOMPARE(bar->value(), bar->maximum());
}

void PlayScreenTest::eightDiamondsDiffer() {
    QList<QImage> pictures;
    for (int bases = 0; bases < 8; ++bases) {
        QWidget holder;
        DiamondView view([bases] { return bases; }, &holder);
        view.setGeometry(0, 0, 174, 139);
        const QImage picture = Painted(view, QSize(174, 139));
        QVERIFY2(!pictures.contains(picture), qPrintable(QString("bases %1").arg(bases)));
        pictures.append(picture);
    }
}

void PlayScreenTest::extraInningsCountOnlyTheTotals() {
    GameState& game = harness_->session.game;
    PlayScreen screen(harness_->context);
    // Nine innings without a run: the game goes on into the tenth.
    for (GameSide* side : {&game.visitor, &game.home})
        side->lineScore.fill(0);
    game.inning = 10;
    screen.RefreshPlayScreen();
    QCOMPARE(screen.InningCaption()->text(), QString("INNING: 10 (top)"));
    QVERIFY(PitchUntil(
        screen, harness_->session, [&] { return game.visitor.teamRuns + game.home.teamRuns > 0; },
        4000));
    for (int side = 1; side <= 2; ++side) {
        for (int inning = 1; inning <= 9; ++inning)
            QCOMPARE(screen.ScoreBoxLabel(side, inning)->text(), QString("0"));
        QCOMPARE(screen.ScoreBoxLabel(side, RunsBox)->text(),
                 QString::number(game.Side(side).teamRuns));
        QCOMPARE(screen.ScoreBoxLabel(side, HitsBox)->text(),
                 QString::number(game.Side(side).hits));
    }
    QVERIFY(game.inning >= 10);
}

// Which side each team button hands to its dialog; a dialog that opens is closed.
void PlayScreenTest::panelButtonsNameTheirSide() {
    PlayScreen screen(harness_->context);
    GameState& game = harness_->session.game;
    struct Case {
        QPushButton* button;
        bool battingSide;
    };
    const Case cases[] = {{screen.ManageHittingButton(), true},
                          {screen.StatsHittingButton(), true},
                          {screen.ManagePitchingButton(), false},
                          {screen.StatsPitchingButton(), false}};
    for (bool homeBatting : {false, true}) {
        if (homeBatting)
            QVERIFY(PitchUntil(screen, harness_->session, [&] { return game.HomeBatting(); }));
        const int batting = homeBatting ? kHome : kVisitors;
        for (const Case& c : cases) {
            game.dialogSide = 0;
            ModalWatcher<QDialog> closer([](QDialog* dialog) { dialog->reject(); });
            QTest::mouseClick(c.button, Qt::LeftButton);
            QCOMPARE(game.dialogSide, c.battingSide ? batting : 3 - batting);
        }
    }
}

void PlayScreenTest::quitResetsTheGame() {
    PlayScreen screen(harness_->context);
    GameState& game = harness_->session.game;
    harness_->session.setup.selectingPosition = Catcher;
    QVERIFY(PitchUntil(screen, harness_->session, [&] { return game.outs == 2; }));
    QTest::mouseClick(screen.QuitButton(), Qt::LeftButton);
    QCOMPARE(screen.result(), 0);
    QVERIFY(!game.hasBattingBoxLines);
    QCOMPARE(game.visitor.lineup[0], nullptr);
    QCOMPARE(game.playLog, std::string("Top of inning 1\r\n"));
    QCOMPARE(harness_->session.setup.selectingPosition, int(Pitcher));
    QCOMPARE(harness_->session.setup.setupSide, kVisitors);
}

// Cancel keeps the finished game and a further Pitch asks again; Replay Game then
// starts it over with the same starters.
void PlayScreenTest::wholeGameEndsInTheGameOverWindow() {
    GameState& game = harness_->session.game;
    std::array<std::string, 10> starters;
    for (int slot = 0; slot < 10; ++slot)
        starters[slot] = game.visitor.lineup[slot]->name;
    auto screen = std::make_unique<PlayScreen>(harness_->context);
    screen->show();
    QString shownLog;
    ModalWatcher<GameOverWindow> cancel([&](GameOverWindow* window) {
        shownLog = window->LogField()->toPlainText();
        QTest::mouseClick(window->CancelButton(), Qt::LeftButton);
    });
    for (int turn = 0; turn < 3000 && !cancel.Fired(); ++turn) {
        if (!IsGameOver(game)) QTest::mouseClick(screen->PitchButton(), Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    QVERIFY(cancel.Fired());
    QVERIFY(screen->isVisible() && IsGameOver(game));
    QVERIFY(shownLog.startsWith(QString(kTestVisitors) + " "));
    QVERIFY(shownLog.contains(QString(kTestHome) + " Pitching Stats"));
    const QString finalScore = screen->ScoreBoxLabel(1, RunsBox)->text();

    bool replayFocused = false;
    QString scoreAsked;
    ModalWatcher<GameOverWindow> replay([&](GameOverWindow* window) {
        replayFocused = window->focusWidget() == window->ReplayButton();
        scoreAsked = screen->ScoreBoxLabel(1, RunsBox)->text();
        QTest::mouseClick(window->ReplayButton(), Qt::LeftButton);
    });
    QTest::mouseClick(screen->PitchButton(), Qt::LeftButton);
    QTRY_VERIFY(replay.Fired());
    QVERIFY(replayFocused);
    QCOMPARE(scoreAsked, finalScore);
    QCOMPARE(screen->result(), 1);

    // The replay: the same starters, nothing counted, an empty line score.
    screen = std::make_unique<PlayScreen>(harness_->context);
    QVERIFY(!IsGameOver(game));
    for (int slot = 0; slot < 10; ++slot) {
        QCOMPARE(game.visitor.lineup[slot]->name, starters[slot]);
        QCOMPARE(int(game.visitor.boxLines[slot].size()), 1);
    }
    for (int slot = 0; slot < 9; ++slot)
        QCOMPARE(screen->LineupNumber(slot, PlayScreen::HitsColumn)->text(), QString("0"));
    for (int inning = 2; inning <= 9; ++inning)
        QCOMPARE(screen->ScoreBoxLabel(1, inning)->text(), QString());
    QCOMPARE(screen->ScoreBoxLabel(2, RunsBox)->text(), QString("0"));
    QCOMPARE(screen->LogField()->toPlainText(), QString("Top of inning 1\n"));
}

QTEST_MAIN(PlayScreenTest)
#include "test_play_screen.moc"
