// The custom team editor's rules without a window: the player search and its cascade,
// the team and player commands with their refusals, and saving on "Done".
#include <gtest/gtest.h>

#include <deque>

#include "db/team_files.h"
#include "editors/editor_state.h"
#include "platform/prompter.h"
#include "saves/league_fixture.h"

namespace velmoro {
namespace {

using velmoro::testing::TempDir;

class ScriptPrompter : public Prompter {
  public:
    void Inform(const std::string& text, const std::string& caption) override {
        EXPECT_EQ(caption, "Velmoro Baseball") << text;
        informs.push_back(text);
    }
    bool AskYesNo(const std::string& text, const std::string& caption) override {
        EXPECT_EQ(caption, "Velmoro Baseball");
        questions.push_back(text);
        const bool answer = answers.empty() ? false : answers.front();
        if (!answers.empty()) answers.pop_front();
        return answer;
    }
    std::vector<std::string> informs;
    std::vector<std::string> questions;
    std::deque<bool> answers;
};

PlayerRecord Player(const std::string& name, std::uint8_t positions) {
    PlayerRecord p(name);
    p.positions = positions;
    p.games = 120;
    p.atBats = 450;
    p.battingAvg = 301;
    p.hits = 135;
    if (positions & Pitcher) {
        p.pitching = std::make_unique<PitchingLine>();
        p.pitching->games = 30;
        p.pitching->eraX100 = 345;
    }
    return p;
}

void AddTeamOf(TeamList& list, const std::string& name, std::vector<PlayerRecord> players) {
    TeamRecord& team = AddTeam(list, name);
    for (auto& p : players)
        team.AddPlayer(std::move(p));
}

// Ruth plays in 1927 and 1932; 1927 has a second club without him, 1950 none.
TeamDatabase MakeDatabase() {
    TeamDatabase db;
    AddTeamOf(db.legendTeams, "1932 Yankees",
              {Player("Lou Gehrig", FirstBase), Player("Babe Ruth", Outfield)});
    AddTeamOf(db.legendTeams, "1927 Yankees",
              {Player("Tony Lazzeri", SecondBase), Player("Babe Ruth", Outfield | Pitcher),
               Player("Earle Combs", Outfield)});
    AddTeamOf(db.legendTeams, "1927 Pirates", {Player("Paul Waner", Outfield)});
    AddTeamOf(db.legendTeams, "1950 Dodgers", {Player("Duke Snider", Outfield)});
    return db;
}

struct EditorTest : ::testing::Test {
    TempDir dir;
    TeamDatabase db = MakeDatabase();
    ScriptPrompter prompter;
    CustomTeamEditor editor{db, prompter, dir.path()};

    void OpenWithTeams(std::initializer_list<const char*> names) {
        for (const char* name : names)
            AddTeam(db.customTeams, name);
        editor.Open();
    }
    // Browses to a database player and adds him to the current custom team.
    void AddFrom(const std::string& year, const std::string& club, const std::string& name) {
        editor.SelectYear(editor.years.IndexOf(year));
        editor.SelectClub(editor.clubs.IndexOf(club));
        editor.SelectSourcePlayer(editor.sourcePlayers.IndexOf(name));
        editor.AddPlayer();
    }
};

// Any letter case finds the same players; only years and clubs with a match are
// offered, and the matching player is chosen with his card. "All Teams" undoes it.
TEST_F(EditorTest, SearchInAnyCaseLimitsYearsAndClubs) {
    for (const char* text : {"ruth", "RUTH", "bE rU"}) {
        SCOPED_TRACE(text);
        editor.Open();
        editor.SearchPlayer(text);
        EXPECT_EQ(editor.years.Entries(), (std::vector<std::string>{"1927", "1932"}));
        EXPECT_EQ(editor.clubs.Entries(), (std::vector<std::string>{"Yankees"}));
        EXPECT_EQ(editor.selectedSourcePlayer, db.legendTeams[1]->players[1].get());
        EXPECT_EQ(editor.card.caption, "Babe Ruth");
        editor.AllTeams();
        EXPECT_EQ(editor.years.Count(), 3);
        EXPECT_EQ(editor.clubs.Count(), 2);
    }
    EXPECT_TRUE(prompter.informs.empty());
}

// Too short a text or no match: the message, and nothing left that can be added.
TEST_F(EditorTest, ShortOrFailedSearchAddsNothing) {
    for (const auto& [text, message] :
         {std::pair{"Rut", kShortSearchMessage}, std::pair{"Wagner", kNoMatchMessage}}) {
        SCOPED_TRACE(text);
        prompter.informs.clear();
        OpenWithTeams({"Aces"});
        editor.SearchPlayer(text);
        EXPECT_TRUE(editor.years.Empty());
        editor.AddPlayer();
        EXPECT_EQ(prompter.informs, (std::vector<std::string>{message, kNoPlayerSelectedMessage}));
        EXPECT_TRUE(db.customTeams.back()->players.empty());
    }
    editor.SearchPlayer("Ruth");
    EXPECT_EQ(editor.years.Count(), 2);
}

TEST_F(EditorTest, PlayersAreCopiedOnceAndDeletedAgain) {
    OpenWithTeams({"Aces"});
    const PositionCounts before = editor.positionCounts;
    AddFrom("1927", "Yankees", "Babe Ruth");
    TeamRecord& team = *db.customTeams[0];
    ASSERT_EQ(team.players.size(), 1u);
    const PlayerRecord& source = *db.legendTeams[1]->players[1];
    EXPECT_TRUE(SamePlayer(*team.players[0], source));
    EXPECT_NE(team.players[0]->pitching.get(), source.pitching.get());
    EXPECT_EQ(editor.positionCounts, (PositionCounts{1, 0, 0, 0, 0, 0, 1}));

    // The same name again, even from another season, is refused.
    AddFrom("1932", "Yankees", "Babe Ruth");
    EXPECT_EQ(prompter.informs, (std::vector<std::string>{kPlayerOnTeamMessage}));
    EXPECT_EQ(team.players.size(), 1u);

    editor.customTeamsChanged = false;
    editor.SelectCustomPlayer(0);
    editor.DeletePlayer();
    EXPECT_TRUE(team.players.empty());
    EXPECT_EQ(db.currentPlayer, nullptr);
    EXPECT_EQ(editor.positionCounts, before);
    EXPECT_TRUE(editor.customTeamsChanged);
    EXPECT_EQ(db.legendTeams[1]->players.size(), 3u);
}

// New Team refuses a duplicate or empty name, Rename only an empty one; the selector
// shows a new name at once and choosing it finds the team.
TEST_F(EditorTest, NewAndRenameTeamNames) {
    OpenWithTeams({"Aces", "Bears"});
    editor.NewTeam("Aces");
    editor.NewTeam("");
    EXPECT_EQ(prompter.informs,
              (std::vector<std::string>{kTeamExistsMessage, kEmptyTeamNameMessage}));
    EXPECT_FALSE(editor.customTeamsChanged);

    editor.NewTeam("aces");  // case matters
    ASSERT_EQ(db.customTeams.size(), 3u);
    EXPECT_EQ(editor.currentCustomTeam, db.customTeams[2].get());
    EXPECT_TRUE(editor.customTeamsChanged);
    editor.RenameTeam("Bears");
    editor.RenameTeam("Zebras");
    editor.RenameTeam("");
    EXPECT_EQ(prompter.informs.size(), 3u);
    EXPECT_EQ(db.customTeams[2]->name, "Zebras");
    EXPECT_EQ(editor.customFrameCaption, "Zebras");
    EXPECT_EQ(editor.selector.Entries(), (std::vector<std::string>{"Aces", "Bears", "Zebras"}));
    editor.SelectCustomTeam(0);
    editor.SelectCustomTeam(editor.selector.IndexOf("Zebras"));
    EXPECT_EQ(editor.currentCustomTeam, db.customTeams[2].get());
}

TEST_F(EditorTest, DeletingFirstMiddleOrLastSelectorEntry) {
    struct Case {
        int entry;
        std::vector<std::string> left;
        std::string selected;  // empty: no team current
    };
    for (const Case& c : {Case{0, {"Bears", "Cats"}, ""}, Case{1, {"Aces", "Cats"}, "Aces"},
                          Case{2, {"Aces", "Bears"}, "Bears"}}) {
        SCOPED_TRACE(c.entry);
        TeamDatabase fresh = MakeDatabase();
        for (const char* name : {"Cats", "Aces", "Bears"})
            AddTeam(fresh.customTeams, name).AddPlayer(Player(std::string(name) + " Ace", Pitcher));
        CustomTeamEditor e(fresh, prompter, dir.path());
        e.Open();
        e.SelectCustomTeam(c.entry);
        e.SelectCustomPlayer(0);
        e.DeleteTeam();
        EXPECT_EQ(e.selector.Entries(), c.left);
        EXPECT_EQ(fresh.customTeams.size(), 2u);
        EXPECT_EQ(fresh.currentPlayer, nullptr);
        EXPECT_EQ(e.selector.SelectedText(), c.selected);
        EXPECT_EQ(e.currentCustomTeam ? e.currentCustomTeam->name : "", c.selected);
        EXPECT_EQ(e.customPlayers.Count(), c.selected.empty() ? 0 : 1);
    }
    EXPECT_TRUE(prompter.informs.empty());
}

// "No" keeps the changes for this run only; the file keeps what was saved last.
TEST_F(EditorTest, DoneAnsweredNoKeepsChangesInMemoryOnly) {
    OpenWithTeams({});
    editor.NewTeam("Saved");
    editor.Save();
    editor.NewTeam("Unsaved");
    prompter.answers = {false};
    editor.Done();
    editor.Done();  // nothing changed since: no second question
    EXPECT_EQ(prompter.questions, (std::vector<std::string>{kSaveChangesQuestion}));
    EXPECT_EQ(db.customTeams.size(), 2u);

    TeamDatabase nextRun;
    ASSERT_TRUE(LoadCustomDatabase(nextRun, dir.path()));
    ASSERT_EQ(nextRun.customTeams.size(), 1u);
    EXPECT_EQ(nextRun.customTeams[0]->name, "Saved");
}

// An incomplete team is saved all the same, with its message; Yes on "Done" saves.
TEST_F(EditorTest, DoneAnsweredYesSavesAnUnplayableTeamWithItsMessage) {
    OpenWithTeams({});
    editor.NewTeam("Short 100%");
    AddFrom("1927", "Yankees", "Babe Ruth");
    prompter.answers = {true};
    editor.Done();
    ASSERT_EQ(prompter.informs.size(), 1u);
    EXPECT_NE(prompter.informs[0].find("The team: 'Short 100%' does not contain"),
              std::string::npos);
    TeamDatabase nextRun;
    ASSERT_TRUE(LoadCustomDatabase(nextRun, dir.path()));
    ASSERT_EQ(nextRun.customTeams.size(), 1u);
    EXPECT_EQ(nextRun.customTeams[0]->players.size(), 1u);
}

}  // namespace
}  // namespace velmoro
