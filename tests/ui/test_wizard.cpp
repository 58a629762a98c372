// The new game wizard through its real pages, offscreen: the page sequence with and
// without the designated hitter, the lineup pages' candidates, the batting order page,
// Cancel, and a whole set-up compared with the default set-up of velmoro-sim.
#include <fmt/format.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "engine/session.h"
#include "setup/batting_order.h"
#include "support/ui_harness.h"
#include "ui/new_game_wizard.h"

using namespace velmoro;

namespace {

// A session with its scripted message boxes and the wizard over it.
struct Harness : velmoro::testing::UiHarness {
    std::unique_ptr<NewGameWizard> wizard;

    Harness() { velmoro::testing::LoadTestLeague(session); }

    void Open() {
        wizard = std::make_unique<NewGameWizard>(context);
        wizard->show();
        QCoreApplication::processEvents();
    }
    // What the main menu does after every wizard run.
    void ResetLikeMainMenu() {
        wizard.reset();
        ResetGame(session.game);
        ResetSetup(session);
    }

    template <typename T>
    T* Find(const char* name) const {
        return wizard->currentPage()->findChild<T*>(name);
    }
    QListWidget* List(const char* name) const { return Find<QListWidget>(name); }
    QString Text(const char* name) const { return Find<QLabel>(name)->text(); }
    QStringList Entries(const char* name) const {
        QStringList entries;
        QListWidget* list = List(name);
        for (int row = 0; row < list->count(); ++row)
            entries << list->item(row)->text();
        return entries;
    }
    bool Shown(QWizard::WizardButton which) const {
        QAbstractButton* b = wizard->button(which);
        return b->isVisible() && b->isEnabled();
    }
    void Press(QWizard::WizardButton which) {
        wizard->button(which)->click();
        QCoreApplication::processEvents();
    }
    void Next() { Press(QWizard::NextButton); }
    void Pick(const char* list, int row) {
        List(list)->setCurrentRow(row);
        QCoreApplication::processEvents();
    }
    // Next until a page with this title is showing; false if it never comes.
    bool NextUntil(const QString& title) {
        for (int step = 0; step < 30 && wizard->isVisible(); ++step) {
            if (auto* label = Find<QLabel>("title"); label && label->text() == title) return true;
            if (!Shown(QWizard::NextButton)) return false;
            Next();
        }
        return false;
    }
    PlayerRecord* Slot(int side, int slot) { return session.game.Side(side).defense[slot]; }
};

std::string NameOf(const PlayerRecord* player) {
    return player ? player->name : "-";
}

// Everything a finished set-up leaves in the session, by name, so two sessions loaded
// from the same league can be compared.
std::vector<std::string> Snapshot(const Session& s) {
    std::vector<std::string> out;
    for (int side : {kVisitors, kHome}) {
        const GameSide& g = s.game.Side(side);
        out.push_back(g.team ? g.team->name : "-");
        for (const PlayerRecord* p : g.lineup)
            out.push_back("lineup " + NameOf(p));
        for (const PlayerRecord* p : g.defense)
            out.push_back("defense " + NameOf(p));
        for (const PlayerRecord* p : g.pitchingStaff)
            out.push_back("staff " + NameOf(p));
        if (g.team)
            for (const auto& p : g.team->players)
                out.push_back("roster " + p->name);
    }
    out.push_back(fmt::format("dh {} bat {} work {} dialog {} setup {} {} {} team {}",
                              s.game.designatedHitter, s.game.battingSide,
                              s.game.workingDefenseSide, s.game.dialogSide, s.setup.setupSide,
                              s.setup.selectingPosition, s.setup.selectingOutfielder,
                              s.teams.currentTeam ? s.teams.currentTeam->name : "-"));
    return out;
}

std::vector<std::string> DefaultSetupSnapshot(const std::string& visitors, const std::string& home,
                                              bool dh) {
    Session session;
    velmoro::testing::LoadTestLeague(session);
    std::string error;
    TeamRecord* v = LookupTeam(session.teams.legendTeams, visitors);
    TeamRecord* h = LookupTeam(session.teams.legendTeams, home);
    if (!v || !h || !DefaultSetup(session, *v, *h, dh, &error)) return {"failed " + error};
    return Snapshot(session);
}

PlayerRecord MakePlayer(const std::string& name, std::uint8_t positions, int avg) {
    PlayerRecord player(name);
    player.positions = positions;
    player.battingAvg = static_cast<std::uint16_t>(avg);
    return player;
}

PitchingLine Line(int era, int games, int innings) {
    PitchingLine line;
    line.eraX100 = static_cast<std::uint16_t>(era);
    line.games = static_cast<std::uint8_t>(games);
    line.inningsPitched = static_cast<std::uint16_t>(innings);
    return line;
}

void AddPitcher(TeamRecord& team, const std::string& name, int avg, const PitchingLine& line) {
    PlayerRecord player = MakePlayer(name, Pitcher, avg);
    player.pitching = std::make_unique<PitchingLine>(line);
    team.AddPlayer(std::move(player));
}

// One player for each of C, 1B, 2B, SS, 3B and `outfielders` outfielders.
void AddFielders(TeamRecord& team, int outfielders, int avg = 250) {
    const std::pair<const char*, std::uint8_t> infield[] = {{"Cat", Catcher},
                                                            {"First", FirstBase},
                                                            {"Second", SecondBase},
                                                            {"Short", Shortstop},
                                                            {"Third", ThirdBase}};
    for (const auto& [name, position] : infield)
        team.AddPlayer(MakePlayer(name, position, avg));
    for (int i = 0; i < outfielders; ++i)
        team.AddPlayer(MakePlayer("Out " + std::to_string(i), Outfield, avg - i));
}

}  // namespace

class WizardTest : public QObject {
    Q_OBJECT

  private slots:
    void acceptingEveryDefaultEqualsTheDefaultSetup_data();
    void acceptingEveryDefaultEqualsTheDefaultSetup();
    void cancelOnAnyPageStartsTheNextGameClean_data();
    void cancelOnAnyPageStartsTheNextGameClean();
    void lineupPageListsCandidatesAndTakesTheFirst_data();
    void lineupPageListsCandidatesAndTakesTheFirst();
    void outfieldPagesOfferWhatIsLeft();
    void designatedHitterPageAndItsMessage();
    void statisticsPanelsFormatTheSeason();
    void battingOrderUpDownAndTable();
    void teamPageCustomEntryAndMessages();
    void teamPageAfterTheCustomTeamEditor();
    void teamPageWithNoTeamRefusesNext();
    void screenshots();
};

void WizardTest::acceptingEveryDefaultEqualsTheDefaultSetup_data() {
    QTest::addColumn<bool>("dh");
    QTest::addColumn<int>("homeRow");
    QTest::newRow("no designated hitter, same team on both sides") << false << 0;
    QTest::newRow("designated hitter, two teams") << true << 1;
}

void WizardTest::acceptingEveryDefaultEqualsTheDefaultSetup() {
    QFETCH(bool, dh);
    QFETCH(int, homeRow);
    Harness h;
    h.Open();
    QCOMPARE(h.wizard->windowTitle(), QString("Velmoro Baseball  New Game"));
    QVERIFY(!h.wizard->button(QWizard::BackButton)->isVisible());
    QVERIFY(h.Shown(QWizard::NextButton));
    QVERIFY(!h.Shown(QWizard::FinishButton));
    h.Pick("team2Teams", homeRow);
    h.Find<QCheckBox>("designatedHitter")->setChecked(dh);
    h.Next();

    // Page titles as the wizard goes: each side's lineup pages, then its order page.
    QStringList titles;
    while (h.Shown(QWizard::NextButton)) {
        titles << h.Text("title");
        QVERIFY(!h.wizard->button(QWizard::BackButton)->isVisible());
        QVERIFY(!h.Shown(QWizard::FinishButton));
        h.Next();
    }
    titles << h.Text("title");
    QStringList side{"Select A Starting Pitcher",       "Select A Starting Catcher",
                     "Select A Starting First Baseman", "Select A Starting Second Baseman",
                     "Select A Starting Shortstop",     "Select A Starting Third Baseman",
                     "Select A Starting Left Fielder",  "Select A Starting Center Fielder",
                     "Select A Starting Right Fielder"};
    if (dh) side << "Select A Designated Hitter";
    side << "Set Batting Order";
    QCOMPARE(titles, side + side);
    QCOMPARE(h.wizard->windowTitle(), QString("Velmoro Baseball Lineup"));
    QVERIFY(h.Shown(QWizard::FinishButton));

    h.Press(QWizard::FinishButton);
    QCOMPARE(h.wizard->result(), int(QDialog::Accepted));
    QCOMPARE(h.session.game.battingSide, kVisitors);  // the visitors bat first
    for (int s : {kVisitors, kHome}) {
        QCOMPARE(h.Slot(s, DesignatedHitterSlot) != nullptr, dh);
        QCOMPARE(h.session.game.Side(s).lineup[9], h.Slot(s, PitcherSlot));
        QCOMPARE(h.session.game.Side(s).lineup[0],
                 h.Slot(s, dh ? DesignatedHitterSlot : PitcherSlot));
    }
    const std::string home =
        homeRow == 0 ? velmoro::testing::kTestVisitors : velmoro::testing::kTestHome;
    QCOMPARE(Snapshot(h.session), DefaultSetupSnapshot(velmoro::testing::kTestVisitors, home, dh));
}

void WizardTest::cancelOnAnyPageStartsTheNextGameClean_data() {
    QTest::addColumn<int>("nexts");
    QTest::newRow("team page") << 0;
    QTest::newRow("visitors' pitcher") << 1;
    QTest::newRow("visitors' center field") << 8;
    QTest::newRow("visitors' batting order") << 10;
    QTest::newRow("home pitcher") << 11;
    QTest::newRow("home batting order") << 20;
}

void WizardTest::cancelOnAnyPageStartsTheNextGameClean() {
    QFETCH(int, nexts);
    Harness h;
    h.Open();
    for (int i = 0; i < nexts; ++i)
        h.Next();
    h.Press(QWizard::CancelButton);
    QCOMPARE(h.wizard->result(), int(QDialog::Rejected));
    h.ResetLikeMainMenu();

    h.Open();
    QCOMPARE(h.wizard->currentId(), 0);
    h.Next();
    QCOMPARE(h.Text("title"), QString("Select A Starting Pitcher"));
    QCOMPARE(h.session.setup.setupSide, kVisitors);
    auto* panel = h.wizard->currentPage()->findChild<QLabel*>("Starters:C");
    QCOMPARE(panel->text(), QString());
    for (int s : {kVisitors, kHome})
        for (int slot = CatcherSlot; slot <= DesignatedHitterSlot; ++slot)
            QVERIFY(h.Slot(s, slot) == nullptr);
}

namespace {

// The special teams of the candidate cases below.
enum ThinTeam { ThirtyFivePitchers, NoStarters, ThreeOutfieldersOneCatching };

void FillThinTeam(TeamRecord& team, int kind) {
    if (kind == ThirtyFivePitchers) {
        // Pitchers in batting order 0..34, the later ones with the better earned run
        // average: only the first 29 met make the staff.
        for (int i = 0; i < 35; ++i) {
            PitchingLine line = Line(1000 - 10 * i, 30, 200);
            if (i == 3) line = Line(100, 0, 0);    // never pitched
            if (i == 4) line = Line(100, 10, 39);  // 3.9 innings a game: a reliever
            AddPitcher(team, fmt::format("P{:02}", i), 500 - i, line);
        }
    } else {
        AddPitcher(team, "Reliever", 150, Line(250, 60, 90));
        AddPitcher(team, "Rookie", 140, Line(300, 0, 0));
    }
    if (kind != ThreeOutfieldersOneCatching) return AddFielders(team, 3);
    AddPitcher(team, "Ace", 100, Line(300, 30, 200));
    const std::pair<const char*, std::uint8_t> players[] = {
        {"Catcher Who Roams", Catcher | Outfield},
        {"First", FirstBase},
        {"Second", SecondBase},
        {"Short", Shortstop},
        {"Third", ThirdBase},
        {"Left", Outfield},
        {"Center", Outfield},
        {"Utility", SecondBase | Shortstop}};
    for (const auto& [name, position] : players)
        team.AddPlayer(MakePlayer(name, position, 250));
}

}  // namespace

void WizardTest::lineupPageListsCandidatesAndTakesTheFirst_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("expected");
    QStringList staff;
    for (int i = 28; i >= 0; --i)
        if (i != 3 && i != 4) staff << QString::asprintf("P%02d", i);
    QTest::newRow("35 pitchers: starters of the first 29, best ERA first")
        << int(ThirtyFivePitchers) << "Select A Starting Pitcher" << staff;
    QTest::newRow("no starter: pitchers and infielders by average")
        << int(NoStarters) << "Select A Starting Pitcher"
        << QStringList{"First", "Second", "Short", "Third", "Reliever", "Rookie"};
    QTest::newRow("right field falls back to the infield")
        << int(ThreeOutfieldersOneCatching) << "Select A Starting Right Fielder"
        << QStringList{"Utility"};
}

void WizardTest::lineupPageListsCandidatesAndTakesTheFirst() {
    QFETCH(int, kind);
    QFETCH(QString, title);
    QFETCH(QStringList, expected);
    Harness h;
    h.session.teams.legendTeams.clear();
    FillThinTeam(AddTeam(h.session.teams.legendTeams, "1970 Thin"), kind);
    h.Open();
    QVERIFY(h.NextUntil(title));
    QCOMPARE(h.Entries("candidates"), expected);
    QCOMPARE(h.List("candidates")->currentRow(), 0);
    const bool pitcherPage = title == "Select A Starting Pitcher";
    const int slot = pitcherPage ? PitcherSlot : RightFieldSlot;
    QCOMPARE(QString::fromStdString(NameOf(h.Slot(kVisitors, slot))), expected.front());
    QCOMPARE(h.Find<QWidget>("Pitching:ERA")->isVisible(), pitcherPage);
    if (pitcherPage) QCOMPARE(h.session.game.visitor.lineup[9], h.Slot(kVisitors, PitcherSlot));
}

void WizardTest::outfieldPagesOfferWhatIsLeft() {
    Harness h;
    h.Open();
    QVERIFY(h.NextUntil("Select A Starting First Baseman"));
    QCOMPARE(h.Entries("candidates"), (QStringList{"Red Abernathy", "Duke Farrow"}));
    h.Pick("candidates", 1);  // stored the moment it is highlighted
    QCOMPARE(NameOf(h.Slot(kVisitors, FirstBaseSlot)), std::string("Duke Farrow"));
    QCOMPARE(h.Text("Starters:1B"), QString("Duke Farrow"));

    QVERIFY(h.NextUntil("Select A Starting Left Fielder"));
    QCOMPARE(h.Entries("candidates"), (QStringList{"Jack Tarrant", "Billy Royce", "Vern Haskell"}));
    h.Pick("candidates", 1);
    h.Next();
    QCOMPARE(h.Text("title"), QString("Select A Starting Center Fielder"));
    QCOMPARE(h.Entries("candidates"), (QStringList{"Jack Tarrant", "Vern Haskell"}));
    h.Next();
    QCOMPARE(h.Text("title"), QString("Select A Starting Right Fielder"));
    QCOMPARE(h.Entries("candidates"), (QStringList{"Vern Haskell"}));
    QCOMPARE(h.Text("Starters:LF"), QString("Billy Royce"));
    QCOMPARE(h.Text("Starters:CF"), QString("Jack Tarrant"));
    QCOMPARE(h.Text("Starters:DH"), QString("Not Applicable"));
    QVERIFY(!h.Find<QWidget>("Pitching:ERA")->isVisible());
    h.Next();
    QCOMPARE(h.Text("title"), QString("Set Batting Order"));
    QVERIFY(h.Slot(kVisitors, DesignatedHitterSlot) == nullptr);
}

void WizardTest::designatedHitterPageAndItsMessage() {
    Harness h;
    h.Open();
    h.Find<QCheckBox>("designatedHitter")->setChecked(true);
    h.Next();
    QCOMPARE(h.Text("Starters:DH"), QString());  // a designated hitter is still to come
    QVERIFY(h.NextUntil("Select A Designated Hitter"));
    // Everyone not yet placed, the other pitchers included, best average first.
    QCOMPARE(h.Entries("candidates"), (QStringList{"Duke Farrow", "Ned Lasko", "Lou Pettigrew",
                                                   "Eddie Marsh", "Walt Brennan"}));
    h.Pick("candidates", 2);
    QCOMPARE(h.Text("Starters:DH"), QString("Lou Pettigrew"));
    h.Next();
    QCOMPARE(h.Text("title"), QString("Set Batting Order"));
    const auto& lineup = h.session.game.visitor.lineup;
    QCOMPARE(NameOf(lineup[0]), std::string("Lou Pettigrew"));
    QCOMPARE(NameOf(lineup[9]), std::string("Sam Whitlock"));
    for (int entry = 0; entry < 9; ++entry)
        QVERIFY(lineup[entry] != lineup[9]);

    // Nine players and a designated hitter: nobody is left, and the wizard gives up.
    Harness nine;
    nine.session.teams.legendTeams.clear();
    TeamRecord& team = AddTeam(nine.session.teams.legendTeams, "1990 Nine");
    AddPitcher(team, "Ace", 100, Line(300, 30, 200));
    AddFielders(team, 3);
    nine.Open();
    nine.Find<QCheckBox>("designatedHitter")->setChecked(true);
    QVERIFY(nine.NextUntil("Select A Starting Right Fielder"));
    nine.Next();
    QTRY_VERIFY(!nine.wizard->isVisible());
    QCOMPARE(nine.wizard->result(), int(QDialog::Rejected));
    QCOMPARE(nine.prompter.messages.size(), std::size_t{1});
    QCOMPARE(nine.prompter.messages[0].text,
             std::string("There are no players left to play designated hitter.\n"
                         "Please try again."));
    QCOMPARE(nine.prompter.messages[0].caption, std::string("Velmoro Baseball"));
}

void WizardTest::statisticsPanelsFormatTheSeason() {
    Harness h;
    h.session.teams.legendTeams.clear();
    TeamRecord& team = AddTeam(h.session.teams.legendTeams, "1990 Odd");
    PitchingLine line = Line(2710, 20, 100);
    line.oppAvgX1000 = 45;
    AddPitcher(team, "Slugging Pitcher", 1000, line);
    team.players.back()->atBats = 600;
    team.players.back()->hits = 3;  // 259 hits stored in a byte
    AddFielders(team, 3);
    h.Open();
    h.Next();
    QCOMPARE(h.Text("Batting:AVG"), QString(".1000"));
    QCOMPARE(h.Text("Batting:H"), QString("259"));
    QCOMPARE(h.Text("Pitching:ERA"), QString("27.10"));
    QCOMPARE(h.Text("Pitching:BAVG"), QString(".045"));
}

void WizardTest::battingOrderUpDownAndTable() {
    Harness h;
    h.Open();
    QVERIFY(h.NextUntil("Set Batting Order"));
    QCOMPARE(h.Text("heading"), QString(velmoro::testing::kTestVisitors));
    auto& lineup = h.session.game.visitor.lineup;
    auto* table = h.Find<QTableWidget>("battingTable");
    auto tableMatchesOrder = [&] {
        for (int row = 0; row < 9; ++row) {
            if (table->item(row, 0)->text().toStdString() != lineup[row]->name) return false;
            if (h.List("order")->item(row)->text().toStdString() != lineup[row]->name) return false;
            if (table->item(row, 1)->text() != QString::asprintf(".%03d", lineup[row]->battingAvg))
                return false;
        }
        return true;
    };
    PlayerRecord* pitcher = h.Slot(kVisitors, PitcherSlot);
    QCOMPARE(lineup[0], pitcher);
    QCOMPARE(lineup[9], pitcher);
    const auto before = lineup;

    h.Find<QPushButton>("up")->click();  // the leadoff man cannot go higher
    QCOMPARE(lineup, before);
    QCOMPARE(h.List("order")->currentRow(), 0);
    for (int press = 1; press <= 8; ++press) {
        h.Find<QPushButton>("down")->click();
        QCOMPARE(h.List("order")->currentRow(), press);
        QCOMPARE(lineup[press], pitcher);
    }
    QVERIFY(tableMatchesOrder());
    const auto bottom = lineup;
    h.Find<QPushButton>("down")->click();  // nor the ninth lower
    QCOMPARE(lineup, bottom);
    QCOMPARE(lineup[0], before[1]);
    h.Find<QPushButton>("up")->click();
    QCOMPARE(lineup[7], pitcher);
    QVERIFY(tableMatchesOrder());

    // The home page builds its own order from the home defence.
    h.Next();
    QVERIFY(h.NextUntil("Set Batting Order"));
    QCOMPARE(h.session.game.home.lineup[0], h.Slot(kHome, PitcherSlot));
    QCOMPARE(h.List("order")->currentRow(), 0);
    QCOMPARE(h.session.game.visitor.lineup[7], pitcher);
}

void WizardTest::teamPageCustomEntryAndMessages() {
    const QStringList clubs{"Harbor Hawks", "Valley Rams"};
    {  // No custom teams: no "Custom", no message, the same team on both sides.
        Harness h;
        h.Open();
        QCOMPARE(h.Entries("team1Years"), QStringList{"1950"});
        QCOMPARE(h.Entries("team2Years"), QStringList{"1950"});
        QCOMPARE(h.Entries("team1Teams"), clubs);
        QVERIFY(h.prompter.messages.empty());
        QCOMPARE(h.session.game.visitor.team, h.session.game.home.team);
        QCOMPARE(h.session.game.visitor.team->name, std::string(velmoro::testing::kTestVisitors));
        QCOMPARE(h.session.game.dialogSide, kHome);
        QVERIFY(!h.Find<QCheckBox>("designatedHitter")->isChecked());
    }
    {  // Playable and unplayable: "Custom" first on both sides, the message from side 1.
        Harness h;
        TeamRecord& mine = AddTeam(h.session.teams.customTeams, "My Nine");
        for (const auto& p : h.session.teams.legendTeams[0]->players)
            mine.AddPlayer(*p);
        AddTeam(h.session.teams.customTeams, "Broken");
        h.Open();
        QCOMPARE(h.Entries("team1Years"), (QStringList{"Custom", "1950"}));
        QCOMPARE(h.Entries("team2Years"), (QStringList{"Custom", "1950"}));
        QCOMPARE(h.Entries("team2Teams"), QStringList{"My Nine"});
        QCOMPARE(h.session.game.visitor.team, &mine);
        QCOMPARE(h.session.game.home.team, &mine);
        QCOMPARE(h.prompter.Informs().size(), std::size_t{1});
        QVERIFY(h.prompter.Informs()[0].rfind("Invalid custom teams", 0) == 0);
        h.Pick("team2Years", 1);
        QCOMPARE(h.Entries("team2Teams"), clubs);
        h.Pick("team2Years", 0);
        QCOMPARE(h.prompter.Informs().size(), std::size_t{1});
        h.Pick("team1Years", 1);
        h.Pick("team1Years", 0);
        QCOMPARE(h.prompter.Informs().size(), std::size_t{2});
    }
}

void WizardTest::teamPageAfterTheCustomTeamEditor() {
    QTemporaryDir dir;
    Harness h;
    h.session.installDirectory = dir.path().toStdString();
    h.Open();
    h.Pick("team2Teams", 1);
    QCOMPARE(h.session.game.home.team->name, std::string(velmoro::testing::kTestHome));

    // "Roster" opens the statistics of that side's choice.
    velmoro::testing::ModalWatcher<QDialog> closer([](QDialog* d) { d->reject(); });
    h.Find<QPushButton>("team1Roster")->click();
    QCOMPARE(h.session.game.dialogSide, kVisitors);
    QCOMPARE(h.session.teams.currentTeam, h.session.game.visitor.team);

    // The editor made the first playable custom team: both sides switch to it.
    TeamRecord& mine = AddTeam(h.session.teams.customTeams, "My Nine");
    for (const auto& p : h.session.teams.legendTeams[1]->players)
        mine.AddPlayer(*p);
    velmoro::testing::ModalWatcher<QDialog> closer1([](QDialog* d) { d->reject(); });
    h.Find<QPushButton>("customTeam")->click();
    QCoreApplication::processEvents();
    QCOMPARE(h.Entries("team1Years"), (QStringList{"Custom", "1950"}));
    QCOMPARE(h.Entries("team2Years"), (QStringList{"Custom", "1950"}));
    QCOMPARE(h.session.game.visitor.team, &mine);
    QCOMPARE(h.session.game.home.team, &mine);
    QCOMPARE(h.session.game.home.pitchingStaff[0]->name, std::string("Carl Ostrander"));

    // The editor deleted it: nothing may still name it, both sides fall back.
    h.session.teams.customTeams.clear();
    velmoro::testing::ModalWatcher<QDialog> closer2([](QDialog* d) { d->reject(); });
    h.Find<QPushButton>("customTeam")->click();
    QCoreApplication::processEvents();
    QCOMPARE(h.Entries("team1Years"), QStringList{"1950"});
    QCOMPARE(h.session.game.visitor.team->name, std::string(velmoro::testing::kTestVisitors));
    QCOMPARE(h.session.game.home.team->name, std::string(velmoro::testing::kTestVisitors));
    QCOMPARE(h.session.game.home.pitchingStaff[0]->name, std::string("Sam Whitlock"));
    h.Next();
    QCOMPARE(h.Text("heading"), QString(velmoro::testing::kTestVisitors));
}

void WizardTest::teamPageWithNoTeamRefusesNext() {
    Harness h;
    h.session.teams.legendTeams.clear();
    AddTeam(h.session.teams.customTeams, "Broken");
    // A team left over from an earlier game must not count as chosen.
    TeamRecord leftover("1950 Ghosts");
    h.session.game.visitor.team = &leftover;
    h.session.game.home.team = &leftover;
    h.Open();
    QCOMPARE(h.Entries("team1Years"), QStringList());
    QVERIFY(!h.wizard->button(QWizard::NextButton)->isEnabled());
    QVERIFY(h.Find<QLabel>("noTeamsNote")->isVisible());
    QVERIFY(!h.Find<QPushButton>("team1Roster")->isEnabled());
    h.Press(QWizard::NextButton);
    QCOMPARE(h.wizard->currentId(), 0);
    QVERIFY(h.session.game.visitor.team == nullptr);

    // Once a team can play, the page lets the user on.
    TeamRecord& mine = AddTeam(h.session.teams.customTeams, "My Nine");
    AddPitcher(mine, "Ace", 100, Line(300, 30, 200));
    AddFielders(mine, 3);
    velmoro::testing::ModalWatcher<QDialog> closer3([](QDialog* d) { d->reject(); });
    h.Find<QPushButton>("customTeam")->click();
    QCoreApplication::processEvents();
    QVERIFY(h.wizard->button(QWizard::NextButton)->isEnabled());
    QVERIFY(!h.Find<QLabel>("noTeamsNote")->isVisible());
}

// Pictures of the real pages for the documentation; only when asked for, since they
// are written into the source tree.
void WizardTest::screenshots() {
    if (!qEnvironmentVariableIsSet("VELMORO_SCREENSHOTS"))
        QSKIP("set VELMORO_SCREENSHOTS=1 to write docs/wizard_*.png");
    Harness h;
    h.Open();
    h.wizard->resize(860, 560);
    h.Pick("team2Teams", 1);
    h.Find<QCheckBox>("designatedHitter")->setChecked(true);
    QCoreApplication::processEvents();
    const QString docs = VELMORO_DOCS_DIR;
    QVERIFY(h.wizard->grab().save(docs + "/wizard_team_page.png"));
    h.Next();
    QCoreApplication::processEvents();
    QVERIFY(h.wizard->grab().save(docs + "/wizard_lineup_page.png"));
    QVERIFY(h.NextUntil("Set Batting Order"));
    QCoreApplication::processEvents();
    QVERIFY(h.wizard->grab().save(docs + "/wizard_batting_order.png"));
}

QTEST_MAIN(WizardTest)
#include "test_wizard.moc"
