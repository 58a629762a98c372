// Players.csv and Clubs.csv: written and read back whole; a bad line is named.
#include <gtest/gtest.h>

#include "db/club_season.h"
#include "db/player_usage.h"
#include "support/temp_dir.h"

namespace velmoro {
namespace {

using testing::TempDir;

TEST(SideFiles, WrittenAndReadBackWithEmptyCountsLettersAndQuotedNames) {
    TempDir dir;
    PlayerUsage ruth{"1927 Yankees", "Babe \"Bam\", Ruth", "ruthba01", 'L', 'L', 151, 151};
    ruth.gamesRight = 151;
    ruth.atBats = 540;
    ruth.hits = 192;
    PlayerUsage unknown{"1927 Yankees", "Nobody", "", ' ', ' ', 1};
    const std::vector<PlayerUsage> players = {ruth, unknown};
    ClubSeason club{"1927 Yankees", 1927, "AL", 155, 78, 975, 5347, 1644};
    const std::vector<ClubSeason> clubs = {club};
    ASSERT_TRUE(WritePlayerUsage(PlayerUsagePathFor(dir / "LegendDB"), players).ok());
    ASSERT_TRUE(WriteClubSeasons(ClubSeasonPathFor(dir / "LegendDB"), clubs).ok());
    std::vector<PlayerUsage> readPlayers;
    std::vector<ClubSeason> readClubs;
    ASSERT_TRUE(LoadPlayerUsage(dir / "Players.csv", readPlayers).ok());
    ASSERT_TRUE(LoadClubSeasons(dir / "Clubs.csv", readClubs).ok());
    EXPECT_EQ(readPlayers, players);
    EXPECT_EQ(readClubs, clubs);
    EXPECT_EQ(PlayerUsageText({unknown}).substr(PlayerUsageText({}).size()),
              "1927 Yankees,Nobody,,,,1,,0,0,0,0,0,0,0,0,0,,,0,0,,,,,0,0,0,0,0,0,,0,0,0,0,,0,0\n");
    EXPECT_EQ(PlayerUsagePathFor("d/DemoDB"), std::filesystem::path("d/DemoDB.players.csv"));
    EXPECT_EQ(ClubSeasonPathFor("d/DemoDB"), std::filesystem::path("d/DemoDB.clubs.csv"));
    const Status missing = LoadClubSeasons(dir / "none.csv", readClubs);
    EXPECT_EQ(missing.message(),
              "cannot read " + (dir / "none.csv").string() + ": No such file or directory");
}

TEST(SideFiles, EveryBadFieldIsRefusedWithLineAndColumn) {
    const std::string player = PlayerUsageText({}),
                      good = "T,A,,R,L,1,,0,0,0,0,0,0,0,0,0,,,0,0,,,,,0,0,0,0,0,0,,0,0,0,0,,0,0\n";
    auto with = [&](std::size_t field, const std::string& value) {
        std::string line = good;
        std::size_t at = 0;
        for (std::size_t i = 0; i < field; ++i)
            at = line.find(',', at) + 1;
        return player + line.replace(at, line.find_first_of(",\n", at) - at, value);
    };
    const std::pair<std::string, std::string> cases[] = {
        {"\xEF\xBB\xBF", "empty, not a players' side file"},
        {player, "no player-season after the header line"},
        {"team,player\n" + good, "line 1: not a players' side file (the first line must be team,"},
        {player + good + "T,B,\n", "line 3: 3 fields instead of 38"},
        {player + "\"" + good, "line 2: a quote is never closed"},
        {with(1, ""), "line 2: no player name"},
        {with(3, "S"), "line 2: column bats: \"S\" is not L, R, B or empty"},
        {with(4, "B"), "line 2: column throws: \"B\" is not L, R or empty"},
        {with(5, ""), "line 2: column games: \"\" is not a whole number"},
        {with(5, "-1"), "line 2: column games: \"-1\" is not a whole number"},
        {with(6, "201"), "line 2: column games_started: 201 is not in 0..200"},
        {with(19, "10000"), "line 2: column hits: 10000 is not in 0..9999"},
        {with(30, "1e3"), "line 2: column batters_faced: \"1e3\" is not a whole number"},
        {player + good + "U,A" + good.substr(3) + good,
         "line 4: column player: \"A\" of \"T\" is on line 2"},
    };
    for (const auto& [text, says] : cases) {
        std::vector<PlayerUsage> read;
        const Status status = ParsePlayerUsage(text, read);
        EXPECT_TRUE(read.empty());
        EXPECT_EQ(status.message().substr(0, says.size()), says) << text;
    }
    const std::string club = ClubSeasonText({}),
                      row = ",1927,AL,1,,0,0,0,0,0,0,0,,,,,,0,0,0,0,0,0,0,0,,100,100\n";
    const std::pair<std::string, std::string> clubCases[] = {
        {club + "T" + row + "T" + row, "line 3: column team: \"T\" is on line 2 already"},
        {club + "T,1799" + row.substr(5), "line 2: column year: 1799 is not in 1800..9999"},
        {club + "T" + row.substr(0, row.size() - 4) + "0\n",
         "line 2: column pitching_park_factor: 0 is not in 1..999"},
        {club + "T" + row.substr(0, 12) + "100000" + row.substr(13),
         "line 2: column runs: 100000 is not in 0..99999"},
    };
    for (const auto& [text, says] : clubCases) {
        std::vector<ClubSeason> read;
        const Status status = ParseClubSeasons(text, read);
        EXPECT_TRUE(read.empty());
        EXPECT_EQ(status.message().substr(0, says.size()), says) << text;
    }
}

}  // namespace
}  // namespace velmoro
