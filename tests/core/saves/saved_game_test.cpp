// Saved games beyond the recorded runs (tests/data/golden), which show the file bytes,
// play going on after a load, and every damaged file's reason: a load in the middle of
// any game, substitutions included; what a failed read leaves; refused writes; custom
// teams found again.
#include "saves/saved_game.h"

#include <gtest/gtest.h>

#include "engine/invariants.h"
#include "engine/strategies.h"
#include "setup/manage_pitching.h"
#include "setup/manage_substitution.h"
#include "support/default_game.h"
#include "support/temp_dir.h"
#include "support/test_game.h"

namespace velmoro::testing {
namespace {

namespace fs = std::filesystem;

const fs::path kSaves = fs::path(VELMORO_TEST_DATA_DIR) / "saves";
const fs::path kDemoLeague = VELMORO_DATA_DIR;

std::string Text(const GameState& game) {
    std::string text;
    EXPECT_TRUE(SavedGameText(game, text));
    return text;
}

// As ResetGame leaves a game.
void ExpectCleanState(const GameState& game) {
    for (const GameSide* side : {&game.visitor, &game.home}) {
        EXPECT_EQ(side->lineup[0], nullptr);
        EXPECT_EQ(side->defense[1], nullptr);
        EXPECT_TRUE(side->boxLines[0].empty());
        EXPECT_EQ(side->teamRuns, 0);
    }
    EXPECT_FALSE(game.hasBattingBoxLines);
    EXPECT_EQ(game.inning, 1);
    EXPECT_EQ(game.bases, 0);
    EXPECT_EQ(game.playLog, "Top of inning 1\r\n");
}

// Saved after every turn, with pinch hitters and relievers coming in, and loaded into a
// new run: the same file again, the same lineups and engine, and until the first
// substitution the same game from there on (a loaded game's outcome tables are made
// anew: BuildAllOutcomeTables).
TEST(SavedGame, EveryTurnLoadsAsTheGameItWas) {
    TempDir install;
    ASSERT_TRUE(WriteTestLeague(install.path()));
    auto names = [](const GameSide& side) {
        std::string text;
        for (const PlayerRecord* p : side.lineup)
            text += (p ? p->name : "-") + ",";
        for (const PlayerRecord* p : side.defense)
            text += (p ? p->name : "-") + ",";
        return text;
    };
    for (const auto& [dh, engine] : {std::pair{false, EngineKind::Classic},
                                     {true, EngineKind::Classic},
                                     {false, EngineKind::Realistic}}) {
        Session session;
        session.installDirectory = install.path();
        session.random.SetFixedSeed(dh ? 99u : 7u);
        ASSERT_TRUE(DefaultGame(session, dh));
        PlayOnEngine(session, engine);
        OpenPlayScreen(session);
        GameState& game = session.game;
        bool substituted = false;
        for (int turn = 0; !IsGameOver(game); ++turn) {
            SCOPED_TRACE(::testing::Message()
                         << "dh " << dh << " " << EngineName(engine) << " turn " << turn);
            if (turn % 23 == 11) {
                const auto pitchers = PitchingChangeCandidates(game, game.FieldingSide());
                if (!pitchers.empty())
                    ApplyPitchingChange(session, game.FieldingSide(), pitchers.front());
                substituted = true;
            } else if (turn % 17 == 8 && game.Batting().lineup[game.batterIndex] !=
                                             game.Batting().defense[PitcherSlot]) {
                const Side side = game.battingSide;
                const auto bench = SubstitutionCandidates(session, side, PinchHitter).names;
                if (!bench.empty()) ApplySubstitution(session, side, PinchHitter, bench.front());
                substituted = true;
            }
            const fs::path file = install / "turn.gam";
            ASSERT_TRUE(WriteSavedGame(game, file));
            Session loaded;
            loaded.installDirectory = install.path();
            ASSERT_TRUE(LoadSavedGame(loaded, file));
            ASSERT_EQ(Text(loaded.game), Text(game));
            ASSERT_EQ(loaded.game.designatedHitter, dh);
            ASSERT_EQ(EngineOf(loaded.game), EngineOf(game));
            ASSERT_EQ(GameStateProblem(loaded.game), "");
            ASSERT_EQ(names(loaded.game.visitor) + names(loaded.game.home),
                      names(game.visitor) + names(game.home));
            for (Session* s : {&session, &loaded}) {
                s->random.Seed(static_cast<std::uint32_t>(turn));
                if (s == &session || !substituted) PlayTurn(*s, turn % 9 == 4 ? StealChoice : 0, 0);
            }
            if (!substituted) {
                ASSERT_EQ(loaded.game.playLog, game.playLog);
            }
        }
    }
}

// Each damaged file is refused, and the game loaded before it is cleared away.
TEST(SavedGame, FailedReadsLeaveACleanGame) {
    if (!fs::exists(kDemoLeague / "LegendDB")) GTEST_SKIP() << "no demo league in " << kDemoLeague;
    Session session;
    session.installDirectory = kDemoLeague;
    int files = 0;
    for (const auto& entry : fs::directory_iterator(kSaves)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("demo_", 0) == 0) continue;
        SCOPED_TRACE(name);
        ASSERT_TRUE(ReadSavedGame(session, kSaves / "demo_mid.gam"));
        const Status read = ReadSavedGame(session, entry.path());
        EXPECT_FALSE(read.ok());
        EXPECT_NE(read.message(), "");
        ExpectCleanState(session.game);
        ++files;
    }
    EXPECT_GT(files, 30);
    for (const fs::path& path : {fs::path(), kSaves, kSaves / "missing.gam"}) {
        ASSERT_TRUE(ReadSavedGame(session, kSaves / "demo_mid.gam"));
        EXPECT_FALSE(LoadSavedGame(session, path));
        ExpectCleanState(session.game);
    }
}

// Cut short anywhere before its play-by-play a saved game never loads; cut inside the
// play-by-play it loads with the lines that are whole, and is refused when a line is
// cut in two.
TEST(SavedGame, EveryTruncation) {
    if (!fs::exists(kDemoLeague / "LegendDB")) GTEST_SKIP() << "no demo league in " << kDemoLeague;
    const std::string good = Contents(kSaves / "demo_mid.gam");
    const std::size_t logStart = good.find("Top of inning 1");
    TempDir dir;
    Session session;
    session.installDirectory = kDemoLeague;
    for (std::size_t start = 0, end; (end = good.find('\n', start)) != std::string::npos;
         start = end + 1) {
        // Each line cut in its middle, before its line end, between CR and LF, after it.
        for (std::size_t size : {start + (end - start) / 2, end - 1, end, end + 1}) {
            const std::string cut = good.substr(0, size);
            // A new file each time: replacing one file thousands of times waits on the disk.
            const fs::path file = dir / ("cut" + std::to_string(size) + ".gam");
            WriteBytes(file, cut);
            const bool wholeLogLines = size > logStart && good[size - 1] == '\n';
            ASSERT_EQ(ReadSavedGame(session, file).ok(), wholeLogLines) << "cut at byte " << size;
            if (!wholeLogLines) continue;
            std::string log = good.substr(logStart, size - logStart);
            for (std::size_t at; (at = log.find("\r\r\n")) != std::string::npos;)
                log.erase(at, 1);
            ASSERT_EQ(session.game.playLog, log) << size;
        }
    }
}

// A name holding a line end cannot be read back: the save is refused and an older
// saved game under that name survives, as it does when the folder cannot be written.
TEST(SavedGame, RefusedSavesKeepTheOlderFile) {
    Session session;
    ASSERT_TRUE(DefaultGame(session, false));
    MakeBoxLines(session.game, true);
    TempDir dir;
    const fs::path file = dir / "keep.gam";
    GameState& game = session.game;
    ASSERT_TRUE(WriteSavedGame(game, file));
    const std::string older = Contents(file);
    std::string& teamName = game.visitor.team->name;
    std::string& playerName = game.home.boxLines[3].front()->name;
    for (const char* bad : {"\n", "\r", "\r\n"}) {
        for (std::string* name : {&teamName, &playerName}) {
            const std::string kept = *name;
            *name += bad;
            EXPECT_FALSE(WriteSavedGame(game, file));
            *name = kept;
        }
    }
    EXPECT_FALSE(WriteSavedGame(game, dir / "no such folder" / "x.gam"));
    EXPECT_FALSE(WriteSavedGame(game, ""));
    ResetGame(game);  // a game without BoxLines holds nothing to continue
    EXPECT_FALSE(WriteSavedGame(game, file));
    EXPECT_EQ(Contents(file), older);
    EXPECT_EQ(dir.EntryCount(), 1) << "no temporary file is left beside the saved game";
}

// After LegendDB the custom teams are searched, and a custom team that shares a
// historical team's name is found by its players.
TEST(SavedGame, CustomTeamsLoadAgain) {
    TeamList custom;
    AddLeagueTeam(custom, "Night Owls", 91);
    AddLeagueTeam(custom, "2001 Bears", 57, "Cubby");  // a LegendDB team's name
    TempDir install;
    ASSERT_TRUE(WriteLeague(install.path(), MakeLeague(), custom));
    for (const char* visitors : {"Night Owls", "2001 Bears"}) {
        SCOPED_TRACE(visitors);
        Session original;
        original.installDirectory = install.path();
        LoadCustomDatabase(original.teams, install.path());
        ASSERT_TRUE(LoadLegendDatabase(original.teams, install.path()));
        TeamRecord* v = LookupTeam(original.teams.customTeams, visitors);
        TeamRecord* h = LookupTeam(original.teams.legendTeams, "2001 Aces");
        std::string error;
        ASSERT_TRUE(v && h && DefaultSetup(original, *v, *h, false, &error)) << error;
        MakeBoxLines(original.game, true);
        ASSERT_TRUE(WriteSavedGame(original.game, install / "custom.gam"));
        Session loaded;
        loaded.installDirectory = install.path();
        ASSERT_TRUE(LoadSavedGame(loaded, install / "custom.gam"));
        EXPECT_EQ(Text(loaded.game), Text(original.game));
        EXPECT_EQ(loaded.game.visitor.team, LookupTeam(loaded.teams.customTeams, visitors));
    }
}

}  // namespace
}  // namespace velmoro::testing
