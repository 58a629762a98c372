// The Season window over the demo league the build installs: a season played to the end
// with its standings, leaders and chart, and a season cancelled midway.
#include <QComboBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QtTest>

#include "db/season_index.h"
#include "db/team_files.h"
#include "support/ui_harness.h"
#include "ui/season_chart.h"
#include "ui/season_window.h"

using namespace velmoro;
using namespace velmoro::testing;

class SeasonWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void playsTheSeasonToTheEnd();
    void cancelStopsMidway();
    void missingIndexIsTold();
};

namespace {

struct DemoSeason {
    UiHarness harness;
    std::vector<SeasonRecord> index;
    bool ready = false;

    DemoSeason() {
        harness.session.installDirectory = VELMORO_DATA_DIR;
        ready =
            LoadLegendDatabase(harness.session.teams, VELMORO_DATA_DIR) &&
            LoadSeasonIndex(std::filesystem::path(VELMORO_DATA_DIR) / kSeasonIndexFileName, index);
    }
};

bool WaitUntilDone(SeasonWindow& window) {
    return QTest::qWaitFor([&] { return window.PlayButton()->isEnabled(); }, 60000);
}

}  // namespace

void SeasonWindowTest::playsTheSeasonToTheEnd() {
    DemoSeason demo;
    QVERIFY(demo.ready);
    SeasonWindow window(demo.harness.context, demo.index);
    window.show();
    QVERIFY(window.YearBox()->count() >= 1);
    QCOMPARE(window.LeagueBox()->itemText(0), QString("All leagues"));
    window.GamesBox()->setValue(14);
    QTest::mouseClick(window.PlayButton(), Qt::LeftButton);
    QVERIFY(!window.PlayButton()->isEnabled());
    QVERIFY(WaitUntilDone(window));
    // Eight clubs of 14 games: 56 games, every one in the standings.
    QCOMPARE(window.Progress()->value(), 56);
    int wins = 0, teams = 0;
    for (int i = 0; i < window.Standings()->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = window.Standings()->topLevelItem(i);
        if (item->text(1).isEmpty()) continue;  // a league's heading
        ++teams;
        wins += item->text(1).toInt();
        QCOMPARE(item->text(1).toInt() + item->text(2).toInt(), 14);
    }
    QCOMPARE(teams, 8);
    QCOMPARE(wins, 56);
    QVERIFY(window.Leaders()->toPlainText().contains("Leaders"));
    QCOMPARE(window.Chart()->Points().size(), size_t{8});
    if (qEnvironmentVariableIsSet("VELMORO_SCREENSHOTS"))
        window.grab().save(QString(VELMORO_DOCS_DIR) + "/season_window.png");
}

void SeasonWindowTest::cancelStopsMidway() {
    DemoSeason demo;
    QVERIFY(demo.ready);
    SeasonWindow window(demo.harness.context, demo.index);
    window.show();
    window.GamesBox()->setValue(200);
    QTest::mouseClick(window.PlayButton(), Qt::LeftButton);
    QTest::mouseClick(window.CancelButton(), Qt::LeftButton);
    QVERIFY(WaitUntilDone(window));
    QVERIFY(window.Progress()->value() < window.Progress()->maximum());
    QVERIFY(!window.CancelButton()->isEnabled());
}

void SeasonWindowTest::missingIndexIsTold() {
    UiHarness harness;
    harness.session.installDirectory = "/nonexistent-velmoro-folder";
    RunSeasonWindow(harness.context, nullptr);
    QCOMPARE(harness.prompter.messages.size(), size_t{1});
    QVERIFY(harness.prompter.messages[0].text.rfind("Database Load failed", 0) == 0);
}

QTEST_MAIN(SeasonWindowTest)
#include "test_season_window.moc"
