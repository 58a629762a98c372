// Seasons.csv: written and read back whole; a missing or damaged file is a message.
#include <gtest/gtest.h>

#include <fstream>

#include "db/season_index.h"
#include "support/temp_dir.h"

namespace velmoro {
namespace {

using testing::TempDir;

TEST(SeasonIndex, WrittenAndReadBackWithQuotedNames) {
    TempDir dir;
    const std::vector<SeasonRecord> seasons = {
        {"1927 Yankees", 1927, "AL", "", 155, 110, 44, 975, 599, 1},
        {"1884 Nationals, \"AA\"", 1884, "A\"A", "E,\nW", 63, 12, 51, 248, 481, 13},
        {"2016 Cubs", 2016, "NL", "C", 162, 103, 58, 808, 556, 1},
    };
    ASSERT_TRUE(WriteSeasonIndex(dir / kSeasonIndexFileName, seasons).ok());
    std::vector<SeasonRecord> read;
    std::string error;
    ASSERT_TRUE(LoadSeasonIndex(dir / kSeasonIndexFileName, read, &error)) << error;
    EXPECT_EQ(read, seasons);
    // A byte-order mark, CR LF line ends and blank lines are read past.
    const std::string line = "1927 Yankees,1927,AL,,155,110,44,975,599,1\r\n";
    EXPECT_TRUE(
        ParseSeasonIndex("\xEF\xBB\xBF" + std::string(kSeasonIndexHeader) + "\r\n\r\n" + line, read)
            .ok());
    EXPECT_EQ(read, std::vector<SeasonRecord>{seasons[0]});
}

TEST(SeasonIndex, EveryNumberOutOfItsRangeAndARepeatedTeamAreRefusedWithLineAndColumn) {
    const std::string header = std::string(kSeasonIndexHeader) + "\n";
    const std::string good = "1927 Yankees,1927,AL,,155,110,44,975,599,1\n";
    struct Case {
        std::string text;
        std::string message;
    } cases[] = {
        {"", "empty, not a season index"},
        {header, "no team-season after the header line"},
        {"team,year\n" + good, "line 1: not a season index"},
        {header + good + "1928 Yankees,1928,AL,,154\n", "line 3: 5 fields instead of 10"},
        {header + "1927 Yankees,1927,AL,,5x40,110,44,975,599,1\n",
         "line 2: column games: \"5x40\" is not a whole number"},
        {header + "1927 Yankees,1927,AL,,155,110,44,975,599,99999999999\n",
         "line 2: column rank: \"99999999999\" is not a whole number"},
        {header + "\"1927 Yankees,1927,AL,,155,110,44,975,599,1\n",
         "line 2: a quote is never closed"},
        {header + ",1927,AL,,155,110,44,975,599,1\n", "line 2: no team name"},
        {header + "A,1927,AL,,2000000000,57,97,664,807,4\n",
         "line 2: column games: 2000000000 is not in 0..200 (games a team)"},
        {header + "A,1927,AL,,154,2147483647,0,0,0,4\n",
         "line 2: column wins: 2147483647 is not in 0..154 (the games)"},
        {header + "A,1927,AL,,154,100,155,0,0,4\n",
         "line 2: column losses: 155 is not in 0..154 (the games)"},
        {header + "A,1927,AL,,154,100,54,15401,0,4\n",
         "line 2: column runs: 15401 is not in 0..15400 (100 a game)"},
        {header + "A,1927,AL,,0,0,0,0,1,4\n", "line 2: column runs_allowed: 1 is not in 0..0"},
        {header + "A,1799,AL,,154,100,54,0,0,4\n",
         "line 2: column year: 1799 is not in 1800..9999"},
        {header + "A,1927,AL,,154,100,54,0,0,1000\n", "line 2: column rank: 1000 is not in 0..999"},
        {header + good + "B,1928,AL,,1,0,0,0,0,1\n" + good,
         "line 4: column team: \"1927 Yankees\" is on line 2 already"},
    };
    for (const Case& c : cases) {
        std::vector<SeasonRecord> read;
        const Status status = ParseSeasonIndex(c.text, read);
        EXPECT_FALSE(status.ok()) << c.text;
        EXPECT_TRUE(read.empty());
        EXPECT_EQ(status.message().substr(0, c.message.size()), c.message) << c.text;
    }
}

TEST(SeasonIndex, AFileThatCannotBeReadIsNamedWithTheReason) {
    TempDir dir;
    std::ofstream(dir / "bad.csv") << kSeasonIndexHeader << "\n1927 Yankees,1927\n";
    std::ofstream(dir / "header.csv") << kSeasonIndexHeader << "\n";
    const struct {
        std::filesystem::path path;
        std::string message;
    } cases[] = {
        {dir / "none.csv",
         "cannot read " + (dir / "none.csv").string() + ": No such file or directory"},
        {dir.path(), "cannot read " + dir.path().string() + ": Is a directory"},
        {dir / "bad.csv", (dir / "bad.csv").string() + ": line 2: 2 fields instead of 10"},
        {dir / "header.csv",
         (dir / "header.csv").string() + ": no team-season after the header line"},
    };
    for (const auto& c : cases) {
        std::vector<SeasonRecord> read;
        std::string error;
        EXPECT_FALSE(LoadSeasonIndex(c.path, read, &error));
        EXPECT_EQ(error, c.message);
    }
}

TEST(SeasonIndex, TheIndexIsNamedAfterItsDatabaseButLegendDBKeepsSeasonsCsv) {
    const std::pair<std::string, std::string> cases[] = {
        {"d/LegendDB", "d/Seasons.csv"},
        {"LegendDB", "Seasons.csv"},
        {"d/DemoDB", "d/DemoDB.seasons.csv"},
        {"d/LegendDB.old", "d/LegendDB.old.seasons.csv"},
    };
    for (const auto& [database, index] : cases)
        EXPECT_EQ(SeasonIndexPathFor(database), std::filesystem::path(index)) << database;
}

}  // namespace
}  // namespace velmoro
