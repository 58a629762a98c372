// The Lahman import on small tables: names, positions, rates, order and damaged rows.
// The real tables are imported by the velmoro-db test.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <string>
#include <vector>

#include "import/lahman_club_files.h"
#include "import/lahman_csv.h"
#include "import/lahman_import.h"
#include "import/lahman_names.h"
#include "import/lahman_positions.h"
#include "support/small_lahman.h"
#include "support/temp_dir.h"

namespace velmoro {
namespace {

using namespace velmoro::testing;

TEST(LahmanCsv, QuotedFieldsCommasDoubledQuotesShortRowsAndLines) {
    CsvTable t;
    ASSERT_TRUE(
        t.Parse("\"id\",\"name\",n\r\n\"a1\",\"Smith, \"\"Lefty\"\"\",7\r\nb2,,\n\nc3\n"
                "\"d\nd\",x,5x40,9,9,9\ne5,,-3\n"));
    ASSERT_EQ(t.Rows(), 5u);
    EXPECT_EQ(t.Field(0, t.Column("name")), "Smith, \"Lefty\"");
    EXPECT_EQ(t.Int(1, t.Column("n")), 0);
    EXPECT_TRUE(std::isnan(t.Number(1, t.Column("n"))));
    EXPECT_EQ(t.Field(2, 0), "c3");
    EXPECT_EQ(t.Field(2, 2), "");
    // Lines count the blank one and the line break inside quotes.
    EXPECT_EQ((std::vector<std::size_t>{t.Line(2), t.Line(3), t.Line(4)}),
              (std::vector<std::size_t>{5, 6, 8}));
    long value = -1;
    EXPECT_TRUE(t.Count(0, 2, value) && value == 7 && t.Count(1, 2, value) && value == 0);
    EXPECT_FALSE(t.Count(3, 2, value) || t.Count(4, 2, value));  // "5x40", "-3"

    std::string error;
    EXPECT_FALSE(t.Parse("a,b\n1,2\n" + std::string(kMaxCsvLineBytes + 1, 'x') + "\n", &error));
    EXPECT_EQ(error, "line 3 is longer than 1 MB");
    EXPECT_FALSE(t.Parse("a\n\"1,2\n", &error));
    EXPECT_EQ(error, "line 2: a quote is never closed");
}

TEST(LahmanNames, ClubAndPlayerNamesAreUniqueWithinASeason) {
    struct Case {
        const char* full;
        const char* nickname;
    } cases[] = {
        {"Boston Red Sox", "Red Sox"},
        {"Los Angeles Angels of Anaheim", "Angels"},
        {"Houston Colt .45's", "Colt .45's"},
        {"Hartford Dark Blues", "Dark Blues"},
        {"Chicago/Pittsburgh (Union League)", "Chicago/Pittsburgh"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ClubNickname(c.full), c.nickname) << c.full;
    EXPECT_EQ(ClubCity("St. Louis Red Stockings"), "St. Louis");

    // Nicknames shared within a season take the league, then the city, then the code.
    std::vector<SeasonClub> clubs = {
        {1884, "Nationals", "AA", "WS7", "Washington"},
        {1884, "Nationals", "UA", "WS8", "Washington"},
        {1875, "Red Stockings", "NA", "BS1", "Boston"},
        {1875, "Red Stockings", "NA", "SL1", "St. Louis"},
        {1876, "Twins", "NL", "T1", "Same"},
        {1876, "Twins", "NL", "T2", "Same"},
    };
    EXPECT_EQ(UniqueTeamNames(clubs),
              (std::vector<std::string>{
                  "1884 Nationals (AA)", "1884 Nationals (UA)", "1875 Red Stockings (Boston)",
                  "1875 Red Stockings (St. Louis)", "1876 Twins (T1)", "1876 Twins (T2)"}));
    // Players of one name within a team take the birth year, then a number.
    std::vector<PersonName> people = {
        {"Bob", "Smith", 1902, "smithbo01"},
        {"Bob", "Smith", 1905, "smithbo02"},
        {"", "", 0, "unknown01"},
        {"Al", "Twin", 1900, "twinal01"},
        {"Al", "Twin", 1900, "twinal02"},
    };
    EXPECT_EQ(UniquePlayerNames(people),
              (std::vector<std::string>{"Bob Smith (1902)", "Bob Smith (1905)", "unknown01",
                                        "Al Twin (1900) #1", "Al Twin (1900) #2"}));
}

TEST(LahmanPositions, BitsFromGamesPlayedAndRegularPlaces) {
    struct Case {
        FieldingGames games;
        bool pitchingLine;
        std::uint8_t regular;
        int minGames;
        std::uint8_t bits;
    } cases[] = {
        {{}, false, 0, 20, NoPosition},                                          // pinch hitter
        {{0, 0, 120, 0, 0, 0, 20}, false, FirstBase, 20, FirstBase | Outfield},  // 20 games
        {{0, 0, 120, 0, 0, 0, 19}, false, FirstBase, 20, FirstBase},
        {{0, 0, 0, 19, 0, 0, 0}, false, 0, 20, NoPosition},    // a call-up behind the regular
        {{0, 0, 0, 19, 0, 0, 0}, false, 0, 1, SecondBase},     // ... in a small club
        {{0, 8, 0, 0, 0, 0, 0}, false, Catcher, 20, Catcher},  // a short season's regular
        {{40, 0, 0, 0, 0, 0, 0}, false, 0, 20, NoPosition},    // no Pitcher without a pitching line
        {{1, 0, 0, 0, 0, 140, 0}, true, Shortstop, 20, Shortstop},  // an inning of mop-up work
        {{20, 0, 0, 0, 0, 0, 60}, true, 0, 20, Pitcher | Outfield},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PositionBits(c.games, c.pitchingLine, c.regular, c.minGames), c.bits)
            << c.games.pitcher << " " << c.games.secondBase << " " << c.games.outfield;
}

TEST(LahmanPositions, FieldCoveredByDistinctPlayers) {
    const std::uint8_t infield = FirstBase | SecondBase | ThirdBase | Shortstop;
    std::vector<std::uint8_t> side = {Pitcher, Catcher,  infield,  infield,           infield,
                                      infield, Outfield, Outfield, Outfield | Catcher};
    EXPECT_TRUE(CoversTheField(side));
    side[1] = Pitcher;  // the catcher must now come from the outfield
    EXPECT_FALSE(CoversTheField(side));
    side.push_back(Outfield);
    EXPECT_TRUE(CoversTheField(side));
}

TEST(LahmanRates, EraAndOpponentsAverageRoundedOrDerived) {
    EXPECT_EQ(EraX100(2.27, 0, 0), 227);
    EXPECT_EQ(EraX100(NAN, 10, 90), 300);   // 10 earned runs in 30 innings
    EXPECT_EQ(EraX100(NAN, 4, 0), 0xFFFF);  // runs without an out
    EXPECT_EQ(OppAvgX1000(0.2135, 0, 0, 0, 0, 0, 0), 214);
    EXPECT_EQ(OppAvgX1000(NAN, 50, 250, 40, 5, 5, 0), 250);  // 50 hits in 200 at-bats
    EXPECT_EQ(OppAvgX1000(NAN, 50, 0, 0, 0, 0, 150), 250);   // no batters faced: outs + hits
}

TEST(LahmanImport, SmallTablesIntoOrderedTeamsWithStandings) {
    TempDir dir;
    WriteSmallLahmanTables(dir.path());
    TeamList teams;
    LahmanImportResult result;
    std::string error;
    ASSERT_TRUE(ImportLahman(dir.path(), {}, teams, &result, &error)) << error;
    std::vector<std::string> names;
    for (const auto& t : teams)
        names.push_back(t->name);
    EXPECT_EQ(names, (std::vector<std::string>{"1900 Birds", "1901 Birds", "1901 Americans"}));
    EXPECT_EQ(result.leftOut, (std::vector<std::string>{
                                  "1900: 1 team without players in Batting (BBB), left out",
                                  "1902: 1 team without players in Batting (AAA), left out"}));
    EXPECT_TRUE(result.warnings.empty());
    ASSERT_EQ(result.seasons.size(), teams.size());
    EXPECT_EQ(result.seasons[0].standing,
              (SeasonRecord{"1900 Birds", 1900, "NL", "E", 140, 90, 50, 700, 500, 1}));
    EXPECT_EQ(result.seasons[0].regulars[0], std::vector<std::string>{"Joe Hitter"});  // C
    EXPECT_TRUE(result.seasons[0].regulars[1].empty());  // nobody played first base

    const TeamRecord& birds = *teams[0];
    ASSERT_EQ(birds.players.size(), 2u);
    const PlayerRecord& joe = *birds.players[0];  // most games first
    EXPECT_EQ(joe.name, "Joe Hitter");
    EXPECT_EQ((std::vector<int>{joe.games, joe.atBats, joe.hits, joe.battingAvg, joe.caughtStealing,
                                joe.positions}),
              (std::vector<int>{130, 500, 160, 320, 0, Outfield | Catcher}));

    const PlayerRecord& sam = *birds.players[1];
    EXPECT_EQ(sam.name, "Sam Arm, Jr.");
    ASSERT_TRUE(sam.positions == Pitcher && sam.pitching);
    EXPECT_EQ(*sam.pitching, (PitchingLine{240, 20, 10, 1, 35, 3, 80, 300, 60, 100, 245}));

    // No appearances row: the pitching games place him; rates come from the counts.
    const PlayerRecord& later = *teams[2]->players[0];
    // His batting counts and average stay as they were.
    EXPECT_EQ((std::vector<int>{later.positions, later.pitching->eraX100,
                                later.pitching->oppAvgX1000, later.battingAvg}),
              (std::vector<int>{Pitcher, 360, 250, 167}));
}

// The side files' counts land in their columns, summed over stints; empty stays empty.
TEST(LahmanImport, SideFilesFromTheTablesColumns) {
    TempDir dir;
    WriteSmallLahmanTables(dir.path());
    TeamList teams;
    LahmanImportResult result;
    ASSERT_TRUE(ImportLahman(dir.path(), {}, teams, &result));
    ASSERT_EQ(result.players.size(), 4u);  // the players of the list, in its order
    const PlayerUsage &joe = result.players[0], &sam = result.players[1],
                      &later = result.players[3];
    const int none = kNotRecorded;
    EXPECT_EQ((std::vector<int>{joe.bats, joe.throws, sam.bats, sam.throws}),
              (std::vector<int>{'L', 'R', 'B', ' '}));  // throws "S": either hand
    const std::pair<int, int> cases[] = {
        {joe.games, 130},
        {joe.gamesStarted, 120},
        {joe.gamesCatcher, 30},
        {joe.gamesLeft, 50},
        {joe.gamesCenter, 40},
        {joe.gamesDh, 0},
        {joe.gamesPinchHitter, none},
        {joe.atBats, 500},
        {joe.hits, 160},
        {joe.hitByPitch, 4},
        {joe.sacrificeHits, none},
        {joe.groundedIntoDp, 9},
        {joe.pitchGames, 0},
        {joe.battersFaced, 0},
        {sam.pitchStarts, 30},
        {sam.gamesFinished, 4},
        {sam.completeGames, 20},
        {sam.outsPitched, 900},
        {sam.battersFaced, 1200},
        {sam.hitBatsmen, none},
        {sam.homeRunsAllowed, 12},
        {sam.runsAllowed, 95},
        {sam.earnedRuns, 80},
        {later.games, 12},
        {later.gamesPitcher, 12},
        {later.gamesStarted, none},
        {later.hitByPitch, none},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(cases[i].first, cases[i].second) << "case " << i;
    EXPECT_EQ(joe.team + "/" + joe.player + "/" + joe.id, "1900 Birds/Joe Hitter/p1");
    ASSERT_EQ(result.clubs.size(), teams.size());
    const ClubSeason& birds = result.clubs[0];
    EXPECT_EQ((std::vector<int>{birds.year, birds.homeGames, birds.atBats, birds.strikeouts,
                                birds.caughtStealing, birds.errors, birds.battingParkFactor}),
              (std::vector<int>{1900, 70, 4800, none, none, 300, 104}));

    WriteBytes(dir / "People.csv", "playerID,birthYear,nameFirst,nameLast,throws\n");
    LahmanImportResult without;
    ASSERT_TRUE(ImportLahman(dir.path(), {}, teams, &without));
    EXPECT_EQ(without.noSideFiles, "People.csv has no column bats");
    EXPECT_TRUE(without.players.empty() && without.clubs.empty());
}

// Damaged rows are refused or cut, never wrapped; a damaged or missing table, or one
// without a column, stops the import.
TEST(LahmanImport, DamagedRowsAndTables) {
    TempDir dir;
    WriteSmallLahmanTables(dir.path());
    // A doubled Batting row, a count with junk, a value past its field, junk in a side
    // column and a doubled Teams row.
    const std::string batting = Contents(dir / "Batting.csv"), teams = Contents(dir / "Teams.csv");
    WriteBytes(dir / "Batting.csv", batting +
                                        "p1,1900,1,AAA,NL,100,400,80,130,20,5,10,70,15,,40,\n" +
                                        "p1,1901,2,AAA,NL,5x40,1,0,0,0,0,0,0,0,0,0,0\n" +
                                        "p1,1901,3,AAA,NL,300,1,0,0,0,0,0,0,0,0,0,0\n" +
                                        "p1,1901,4,AAA,NL,0,0,0,0,0,0,0,0,0,0,0,0,x1\n");
    WriteBytes(dir / "Teams.csv", teams + "1900,NL,AAA,ATL,E,9,1,1,0,1,0,Atlanta Birds\n" +
                                      "1902,NL,BBB,ATL,E,1,201,1,0,1,0,Long Season\n");
    TeamList list;
    LahmanImportResult result;
    ASSERT_TRUE(ImportLahman(dir.path(), {}, list, &result));
    EXPECT_EQ(result.warnings,
              (std::vector<std::string>{
                  "Teams.csv line 7: a second row for 1900 AAA; row left out",
                  "Teams.csv line 8: column games: 201 is not in 0..200 (games a team); row left "
                  "out",
                  "Batting.csv line 7: a second row for p1 1900 stint 1; row left out",
                  "Batting.csv line 8, column G: \"5x40\" is not a count; row left out",
                  "Batting.csv line 10, column HBP: \"x1\" is not a count; read as empty",
                  "Batting.csv line 10, column G: 1901 Birds, player p1 has 320, past the "
                  "field's 255; kept as 255"}));
    EXPECT_EQ(list[0]->players[0]->games, 130);
    EXPECT_EQ(list[1]->players[0]->games, 255);
    EXPECT_EQ(result.seasons[0].standing.wins, 90);
    std::string error;
    // A file where the folder of club files should be.
    EXPECT_FALSE(WriteClubFiles(list, dir / "Teams.csv", &error));
    EXPECT_EQ(error.rfind("cannot write " + (dir / "Teams.csv" / "").string(), 0), 0u) << error;

    WriteBytes(dir / "People.csv", "playerID,nameFirst\n" + std::string(kMaxCsvLineBytes + 1, 'x'));
    EXPECT_FALSE(ImportLahman(dir.path(), {}, list, nullptr, &error));
    EXPECT_NE(error.find("People.csv: line 2 is longer than 1 MB"), std::string::npos) << error;
    WriteSmallLahmanTables(dir.path());
    WriteBytes(dir / "Pitching.csv", "playerID,yearID,teamID\n");
    EXPECT_FALSE(ImportLahman(dir.path(), {}, list, nullptr, &error));
    EXPECT_NE(error.find("Pitching.csv has no column"), std::string::npos) << error;
    std::filesystem::remove(dir / "People.csv");
    EXPECT_FALSE(ImportLahman(dir.path(), {}, list, nullptr, &error));
    EXPECT_EQ(error,
              "cannot read " + (dir / "People.csv").string() + ": No such file or directory");
}

}  // namespace
}  // namespace velmoro
