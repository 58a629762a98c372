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
        {"1884 Nationals, \"AA\"", 1884, "AA", "", 63, 12, 51, 248, 481, 13},
        {"2016 Cubs", 2016, "NL", "C", 162, 103, 58, 808, 556, 1},
    };
    std::string error;
    ASSERT_TRUE(WriteSeasonIndex(dir / kSeasonIndexFileName, seasons, &error)) << error;
    std::vector<SeasonRecord> read;
    ASSERT_TRUE(LoadSeasonIndex(dir / kSeasonIndexFileName, read, &error)) << error;
    EXPECT_EQ(read, seasons);
    EXPECT_TRUE(ParseSeasonIndex(std::string(kSeasonIndexHeader) + "\r\n\r\n", read));
    EXPECT_TRUE(read.empty());
}

TEST(SeasonIndex, MissingOrDamagedFilesAreNamedNeverLoadedInPart) {
    const std::string header = std::string(kSeasonIndexHeader) + "\n";
    const std::string good = "1927 Yankees,1927,AL,,155,110,44,975,599,1\n";
    struct Case {
        std::string text;
        std::string message;
    } cases[] = {
        {"", "empty, not a season index"},
        {"team,year\n" + good, "line 1: not a season index"},
        {header + good + "1928 Yankees,1928,AL,,154\n", "line 3: 5 fields instead of 10"},
        {header + "1927 Yankees,1927,AL,,5x40,110,44,975,599,1\n",
         "line 2: column games: \"5x40\" is not a whole number"},
        {header + "1927 Yankees,1927,AL,,155,110,44,975,599,99999999999\n",
         "line 2: column rank: \"99999999999\" is not a whole number"},
        {header + "\"1927 Yankees,1927,AL,,155,110,44,975,599,1\n",
         "line 2: a quote is never closed"},
        {header + ",1927,AL,,155,110,44,975,599,1\n", "line 2: no team name"},
    };
    for (const Case& c : cases) {
        std::vector<SeasonRecord> read;
        std::string error;
        EXPECT_FALSE(ParseSeasonIndex(c.text, read, &error)) << c.text;
        EXPECT_TRUE(read.empty());
        EXPECT_EQ(error.substr(0, c.message.size()), c.message) << c.text;
    }

    TempDir dir;
    std::vector<SeasonRecord> read;
    std::string error;
    EXPECT_FALSE(LoadSeasonIndex(dir / "none.csv", read, &error));
    EXPECT_EQ(error, "cannot read " + (dir / "none.csv").string() + ": No such file or directory");
    EXPECT_FALSE(LoadSeasonIndex(dir.path(), read, &error));
    EXPECT_NE(error.find("it is a folder"), std::string::npos) << error;
    std::ofstream(dir / "bad.csv") << header << "1927 Yankees,1927\n";
    EXPECT_FALSE(LoadSeasonIndex(dir / "bad.csv", read, &error));
    EXPECT_EQ(error, (dir / "bad.csv").string() + ": line 2: 2 fields instead of 10");
}

}  // namespace
}  // namespace velmoro
