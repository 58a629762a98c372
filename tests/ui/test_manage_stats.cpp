// The statistics view: both views, 25-row pages and the page start kept between
// openings.
#include <QGroupBox>
#include <QLabel>
#include <QTableWidget>
#include <QtTest>

#include "manage_test_support.h"
#include "setup/manage_stats.h"
#include "ui/management_dialogs.h"

using namespace velmoro;
using namespace velmoro::manage_ui_test;

namespace {

QTableWidget* Table(QWidget* window) {
    return window->findChild<QTableWidget*>("statsTable");
}

// A row as one tab-separated line, name first.
QString Row(QWidget* window, int row) {
    QTableWidget* table = Table(window);
    QStringList cells;
    for (int c = 0; c < table->columnCount(); ++c) {
        QTableWidgetItem* item = table->item(row, c);
        cells << (item ? item->text() : QString());
    }
    return cells.join('\t');
}

QString Expected(const PlayerRecord& player, const std::string& line) {
    return QString::fromStdString(player.name + "\t" + line);
}

QStringList Headings(QWidget* window) {
    QTableWidget* table = Table(window);
    QStringList texts;
    for (int c = 0; c < table->columnCount(); ++c)
        texts << table->horizontalHeaderItem(c)->text();
    return texts;
}

QString GroupTitle(QWidget* window) {
    return window->findChild<QGroupBox*>()->title();
}

bool Offered(QWidget* window, const char* text) {
    QPushButton* button = ButtonNamed(window, text);
    return button && button->isVisible() && button->isEnabled();
}

void Click(QWidget* window, const char* text) {
    QTest::mouseClick(ButtonNamed(window, text), Qt::LeftButton);
}

}  // namespace

class ManageStatsTest : public QObject {
    Q_OBJECT

  private slots:
    void hittingViewOfOneTeam();
    void pagesAndViewsInOneWindow();
};

void ManageStatsTest::hittingViewOfOneTeam() {
    GameInProgress g;
    QVERIFY(g.ready);
    g.game().dialogSide = kVisitors;
    TeamRecord& team = *g.side(kVisitors).team;
    WhenModal([&](QDialog* window) {
        QCOMPARE(window->windowTitle(), QString("Velmoro Baseball Lineup"));
        QCOMPARE(window->findChild<QLabel*>("teamName")->text(), QString(testing::kTestVisitors));
        QCOMPARE(GroupTitle(window), QString("Hitting"));
        QCOMPARE(Headings(window), (QStringList{"Name", "AVG", "AB", "R", "H", "2B", "3B", "HR",
                                                "RBI", "BB", "K", "SB", "CS"}));
        QCOMPARE(Table(window)->rowCount(), kStatsPageRows);
        QCOMPARE(Row(window, 0), Expected(*team.players[0], HittingStatsLine(*team.players[0])));
        QCOMPARE(Row(window, 13), Expected(*team.players[13], HittingStatsLine(*team.players[13])));
        QVERIFY(Row(window, 14).remove('\t').isEmpty());
        QVERIFY(!Offered(window, "Previous"));
        QVERIFY(!Offered(window, "Next"));
        QVERIFY(Offered(window, "Pitching"));
        SaveScreenshot(window, "manage_stats.png");
        Click(window, "Cancel");
    });
    QCOMPARE(RunTeamStatsDialog(g.context, nullptr, team), 0);
    QCOMPARE(g.session.teams.currentTeam, &team);
}

void ManageStatsTest::pagesAndViewsInOneWindow() {
    GameInProgress g;
    QVERIFY(g.ready);
    TeamRecord& visitors = *g.side(kVisitors).team;
    for (int i = 0; i < 12; ++i) {
        visitors.AddPlayer(PlayerRecord("Extra " + std::to_string(i)));
    }
    g.game().dialogSide = kVisitors;
    int steps = 0;
    WhenModal([&](QDialog* window) {
        QVERIFY(Offered(window, "Next"));
        QVERIFY(!Offered(window, "Previous"));
        Click(window, "Next");
        QCOMPARE(window->findChild<QTableWidget*>("statsTable")->item(0, 0)->text(),
                 QString("Extra 11"));
        QVERIFY(Row(window, 1).remove('\t').isEmpty());
        QVERIFY(Offered(window, "Previous"));
        QVERIFY(!Offered(window, "Next"));

        // Switching views starts at the first page.
        Click(window, "Pitching");
        QCOMPARE(g.session.statsPageStart, 0);
        QCOMPARE(GroupTitle(window), QString("Pitching"));
        QCOMPARE(Headings(window), (QStringList{"Name", "ERA", "G", "W", "L", "S", "ShO", "K", "BB",
                                                "ER", "IP", "BAVG"}));
        const PlayerRecord& eddie = *g.side(kVisitors).pitchingStaff[1];
        QCOMPARE(Row(window, 1), Expected(eddie, PitchingStatsLine(*eddie.pitching)));
        QVERIFY(Row(window, 4).remove('\t').isEmpty());
        QVERIFY(!Offered(window, "Next"));
        QVERIFY(Offered(window, "Hitting"));

        Click(window, "Hitting");
        QCOMPARE(GroupTitle(window), QString("Hitting"));
        Click(window, "Next");
        steps = 1;
        Click(window, "Cancel");
    });
    QCOMPARE(RunTeamStatsDialog(g.context, nullptr, visitors), 0);
    QCOMPARE(steps, 1);
    QCOMPARE(g.session.statsPageStart, kStatsPageRows);
}

QTEST_MAIN(ManageStatsTest)
#include "test_manage_stats.moc"
