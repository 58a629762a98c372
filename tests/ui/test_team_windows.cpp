// The windows around the teams, each once: the new game wizard (its pages against the
// default set-up, a choice on a page, the buttons of the team page), the custom team
// editor, the database change window and the Season window over the demo league.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QWizard>
#include <QtTest>

#include "db/season_index.h"
#include "db/team_files.h"
#include "editors/editor_state.h"
#include "support/ui_harness.h"
#include "ui/db_change_window.h"
#include "ui/editor_window.h"
#include "ui/season_chart.h"
#include "ui/season_window.h"
#include "ui/wizard_window.h"

using namespace velmoro;
using namespace velmoro::testing;

namespace {

// The test league in a session whose installation folder is a fresh temporary one.
struct LeagueHarness : UiHarness {
    QTemporaryDir dir;
    LeagueHarness() {
        LoadTestLeague(session);
        session.installDirectory = dir.path().toStdString();
    }
};

QString Title(QWizard& wizard) {
    return Child<QLabel>(wizard.currentPage(), "title")->text();
}

void Next(QWizard& wizard) {
    wizard.button(QWizard::NextButton)->click();
    QCoreApplication::processEvents();
}

// Adds every player of the chosen club, one click after another.
void AddWholeClub(QWidget* editor) {
    const int count = Child<QListWidget>(editor, "sourcePlayers")->count();
    for (int row = 0; row < count; ++row) {
        Pick(editor, "sourcePlayers", row);
        Click(editor, "addPlayer");
    }
}

}  // namespace

class TeamWindowsTest : public QObject {
    Q_OBJECT

  private slots:
    void wizardPagesAndButtons();
    void editorSearchesBuildsAndSaves();
    void databaseChangeWindow();
    void seasonPlayedAndCancelled();
};

void TeamWindowsTest::wizardPagesAndButtons() {
    LeagueHarness h;
    h.context.maintenance = true;
    NewGameWizard wizard(h.context);
    wizard.show();
    QWidget* page = wizard.currentPage();

    // Roster shows that side's team; the editor's new team is offered at once.
    ModalWatcher<QDialog> roster([](QDialog* dialog) { dialog->reject(); });
    Click(page, "team1Roster");
    QVERIFY(roster.Fired());
    QCOMPARE(h.session.teams.currentTeam, h.session.game.visitor.team);
    ModalWatcher<CustomEditorWindow> editor([&](CustomEditorWindow* window) {
        Type(window, "newTeamName", "Hawks Again");
        Click(window, "newTeam");
        AddWholeClub(window);
        h.prompter.QueueAnswers({true});
        Click(window, "done");
    });
    Click(page, "customTeam");
    QVERIFY(editor.Fired());
    QCOMPARE(Entries(page, "team1Years"), (QStringList{"Custom", "1950"}));
    QCOMPARE(h.session.game.visitor.team, h.session.teams.customTeams[0].get());
    QVERIFY(QFile::exists(h.dir.filePath("CustomDB")));
    // A team deleted in the database change window is gone from the page afterwards.
    ModalWatcher<DatabaseChangeWindow> change([](DatabaseChangeWindow* window) {
        Type(window, "teamName", "1950 Harbor Hawks");
        Click(window, "deleteTeam");
        Click(window, "cancel");
    });
    Click(page, "databaseChange");
    QVERIFY(change.Fired());
    Pick(page, "team1Years", 1);
    QCOMPARE(Entries(page, "team1Teams"), QStringList{"Valley Rams"});

    // The pages of a side with a designated hitter; a highlighted candidate is taken at
    // once; the order page moves the batters.
    Child<QCheckBox>(page, "designatedHitter")->setChecked(true);
    QStringList titles;
    auto walkTo = [&](int pages) {
        while (titles.size() < pages) {
            Next(wizard);
            titles << Title(wizard);
        }
    };
    walkTo(7);
    page = wizard.currentPage();
    QCOMPARE(Title(wizard), QString("Select A Starting Left Fielder"));
    QCOMPARE(Entries(page, "candidates"),
             (QStringList{"Ray Colfax", "Whitey Brandt", "Nick Soto", "Al Pruett"}));
    Pick(page, "candidates", 1);
    QCOMPARE(h.session.game.visitor.defense[LeftFieldSlot]->name, std::string("Whitey Brandt"));
    QCOMPARE(Child<QLabel>(page, "Starters:LF")->text(), QString("Whitey Brandt"));
    walkTo(11);
    QStringList side;
    for (const char* position :
         {"Pitcher", "Catcher", "First Baseman", "Second Baseman", "Shortstop", "Third Baseman",
          "Left Fielder", "Center Fielder", "Right Fielder"})
        side << QString("Select A Starting ") + position;
    QCOMPARE(titles, side << "Select A Designated Hitter"
                          << "Set Batting Order");
    page = wizard.currentPage();
    const auto& lineup = h.session.game.visitor.lineup;
    PlayerRecord* leadoff = lineup[0];
    Click(page, "down");
    QCOMPARE(lineup[1], leadoff);
    QCOMPARE(Entries(page, "order").value(1), QString::fromStdString(leadoff->name));
    wizard.button(QWizard::CancelButton)->click();
    QCOMPARE(wizard.result(), int(QDialog::Rejected));
}

void TeamWindowsTest::editorSearchesBuildsAndSaves() {
    LeagueHarness h;
    CustomEditorWindow window(h.context);
    window.show();
    QCOMPARE(window.windowTitle(), QString("Create Team"));
    Type(&window, "searchText", "TARR");
    QTest::keyClick(Child<QLineEdit>(&window, "searchText"), Qt::Key_Return);
    QCOMPARE(Entries(&window, "clubs"), QStringList{"Harbor Hawks"});
    QCOMPARE(Child<QListWidget>(&window, "sourcePlayers")->currentItem()->text(),
             QString("Jack Tarrant"));
    QCOMPARE(Child<QLineEdit>(&window, "batting0")->text(), QString("312"));

    Click(&window, "addPlayer");
    QCOMPARE(h.prompter.Informs(), std::vector<std::string>{kCreateTeamFirstMessage});
    Type(&window, "newTeamName", "Mixed Ages");
    Click(&window, "newTeam");
    QCOMPARE(Child<QComboBox>(&window, "teamSelector")->currentText(), QString("Mixed Ages"));
    Click(&window, "addPlayer");
    QCOMPARE(Entries(&window, "customPlayers"), QStringList{"Jack Tarrant"});
    Click(&window, "allTeams");
    AddWholeClub(&window);  // Tarrant again: refused once
    QCOMPARE(h.prompter.Informs().back(), std::string(kPlayerOnTeamMessage));
    QCOMPARE(Child<QListWidget>(&window, "customPlayers")->count(), 14);
    Click(&window, "save");
    TeamDatabase saved;
    QVERIFY(LoadCustomDatabase(saved, h.session.installDirectory));
    QVERIFY(AnyPlayableCustomTeam(saved));

    // Escape is Done: with a change since the save it asks, and No keeps the file.
    Type(&window, "newTeamName", "Unsaved");
    Click(&window, "newTeam");
    QTest::keyClick(&window, Qt::Key_Escape);
    QVERIFY(!window.isVisible());
    QCOMPARE(h.prompter.QuestionCount(), 1);
    QCOMPARE(h.prompter.messages.back().text, std::string(kSaveChangesQuestion));
    QVERIFY(LoadCustomDatabase(saved, h.session.installDirectory));
    QCOMPARE(saved.customTeams.size(), std::size_t{1});
}

// Typed numbers are stored in the record's widths (262 hits in a byte) and shown back;
// Delete, Save and Cancel.
void TeamWindowsTest::databaseChangeWindow() {
    LeagueHarness h;
    DatabaseChangeWindow window(h.context);
    window.show();
    QCOMPARE(window.windowTitle(), QString("Velmoro Baseball  Database Change"));
    QCOMPARE(Child<QLineEdit>(&window, "teamName")->text(), QString("1950 Harbor Hawks"));
    auto* players = Child<QListWidget>(&window, "players");
    players->setCurrentItem(players->findItems("Jack Tarrant", Qt::MatchExactly).value(0));
    QCOMPARE(Child<QLineEdit>(&window, "batting0")->text(), QString("312"));
    Type(&window, "batting2", "600");
    Type(&window, "batting4", "262");
    Child<QCheckBox>(&window, "check0")->setChecked(true);
    Click(&window, "newPlayer");
    auto hawks = [&]() -> TeamRecord& { return *h.session.teams.legendTeams[0]; };
    const PlayerRecord* tarrant = FindPlayer(&hawks(), "Jack Tarrant");
    QCOMPARE(int(tarrant->hits), 6);
    QCOMPARE(int(tarrant->positions), Outfield | Pitcher);
    QVERIFY(tarrant->pitching != nullptr);
    players->setCurrentItem(players->findItems("Jack Tarrant", Qt::MatchExactly).value(0));
    QCOMPARE(Child<QLineEdit>(&window, "batting4")->text(), QString("262"));

    players->setCurrentItem(players->findItems("Sam Whitlock", Qt::MatchExactly).value(0));
    Click(&window, "deletePlayer");
    QCOMPARE(hawks().players[0]->name, std::string("Eddie Marsh"));
    QCOMPARE(players->count(), 13);
    Click(&window, "save");
    QVERIFY(h.prompter.messages.empty());
    TeamList saved;
    QVERIFY(ReadTeamFile(h.session.installDirectory / kLegendFileName, saved));
    QCOMPARE(saved[0]->players.size(), std::size_t{13});
    Click(&window, "cancel");
    QVERIFY(!window.isVisible());
}

// Eight demo clubs of 14 games each: 56 games, all in the standings and the chart.
void TeamWindowsTest::seasonPlayedAndCancelled() {
    UiHarness h;
    std::vector<SeasonRecord> index;
    QVERIFY(LoadLegendDatabase(h.session.teams, VELMORO_DATA_DIR));
    QVERIFY(LoadSeasonIndex(std::filesystem::path(VELMORO_DATA_DIR) / kSeasonIndexFileName, index));
    SeasonWindow window(h.context, index);
    window.show();
    QCOMPARE(window.LeagueBox()->itemText(0), QString("All leagues"));
    auto done = [&] { return QTest::qWaitFor([&] { return window.PlayButton()->isEnabled(); }); };
    window.GamesBox()->setValue(200);
    QTest::mouseClick(window.PlayButton(), Qt::LeftButton);
    QTest::mouseClick(window.CancelButton(), Qt::LeftButton);
    QVERIFY(done());
    QVERIFY(window.Progress()->value() < window.Progress()->maximum());

    window.GamesBox()->setValue(14);
    QTest::mouseClick(window.PlayButton(), Qt::LeftButton);
    QVERIFY(!window.PlayButton()->isEnabled());
    QVERIFY(done());
    QCOMPARE(window.Progress()->value(), 56);
    int wins = 0;  // a league's heading shows none
    for (int i = 0; i < window.Standings()->topLevelItemCount(); ++i)
        wins += window.Standings()->topLevelItem(i)->text(1).toInt();
    QCOMPARE(wins, 56);
    QVERIFY(window.Leaders()->toPlainText().contains("Leaders"));
    QCOMPARE(window.Chart()->Points().size(), std::size_t{8});
}

QTEST_MAIN(TeamWindowsTest)
#include "test_team_windows.moc"
