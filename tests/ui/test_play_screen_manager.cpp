// The computer manager on the play screen: a ticked side's choice, Sim to End to the
// game-over window (the same game as velmoro-sim's), a replay that keeps the managers,
// Quit in the middle of a run.
#include <QtTest>
#include <QtWidgets>

#include "db/team_files.h"
#include "engine/turns.h"
#include "manager/manager.h"
#include "setup/manage_substitution.h"
#include "support/program_runner.h"
#include "support/ui_harness.h"
#include "ui/game_over_window.h"
#include "ui/play_screen.h"

using namespace velmoro;

class PlayScreenManagerTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        harness_ = std::make_unique<testing::UiHarness>();
        harness_->session.gameLogPath = dir_.filePath("GameLog").toStdString();
        QVERIFY(harness_->SetUpGame());
    }

    // Ticked in turn, a side's closed list shows the decision from the same random state
    // and the reason line why; a pinch hitter who cannot field is replaced without a box.
    void tickedSideShowsTheComputersChoice() {
        Session& session = harness_->session;
        PlayScreen screen(harness_->context);
        const int leadoffBit = PositionBit(session.game.visitor.boxLines[0].front()->position);
        for (const std::string& name :
             SubstitutionCandidates(session, Side::Visitors, PinchHitter).names)
            if (!FindPlayer(session.game.visitor.team, name)->HasPosition(leadoffBit) &&
                !session.game.pinchHitterMustLeave)
                ApplySubstitution(session, Side::Visitors, PinchHitter, name);
        QVERIFY(session.game.pinchHitterMustLeave != 0);
        for (int turn = 0; turn < 40 && !IsGameOver(session.game); ++turn) {
            const bool home = turn % 2 == 1;
            const bool fielding = home != session.game.HomeBatting();
            QComboBox* list = fielding ? screen.DefensiveChoices() : screen.OffensiveChoices();
            const Random before = session.random;
            (home ? screen.ManagesHomeBox() : screen.ManagesVisitorsBox())->click();
            session.random = before;
            const TurnDecision expected = DecideTurn(session, !home, home, ManagerKind::LookAhead);
            QCOMPARE(list->currentIndex(), fielding ? expected.defense : expected.offense);
            QVERIFY(screen.ReasonLine()->text().endsWith(
                expected.reason.empty() ? "Normal Play" : expected.reason.c_str()));
            QVERIFY(!list->isEnabled() && screen.OffensiveChoices()->isEnabled() == fielding);
            QTest::mouseClick(screen.PitchButton(), Qt::LeftButton);
            if (turn == 0)
                QVERIFY(screen.ReasonLine()->text().contains("replaces the pinch hitter"));
            QVERIFY(harness_->prompter.messages.empty());
            (home ? screen.ManagesHomeBox() : screen.ManagesVisitorsBox())->click();
            QVERIFY(list->isEnabled() && !list->currentIndex() &&
                    screen.ReasonLine()->text() == "");
        }
    }

    // Sim to End, both managed, reaches the game-over window; a replay keeps the boxes.
    void simToEndReachesTheGameOverWindowAndReplayKeepsTheManagers() {
        GameState& game = harness_->session.game;
        int stage = 0;
        bool ok = true;
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            auto* screen = dynamic_cast<PlayScreen*>(modal);
            if (stage == 0 && screen) {
                screen->ManagesVisitorsBox()->click();
                screen->ManagesHomeBox()->click();
                QTest::mouseClick(screen->SimButton(), Qt::LeftButton);
                ok = screen->Simulating() && !screen->PitchButton()->isEnabled();
                ++stage;
            } else if (auto* over = dynamic_cast<GameOverWindow*>(modal); stage == 1 && over) {
                ok = ok && IsGameOver(game) && harness_->prompter.messages.empty();
                ++stage;
                QTest::mouseClick(over->ReplayButton(), Qt::LeftButton);
            } else if (stage == 2 && screen && !IsGameOver(game)) {
                ok = ok && screen->Managers().visitors && screen->Managers().home;
                ++stage;
                QTest::mouseClick(screen->QuitButton(), Qt::LeftButton);
            }
        });
        poll.start(5);
        RunPlayScreen(harness_->context, nullptr);
        QVERIFY(ok && stage == 3);
    }

    // Sim to End with both sides ticked plays, seed for seed, velmoro-sim's game with the
    // computer managing both sides: the same moves in the same order, the same log.
    void simToEndPlaysVelmoroSimsGame() {
        const char *kVisitors = "2025 Harbor Hawks", *kHome = "2025 Summit Peaks";
        testing::UiHarness demo(11);
        std::string error;
        QVERIFY(LoadLegendDatabase(demo.session.teams, VELMORO_DATA_DIR, &error));
        QVERIFY(DefaultSetup(demo.session, *LookupTeam(demo.session.teams.legendTeams, kVisitors),
                             *LookupTeam(demo.session.teams.legendTeams, kHome), false, &error));
        demo.session.gameLogPath = dir_.filePath("DemoLog").toStdString();
        std::string playLog;
        testing::ModalWatcher<GameOverWindow> over([&](GameOverWindow* window) {
            playLog = demo.session.game.playLog;
            window->CancelButton()->click();
        });
        PlayScreen screen(demo.context);
        screen.ManagesVisitorsBox()->click();
        screen.ManagesHomeBox()->click();
        QTest::mouseClick(screen.SimButton(), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(over.Fired(), 60000);
        const testing::ProgramRun sim = testing::RunProgram(
            testing::BuildProgram("velmoro-sim"),
            {"--dir", VELMORO_DATA_DIR, "--visitors", kVisitors, "--home", kHome, "--seed", "11",
             "--manager", "both", "--manager-kind", "lookahead"},
            dir_.path().toStdString());
        QCOMPARE(sim.exitCode, 0);
        QCOMPARE(QString::fromStdString(sim.out), QString::fromStdString(playLog));
    }

    // Quit between two turns of a run ends it: no turn is played after the reset.
    void quitDuringARunStopsIt() {
        GameState& game = harness_->session.game;
        PlayScreen screen(harness_->context);
        screen.ManagesHomeBox()->click();
        QTest::mouseClick(screen.SimButton(), Qt::LeftButton);
        for (int tick = 0; tick < 500 && game.inning < 2; ++tick)
            QCoreApplication::processEvents();
        QVERIFY(screen.Simulating() && !screen.SaveButton()->isEnabled());
        // No to the question keeps the run going; Yes ends it.
        harness_->prompter.QueueAnswers({false, true});
        QTest::mouseClick(screen.QuitButton(), Qt::LeftButton);
        QVERIFY(screen.Simulating());
        QTest::mouseClick(screen.QuitButton(), Qt::LeftButton);
        QVERIFY(!screen.Simulating() && screen.result() == 0);
        QTest::qWait(50);
        QCOMPARE(game.playLog, std::string("Top of inning 1\r\n"));
    }

  private:
    std::unique_ptr<testing::UiHarness> harness_;
    QTemporaryDir dir_;
};

QTEST_MAIN(PlayScreenManagerTest)
#include "test_play_screen_manager.moc"
