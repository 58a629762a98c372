// Every window of the program once, over the test league (the Season window over the
// demo league): the window shows what its rule gives, and its buttons call their rules.
// The rules themselves are the core tests' business.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QWizard>
#include <QtTest>
#include <fstream>

#include "db/player_usage.h"
#include "db/season_index.h"
#include "db/team_files.h"
#include "editors/editor_state.h"
#include "setup/manage_stats.h"
#include "setup/manage_substitution.h"
#include "support/ui_harness.h"
#include "ui/custom_editor_window.h"
#include "ui/database_change_window.h"
#include "ui/diamond_view.h"
#include "ui/main_window.h"
#include "ui/new_game_wizard.h"
#include "ui/play_screen.h"
#include "ui/readme_window.h"
#include "ui/saved_game_commands.h"
#include "ui/season_chart.h"
#include "ui/season_choice_dialog.h"
#include "ui/season_window.h"
#include "ui/team_lines_dialog.h"

using namespace velmoro;
using namespace velmoro::testing;

namespace {

QString Name(const PlayerRecord* player) {
    return QString::fromStdString(player->name);
}

void PitchUntil(PlayScreen& screen, const std::function<bool()>& done) {
    for (int turn = 0; turn < 2000 && !done(); ++turn)
        QTest::mouseClick(screen.PitchButton(), Qt::LeftButton);
}

// The screen's diamond paints the same picture as one showing these bases.
bool DiamondShows(PlayScreen& screen, int bases) {
    DiamondView reference([bases] { return bases; });
    reference.resize(screen.Diamond()->size());
    QImage shown(reference.size(), QImage::Format_RGB32), expected = shown;
    shown.fill(Qt::black);
    expected.fill(Qt::black);  // the picture alone, no window background
    screen.Diamond()->render(&shown, {}, {}, QWidget::DrawChildren);
    reference.render(&expected, {}, {}, QWidget::DrawChildren);
    return shown == expected;
}

// The bases the diamond showed when it was last painted.
struct PaintedBases : QObject {
    DiamondView* diamond;
    int last = -1;
    explicit PaintedBases(DiamondView* view) : diamond(view) { view->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) last = diamond->Bases();
        return false;
    }
};

QString TableRow(QWidget* window, int row) {
    auto* table = Child<QTableWidget>(window, "statsTable");
    QStringList cells;
    for (int column = 0; column < table->columnCount(); ++column)
        cells << (table->item(row, column) ? table->item(row, column)->text() : QString());
    return cells.join('\t');
}

// A session whose installation folder is a fresh temporary one, with the test league
// loaded or (for the menu's refusals) none.
struct LeagueHarness : UiHarness {
    QTemporaryDir dir;
    explicit LeagueHarness(bool league = true) {
        if (league) LoadTestLeague(session);
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

class WindowsTest : public QObject {
    Q_OBJECT

  private slots:
    void mainMenuButtons();
    void readmeShowsTheFile();
    void playScreenFollowsTheGame();
    void managementWindowsChangeTheGame();
    void wizardPagesAndButtons();
    void clubWithoutPlayersShowsNoneOfAnother();
    void clubsLineupFillsTheOrderPage();
    void editorSearchesBuildsAndSaves();
    void databaseChangeWindow();
    void seasonPlayedAndCancelled();
    void seasonSaysWhatItLeavesOut();
};

void WindowsTest::mainMenuButtons() {
    LeagueHarness harness(false);
    MainWindow window(harness.context);
    window.show();
    QCOMPARE(window.windowTitle(), QString("Velmoro Baseball"));
    QStringList texts;
    for (auto* button : {window.LoadButton(), window.NewGameButton(), window.QuitButton(),
                         window.ReadMeButton(), window.SeasonButton()})
        texts << button->text();
    QCOMPARE(texts, (QStringList{"&Load", "&New Game", "&Quit", "&ReadMe", "&Season"}));

    // Load given up twice: the question after each chooser, and no failure after it.
    harness.prompter.QueueAnswers({true, false});
    QTest::mouseClick(window.LoadButton(), Qt::LeftButton);
    QCOMPARE(harness.chooser.openCount, 2);
    QCOMPARE(harness.prompter.QuestionCount(), 2);
    QCOMPARE(harness.prompter.messages[1].text, std::string(kNotLoadedQuestion));

    // New Game, Season (its replay) and ReadMe over a folder without their files say so.
#ifdef VELMORO_MANAGED_SEASONS
    ModalWatcher<SeasonChoiceDialog> replay([](SeasonChoiceDialog* choice) {
        choice->Button(SeasonChoiceDialog::ReplaySeason)->click();
    });
#endif
    for (auto* button : {window.NewGameButton(), window.SeasonButton(), window.ReadMeButton()})
        QTest::mouseClick(button, Qt::LeftButton);
    const auto informs = harness.prompter.Informs();
    QCOMPARE(int(informs.size()), 3);
    QCOMPARE(informs[0], "Database Load failed\n" +
                             (harness.session.installDirectory / kLegendFileName).string() +
                             ": No such file or directory");
    QVERIFY(informs[1].rfind("Database Load failed", 0) == 0);
    QVERIFY(informs[2].rfind("The readme file, velmoro.txt, is missing.\n", 0) == 0);
    QCOMPARE(harness.prompter.messages[2].caption, std::string("Velmoro Baseball Error"));

    QTest::mouseClick(window.QuitButton(), Qt::LeftButton);
    QVERIFY(!window.isVisible());
}

// The file as lines (either line end), at most 5000 bytes and no broken character; the
// shipped readme fits.
void WindowsTest::readmeShowsTheFile() {
    const QByteArray line = QByteArray(99, 'a') + '\n';
    const struct {
        QByteArray file;
        QString shown;
    } cases[] = {{"Velmoro\r\nplay ball\r\n\r\nend", "Velmoro\nplay ball\n\nend"},
                 {line.repeated(60), QString(line.repeated(50))},
                 {QByteArray(4999, 'b') + "\xc3\xa9tail", QString(QByteArray(4999, 'b'))}};
    LeagueHarness harness(false);
    MainWindow menu(harness.context);
    for (const auto& c : cases) {
        std::ofstream(harness.dir.filePath("velmoro.txt").toStdString(), std::ios::binary)
            .write(c.file.data(), c.file.size());
        QString text;
        ModalWatcher<ReadmeWindow> reader([&](ReadmeWindow* window) {
            text = window->TextField()->toPlainText();
            QCOMPARE(window->windowTitle(), QString("Corvane Velmoro Baseball Readme File"));
            Button(window, "OK")->click();
        });
        QTest::mouseClick(menu.ReadMeButton(), Qt::LeftButton);
        QVERIFY(reader.Fired());
        QCOMPARE(text, c.shown);
    }
    QVERIFY(harness.prompter.messages.empty());
    // The readme the program ships is shown to its end.
    QVERIFY(QFileInfo(VELMORO_DATA_DIR "/velmoro.txt").size() <= qint64(kReadmeLimit));
}

void WindowsTest::playScreenFollowsTheGame() {
    UiHarness harness;
    QVERIFY(harness.SetUpGame());
    GameState& game = harness.session.game;
    PlayScreen screen(harness.context);
    screen.show();
    QCOMPARE(screen.windowTitle(), QString("Velmoro Baseball Play Ball"));
    QCOMPARE(screen.TeamName(Side::Visitors)->text(), QString(kTestVisitors));
    QCOMPARE(screen.TeamName(Side::Home)->text(), QString(kTestHome));
    QVERIFY(PlayScreen::IsHighlighted(screen.TeamName(Side::Visitors)));
    QVERIFY(PlayScreen::IsHighlighted(screen.LineupName(0)));
    QCOMPARE(screen.ScoreBoxLabel(Side::Visitors, 1)->text(), QString("0"));
    QCOMPARE(screen.InningCaption()->text(), QString("INNING: 1 (top)"));
    QCOMPARE(screen.OutsCaption()->text(), QString("Outs: 0"));
    QCOMPARE(screen.LogField()->toPlainText(), QString("Top of inning 1\n"));
    for (int slot = 0; slot < 9; ++slot)
        QCOMPARE(screen.LineupName(slot)->text(), Name(game.visitor.lineup[slot]));
    QCOMPARE(screen.PitcherName()->text(), Name(game.home.lineup[kPitcherEntry]));
    QCOMPARE(screen.HitterName()->text(), Name(game.visitor.lineup[0]));

    PitchUntil(screen, [&] { return game.HomeBatting(); });
    QVERIFY(PlayScreen::IsHighlighted(screen.TeamName(Side::Home)));
    QVERIFY(!PlayScreen::IsHighlighted(screen.TeamName(Side::Visitors)));
    QCOMPARE(screen.LineupName(0)->text(), Name(game.home.lineup[0]));
    QCOMPARE(screen.PitcherName()->text(), Name(game.visitor.lineup[kPitcherEntry]));
    QCOMPARE(screen.ScoreBoxLabel(Side::Visitors, RunsBox)->text(),
             QString::number(game.visitor.teamRuns));
    QCOMPARE(screen.ScoreBoxLabel(Side::Visitors, HitsBox)->text(),
             QString::number(game.visitor.hits));
    QCOMPARE(screen.InningCaption()->text(), QString("INNING: 1 (bottom)"));
    QVERIFY(screen.LogField()->toPlainText().endsWith("Bottom of inning 1.\n"));

    // Each team button opens its window for its side: the side at bat or in the field.
    const struct {
        QPushButton* button;
        Side side;
    } buttons[] = {{screen.ManageHittingButton(), Side::Home},
                   {screen.StatsHittingButton(), Side::Home},
                   {screen.ManagePitchingButton(), Side::Visitors},
                   {screen.StatsPitchingButton(), Side::Visitors}};
    for (const auto& b : buttons) {
        QString shown;
        ModalWatcher<QDialog> closer([&](QDialog* dialog) {
            shown = Child<QLabel>(dialog, "teamName")->text();
            dialog->reject();
        });
        QTest::mouseClick(b.button, Qt::LeftButton);
        QVERIFY(closer.Fired());
        QCOMPARE(shown, QString::fromStdString(game.SideOf(b.side).team->name));
    }

    PitchUntil(screen, [&] { return game.bases != 0; });
    QVERIFY(DiamondShows(screen, game.bases));
    QVERIFY(!DiamondShows(screen, 0));

    harness.prompter.QueueAnswers({true});  // quit the unsaved game
    QTest::mouseClick(screen.QuitButton(), Qt::LeftButton);
    QCOMPARE(screen.result(), 0);
    QVERIFY(!game.hasBattingBoxLines);
    QCOMPARE(game.playLog, std::string("Top of inning 1\r\n"));
}

// Through the play screen's buttons: a pitcher who bats for the visitors, the home
// team's pitching change, the statistics, and the window a turn opens when a pinch
// hitter must leave.
void WindowsTest::managementWindowsChangeTheGame() {
    UiHarness harness;
    QVERIFY(harness.SetUpGame());
    GameState& game = harness.session.game;
    PlayScreen screen(harness.context);
    ModalWatcher<QDialog> substitution([](QDialog* window) {
        QCOMPARE(window->windowTitle(), QString("Velmoro Baseball Lineup"));
        QCOMPARE(Child<QLabel>(window, "teamName")->text(), QString(kTestVisitors));
        QCOMPARE(Entries(window, "candidates"),
                 (QStringList{"Duke Farrow", "Ned Lasko", "Lou Pettigrew", "Eddie Marsh",
                              "Walt Brennan"}));
        Child<QComboBox>(window, "whoToReplace")->setCurrentIndex(1);
        QCOMPARE(Child<QLabel>(window, "candidateCaption")->text(), QString("Select A Pitcher"));
        QCOMPARE(Entries(window, "candidates"),
                 (QStringList{"Eddie Marsh", "Lou Pettigrew", "Walt Brennan"}));
        Pick(window, "candidates", 1);
        QCOMPARE(Child<QLabel>(window, "Pitching:ERA")->text(), QString("3.31"));
        Button(window, "OK")->click();
    });
    QTest::mouseClick(screen.ManageHittingButton(), Qt::LeftButton);
    QVERIFY(substitution.Fired());
    QCOMPARE(screen.LineupName(0)->text(), QString("Lou Pettigrew"));
    QCOMPARE(screen.HitterName()->text(), QString("Lou Pettigrew"));
    QCOMPARE(game.visitor.lineup[kPitcherEntry]->name, std::string("Lou Pettigrew"));

    ModalWatcher<QDialog> pitching([](QDialog* window) {
        QCOMPARE(Entries(window, "candidates"),
                 (QStringList{"Hal Grimsby", "Joe Vickery", "Stan Mulvey"}));
        Pick(window, "candidates", 1);
        Button(window, "OK")->click();
    });
    QTest::mouseClick(screen.ManagePitchingButton(), Qt::LeftButton);
    QVERIFY(pitching.Fired());
    QCOMPARE(screen.PitcherName()->text(), QString("Joe Vickery"));

    const TeamRecord& visitors = *game.visitor.team;
    harness.session.statsPageStart = 25;  // paged on another team: this one starts at 0
    ModalWatcher<QDialog> stats([&](QDialog* window) {
        QCOMPARE(window->findChild<QGroupBox*>()->title(), QString("Hitting"));
        QCOMPARE(TableRow(window, 13),
                 QString::fromStdString(visitors.players[13]->name + "\t" +
                                        HittingStatsLine(*visitors.players[13])));
        QVERIFY(!Button(window, "Next")->isVisible() || !Button(window, "Next")->isEnabled());
        Button(window, "Pitching")->click();
        const PlayerRecord& second = *game.visitor.pitchingStaff[1];
        QCOMPARE(TableRow(window, 1),
                 QString::fromStdString(second.name + "\t" + PitchingStatsLine(*second.pitching)));
        Button(window, "Cancel")->click();
    });
    QTest::mouseClick(screen.StatsHittingButton(), Qt::LeftButton);
    QVERIFY(stats.Fired());

    // A pinch hitter for the left fielder with two out and two on: the Pitch has him
    // replaced before the half-inning changes, and the diamond, painted while the window
    // was open, shows the new half-inning's empty bases afterwards.
    game.batterIndex = game.visitor.nextBatter = 6;
    game.outs = 2;
    game.bases = Base::First | Base::Second;
    QCOMPARE(ApplySubstitution(harness.session, Side::Visitors, PinchHitter, "Eddie Marsh"),
             SubstitutionOutcome::Applied);
    ModalWatcher<QDialog> forced([](QDialog* window) {
        QCOMPARE(Entries(window, "candidates"), QStringList{"Duke Farrow"});
        QCOMPARE(Child<QComboBox>(window, "whoToReplace")->currentText(), QString("Left Field"));
        Button(window, "OK")->click();
    });
    screen.show();
    harness.session.random.SetFixedSeed(12345);  // the turn is the third out
    PaintedBases painted(screen.Diamond());
    QTest::mouseClick(screen.PitchButton(), Qt::LeftButton);
    QVERIFY(forced.Fired());
    QVERIFY(game.HomeBatting() && game.bases == 0);
    QTRY_COMPARE(painted.last, 0);
    QCOMPARE(game.visitor.lineup[6]->name, std::string("Duke Farrow"));
    QCOMPARE(harness.prompter.Informs(), std::vector<std::string>{kPinchHitterMustLeaveMessage});
}

void WindowsTest::wizardPagesAndButtons() {
    LeagueHarness h;
    {  // "DB Change" is only there with --maintenance.
        NewGameWizard plain(h.context);
        plain.show();
        QVERIFY(!Child(plain.currentPage(), "databaseChange")->isVisible());
    }
    h.context.maintenance = true;
    NewGameWizard wizard(h.context);
    wizard.show();
    QWidget* page = wizard.currentPage();

    // Roster shows that side's team; the editor's new team is offered at once.
    ModalWatcher<QDialog> roster([](QDialog* dialog) { dialog->reject(); });
    Click(page, "team1Roster");
    QVERIFY(roster.Fired());
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

// Chosen after another club, a club without players has no pitcher of that club: its
// pitcher page finds nobody, says so and ends the wizard.
void WindowsTest::clubWithoutPlayersShowsNoneOfAnother() {
    LeagueHarness h;
    AddTeam(h.session.teams.legendTeams, "1950 Bare Bones");
    NewGameWizard wizard(h.context);
    wizard.show();
    QCOMPARE(Entries(wizard.currentPage(), "team1Teams").value(0), QString("Bare Bones"));
    Pick(wizard.currentPage(), "team1Teams", 1);
    Pick(wizard.currentPage(), "team1Teams", 0);
    Next(wizard);
    QVERIFY(!wizard.isVisible());
    QCOMPARE(h.prompter.Informs(),
             std::vector<std::string>{"There are no players left to play pitcher.\nPlease try "
                                      "again."});
}

// "Club's Lineup" on the order page: refused without the players' file; with it, the
// club's regulars in the plan's order, the chosen pitcher ninth.
void WindowsTest::clubsLineupFillsTheOrderPage() {
    LeagueHarness h;
    NewGameWizard wizard(h.context);
    wizard.show();
    for (int page = 0; page < 10; ++page)
        Next(wizard);
    QCOMPARE(Title(wizard), QString("Set Batting Order"));
    const auto before = h.session.game.visitor.lineup;
    Click(wizard.currentPage(), "clubLineup");
    QCOMPARE(h.prompter.messages.size(), std::size_t{1});
    QCOMPARE(h.session.game.visitor.lineup, before);
    std::vector<PlayerUsage> rows;
    for (const auto& player : LookupTeam(h.session.teams.legendTeams, kTestVisitors)->players) {
        PlayerUsage& row = rows.emplace_back();
        row.team = kTestVisitors, row.player = player->name;
        row.games = row.gamesStarted = 150;
        (player->HasPosition(Pitcher) ? row.gamesPitcher : row.gamesFirst) = 150;
        row.pitchStarts = player->HasPosition(Pitcher) ? 30 : 0;
    }
    rows.back().gamesFirst = 0, rows.back().gamesShort = 150;  // the utility man
    QVERIFY(WritePlayerUsage(h.dir.filePath("Players.csv").toStdString(), rows));
    Click(wizard.currentPage(), "clubLineup");
    const GameSide& side = h.session.game.visitor;
    QCOMPARE(side.lineup[8], side.defense[PitcherSlot]);
    QCOMPARE(side.defense[ShortstopSlot]->name, std::string("Ned Lasko"));
    QCOMPARE(Entries(wizard.currentPage(), "order").value(8),
             QString::fromStdString(side.defense[PitcherSlot]->name));
}

void WindowsTest::editorSearchesBuildsAndSaves() {
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

// Typed numbers are stored in the record's widths (262 hits in a byte) and shown back,
// a number its field cannot hold is refused; Delete, Save and Cancel.
void WindowsTest::databaseChangeWindow() {
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
    Type(&window, "batting2", "-5");  // refused: nothing changes
    Click(&window, "newPlayer");
    QCOMPARE(h.prompter.Informs(),
             std::vector<std::string>{"AB must be a whole number from 0 to 65535."});
    QCOMPARE(int(tarrant->atBats), 600);
    h.prompter.messages.clear();

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
void WindowsTest::seasonPlayedAndCancelled() {
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

// What velmoro-sim names on its error output the window shows: a club LegendDB lacks, a
// club that cannot be fielded, a season refused; a team's lines open in their dialog.
void WindowsTest::seasonSaysWhatItLeavesOut() {
    UiHarness h;
    QVERIFY(LoadLegendDatabase(h.session.teams, VELMORO_DATA_DIR));
    TeamRecord& thin = AddTeam(h.session.teams.legendTeams, "2024 Thin");
    CopyPlayers(*h.session.teams.legendTeams.front(), thin);
    thin.players.resize(8);
    SeasonRecord first;
    first.year = 2024, first.league = "VBL", first.games = 4;
    SeasonRecord second = first;
    first.team = "2024 Ghosts", second.team = "2024 Thin";
    std::vector<SeasonRecord> index{first, second};
    index.push_back(first), index.back().team = h.session.teams.legendTeams.front()->name;
    index.push_back(first), index.back().team = h.session.teams.legendTeams[1]->name;
    SeasonWindow window(h.context, {index.begin(), index.begin() + 3});
    window.PlaySeasonNow();
    QCOMPARE(h.prompter.messages.size(), std::size_t{1});
    const std::string told = h.prompter.messages[0].text;
    QVERIFY(told.find("2024 Ghosts is not in LegendDB") != std::string::npos);
    QVERIFY(told.find("2024 Thin cannot be fielded: 8 players") != std::string::npos);
    QVERIFY(told.find("one club") != std::string::npos);
    QVERIFY(told.find("no season 2024 to replay") != std::string::npos);
    QVERIFY(!window.Running());

    SeasonWindow played(h.context, index);
    played.PlaySeasonNow();
    QVERIFY(QTest::qWaitFor([&] { return played.PlayButton()->isEnabled(); }));
    QCOMPARE(h.prompter.messages.size(), std::size_t{2});
    QCOMPARE(played.Standings()->topLevelItemCount(), 3);
    ModalWatcher<TeamLinesDialog> lines([](TeamLinesDialog* dialog) {
        QVERIFY(dialog->Table()->rowCount() >= 9);
        dialog->reject();
    });
    played.ShowTeamLines(played.Standings()->topLevelItem(1));
    QVERIFY(lines.Fired());
}

QTEST_MAIN(WindowsTest)
#include "test_windows.moc"
