// A managed season from the main menu, as a user has it: a new season of the demo
// league managing one club, its first game played through the wizard and the play
// screen's "Sim to End", a week simmed, a box score opened; then a damaged file refused
// and the season continued where it was left.
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QWizard>
#include <QtTest>
#include <algorithm>
#include <fstream>
#include <memory>

#include "campaign/managed_season.h"
#include "support/ui_harness.h"
#include "ui/campaign/box_score_window.h"
#include "ui/campaign/new_season_dialog.h"
#include "ui/campaign/season_screen.h"
#include "ui/game_over_window.h"
#include "ui/main_window.h"
#include "ui/play_screen.h"
#include "ui/season_choice_dialog.h"

using namespace velmoro;
using namespace velmoro::testing;

namespace {

// The main menu's "Season", then `choice`.
void ChooseSeason(MainWindow& menu, SeasonChoiceDialog::Choice choice) {
    ModalWatcher<SeasonChoiceDialog> chooser(
        [choice](SeasonChoiceDialog* dialog) { dialog->Button(choice)->click(); });
    QTest::mouseClick(menu.SeasonButton(), Qt::LeftButton);
    QVERIFY(chooser.Fired());
}

void WaitForSim(SeasonScreen* screen) {
    QVERIFY(QTest::qWaitFor([&] { return !screen->Simulating(); }, 60000));
    QCoreApplication::processEvents();
}

int Played(const ManagedSeason& season) {
    int played = 0;
    for (const SeasonGame& game : season.Games())
        played += game.played;
    return played;
}

// The managed club's game of today through the wizard (every default) and the play
// screen's "Sim to End"; the final score as the play screen showed it.
QString PlayManagedGame(SeasonScreen* screen) {
    QString score;
    ModalWatcher<QWizard> wizard([](QWizard* window) {
        while (window->button(QWizard::NextButton)->isVisible())
            window->button(QWizard::NextButton)->click();
        window->button(QWizard::FinishButton)->click();
    });
    ModalWatcher<PlayScreen> play([&](PlayScreen* window) {
        ModalWatcher<GameOverWindow> over([](GameOverWindow* w) { w->CancelButton()->click(); });
        QTest::mouseClick(window->SimButton(), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(over.Fired(), 20000);
        score = window->ScoreBoxLabel(Side::Visitors, RunsBox)->text() + "-" +
                window->ScoreBoxLabel(Side::Home, RunsBox)->text();
        QTest::mouseClick(window->QuitButton(), Qt::LeftButton);
    });
    QTest::mouseClick(screen->PlayButton(), Qt::LeftButton);
    return wizard.Fired() && play.Fired() ? score : QString();
}

// Whether a click on the heading `title` puts the column's numbers in order.
bool SortedByClick(QTableWidget* table, const QString& title) {
    int column = 0;
    while (table->horizontalHeaderItem(column)->text() != title)
        ++column;
    QHeaderView* header = table->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(column) + 4, 4));
    std::vector<double> values;
    for (int row = 0; row < table->rowCount(); ++row)
        values.push_back(table->item(row, column)->text().toDouble());
    return values.size() > 20 && values.front() != values.back() &&
           (std::is_sorted(values.begin(), values.end()) ||
            std::is_sorted(values.rbegin(), values.rend()));
}

}  // namespace

class SeasonFlowTest : public QObject {
    Q_OBJECT

  private slots:
    void newSeasonPlayedSimmedAndContinued();
};

void SeasonFlowTest::newSeasonPlayedSimmedAndContinued() {
    QTemporaryDir dir;
    UiHarness harness;
    harness.session.installDirectory = VELMORO_DATA_DIR;
    harness.session.gameLogPath = dir.filePath("GameLog").toStdString();
    const std::string file = dir.filePath("demo.vsn").toStdString();
    const std::string damaged = dir.filePath("damaged.vsn").toStdString();
    std::ofstream(damaged) << "not a season\n";
    harness.chooser.saves = {file};
    harness.chooser.opens = {damaged, file};
    MainWindow menu(harness.context);
    menu.show();

    int playedBefore = 0, playedAfterWeek = 0;
    bool sorted = false;
    ModalWatcher<NewSeasonDialog> options([&](NewSeasonDialog* dialog) {
        dialog->GamesBox()->setValue(14);
        dialog->Clubs()->item(0)->setCheckState(Qt::Checked);
        dialog->accept();
    });
    ModalWatcher<SeasonScreen> first([&](SeasonScreen* screen) {
        const ManagedSeason& season = screen->season();
        QVERIFY(screen->DateLabel()->text().startsWith(QString::fromStdString(season.DateText(0))));
        QTest::mouseClick(screen->SimNextGameButton(), Qt::LeftButton);
        WaitForSim(screen);
        const std::optional<int> id = season.NextManagedGame();
        QVERIFY(id && screen->PlayButton()->isEnabled());
        // The game the play screen finished is the season's, its score as shown.
        const QString score = PlayManagedGame(screen);
        const SeasonGame& game = season.Games()[*id];
        QVERIFY(game.played);
        QCOMPARE(score, QString("%1-%2").arg(game.visitorRuns).arg(game.homeRuns));
        playedBefore = Played(season);
        const int today = season.Today();
        QTest::mouseClick(screen->SimWeekButton(), Qt::LeftButton);
        QVERIFY(screen->Simulating() && !screen->SimWeekButton()->isEnabled());
        WaitForSim(screen);
        playedAfterWeek = Played(season);
        QCOMPARE(screen->Progress()->value(), playedAfterWeek - playedBefore);
        QVERIFY(season.Finished() || season.Today() == today + 7);
        // The schedule's first game opens its box score.
        screen->Tabs()->setCurrentWidget(screen->Schedule());
        ModalWatcher<BoxScoreWindow> box([&](BoxScoreWindow* window) {
            const QString text = window->Text()->toPlainText();
            QVERIFY(text.contains(screen->Schedule()->topLevelItem(0)->text(1)));
            window->reject();
        });
        emit screen->Schedule()->itemActivated(screen->Schedule()->topLevelItem(0), 0);
        QVERIFY(box.Fired());
        // A click on a heading orders the players by its numbers.
        screen->Tabs()->setCurrentWidget(screen->PlayerLines());
        sorted = SortedByClick(screen->PlayerLines(), "AB");
        screen->reject();
    });
    ChooseSeason(menu, SeasonChoiceDialog::NewSeason);
    QVERIFY(options.Fired() && first.Fired() && sorted);
    QVERIFY(harness.prompter.messages.empty());

    // A file that is no season is refused, naming it; the season opens as it was left.
    ChooseSeason(menu, SeasonChoiceDialog::ContinueSeason);
    QCOMPARE(harness.prompter.Informs().size(), std::size_t{1});
    QVERIFY(harness.prompter.Informs()[0].find(damaged) != std::string::npos);
    int reopened = 0, standingsRows = 0;
    ModalWatcher<SeasonScreen> again([&](SeasonScreen* screen) {
        reopened = Played(screen->season());
        screen->Tabs()->setCurrentWidget(screen->Standings());
        standingsRows = screen->Standings()->topLevelItemCount();
        screen->reject();
    });
    ChooseSeason(menu, SeasonChoiceDialog::ContinueSeason);
    QVERIFY(again.Fired());
    QCOMPARE(reopened, playedAfterWeek);
    QCOMPARE(standingsRows, 1 + 8);  // the league's heading and its clubs
    QVERIFY(playedAfterWeek > playedBefore);
}

QTEST_MAIN(SeasonFlowTest)
#include "test_season_flow.moc"
