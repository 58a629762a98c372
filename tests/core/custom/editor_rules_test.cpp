// The custom team editor's rules without a window: the player search and its cascade,
// the team and player commands with their refusals, and saving on "Done".
#include <gtest/gtest.h>

#include <deque>

#include "custom/editor_state.h"
#include "db/team_files.h"
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

TEST_F(EditorTest, OpeningShowsEveryYearAndTheFirstClubAndPlayer) {
    OpenWithTeams({"Zephyrs", "Aces"});
    EXPECT_EQ(editor.years.Entries(), (std::vector<std::string>{"1927", "1932", "1950"}));
    EXPECT_EQ(editor.clubs.Entries(), (std::vector<std::string>{"Pirates", "Yankees"}));
    EXPECT_EQ(editor.sourcePlayers.SelectedText(), "Paul Waner");
    EXPECT_EQ(editor.card.caption, "Paul Waner");
    EXPECT_EQ(editor.selector.Entries(), (std::vector<std::string>{"Aces", "Zephyrs"}));
    EXPECT_EQ(editor.customFrameCaption, "Aces");
    EXPECT_EQ(editor.currentCustomTeam, db.customTeams[1].get());
    EXPECT_TRUE(prompter.informs.empty());
}

// Any letter case finds the same players; only years and clubs with a match are
// offered, and the matching player is chosen with his card.
TEST_F(EditorTest, SearchInAnyCaseLimitsYearsAndClubs) {
    for (const char* text : {"ruth", "RUTH", "bE rU"}) {
        SCOPED_TRACE(text);
        editor.Open();
        editor.SearchPlayer(text);
        EXPECT_TRUE(editor.playerSearchActive);
        EXPECT_EQ(editor.years.Entries(), (std::vector<std::string>{"1927", "1932"}));
        EXPECT_EQ(editor.years.SelectedText(), "1927");
        EXPECT_EQ(editor.clubs.Entries(), (std::vector<std::string>{"Yankees"}));
        EXPECT_EQ(editor.sourcePlayers.SelectedText(), "Babe Ruth");
        ASSERT_NE(editor.selectedSourcePlayer, nullptr);
        EXPECT_EQ(editor.selectedSourcePlayer, db.legendTeams[1]->players[1].get());
        EXPECT_EQ(editor.card.caption, "Babe Ruth");
        EXPECT_EQ(editor.card.pitching[0], "345");
        EXPECT_TRUE(prompter.informs.empty());
        editor.AllTeams();
        EXPECT_FALSE(editor.playerSearchActive);
        EXPECT_EQ(editor.years.Count(), 3);
        EXPECT_EQ(editor.clubs.Count(), 2);
    }
}

TEST_F(EditorTest, SearchNeedsFourCharacters) {
    OpenWithTeams({"Aces"});
    editor.SearchPlayer("Rut");
    EXPECT_EQ(prompter.informs, (std::vector<std::string>{kShortSearchMessage}));
    EXPECT_TRUE(editor.years.Empty());
    EXPECT_TRUE(editor.clubs.Empty());
    EXPECT_EQ(editor.selectedSourcePlayer, nullptr);
    editor.AddPlayer();
    EXPECT_EQ(prompter.informs.back(), kNoPlayerSelectedMessage);

    editor.SearchPlayer("Ruth");
    EXPECT_EQ(prompter.informs.size(), 2u);
    EXPECT_EQ(editor.years.Count(), 2);
}

// A failed search empties only "Year"; what is still shown cannot be added.
TEST_F(EditorTest, FailedSearchKeepsListsButAddsNothing) {
    OpenWithTeams({"Aces"});
    editor.SearchPlayer("Wagner");
    EXPECT_EQ(prompter.informs, (std::vector<std::string>{kNoMatchMessage}));
    EXPECT_TRUE(editor.years.Empty());
    EXPECT_EQ(editor.clubs.Count(), 2);
    EXPECT_EQ(editor.sourcePlayers.SelectedText(), "Paul Waner");
    editor.AddPlayer();
    EXPECT_EQ(prompter.informs.back(), kNoPlayerSelectedMessage);
    EXPECT_TRUE(db.customTeams[0]->players.empty());

    // A club chosen without a year names no team: no players, no card.
    editor.SelectClub(1);
    EXPECT_TRUE(editor.sourcePlayers.Empty());
    EXPECT_EQ(editor.selectedSourcePlayer, nullptr);
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
    EXPECT_EQ(db.currentPlayer, team.players[0].get());
    EXPECT_FALSE(editor.sourcePlayers.HasSelection());
    editor.DeletePlayer();
    EXPECT_TRUE(team.players.empty());
    EXPECT_TRUE(editor.customPlayers.Empty());
    EXPECT_EQ(db.currentPlayer, nullptr);
    EXPECT_EQ(editor.positionCounts, before);
    EXPECT_TRUE(editor.customTeamsChanged);
    EXPECT_EQ(db.legendTeams[1]->players.size(), 3u);
}

TEST_F(EditorTest, PlayerCommandsRefusedWithoutTheirSelection) {
    editor.Open();
    editor.AddPlayer();
    EXPECT_EQ(prompter.informs.back(), kCreateTeamFirstMessage);
    editor.DeletePlayer();
    EXPECT_EQ(prompter.informs.back(), kSelectPlayerToDeleteMessage);
    editor.DeleteTeam();
    EXPECT_EQ(prompter.informs.back(), kSelectTeamToDeleteMessage);
    editor.RenameTeam("Nobody");
    EXPECT_EQ(prompter.informs.size(), 3u);
    EXPECT_FALSE(editor.customTeamsChanged);
}

TEST_F(EditorTest, NewTeamRefusesDuplicateAndEmptyNamesRenameAllowsDuplicates) {
    OpenWithTeams({"Aces"});
    editor.NewTeam("Aces");
    EXPECT_EQ(prompter.informs, (std::vector<std::string>{kTeamExistsMessage}));
    editor.NewTeam("");
    EXPECT_EQ(prompter.informs.back(), kEmptyTeamNameMessage);
    EXPECT_EQ(db.customTeams.size(), 1u);
    EXPECT_FALSE(editor.customTeamsChanged);

    editor.NewTeam("aces");  // case matters
    EXPECT_EQ(db.customTeams.size(), 2u);
    EXPECT_EQ(editor.currentCustomTeam, db.customTeams[1].get());
    EXPECT_EQ(editor.selector.SelectedText(), "aces");
    EXPECT_TRUE(editor.customTeamsChanged);

    editor.RenameTeam("Aces");
    EXPECT_EQ(db.customTeams[1]->name, "Aces");
    EXPECT_EQ(prompter.informs.size(), 2u);
}

// The selector shows the new name at once and choosing it finds the team; the old
// name is gone from it.
TEST_F(EditorTest, RenameUpdatesTheSelector) {
    OpenWithTeams({"Aces", "Bears"});
    editor.RenameTeam("Zebras");
    EXPECT_EQ(editor.customFrameCaption, "Zebras");
    EXPECT_EQ(editor.selector.Entries(), (std::vector<std::string>{"Bears", "Zebras"}));
    EXPECT_EQ(editor.selector.SelectedText(), "Zebras");
    editor.SelectCustomTeam(0);
    editor.SelectCustomTeam(editor.selector.IndexOf("Zebras"));
    EXPECT_EQ(editor.currentCustomTeam, db.customTeams[0].get());
    EXPECT_EQ(editor.selector.IndexOf("Aces"), -1);
    EXPECT_TRUE(prompter.informs.empty());
    editor.RenameTeam("");
    EXPECT_EQ(prompter.informs.back(), kEmptyTeamNameMessage);
    EXPECT_EQ(db.customTeams[0]->name, "Zebras");
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
        const PositionCounts counts = e.positionCounts;
        e.DeleteTeam();
        EXPECT_EQ(e.selector.Entries(), c.left);
        EXPECT_EQ(fresh.customTeams.size(), 2u);
        EXPECT_EQ(fresh.currentPlayer, nullptr);
        EXPECT_TRUE(e.customTeamsChanged);
        EXPECT_EQ(e.selector.SelectedText(), c.selected);
        if (c.selected.empty()) {
            EXPECT_EQ(e.currentCustomTeam, nullptr);
            EXPECT_EQ(e.customFrameCaption, "Custom Team");
            EXPECT_TRUE(e.customPlayers.Empty());
            EXPECT_EQ(e.positionCounts, counts);
        } else {
            ASSERT_NE(e.currentCustomTeam, nullptr);
            EXPECT_EQ(e.currentCustomTeam->name, c.selected);
            EXPECT_EQ(e.customPlayers.Entries(), std::vector<std::string>{c.selected + " Ace"});
        }
    }
    EXPECT_TRUE(prompter.informs.empty());
}

// "No" keeps the changes for this run only; the file keeps what was saved last.
TEST_F(EditorTest, DoneAnsweredNoKeepsChangesInMemoryOnly) {
    OpenWithTeams({});
    editor.NewTeam("Saved");
    editor.Save();
    EXPECT_FALSE(editor.customTeamsChanged);
    editor.NewTeam("Unsaved");
    prompter.answers = {false};
    editor.Done();
    EXPECT_EQ(prompter.questions, (std::vector<std::string>{kSaveChangesQuestion}));
    EXPECT_FALSE(editor.customTeamsChanged);
    EXPECT_EQ(db.customTeams.size(), 2u);

    TeamDatabase nextRun;
    ASSERT_TRUE(LoadCustomDatabase(nextRun, dir.path()));
    ASSERT_EQ(nextRun.customTeams.size(), 1u);
    EXPECT_EQ(nextRun.customTeams[0]->name, "Saved");

    // Nothing changed since: no question.
    editor.Done();
    EXPECT_EQ(prompter.questions.size(), 1u);
}

// An incomplete team is saved all the same, with its message; Yes on "Done" saves.
TEST_F(EditorTest, DoneAnsweredYesSavesAnUnplayableTeamWithItsMessage) {
    OpenWithTeams({});
    editor.NewTeam("Short 100%");
    AddFrom("1927", "Yankees", "Babe Ruth");
    prompter.answers = {true};
    editor.SearchPlayer("Ruth");
    editor.Done();
    EXPECT_FALSE(editor.playerSearchActive);
    ASSERT_EQ(prompter.informs.size(), 1u);
    EXPECT_NE(prompter.informs[0].find("The team: 'Short 100%' does not contain"),
              std::string::npos);
    TeamDatabase nextRun;
    ASSERT_TRUE(LoadCustomDatabase(nextRun, dir.path()));
    ASSERT_EQ(nextRun.customTeams.size(), 1u);
    EXPECT_EQ(nextRun.customTeams[0]->players.size(), 1u);
    EXPECT_FALSE(AnyPlayableCustomTeam(nextRun));
}

TEST_F(EditorTest, SelectorEntryOfNoTeamLeavesListsAsTheyWere) {
    OpenWithTeams({"Aces"});
    AddFrom("1927", "Pirates", "Paul Waner");
    db.customTeams[0]->name = "Renamed elsewhere";
    editor.SelectCustomTeam(0);
    EXPECT_EQ(prompter.informs, (std::vector<std::string>{kNoSuchTeamMessage}));
    EXPECT_EQ(editor.currentCustomTeam, nullptr);
    EXPECT_EQ(editor.customPlayers.Count(), 1);
    const PositionCounts counts = editor.positionCounts;
    editor.SelectCustomPlayer(0);
    editor.DeletePlayer();
    EXPECT_TRUE(editor.customPlayers.Empty());
    EXPECT_EQ(db.customTeams[0]->players.size(), 1u);
    EXPECT_EQ(editor.positionCounts, counts);
}

}  // namespace
}  // namespace velmoro
