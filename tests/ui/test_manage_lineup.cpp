// The lineup window of a game in progress: substitutions, the forced replacement
// opened by a turn, and the pitching change.
#include <QGroupBox>
#include <QLabel>
#include <QtTest>

#include "manage_test_support.h"
#include "setup/manage_substitution.h"
#include "ui/management_dialogs.h"

using namespace velmoro;
using namespace velmoro::manage_ui_test;

namespace {

QString LabelText(QWidget* window, const char* name) {
    auto* label = window->findChild<QLabel*>(name);
    return label ? label->text() : QString("<no %1>").arg(name);
}

QGroupBox* Panel(QWidget* window, const QString& title) {
    for (auto* box : window->findChildren<QGroupBox*>()) {
        if (box->title() == title) return box;
    }
    return nullptr;
}

QListWidget* Candidates(QWidget* window) {
    return window->findChild<QListWidget*>("candidates");
}
QComboBox* WhoToReplace(QWidget* window) {
    return window->findChild<QComboBox*>("whoToReplace");
}

void SelectCandidate(QWidget* window, const QString& name) {
    QListWidget* list = Candidates(window);
    const auto found = list->findItems(name, Qt::MatchExactly);
    QVERIFY(!found.isEmpty());
    list->setCurrentItem(found.front());
}

QStringList Chain(GameSide& side, int slot) {
    QStringList lines;
    for (const auto& line : side.boxLines[slot]) {
        lines << QString("%1 %2").arg(QString::fromStdString(line->name)).arg(line->positions);
    }
    return lines;
}

}  // namespace

class ManageLineupTest : public QObject {
    Q_OBJECT

  private slots:
    void substitutionWindowBringsInAPitcher();
    void noReplacementLeftClosesAtOnce();
    void forcedSubstitutionOpenedByATurn();
    void pitchingChangeWindow();
    void emptyPitchingListLeavesOkDoingNothing();
};

void ManageLineupTest::substitutionWindowBringsInAPitcher() {
    GameInProgress g;
    QVERIFY(g.ready);
    g.game().dialogSide = kVisitors;
    bool checked = false;
    WhenModal([&](QDialog* window) {
        QCOMPARE(window->windowTitle(), QString("Velmoro Baseball Lineup"));
        QCOMPARE(LabelText(window, "teamName"), QString(testing::kTestVisitors));
        QCOMPARE(Entries(WhoToReplace(window)), (QStringList{"Batter", "Pitcher"}));
        QCOMPARE(LabelText(window, "candidateCaption"), QString("Select A Pinch Hitter"));
        QCOMPARE(Entries(Candidates(window)),
                 (QStringList{"Duke Farrow", "Ned Lasko", "Lou Pettigrew", "Eddie Marsh",
                              "Walt Brennan"}));
        QVERIFY(!Panel(window, "Pitching")->isVisible());
        QCOMPARE(LabelText(window, "Batting:AVG"), QString(".266"));
        QVERIFY(Panel(window, "Players In Game") != nullptr);
        QCOMPARE(LabelText(window, "Starters:P"), QString("Sam Whitlock"));
        QCOMPARE(LabelText(window, "Starters:DH"), QString("Not Applicable"));

        WhoToReplace(window)->setCurrentIndex(1);
        QCOMPARE(LabelText(window, "candidateCaption"), QString("Select A Pitcher"));
        QCOMPARE(Entries(Candidates(window)),
                 (QStringList{"Eddie Marsh", "Lou Pettigrew", "Walt Brennan"}));
        QVERIFY(Panel(window, "Pitching")->isVisible());
        QCOMPARE(LabelText(window, "Pitching:ERA"), QString("3.08"));
        SelectCandidate(window, "Lou Pettigrew");
        QCOMPARE(LabelText(window, "Pitching:ERA"), QString("3.31"));
        SaveScreenshot(window, "manage_substitution.png");
        checked = true;
        QTest::mouseClick(ButtonNamed(window, "OK"), Qt::LeftButton);
    });
    QCOMPARE(RunSubstitutionDialog(g.context, nullptr, false), 1);
    QVERIFY(checked);

    PlayerRecord* lou = g.player(kVisitors, "Lou Pettigrew");
    QCOMPARE(g.side(kVisitors).lineup[0], lou);
    QCOMPARE(g.side(kVisitors).lineup[9], lou);
    QCOMPARE(Chain(g.side(kVisitors), 0), (QStringList{"Sam Whitlock 1", "Lou Pettigrew 1"}));
    QCOMPARE(g.side(kVisitors).boxLines[9].size(), size_t{2});
    // The play screen shows him in the lineup and at the plate at once.
    QCOMPARE(g.screen.lineupShows, std::vector<std::string>{"Lou Pettigrew"});
    QCOMPARE(g.screen.hitters, std::vector<std::string>{"Lou Pettigrew"});
}

void ManageLineupTest::noReplacementLeftClosesAtOnce() {
    GameInProgress g;
    QVERIFY(g.ready);
    g.batterAt(1);  // the only catcher of the team
    bool opened = false;
    WhenModal(
        [&](QDialog* window) {
            opened = true;
            window->reject();
        },
        20);
    QCOMPARE(RunSubstitutionDialog(g.context, nullptr, false), 0);
    QTest::qWait(300);
    QVERIFY(!opened);
    QCOMPARE(g.prompter.messages.size(), size_t{1});
    QCOMPARE(g.prompter.messages[0].text, std::string(kNoReplacementsMessage));
    QCOMPARE(g.prompter.messages[0].caption, std::string("Velmoro Error"));
    QCOMPARE(g.side(kVisitors).boxLines[1].size(), size_t{1});
}

void ManageLineupTest::forcedSubstitutionOpenedByATurn() {
    GameInProgress g;
    QVERIFY(g.ready);
    g.batterAt(6);  // the left fielder
    g.game().dialogSide = kVisitors;
    QCOMPARE(ApplySubstitution(g.session, PinchHitter, "Lou Pettigrew"),
             SubstitutionOutcome::Applied);
    QCOMPARE(g.game().pinchHitterMustLeave, int{LeftFieldPosition});
    g.screen.Clear();
    g.screen.forced = [&] { RunSubstitutionDialog(g.context, nullptr, true); };
    bool checked = false;
    WhenModal([&](QDialog* window) {
        QCOMPARE(Entries(WhoToReplace(window)), QStringList{"Left Field"});
        QCOMPARE(LabelText(window, "candidateCaption"), QString("Select A Left Fielder"));
        QCOMPARE(Entries(Candidates(window)), QStringList{"Duke Farrow"});
        QCOMPARE(LabelText(window, "Starters:LF"), QString("Lou Pettigrew"));
        checked = true;
        QTest::mouseClick(ButtonNamed(window, "OK"), Qt::LeftButton);
    });
    PlayTurn(g.session, 0, 0);
    QVERIFY(checked);

    QCOMPARE(g.game().pinchHitterMustLeave, 0);
    QCOMPARE(Chain(g.side(kVisitors), 6),
             (QStringList{"Jack Tarrant 7", "Lou Pettigrew 0", "Duke Farrow 7"}));
    PlayerRecord* duke = g.player(kVisitors, "Duke Farrow");
    QCOMPARE(g.side(kVisitors).defense[LeftFieldSlot], duke);
    QCOMPARE(g.side(kVisitors).lineup[6], duke);
    QCOMPARE(g.screen.messages.front(),
             std::string("Pinch Hitter must be replaced by position player"));
    // The lineup panel showed the replacement in the batter's row before the turn went
    // on to the next batter, and the hitter panel showed him too.
    QCOMPARE(g.screen.lineupShows.front(), std::string("Duke Farrow"));
    QVERIFY(std::find(g.screen.hitters.begin(), g.screen.hitters.end(), "Duke Farrow") !=
            g.screen.hitters.end());
}

void ManageLineupTest::pitchingChangeWindow() {
    GameInProgress g;
    QVERIFY(g.ready);
    g.game().dialogSide = kHome;  // in the field while the visitors bat
    WhenModal([&](QDialog* window) {
        QCOMPARE(LabelText(window, "teamName"), QString(testing::kTestHome));
        QCOMPARE(Entries(WhoToReplace(window)), QStringList{"Pitcher"});
        QCOMPARE(LabelText(window, "candidateCaption"), QString("Select A Pitcher"));
        QCOMPARE(Entries(Candidates(window)),
                 (QStringList{"Hal Grimsby", "Joe Vickery", "Stan Mulvey"}));
        QVERIFY(Panel(window, "Pitching")->isVisible());
        QCOMPARE(LabelText(window, "Starters:P"), QString("Carl Ostrander"));
        SelectCandidate(window, "Joe Vickery");
        QTest::mouseClick(ButtonNamed(window, "OK"), Qt::LeftButton);
    });
    QCOMPARE(RunPitchingChangeDialog(g.context, nullptr), 1);
    QCOMPARE(g.screen.pitchers, std::vector<std::string>{"Joe Vickery"});
    QCOMPARE(CurrentPitcherLine(g.game()).name, std::string("Joe Vickery"));
    QCOMPARE(g.side(kHome).lineup[0], g.player(kHome, "Joe Vickery"));
}

void ManageLineupTest::emptyPitchingListLeavesOkDoingNothing() {
    GameInProgress g;
    QVERIFY(g.ready);
    for (const char* name : {"Hal Grimsby", "Joe Vickery", "Stan Mulvey"}) {
        PitchingLine& line = *g.player(kHome, name)->pitching;
        line.games = 60;
        line.inningsPitched = 80;  // one inning a game: no reliever before the fifth
    }
    g.game().dialogSide = kHome;
    bool stayedOpen = false;
    WhenModal([&](QDialog* window) {
        QCOMPARE(Candidates(window)->count(), 0);
        QTest::mouseClick(ButtonNamed(window, "OK"), Qt::LeftButton);
        stayedOpen = window->isVisible();
        QTest::mouseClick(ButtonNamed(window, "Cancel"), Qt::LeftButton);
    });
    QCOMPARE(RunPitchingChangeDialog(g.context, nullptr), 0);
    QVERIFY(stayedOpen);
    QVERIFY(g.prompter.messages.empty());
    QCOMPARE(g.side(kHome).boxLines[9].size(), size_t{1});
}

QTEST_MAIN(ManageLineupTest)
#include "test_manage_lineup.moc"
