// The computer manager on the play screen: a ticked side's choice in its list and the
// reason line, "Sim to End" to the game-over window and a replay that keeps the
// managers, and Quit in the middle of a run.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "engine/turns.h"
#include "manager/manager.h"
#include "support/ui_harness.h"
#include "ui/game_over_window.h"
#include "ui/play_screen.h"

using namespace velmoro;
using namespace velmoro::testing;

class PlayScreenManagerTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        harness_ = std::make_unique<UiHarness>();
        harness_->session.gameLogPath = dir_->filePath("GameLog").toStdString();
        QVERIFY(harness_->SetUpGame());
    }

    // Turn after turn one side is ticked: the list of its role shows what the manager
    // decides from the same random state, is closed to the user, and the reason line
    // tells why; unticked, the side is the user's again.
    void tickedSideShowsTheComputersChoice() {
        Session& session = harness_->session;
        PlayScreen screen(harness_->context);
        QCOMPARE(screen.ReasonLine()->text(), QString());
        for (int turn = 0; turn < 40 && !IsGameOver(session.game); ++turn) {
            const bool home = turn % 2 == 1;
            const bool fielding = home != session.game.HomeBatting();
            QComboBox* list = fielding ? screen.DefensiveChoices() : screen.OffensiveChoices();
            QComboBox* other = fielding ? screen.OffensiveChoices() : screen.DefensiveChoices();
            const Random before = session.random;
            (home ? screen.ManagesHomeBox() : screen.ManagesVisitorsBox())->click();
            const Random after = session.random;
            session.random = before;
            const TurnDecision expected = DecideTurn(session, !home, home, ManagerKind::LookAhead);
            QCOMPARE(session.random.State(), after.State());
            QCOMPARE(list->currentIndex(), fielding ? expected.defense : expected.offense);
            QVERIFY(screen.ReasonLine()->text().endsWith(
                expected.reason.empty() ? QString("Normal Play")
                                        : QString::fromStdString(expected.reason)));
            QVERIFY(!list->isEnabled() && other->isEnabled());
            (home ? screen.ManagesHomeBox() : screen.ManagesVisitorsBox())->click();
            QVERIFY(list->isEnabled() && list->currentIndex() == 0);
            QCOMPARE(screen.ReasonLine()->text(), QString());
            QTest::mouseClick(screen.PitchButton(), Qt::LeftButton);
        }
    }

    // Both sides managed, Sim to End plays to the game-over window without a message
    // box; Replay Game opens the next game with both boxes still ticked.
    void simToEndReachesTheGameOverWindowAndReplayKeepsTheManagers() {
        GameState& game = harness_->session.game;
        int stage = 0;
        ComputerManagers replayed;
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            auto* screen = dynamic_cast<PlayScreen*>(modal);
            if (stage == 0 && screen) {
                screen->ManagesVisitorsBox()->click();
                screen->ManagesHomeBox()->click();
                QTest::mouseClick(screen->SimButton(), Qt::LeftButton);
                stage = screen->Simulating() && !screen->PitchButton()->isEnabled() ? 1 : -1;
            } else if (auto* over = dynamic_cast<GameOverWindow*>(modal); stage == 1 && over) {
                stage = IsGameOver(game) && harness_->prompter.messages.empty() ? 2 : -2;
                QTest::mouseClick(over->ReplayButton(), Qt::LeftButton);
            } else if (stage == 2 && screen && !IsGameOver(game)) {
                replayed = screen->Managers();
                stage = 3;
                QTest::mouseClick(screen->QuitButton(), Qt::LeftButton);
            }
        });
        poll.start(5);
        RunPlayScreen(harness_->context, nullptr);
        QCOMPARE(stage, 3);
        QVERIFY(replayed.visitors && replayed.home);
    }

    // Quit between two turns of a run ends it: no turn is played after the reset.
    void quitDuringARunStopsIt() {
        GameState& game = harness_->session.game;
        PlayScreen screen(harness_->context);
        screen.show();
        screen.ManagesHomeBox()->click();
        QTest::mouseClick(screen.SimButton(), Qt::LeftButton);
        QTRY_VERIFY(game.inning >= 2);
        QVERIFY(screen.Simulating());
        QVERIFY(!screen.SaveButton()->isEnabled() && !screen.ManagesHomeBox()->isEnabled());
        QVERIFY(screen.QuitButton()->isEnabled());
        QTest::mouseClick(screen.QuitButton(), Qt::LeftButton);
        QVERIFY(!screen.Simulating());
        QCOMPARE(screen.result(), 0);
        QTest::qWait(50);
        QCOMPARE(game.playLog, std::string("Top of inning 1\r\n"));
    }

  private:
    std::unique_ptr<UiHarness> harness_;
    std::unique_ptr<QTemporaryDir> dir_;
};

QTEST_MAIN(PlayScreenManagerTest)
#include "test_play_screen_manager.moc"
