// The custom team editor window offscreen: a search and a team built from it through
// the real widgets, closing with unsaved changes, the team page afterwards,
// and a picture of the editor during a search.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "db/team_files.h"
#include "editors/editor_state.h"
#include "support/ui_harness.h"
#include "support/widget_access.h"
#include "ui/custom_editor_window.h"
#include "ui/new_game_wizard.h"

using namespace velmoro;
using namespace velmoro::testing;

namespace {

// The test league plus a later season of the Hawks, so a search spans two years.
struct EditorHarness : UiHarness {
    QTemporaryDir dir;
    EditorHarness() {
        velmoro::testing::LoadTestLeague(session);
        TeamRecord& later = AddTeam(session.teams.legendTeams, "1951 Harbor Hawks");
        later.AddPlayer(PlayerRecord(*session.teams.legendTeams[0]->players[9]));  // Jack Tarrant
        session.installDirectory = dir.path().toStdString();
    }
};

void Pick(QWidget* window, const char* list, int row) {
    Child<QListWidget>(window, list)->setCurrentRow(row);
}

QStringList Entries(QWidget* window, const char* name) {
    QStringList entries;
    auto* list = Child<QListWidget>(window, name);
    for (int row = 0; row < list->count(); ++row)
        entries << list->item(row)->text();
    return entries;
}

QString Current(QWidget* window, const char* name) {
    QListWidgetItem* item = Child<QListWidget>(window, name)->currentItem();
    return item ? item->text() : QString();
}

// Adds every player of the chosen club, as a user would, one click after another.
void AddWholeClub(QWidget* window) {
    const int count = Child<QListWidget>(window, "sourcePlayers")->count();
    for (int row = 0; row < count; ++row) {
        Pick(window, "sourcePlayers", row);
        Click(window, "addPlayer");
    }
}

}  // namespace

class EditorTest : public QObject {
    Q_OBJECT

  private slots:
    void searchAndBuildATeam();
    void escapeWithChangesAnsweredNo();
    void teamPageOffersTheNewTeam();
    void screenshot();
};

void EditorTest::searchAndBuildATeam() {
    EditorHarness h;
    CustomEditorWindow window(h.context);
    window.show();
    QCOMPARE(window.windowTitle(), QString("Create Team"));
    QCOMPARE(Entries(&window, "years"), QStringList({"1950", "1951"}));

    Type(&window, "searchText", "TARR");
    QTest::keyClick(Child<QLineEdit>(&window, "searchText"), Qt::Key_Return);
    QCOMPARE(Entries(&window, "years"), QStringList({"1950", "1951"}));
    QCOMPARE(Entries(&window, "clubs"), QStringList({"Harbor Hawks"}));
    QCOMPARE(Current(&window, "sourcePlayers"), QString("Jack Tarrant"));
    QCOMPARE(Child<QGroupBox>(&window, "playerCard")->title(), QString("Jack Tarrant"));
    QCOMPARE(Child<QLineEdit>(&window, "batting0")->text(), QString("312"));
    QVERIFY(h.prompter.messages.empty());

    Click(&window, "addPlayer");
    QCOMPARE(h.prompter.Informs(), std::vector<std::string>{kCreateTeamFirstMessage});
    Type(&window, "newTeamName", "Mixed Ages");
    Click(&window, "newTeam");
    QCOMPARE(Child<QComboBox>(&window, "teamSelector")->currentText(), QString("Mixed Ages"));
    QCOMPARE(Child<QGroupBox>(&window, "customGroup")->title(), QString("Mixed Ages"));
    Click(&window, "addPlayer");
    QCOMPARE(Entries(&window, "customPlayers"), QStringList({"Jack Tarrant"}));
    QCOMPARE(Child<QLabel>(&window, "count6")->text(), QString("1"));

    Click(&window, "allTeams");
    QCOMPARE(Entries(&window, "clubs"), QStringList({"Harbor Hawks", "Valley Rams"}));
    AddWholeClub(&window);  // Tarrant again: refused once
    QCOMPARE(h.prompter.Informs().back(), std::string(kPlayerOnTeamMessage));
    QCOMPARE(Child<QListWidget>(&window, "customPlayers")->count(), 14);
    Click(&window, "save");
    QCOMPARE(h.prompter.Informs().size(), std::size_t{2});
    Click(&window, "done");
    QVERIFY(!window.isVisible());
    QCOMPARE(h.prompter.QuestionCount(), 0);

    TeamDatabase nextRun;
    QVERIFY(LoadCustomDatabase(nextRun, h.session.installDirectory));
    QVERIFY(AnyPlayableCustomTeam(nextRun));
}

// Escape is "Done": the question comes, No keeps the teams for this run only.
void EditorTest::escapeWithChangesAnsweredNo() {
    EditorHarness h;
    CustomEditorWindow window(h.context);
    window.show();
    Type(&window, "newTeamName", "Unsaved");
    Click(&window, "newTeam");
    h.prompter.QueueAnswers({false});
    QTest::keyClick(&window, Qt::Key_Escape);
    QVERIFY(!window.isVisible());
    QCOMPARE(h.prompter.QuestionCount(), 1);
    QCOMPARE(h.prompter.messages[0].text, std::string(kSaveChangesQuestion));
    QCOMPARE(h.prompter.messages[0].caption, std::string("Velmoro Baseball"));
    QCOMPARE(h.session.teams.customTeams.size(), std::size_t{1});
    QVERIFY(!QFile::exists(h.dir.filePath("CustomDB")));
}

// After the editor the team page lists "Custom" first and both sides hold the new team.
void EditorTest::teamPageOffersTheNewTeam() {
    EditorHarness h;
    NewGameWizard wizard(h.context);
    wizard.show();
    QCoreApplication::processEvents();
    QWidget* page = wizard.currentPage();
    ModalWatcher<CustomEditorWindow> watcher([&](CustomEditorWindow* editor) {
        Type(editor, "newTeamName", "Hawks Again");
        Click(editor, "newTeam");
        AddWholeClub(editor);
        h.prompter.QueueAnswers({true});
        Click(editor, "done");
    });
    Click(page, "customTeam");
    QVERIFY(watcher.Fired());
    QCOMPARE(Entries(page, "team1Years").value(0), QString("Custom"));
    QCOMPARE(Current(page, "team2Teams"), QString("Hawks Again"));
    QCOMPARE(h.session.game.visitor.team, h.session.teams.customTeams[0].get());
    QVERIFY(QFile::exists(h.dir.filePath("CustomDB")));
}

// Written into docs/ only when asked for.
void EditorTest::screenshot() {
    if (!qEnvironmentVariableIsSet("VELMORO_SCREENSHOTS"))
        QSKIP("set VELMORO_SCREENSHOTS=1 to write docs/editor_search.png");
    EditorHarness h;
    AddTeam(h.session.teams.customTeams, "Bay Area All-Stars");
    CustomEditorWindow window(h.context);
    window.resize(1100, 560);
    window.show();
    Pick(&window, "years", 0);
    Pick(&window, "clubs", 1);
    for (int row : {0, 3, 5, 9}) {
        Pick(&window, "sourcePlayers", row);
        Click(&window, "addPlayer");
    }
    Type(&window, "searchText", "tarr");
    Click(&window, "findPlayer");
    QCoreApplication::processEvents();
    QVERIFY(window.grab().save(QString(VELMORO_DOCS_DIR) + "/editor_search.png"));
    window.reject();
}

QTEST_MAIN(EditorTest)
#include "test_editor.moc"
