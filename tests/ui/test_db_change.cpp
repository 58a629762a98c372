// The database change window offscreen: fields typed and read back, player and team
// commands through the buttons, Save and Cancel, and the maintenance button of the
// team page that opens it.
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "db/team_files.h"
#include "editors/db_change_rules.h"
#include "support/ui_harness.h"
#include "support/widget_access.h"
#include "ui/database_change_window.h"
#include "ui/new_game_wizard.h"

using namespace velmoro;
using namespace velmoro::testing;

namespace {

struct DbHarness : UiHarness {
    QTemporaryDir dir;
    DbHarness() {
        velmoro::testing::LoadTestLeague(session);
        session.installDirectory = dir.path().toStdString();
    }
    TeamRecord& Team(int i) { return *session.teams.legendTeams[i]; }
};

QString Text(QWidget* window, const char* field) {
    return Child<QLineEdit>(window, field)->text();
}

void PickPlayer(QWidget* window, const QString& name) {
    auto* list = Child<QListWidget>(window, "players");
    list->setCurrentItem(list->findItems(name, Qt::MatchExactly).value(0));
}

}  // namespace

class DbChangeTest : public QObject {
    Q_OBJECT

  private slots:
    void typedNumbersKeepTheirWidths();
    void deleteSaveAndCancel();
    void maintenanceButtonOpensTheWindow();
};

// 262 hits are stored as 6 and, over 500 at-bats, shown again as 262; letters read 0
// and 3.45 reads 3.
void DbChangeTest::typedNumbersKeepTheirWidths() {
    DbHarness h;
    DatabaseChangeWindow window(h.context);
    window.show();
    QCOMPARE(window.windowTitle(), QString("Velmoro Baseball  Database Change"));
    QCOMPARE(Text(&window, "teamName"), QString("1950 Harbor Hawks"));
    PickPlayer(&window, "Jack Tarrant");
    QCOMPARE(Text(&window, "batting0"), QString("312"));
    QVERIFY(Child<QCheckBox>(&window, "check6")->isChecked());

    Type(&window, "batting2", "600");
    Type(&window, "batting4", "262");
    Type(&window, "batting3", "lots");
    Child<QCheckBox>(&window, "check0")->setChecked(true);
    Type(&window, "pitching0", "3.45");
    Type(&window, "pitching4", "12");
    Click(&window, "newPlayer");
    PlayerRecord* tarrant = FindPlayer(&h.Team(0), "Jack Tarrant");
    QCOMPARE(int(tarrant->hits), 6);
    QCOMPARE(int(tarrant->runs), 0);
    QCOMPARE(int(tarrant->positions), Outfield | Pitcher);
    QVERIFY(tarrant->pitching != nullptr);
    QCOMPARE(int(tarrant->pitching->eraX100), 3);
    QCOMPARE(h.Team(0).players.size(), std::size_t{14});
    PickPlayer(&window, "Jack Tarrant");
    QCOMPARE(Text(&window, "batting4"), QString("262"));
    QVERIFY(h.prompter.messages.empty());
}

void DbChangeTest::deleteSaveAndCancel() {
    DbHarness h;
    DatabaseChangeWindow window(h.context);
    window.show();
    // The first player of the list in file order.
    PickPlayer(&window, "Sam Whitlock");
    Click(&window, "deletePlayer");
    QCOMPARE(h.Team(0).players[0]->name, std::string("Eddie Marsh"));
    QCOMPARE(Child<QListWidget>(&window, "players")->count(), 13);

    h.Team(1).players[0]->games = 9;
    h.Team(1).players[0]->pitching->games = 10;
    h.prompter.QueueAnswers({true});
    Click(&window, "save");
    QCOMPARE(h.prompter.messages.back().text,
             std::string("1 player does not qualify and will not be written. Save anyway?"));
    TeamList saved;
    QVERIFY(ReadTeamFile(h.session.installDirectory / kLegendFileName, saved));
    QCOMPARE(saved[1]->players.size(), std::size_t{13});
    QCOMPARE(h.Team(1).players.size(), std::size_t{14});
    QVERIFY(window.isVisible());
    Click(&window, "cancel");
    QVERIFY(!window.isVisible());
}

// Without --maintenance the button stays hidden; with it the window opens, and a
// team deleted there is gone from the team page afterwards.
void DbChangeTest::maintenanceButtonOpensTheWindow() {
    DbHarness h;
    for (bool maintenance : {false, true}) {
        h.context.maintenance = maintenance;
        NewGameWizard wizard(h.context);
        wizard.show();
        QCoreApplication::processEvents();
        auto* button = Child<QPushButton>(wizard.currentPage(), "databaseChange");
        QCOMPARE(button->isVisible() && button->isEnabled(), maintenance);
        QCOMPARE(button->isVisible() || button->isEnabled(), maintenance);
    }
    NewGameWizard wizard(h.context);
    wizard.show();
    QCoreApplication::processEvents();
    QWidget* page = wizard.currentPage();
    ModalWatcher<DatabaseChangeWindow> watcher([](DatabaseChangeWindow* window) {
        Type(window, "teamName", "1950 Harbor Hawks");
        Click(window, "deleteTeam");
        Click(window, "cancel");
    });
    Click(page, "databaseChange");
    QVERIFY(watcher.Fired());
    QCOMPARE(h.session.teams.legendTeams.size(), std::size_t{1});
    auto* teams = Child<QListWidget>(page, "team1Teams");
    QCOMPARE(teams->count(), 1);
    QCOMPARE(teams->item(0)->text(), QString("Valley Rams"));
    QCOMPARE(h.session.game.visitor.team, h.session.teams.legendTeams[0].get());
    QVERIFY(!QFile::exists(h.dir.filePath("LegendDB")));
}

QTEST_MAIN(DbChangeTest)
#include "test_db_change.moc"
