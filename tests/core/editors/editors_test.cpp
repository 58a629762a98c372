// The editors' rules without windows: saving the custom teams, the database change
// window's fields and commands, and the custom team editor's search and commands.
#include <gtest/gtest.h>

#include "db/team_files.h"
#include "editors/custom_storage.h"
#include "editors/db_change_rules.h"
#include "editors/editor_state.h"
#include "support/scripted_prompter.h"
#include "support/temp_dir.h"
#include "support/test_league.h"

namespace velmoro {
namespace {

using namespace velmoro::testing;
using Texts = std::vector<std::string>;

// What the prompter was asked and told, with every caption the program's name.
Texts Questions(const ScriptedPrompter& prompter) {
    Texts texts;
    for (const auto& m : prompter.messages) {
        EXPECT_EQ(m.caption, "Velmoro Baseball") << m.text;
        if (m.question) texts.push_back(m.text);
    }
    return texts;
}

std::string IncompleteText(const std::string& name) {
    return "The team: '" + name +
           "' does not contain \neither enough players (9) or does not contain a \nplayer for "
           "each position.  Remember, you need 3 \noutfielders.\n\nUntil a team is complete it "
           "will not be displayed\nas a valid team selection.";
}

// One message per incomplete team, in list order, its name inserted as it stands; every
// team and every player is written all the same, even those the database filter drops.
TEST(SaveCustomTeams, IncompleteTeamsAreNamedAndEveryPlayerIsKept) {
    TempDir dir;
    TeamDatabase db;
    TeamRecord& complete = AddLeagueTeam(db.customTeams, "Complete", 3);
    complete.players[6]->games = 3;  // the catcher
    ASSERT_FALSE(IsQualifyingPlayer(*complete.players[6]));
    TeamRecord& twoOutfielders = AddLeagueTeam(db.customTeams, "100% Effort %s %d", 5);
    std::erase_if(twoOutfielders.players, [](const auto& p) { return p->name.ends_with("Left"); });
    AddTeam(db.customTeams, "Nobody Yet");

    ScriptedPrompter prompter;
    WriteBytes(dir / kCustomFileName, "");  // a whole, empty database
    ASSERT_TRUE(SaveCustomTeams(db, dir.path(), prompter));
    EXPECT_TRUE(Questions(prompter).empty());
    EXPECT_EQ(prompter.Informs(),
              (Texts{IncompleteText("100% Effort %s %d"), IncompleteText("Nobody Yet")}));
    TeamDatabase next;
    ASSERT_TRUE(LoadCustomDatabase(next, dir.path()));
    ASSERT_EQ(next.customTeams.size(), 3u);
    EXPECT_EQ(next.customTeams[0]->players.size(), complete.players.size());
}

// A CustomDB that cannot be written is reported with its name and the teams in memory
// stay; a damaged one is kept beside the new one, and the user told.
TEST(SaveCustomTeams, UnwritableOrDamagedFilesAreReported) {
    const std::string damaged = Contents(VELMORO_TEST_DATA_DIR "/db/customdb_truncated_1byte");
    ASSERT_FALSE(damaged.empty());
    for (const bool missingFolder : {true, false}) {
        TempDir dir;
        const auto folder = missingFolder ? dir / "no such folder" : dir.path();
        const auto file = folder / kCustomFileName;
        if (!missingFolder) WriteBytes(file, damaged);
        TeamDatabase db;
        LoadCustomDatabase(db, folder);
        AddTeam(db.customTeams, "Incomplete");
        ScriptedPrompter prompter;
        EXPECT_EQ(SaveCustomTeams(db, folder, prompter), !missingFolder);
        ASSERT_FALSE(prompter.messages.empty());
        const auto& first = prompter.messages[0];
        if (missingFolder) {
            EXPECT_EQ(prompter.messages.size(), 1u) << "no completeness message after a failure";
            EXPECT_EQ(first.caption, "Velmoro Baseball Error");
            EXPECT_NE(first.text.find(file.string()), std::string::npos) << first.text;
        } else {
            EXPECT_EQ(first.text, file.string() + " could not be read whole; it is kept as " +
                                      (dir / "CustomDB.damaged").string() + ".");
            EXPECT_EQ(Contents(dir / "CustomDB.damaged"), damaged);
        }
    }
}

// A field takes a whole number its record field can hold (an empty one is 0); anything
// else is refused by name and range, and nothing is stored. Hits above 255 go in a byte
// and come back through the at-bats, so with more than 500 AB hits run from 10 to 265.
TEST(DbChangeFields, NumbersTheirFieldCannotHoldAreRefused) {
    const BattingFields base{"312", "150", "600", "", "262", " 30 ", "", "", "", "", "", "", "0"};
    const struct {
        bool pitching;
        int field;
        const char* text;
        std::string error;
    } cases[] = {
        {false, 2, "-5", "AB must be a whole number from 0 to 65535."},
        {false, 1, "abc", "G must be a whole number from 0 to 255."},
        {false, 0, "1250", "AVG must be a whole number from 0 to 1000 (thousandths: 312 is .312)."},
        {false, 4, "9", "H must be a whole number from 10 to 265."},
        {false, 2, "500", "H must be a whole number from 0 to 255."},
        {false, 12, "99999999999", "CS must be a whole number from 0 to 255."},
        {true, 0, "3.45", "ERA must be a whole number from 0 to 65535 (hundredths: 345 is 3.45)."},
        {true, 8, "70000", "Pitching BB must be a whole number from 0 to 65535."},
        {false, 0, "1000", ""},
        {true, 10, " 245 ", ""},
    };
    for (const auto& c : cases) {
        BattingFields batting = base;
        PitchingFields pitching{};
        (c.pitching ? pitching[c.field] : batting[c.field]) = c.text;
        PlayerRecord player = MakeBatter("Kept", Outfield, 5);
        const PlayerRecord before = player;
        PitchingLine line;
        line.wins = 7;
        const Status read =
            c.pitching ? ReadPitchingFields(pitching, line) : ReadBattingFields(batting, player);
        EXPECT_EQ(read.message(), c.error) << c.text;
        EXPECT_TRUE(read || (SamePlayer(player, before) && line.wins == 7)) << c.text;
    }
    PlayerRecord p;
    ASSERT_TRUE(ReadBattingFields(base, p));
    EXPECT_EQ((std::vector<int>{p.battingAvg, p.atBats, p.hits, p.doubles}),
              (std::vector<int>{312, 600, 6, 30}));
    EXPECT_EQ(BattingFieldTexts(p)[4], "262");
    const PitchingFields typed{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"};
    ASSERT_TRUE(ReadPitchingFields(typed, *(p.pitching = std::make_unique<PitchingLine>())));
    EXPECT_EQ(PitchingFieldTexts(p), typed);
}

struct DbChangeTest : ::testing::Test {
    TempDir dir;
    TeamDatabase db;
    ScriptedPrompter prompter;
    DatabaseChange window{db, prompter, dir.path()};

    DbChangeTest() {
        TeamRecord& yanks = AddTeam(db.legendTeams, "1927 Yankees");
        yanks.AddPlayer(Batter("Tony Lazzeri", 153, 570, SecondBase));
        yanks.AddPlayer(Batter("Babe Ruth", 151, 540, Outfield));
        yanks.AddPlayer(Hurler("Waite Hoyt", 36));
        AddTeam(db.legendTeams, "1927 Pirates").AddPlayer(Batter("Paul Waner", 155, 623, Outfield));
        AddTeam(db.legendTeams, "1906 Cubs").AddPlayer(Batter("Frank Chance", 136, 474, FirstBase));
        window.Open();
    }
    TeamRecord& Team(int i) { return *db.legendTeams[i]; }
};

// New Team refuses a name there is (in any case: exact only) or none; Delete Team one
// there is not. Deleting the first team keeps the rest; deleting the source team leaves
// nothing selected in the window.
TEST_F(DbChangeTest, NewAndDeleteTeam) {
    for (const char* name : {"1927 Pirates", "", "1927 pirates"}) {
        window.fields.teamName = name;
        window.NewTeam();
    }
    for (const char* name : {"1999 Nobody", "1927 Yankees", "1906 Cubs"}) {
        window.fields.teamName = name;
        window.DeleteTeam();
    }
    ASSERT_EQ(db.legendTeams.size(), 2u);
    EXPECT_EQ(Team(0).name, "1927 Pirates");
    EXPECT_EQ(Team(0).players.size(), 1u);
    EXPECT_EQ(window.SourceTeam(), nullptr);
    EXPECT_EQ(window.SelectedPlayer(), nullptr);
    window.DeletePlayer();
    EXPECT_EQ(prompter.Informs(), (Texts{kTeamExistsMessage, kEmptyTeamNameMessage,
                                         kNoSuchTeamMessage, kNoPlayerSelectedMessage}));
}

// The record itself moves, and leaves the list it came from; a name already on the
// destination is refused.
TEST_F(DbChangeTest, MovePlayer) {
    window.SelectSourceYear(1);
    window.SelectSourceClub(1);
    window.SelectPlayer(window.players.IndexOf("Tony Lazzeri"));
    PlayerRecord* lazzeri = Team(0).players[0].get();
    window.SelectDestinationYear(1);
    window.SelectDestinationClub(1);
    window.MovePlayer();
    EXPECT_EQ(prompter.Informs(), (Texts{kPlayerOnDestinationMessage}));
    window.SelectDestinationClub(0);
    window.MovePlayer();
    EXPECT_EQ(prompter.messages.size(), 1u);
    ASSERT_EQ(Team(1).players.size(), 2u);
    EXPECT_EQ(Team(1).players[1].get(), lazzeri);
    EXPECT_EQ(window.players.Entries(), (Texts{"Babe Ruth", "Waite Hoyt"}));
}

// New Player adds, then updates the same name in place (a pitching line stays in memory
// without Pitcher); for a missing team it asks first.
TEST_F(DbChangeTest, NewPlayerAddsUpdatesOrAsksForTheTeam) {
    for (const bool pitcher : {true, false}) {
        window.fields.teamName = "1927 Pirates";
        window.fields.playerName = "Lloyd Waner";
        window.fields.batting = {"355", "150", "629", "", pitcher ? "223" : "262", "", "", "", "",
                                 "",    "",    "",    ""};
        window.fields.positions = pitcher ? Outfield | Pitcher : Outfield;
        window.fields.pitching = {"450", "", "", "", "1", "", "", "", "", "", ""};
        window.NewPlayer();
    }
    ASSERT_EQ(Team(1).players.size(), 2u);
    const PlayerRecord& lloyd = *Team(1).players[1];
    EXPECT_EQ(lloyd.hits, 6);
    EXPECT_EQ(lloyd.positions, Outfield);
    ASSERT_NE(lloyd.pitching, nullptr);
    EXPECT_EQ(lloyd.pitching->eraX100, 450);

    prompter.QueueAnswers({false, true});
    for (int i = 0; i < 2; ++i) {
        window.fields.teamName = "1930 Robins";
        window.fields.playerName = "Babe Herman";
        window.NewPlayer();
        EXPECT_EQ(db.legendTeams.size(), 3u + i);
    }
    EXPECT_EQ(Questions(prompter), (Texts{kCreateTeamQuestion, kCreateTeamQuestion}));
    EXPECT_EQ(prompter.Informs(), (Texts{kNeedTeamNameMessage}));
    EXPECT_EQ(Team(3).players[0]->name, "Babe Herman");
}

// Save writes only qualifying players, the others stay in memory; No writes nothing.
// A team the filter would empty, or leave unable to play, keeps all its players; a team
// without players is left out, and the question says so.
TEST_F(DbChangeTest, SaveAsksAndDropsPlayersWhoDoNotQualify) {
    Team(0).AddPlayer(Batter("Bench Warmer", 9, 300, Outfield));
    Team(0).AddPlayer(Hurler("Mop Up", 10));
    Team(0).AddPlayer(Batter("Cup Of Coffee", 10, 1, Outfield));
    AddTeam(db.legendTeams, "1872 Olympics").AddPlayer(Batter("Short Season", 9, 40, Outfield));
    AddTeam(db.legendTeams, "1884 White Caps");
    TeamRecord& complete = AddLeagueTeam(db.legendTeams, "1950 Complete", 3);
    for (int catcher : {6, 16})
        complete.players[catcher]->games = 3;
    prompter.QueueAnswers({false, true});
    EXPECT_FALSE(window.Save());
    EXPECT_FALSE(std::filesystem::exists(dir / "LegendDB"));
    ASSERT_TRUE(window.Save());
    const std::string question =
        "2 players do not qualify and will not be written. 1 team has "
        "no players and will not be written. Save anyway?";
    EXPECT_EQ(Questions(prompter), (Texts{question, question}));
    TeamList saved;
    ASSERT_TRUE(ReadTeamFile(dir / "LegendDB", saved));
    ASSERT_EQ(saved.size(), 5u);
    EXPECT_EQ(saved[0]->players.size(), 4u);
    EXPECT_EQ(saved[0]->players.back()->name, "Cup Of Coffee");
    EXPECT_EQ(Team(0).players.size(), 6u);
    EXPECT_EQ(saved[3]->players.size(), 1u);
    EXPECT_EQ(saved[4]->players.size(), complete.players.size());
}
PlayerRecord Player(const std::string& name, std::uint8_t positions) {
    PlayerRecord p = positions & Pitcher ? MakePitcher(name, true, 1) : MakeBatter(name, 0, 1);
    p.positions = positions;
    return p;
}

// Ruth plays in 1927 and 1932; 1927 has a second club without him, 1950 none.
TeamDatabase MakeDatabase() {
    TeamDatabase db;
    const std::pair<const char*, std::vector<std::pair<const char*, std::uint8_t>>> teams[] = {
        {"1932 Yankees", {{"Lou Gehrig", FirstBase}, {"Babe Ruth", Outfield}}},
        {"1927 Yankees",
         {{"Tony Lazzeri", SecondBase},
          {"Babe Ruth", Outfield | Pitcher},
          {"Earle Combs", Outfield}}},
        {"1927 Pirates", {{"Paul Waner", Outfield}}},
        {"1950 Dodgers", {{"Duke Snider", Outfield}}}};
    for (const auto& [name, players] : teams) {
        TeamRecord& team = AddTeam(db.legendTeams, name);
        for (const auto& [player, bits] : players)
            team.AddPlayer(Player(player, bits));
    }
    return db;
}

struct EditorTest : ::testing::Test {
    TempDir dir;
    TeamDatabase db = MakeDatabase();
    ScriptedPrompter prompter;
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

// Any letter case finds the same players; only years and clubs with a match are offered
// and the match is chosen with his card; "All Teams" undoes it. Too short a text or no
// match: the message, and nothing left that can be added.
TEST_F(EditorTest, PlayerSearch) {
    OpenWithTeams({"Aces"});
    editor.SearchPlayer("bE rU");
    EXPECT_EQ(editor.years.Entries(), (Texts{"1927", "1932"}));
    EXPECT_EQ(editor.clubs.Entries(), (Texts{"Yankees"}));
    EXPECT_EQ(editor.card.caption, "Babe Ruth");
    editor.AllTeams();
    EXPECT_EQ(editor.years.Count(), 3);
    for (const auto& [text, message] :
         {std::pair{"Rut", kShortSearchMessage}, std::pair{"Wagner", kNoMatchMessage}}) {
        prompter.messages.clear();
        editor.SearchPlayer(text);
        editor.AddPlayer();
        EXPECT_EQ(prompter.Informs(), (Texts{message, kNoPlayerSelectedMessage})) << text;
        EXPECT_TRUE(db.customTeams.back()->players.empty());
    }
}

// A player is copied once, whatever season he comes from, and deleted again.
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
    AddFrom("1932", "Yankees", "Babe Ruth");
    EXPECT_EQ(prompter.Informs(), (Texts{kPlayerOnTeamMessage}));
    EXPECT_EQ(team.players.size(), 1u);

    editor.SelectCustomPlayer(0);
    editor.DeletePlayer();
    EXPECT_TRUE(team.players.empty());
    EXPECT_EQ(editor.positionCounts, before);
    EXPECT_EQ(db.legendTeams[1]->players.size(), 3u);
}

// New Team refuses a duplicate (exact case) or empty name, Rename only an empty one; the
// selector shows a new name at once and choosing it finds the team.
TEST_F(EditorTest, NewAndRenameTeam) {
    OpenWithTeams({"Aces", "Bears"});
    for (const char* name : {"Aces", "", "aces"})
        editor.NewTeam(name);
    ASSERT_EQ(db.customTeams.size(), 3u);
    for (const char* name : {"Bears", "Zebras", ""})
        editor.RenameTeam(name);
    EXPECT_EQ(prompter.Informs(),
              (Texts{kTeamExistsMessage, kEmptyTeamNameMessage, kEmptyTeamNameMessage}));
    EXPECT_EQ(editor.selector.Entries(), (Texts{"Aces", "Bears", "Zebras"}));
    editor.SelectCustomTeam(0);
    editor.SelectCustomTeam(editor.selector.IndexOf("Zebras"));
    EXPECT_EQ(editor.currentCustomTeam, db.customTeams[2].get());
}

TEST_F(EditorTest, DeletingFirstMiddleOrLastSelectorEntry) {
    struct Case {
        int entry;
        Texts left;
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
        EXPECT_EQ(e.currentCustomTeam ? e.currentCustomTeam->name : "", c.selected);
        EXPECT_EQ(e.customPlayers.Count(), c.selected.empty() ? 0 : 1);
    }
    EXPECT_TRUE(prompter.messages.empty());
}

// "Done" asks once after changes: No keeps them for this run only, Yes saves (an
// incomplete team with its message).
TEST_F(EditorTest, DoneAsksToSave) {
    OpenWithTeams({});
    editor.NewTeam("Saved");
    editor.Save();
    editor.NewTeam("Short 100%");
    AddFrom("1927", "Yankees", "Babe Ruth");
    prompter.QueueAnswers({false});
    editor.Done();
    editor.Done();  // nothing changed since: no second question
    EXPECT_EQ(Questions(prompter), (Texts{kSaveChangesQuestion}));
    TeamDatabase nextRun;
    ASSERT_TRUE(LoadCustomDatabase(nextRun, dir.path()));
    EXPECT_EQ(nextRun.customTeams.size(), 1u);

    prompter.messages.clear();
    editor.RenameTeam("Short 100%!");
    prompter.QueueAnswers({true});
    editor.Done();
    EXPECT_EQ(prompter.Informs(), (Texts{IncompleteText("Saved"), IncompleteText("Short 100%!")}));
    TeamDatabase third;
    ASSERT_TRUE(LoadCustomDatabase(third, dir.path()));
    ASSERT_EQ(third.customTeams.size(), 2u);
    EXPECT_EQ(third.customTeams[1]->players.size(), 1u);
}

}  // namespace
}  // namespace velmoro
