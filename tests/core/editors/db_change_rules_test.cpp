// The database change window's rules without a window: the number fields, team and
// player commands over `legendTeams`, and Save with the filter on.
#include "editors/db_change_rules.h"

#include <gtest/gtest.h>

#include <deque>

#include "db/db_fixture.h"
#include "platform/prompter.h"

namespace velmoro {
namespace {

using namespace velmoro::testing;

class ScriptPrompter : public Prompter {
  public:
    void Inform(const std::string& text, const std::string&) override { informs.push_back(text); }
    bool AskYesNo(const std::string& text, const std::string& caption) override {
        EXPECT_EQ(caption, "Velmoro Baseball");
        questions.push_back(text);
        const bool answer = !answers.empty() && answers.front();
        if (!answers.empty()) answers.pop_front();
        return answer;
    }
    std::vector<std::string> informs;
    std::vector<std::string> questions;
    std::deque<bool> answers;
};

TEST(DbChangeFields, NumbersReadAsDecimalWholeNumbers) {
    const std::pair<const char*, int> cases[] = {{"", 0},
                                                 {"abc", 0},
                                                 {"3.45", 3},
                                                 {"  42", 42},
                                                 {"12abc", 12},
                                                 {"-7", -7},
                                                 {"0x1F", 0},
                                                 {"99999999999", 2147483647},
                                                 {"-99999999999", -2147483647 - 1}};
    for (const auto& [text, value] : cases)
        EXPECT_EQ(ParseFieldNumber(text), value) << '"' << text << '"';
}

// Each number keeps the low bits of its own width; hits come back through
// EffectiveHits.
TEST(DbChangeFields, WidthsKeptAndHitsShownWhole) {
    BattingFields batting{"312", "300", "70000", "", "262", "x", "", "", "", "", "", "", "-1"};
    PlayerRecord p;
    ReadBattingFields(batting, p);
    EXPECT_EQ(p.battingAvg, 312);
    EXPECT_EQ(p.games, 300 - 256);
    EXPECT_EQ(p.atBats, 70000 - 65536);
    EXPECT_EQ(p.hits, 6);
    EXPECT_EQ(p.caughtStealing, 255);
    p.atBats = 600;
    EXPECT_EQ(BattingFieldTexts(p)[4], "262");

    PitchingFields pitching{"3.45", "", "", "", "11", "", "", "70000", "", "", "245"};
    const PitchingLine line = ReadPitchingFields(pitching);
    EXPECT_EQ(line.eraX100, 3);
    EXPECT_EQ(line.inningsPitched, 70000 - 65536);
    EXPECT_EQ(line.oppAvgX1000, 245);
}

struct DbChangeTest : ::testing::Test {
    TempDir dir;
    TeamDatabase db;
    ScriptPrompter prompter;
    DatabaseChange window{db, prompter, dir.path()};

    DbChangeTest() {
        TeamRecord& yanks = AddTeam(db.legendTeams, "1927 Yankees");
        yanks.AddPlayer(Batter("Tony Lazzeri", 153, 570, SecondBase));
        yanks.AddPlayer(Batter("Babe Ruth", 151, 540));
        yanks.AddPlayer(Hurler("Waite Hoyt", 36));
        AddTeam(db.legendTeams, "1927 Pirates").AddPlayer(Batter("Paul Waner", 155, 623));
        AddTeam(db.legendTeams, "1906 Cubs").AddPlayer(Batter("Frank Chance", 136, 474));
        window.Open();
    }
    TeamRecord& Team(int i) { return *db.legendTeams[i]; }
};

TEST_F(DbChangeTest, NewAndDeleteTeamCheckTheName) {
    for (const char* name : {"1927 Pirates", "", "1927 pirates"}) {
        window.fields.teamName = name;
        window.NewTeam();
    }
    window.fields.teamName = "1999 Nobody";
    window.DeleteTeam();
    EXPECT_EQ(prompter.informs, (std::vector<std::string>{kTeamExistsMessage, kEmptyTeamNameMessage,
                                                          kNoSuchTeamMessage}));
    EXPECT_EQ(db.legendTeams.size(), 4u);
}

// Deleting the first team keeps the rest; deleting the source team leaves nothing
// in the window that names it.
TEST_F(DbChangeTest, DeletingFirstTeamAndTheSourceTeam) {
    window.fields.teamName = "1927 Yankees";
    window.DeleteTeam();
    ASSERT_EQ(db.legendTeams.size(), 2u);
    EXPECT_EQ(Team(0).name, "1927 Pirates");
    EXPECT_EQ(Team(0).players.size(), 1u);

    window.fields.teamName = "1906 Cubs";
    window.DeleteTeam();
    EXPECT_EQ(window.SourceTeam(), nullptr);
    EXPECT_EQ(window.SelectedPlayer(), nullptr);
    EXPECT_EQ(db.currentTeam, nullptr);
    EXPECT_EQ(db.currentPlayer, nullptr);
    window.DeletePlayer();
    window.MovePlayer();
    EXPECT_EQ(prompter.informs,
              (std::vector<std::string>{kNoPlayerSelectedMessage, kNoPlayerSelectedMessage}));
    EXPECT_EQ(db.legendTeams.size(), 1u);
}

TEST_F(DbChangeTest, DeletingTheFirstPlayerKeepsTheOthers) {
    window.SelectSourceYear(1);
    window.SelectSourceClub(1);
    window.SelectPlayer(window.players.IndexOf("Tony Lazzeri"));
    window.DeletePlayer();
    ASSERT_EQ(Team(0).players.size(), 2u);
    EXPECT_EQ(window.players.Entries(), (std::vector<std::string>{"Babe Ruth", "Waite Hoyt"}));
    EXPECT_EQ(window.SelectedPlayer(), nullptr);
    EXPECT_EQ(db.currentPlayer, nullptr);
}

// The record itself moves; a name already on the destination, or a move onto the
// same team, is refused.
TEST_F(DbChangeTest, MovingTheFirstPlayer) {
    window.SelectSourceYear(1);
    window.SelectSourceClub(1);
    window.SelectPlayer(window.players.IndexOf("Tony Lazzeri"));
    PlayerRecord* lazzeri = Team(0).players[0].get();
    window.SelectDestinationYear(1);
    window.SelectDestinationClub(1);
    window.MovePlayer();
    EXPECT_EQ(prompter.informs, (std::vector<std::string>{kPlayerOnDestinationMessage}));

    window.SelectDestinationClub(0);
    EXPECT_EQ(window.fields.teamName, "1927 Pirates");
    window.MovePlayer();
    EXPECT_EQ(prompter.informs.size(), 1u);
    EXPECT_EQ(Team(0).players[0]->name, "Babe Ruth");
    ASSERT_EQ(Team(1).players.size(), 2u);
    EXPECT_EQ(Team(1).players[1].get(), lazzeri);
    EXPECT_EQ(window.players.IndexOf("Tony Lazzeri"), -1);
}

TEST_F(DbChangeTest, NewPlayerAddsOrUpdates) {
    window.fields.teamName = "1927 Pirates";
    window.fields.playerName = "Lloyd Waner";
    window.fields.batting = {"355", "150", "629", "", "223", "", "", "", "", "", "", "", ""};
    window.fields.positions = Outfield | Pitcher;
    window.fields.pitching = {"450", "", "", "", "1", "", "", "", "", "", ""};
    window.NewPlayer();
    ASSERT_EQ(Team(1).players.size(), 2u);
    PlayerRecord& lloyd = *Team(1).players[1];
    EXPECT_EQ(lloyd.hits, 223);
    ASSERT_NE(lloyd.pitching, nullptr);
    EXPECT_EQ(lloyd.pitching->eraX100, 450);

    window.fields.teamName = "1927 Pirates";
    window.fields.playerName = "Lloyd Waner";
    window.fields.batting[4] = "262";
    window.fields.positions = Outfield;
    window.NewPlayer();
    EXPECT_EQ(Team(1).players.size(), 2u);
    EXPECT_EQ(lloyd.hits, 6);
    EXPECT_EQ(lloyd.positions, Outfield);
    EXPECT_NE(lloyd.pitching, nullptr);  // kept in memory, not written without Pitcher
}

TEST_F(DbChangeTest, NewPlayerForAMissingTeamAsksFirst) {
    window.fields.teamName = "1930 Robins";
    window.fields.playerName = "Babe Herman";
    prompter.answers = {false, true};
    window.NewPlayer();
    EXPECT_EQ(prompter.questions, (std::vector<std::string>{kCreateTeamQuestion}));
    EXPECT_EQ(prompter.informs, (std::vector<std::string>{kNeedTeamNameMessage}));
    EXPECT_EQ(db.legendTeams.size(), 3u);

    window.fields.teamName = "1930 Robins";
    window.NewPlayer();
    ASSERT_EQ(db.legendTeams.size(), 4u);
    EXPECT_EQ(Team(3).players[0]->name, "Babe Herman");
}

// Save writes only qualifying players; the others stay in memory.
TEST_F(DbChangeTest, SaveDropsPlayersWhoDoNotQualify) {
    Team(0).AddPlayer(Batter("Bench Warmer", 9, 300));
    Team(0).AddPlayer(Hurler("Mop Up", 10));
    Team(0).AddPlayer(Batter("Cup Of Coffee", 10, 1));
    prompter.answers = {false, true};
    EXPECT_FALSE(window.Save());
    EXPECT_FALSE(std::filesystem::exists(dir / "LegendDB")) << "No writes nothing";
    ASSERT_TRUE(window.Save());
    const std::string question = "2 players do not qualify and will not be written. Save anyway?";
    EXPECT_EQ(prompter.questions, (std::vector<std::string>{question, question}));
    EXPECT_TRUE(prompter.informs.empty());
    TeamList saved;
    ASSERT_TRUE(ReadTeamFile(dir / "LegendDB", saved));
    ASSERT_EQ(saved.size(), 3u);
    std::vector<std::string> names;
    for (const auto& p : saved[0]->players)
        names.push_back(p->name);
    EXPECT_EQ(names, (std::vector<std::string>{"Tony Lazzeri", "Babe Ruth", "Waite Hoyt",
                                               "Cup Of Coffee"}));
    EXPECT_EQ(Team(0).players.size(), 6u);
}

TEST(DbChangeSave, UnwritableFileIsReported) {
    TempDir dir;
    TeamDatabase db;
    AddTeam(db.legendTeams, "1927 Yankees");
    ScriptPrompter prompter;
    DatabaseChange window(db, prompter, dir / "missing" / "folder");
    EXPECT_FALSE(window.Save());
    ASSERT_EQ(prompter.informs.size(), 1u);
}

}  // namespace
}  // namespace velmoro
