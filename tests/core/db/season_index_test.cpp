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
    };
    ASSERT_TRUE(WriteSeasonIndex(dir / kSeasonIndexFileName, seasons).ok());
    std::vector<SeasonRecord> read;
    ASSERT_TRUE(LoadSeasonIndex(dir / kSeasonIndexFileName, read));
    EXPECT_EQ(read, seasons);
    EXPECT_EQ(WriteSeasonIndex(dir / "none" / "x", seasons).message(),
              "cannot write " + (dir / "none" / "x").string() + ": No such file or directory");
    EXPECT_EQ(SeasonIndexPathFor("d/LegendDB"), std::filesystem::path("d/Seasons.csv"));
    EXPECT_EQ(SeasonIndexPathFor("d/DemoDB"), std::filesystem::path("d/DemoDB.seasons.csv"));
}

TEST(SeasonIndex, EveryNumberOutOfItsRangeAndARepeatedTeamAreRefusedWithLineAndColumn) {
    const std::string h = std::string(kSeasonIndexHeader) + "\n", good = "A,1927,AL,,1,1,0,1,1,1\n";
    const std::pair<std::string, std::string> cases[] = {
        {"", "empty, not a season index"},
        {h, "no team-season after the header line"},
        {"team,year\n" + good, "line 1: not a season index"},
        {h + good + "B,1928,AL,,154\n", "line 3: 5 fields instead of 10"},
        {h + "A,1927,AL,,5x40,1,1,1,1,1\n", "line 2: column games: \"5x40\" is not a whole"},
        {h + "A,1927,AL,,1,1,0,1,1,99999999999\n", "line 2: column rank: \"99999999999\" is not"},
        {h + "\"" + good, "line 2: a quote is never closed"},
        {h + ",1927,AL,,1,1,0,1,1,1\n", "line 2: no team name"},
        {h + "A,1927,AL,,2000000000,1,0,1,1,1\n", "line 2: column games: 2000000000 is not in"},
        {h + "A,1927,AL,,154,2147483647,0,0,0,4\n", "line 2: column wins: 2147483647 is not in"},
        {h + "A,1927,AL,,154,0,155,0,0,4\n", "line 2: column losses: 155 is not in 0..154"},
        {h + "A,1927,AL,,154,0,0,15401,0,4\n", "line 2: column runs: 15401 is not in 0..15400"},
        {h + "A,1927,AL,,0,0,0,0,1,4\n", "line 2: column runs_allowed: 1 is not in 0..0"},
        {h + "A,1799,AL,,154,0,0,0,0,4\n", "line 2: column year: 1799 is not in 1800..9999"},
        {h + "A,1927,AL,,154,0,0,0,0,1000\n", "line 2: column rank: 1000 is not in 0..999"},
        {h + good + "B,1928,AL,,1,0,0,0,0,1\n" + good, "line 4: column team: \"A\" is on line 2"},
    };
    for (const auto& [text, says] : cases) {
        std::vector<SeasonRecord> read;
        const Status status = ParseSeasonIndex(text, read);
        EXPECT_TRUE(read.empty());
        EXPECT_EQ(status.message().substr(0, says.size()), says) << text;
    }
}

TEST(SeasonIndex, AFileThatCannotBeReadIsNamedWithTheReason) {
    TempDir dir;
    std::ofstream(dir / "bad.csv") << kSeasonIndexHeader << "\n\n1927 Yankees,1927\r\n";
    std::vector<SeasonRecord> read;
    std::string error;
    EXPECT_FALSE(LoadSeasonIndex(dir.path(), read, &error));
    EXPECT_EQ(error, "cannot read " + dir.path().string() + ": Is a directory");
    EXPECT_FALSE(LoadSeasonIndex(dir / "bad.csv", read, &error));
    EXPECT_EQ(error, (dir / "bad.csv").string() + ": line 3: 2 fields instead of 10");
}

}  // namespace
}  // namespace velmoro
