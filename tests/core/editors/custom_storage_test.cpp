// Saving the custom teams: the completeness messages, every player kept, and a
// CustomDB that cannot be written told to the user.
#include "editors/custom_storage.h"

#include <gtest/gtest.h>

#include <fstream>

#include "db/team_files.h"
#include "platform/prompter.h"
#include "saves/league_fixture.h"

namespace velmoro {
namespace {

using namespace velmoro::testing;

struct Message {
    std::string text;
    std::string caption;
    bool operator==(const Message&) const = default;
};

class RecordingPrompter : public Prompter {
  public:
    void Inform(const std::string& text, const std::string& caption) override {
        messages.push_back({text, caption});
    }
    bool AskYesNo(const std::string&, const std::string&) override {
        ADD_FAILURE() << "saving the custom teams asks nothing";
        return false;
    }
    std::vector<Message> messages;
};

std::string IncompleteText(const std::string& name) {
    return "The team: '" + name +
           "' does not contain \neither enough players (9) or does not contain a \nplayer for "
           "each position.  Remember, you need 3 \noutfielders.\n\nUntil a team is complete it "
           "will not be displayed\nas a valid team selection.";
}

std::string FileBytes(const std::filesystem::path& path) {
    std::string bytes;
    EXPECT_TRUE(ReadFileBytes(path, bytes));
    return bytes;
}

// One message per incomplete team, in list order, with the name inserted as it
// stands; every team is written all the same, complete or not.
TEST(SaveCustomTeams, IncompleteTeamsAreNamedAndStillWritten) {
    TempDir dir;
    TeamDatabase db;
    AddLeagueTeam(db.customTeams, "Complete", 3);
    TeamRecord& twoOutfielders = AddLeagueTeam(db.customTeams, "100% Effort %s %d", 5);
    std::erase_if(twoOutfielders.players, [](const auto& p) { return p->name.ends_with("Left"); });
    TeamRecord& eightPlayers = AddTeam(db.customTeams, "Short Bench");
    for (int i = 0; i < 8; ++i) {
        eightPlayers.AddPlayer(MakeBatter("Eight " + std::to_string(i), 0x7F, i));
    }
    AddTeam(db.customTeams, "Nobody Yet");

    RecordingPrompter prompter;
    std::ofstream(dir / kCustomFileName) << "";  // a whole, empty database
    ASSERT_TRUE(SaveCustomTeams(db, dir.path(), prompter));
    const std::vector<Message> expected = {
        {IncompleteText("100% Effort %s %d"), "Velmoro Baseball"},
        {IncompleteText("Short Bench"), "Velmoro Baseball"},
        {IncompleteText("Nobody Yet"), "Velmoro Baseball"},
    };
    EXPECT_EQ(prompter.messages, expected);

    TeamList reread;
    ASSERT_TRUE(ReadTeamFile(dir / kCustomFileName, reread));
    ASSERT_EQ(reread.size(), 4u);
    EXPECT_TRUE(IsTeamPlayable(reread[0].get()));
    EXPECT_EQ(reread[1]->name, "100% Effort %s %d");
    EXPECT_FALSE(IsTeamPlayable(reread[1].get()));
    EXPECT_TRUE(reread[3]->players.empty());
}

// The database filter would drop a player of few games or a pitcher of few
// appearances; a custom team keeps every player the user put on it, numbers and all,
// so a team complete when saved is complete in the next run.
TEST(SaveCustomTeams, EveryPlayerIsKept) {
    TempDir dir;
    TeamDatabase db;
    TeamRecord& team = AddLeagueTeam(db.customTeams, "Late Callups", 9);
    team.players[6]->games = 3;  // the catcher: 3 games
    team.players[0]->pitching->games = 2;
    team.players[0]->atBats = 0;
    team.players[0]->battingAvg = 0;
    team.players[0]->games = 0;
    team.players[0]->hits = team.players[0]->strikeouts = 0;
    ASSERT_FALSE(IsQualifyingPlayer(*team.players[6]));
    ASSERT_FALSE(IsQualifyingPlayer(*team.players[0]));

    RecordingPrompter prompter;
    ASSERT_TRUE(SaveCustomTeams(db, dir.path(), prompter));
    EXPECT_TRUE(prompter.messages.empty());
    TeamDatabase next;
    ASSERT_TRUE(LoadCustomDatabase(next, dir.path()));
    ASSERT_EQ(next.customTeams.size(), 1u);
    const TeamRecord& loaded = *next.customTeams[0];
    ASSERT_EQ(loaded.players.size(), team.players.size());
    for (std::size_t i = 0; i < team.players.size(); ++i) {
        EXPECT_TRUE(SamePlayer(*loaded.players[i], *team.players[i])) << team.players[i]->name;
    }
    EXPECT_TRUE(IsTeamPlayable(&loaded));
}

// A CustomDB that cannot be written is reported with the file's name; the old file
// and the teams in memory stay as they were, and no completeness message follows.
TEST(SaveCustomTeams, UnwritableFileIsReported) {
    TempDir dir;
    TeamDatabase db;
    AddTeam(db.customTeams, "Incomplete");
    RecordingPrompter prompter;

    const std::filesystem::path missing = dir / "no such folder";
    EXPECT_FALSE(SaveCustomTeams(db, missing, prompter));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].caption, "Velmoro Baseball Error");
    EXPECT_NE(prompter.messages[0].text.find((missing / kCustomFileName).string()),
              std::string::npos)
        << prompter.messages[0].text;

    // A name too long for the file: nothing is written over the older CustomDB.
    std::ofstream(dir / kCustomFileName, std::ios::binary) << "older";
    db.customTeams[0]->name = std::string(300, 'x');
    prompter.messages.clear();
    EXPECT_FALSE(SaveCustomTeams(db, dir.path(), prompter));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_NE(prompter.messages[0].text.find((dir / kCustomFileName).string()), std::string::npos);
    EXPECT_EQ(FileBytes(dir / kCustomFileName), "older");
    EXPECT_EQ(db.customTeams[0]->name, std::string(300, 'x'));
}

// The damaged CustomDB of the bug report: one Save used to leave only the new team.
// Now the file is kept beside it first, and the user is told where.
TEST(SaveCustomTeams, ADamagedFileIsKeptBeforeItIsWrittenOver) {
    TempDir dir;
    const std::string damaged = FileBytes(VELMORO_TEST_DATA_DIR "/db/customdb_truncated_1byte");
    std::ofstream(dir / kCustomFileName, std::ios::binary) << damaged;
    TeamDatabase db;
    EXPECT_FALSE(LoadCustomDatabase(db, dir.path()));
    AddLeagueTeam(db.customTeams, "Added After", 3);
    RecordingPrompter prompter;
    ASSERT_TRUE(SaveCustomTeams(db, dir.path(), prompter));
    const auto kept = dir / "CustomDB.damaged";
    const std::vector<Message> expected = {{(dir / kCustomFileName).string() +
                                                " could not be read whole; it is kept as " +
                                                kept.string() + ".",
                                            "Velmoro Baseball"}};
    EXPECT_EQ(prompter.messages, expected);
    EXPECT_EQ(FileBytes(kept), damaged);
}

}  // namespace
}  // namespace velmoro
