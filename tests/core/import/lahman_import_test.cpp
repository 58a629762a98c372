// The Lahman import: names, positions, rates and order on small tables, and the
// famous seasons on the real ones.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "db/db_fixture.h"
#include "import/import_season.h"
#include "import/lahman_csv.h"
#include "import/lahman_import.h"
#include "import/lahman_names.h"
#include "import/lahman_positions.h"

namespace velmoro {
namespace {

using testing::TempDir;

TEST(LahmanCsv, QuotedFieldsCommasDoubledQuotesAndShortRows) {
    CsvTable t;
    ASSERT_TRUE(t.Parse("\"id\",\"name\",n\r\n\"a1\",\"Smith, \"\"Lefty\"\"\",7\r\nb2,,\n\nc3\n"));
    ASSERT_EQ(t.Rows(), 3u);
    EXPECT_EQ(t.Field(0, t.Column("name")), "Smith, \"Lefty\"");
    EXPECT_EQ(t.Int(0, t.Column("n")), 7);
    EXPECT_EQ(t.Field(1, 0), "b2");
    EXPECT_EQ(t.Int(1, t.Column("n")), 0);
    EXPECT_TRUE(std::isnan(t.Number(1, t.Column("n"))));
    EXPECT_EQ(t.Field(2, 0), "c3");
    EXPECT_EQ(t.Field(2, 2), "");
    EXPECT_EQ(t.Column("missing"), -1);
    EXPECT_EQ(t.Int(0, -1), 0);
}

TEST(LahmanNames, NicknamesOfRealClubNames) {
    struct Case {
        const char* full;
        const char* nickname;
    } cases[] = {
        {"New York Yankees", "Yankees"},
        {"Boston Red Sox", "Red Sox"},
        {"Arizona Diamondbacks", "Diamondbacks"},
        {"Los Angeles Angels of Anaheim", "Angels"},
        {"Tampa Bay Devil Rays", "Devil Rays"},
        {"Houston Colt .45's", "Colt .45's"},
        {"Brooklyn Ward's Wonders", "Ward's Wonders"},
        {"Cleveland Blues", "Blues"},
        {"Hartford Dark Blues", "Dark Blues"},
        {"Chicago/Pittsburgh (Union League)", "Chicago/Pittsburgh"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ClubNickname(c.full), c.nickname) << c.full;
    EXPECT_EQ(ClubCity("St. Louis Red Stockings"), "St. Louis");
}

TEST(LahmanNames, SharedNicknamesTakeLeagueThenCityThenCode) {
    std::vector<SeasonClub> clubs = {
        {1884, "Nationals", "AA", "WS7", "Washington"},
        {1884, "Nationals", "UA", "WS8", "Washington"},
        {1885, "Nationals", "NL", "WS9", "Washington"},
        {1875, "Red Stockings", "NA", "BS1", "Boston"},
        {1875, "Red Stockings", "NA", "SL1", "St. Louis"},
        {1876, "Twins", "NL", "T1", "Same"},
        {1876, "Twins", "NL", "T2", "Same"},
    };
    EXPECT_EQ(
        UniqueTeamNames(clubs),
        (std::vector<std::string>{"1884 Nationals (AA)", "1884 Nationals (UA)", "1885 Nationals",
                                  "1875 Red Stockings (Boston)", "1875 Red Stockings (St. Louis)",
                                  "1876 Twins (T1)", "1876 Twins (T2)"}));
}

TEST(LahmanNames, PlayerNamesUniqueWithinATeam) {
    std::vector<PersonName> people = {
        {"Bob", "Smith", 1902, "smithbo01"}, {"Bob", "Smith", 1905, "smithbo02"},
        {"", "Jones", 1870, "jonesxx01"},    {"", "", 0, "unknown01"},
        {"Al", "Twin", 1900, "twinal01"},    {"Al", "Twin", 1900, "twinal02"},
    };
    EXPECT_EQ(UniquePlayerNames(people),
              (std::vector<std::string>{"Bob Smith (1902)", "Bob Smith (1905)", "Jones",
                                        "unknown01", "Al Twin (1900) #1", "Al Twin (1900) #2"}));
}

TEST(LahmanPositions, BitsFromGamesPlayed) {
    struct Case {
        FieldingGames games;
        bool pitchingLine;
        std::uint8_t bits;
    } cases[] = {
        {{}, false, NoPosition},                                  // pinch hitter or runner
        {{0, 0, 0, 0, 0, 0, 150}, false, Outfield},               // regular outfielder
        {{0, 0, 120, 0, 0, 0, 40}, false, FirstBase | Outfield},  // a quarter in the outfield
        {{0, 0, 120, 0, 0, 0, 30}, false, FirstBase},             // a fifth is no real share
        {{0, 2, 1, 1, 0, 0, 0}, false, Catcher | FirstBase | SecondBase},  // a September call-up
        {{40, 0, 0, 0, 0, 0, 0}, true, Pitcher},
        {{40, 0, 0, 0, 0, 0, 0}, false, NoPosition},  // no Pitcher without a pitching line
        {{1, 0, 0, 0, 0, 140, 0}, true, Shortstop},   // an inning of mop-up work
        {{20, 0, 0, 0, 0, 0, 60}, true, Pitcher | Outfield},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PositionBits(c.games, c.pitchingLine), c.bits)
            << c.games.pitcher << " " << c.games.firstBase << " " << c.games.outfield;
}

TEST(LahmanRates, EraAndOpponentsAverageRoundedOrDerived) {
    EXPECT_EQ(EraX100(2.27, 0, 0), 227);
    EXPECT_EQ(EraX100(NAN, 10, 90), 300);   // 10 earned runs in 30 innings
    EXPECT_EQ(EraX100(NAN, 4, 0), 0xFFFF);  // runs without an out
    EXPECT_EQ(EraX100(NAN, 0, 0), 0);
    EXPECT_EQ(OppAvgX1000(0.2135, 0, 0, 0, 0, 0, 0), 214);
    EXPECT_EQ(OppAvgX1000(NAN, 50, 250, 40, 5, 5, 0), 250);  // 50 hits in 200 at-bats
    EXPECT_EQ(OppAvgX1000(NAN, 50, 0, 0, 0, 0, 150), 250);   // no batters faced: outs + hits
    EXPECT_EQ(OppAvgX1000(NAN, 0, 0, 0, 0, 0, 0), 0);
}

void Write(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// Two franchises over two seasons, listed out of order; one player traded within
// his club's season (two stints for one club), one who only pitched.
void WriteTables(const std::filesystem::path& dir) {
    Write(dir / "Teams.csv",
          "yearID,lgID,teamID,franchID,name\n"
          "1901,AL,BBB,BOS,Boston Americans\n"
          "1900,NL,AAA,ATL,Atlanta Birds\n"
          "1901,NL,AAA,ATL,Atlanta Birds\n"
          "1900,AL,BBB,BOS,Boston Americans\n");
    Write(dir / "People.csv",
          "playerID,birthYear,nameFirst,nameLast\n"
          "p1,1875,\"Joe\",\"Hitter\"\np2,1870,Sam,\"Arm, Jr.\"\n");
    Write(dir / "Batting.csv",
          "playerID,yearID,stint,teamID,lgID,G,AB,R,H,X2B,X3B,HR,RBI,SB,CS,BB,SO\n"
          "p1,1900,1,AAA,NL,100,400,80,130,20,5,10,70,15,,40,\n"
          "p1,1900,3,AAA,NL,30,100,20,30,5,1,2,10,5,,10,\n"
          "p2,1900,1,AAA,NL,35,0,0,0,0,0,0,0,0,0,0,0\n");
    Write(
        dir / "Pitching.csv",
        "playerID,yearID,stint,teamID,lgID,W,L,G,SHO,SV,IPouts,H,ER,BB,SO,BAOpp,ERA,BFP,HBP,SH,SF\n"
        "p2,1900,1,AAA,NL,20,10,35,3,1,900,250,80,60,100,0.245,2.40,1200,,,\n"
        "p2,1901,1,BBB,AL,5,5,12,0,0,300,100,40,30,30,,,,,,\n");
    Write(dir / "Appearances.csv",
          "yearID,teamID,lgID,playerID,G_all,G_p,G_c,G_1b,G_2b,G_3b,G_ss,G_lf,G_cf,G_rf,G_of,G_dh\n"
          "1900,AAA,NL,p1,100,0,0,0,0,0,0,50,40,0,90,0\n"
          "1900,AAA,NL,p1,30,0,30,0,0,0,0,0,0,0,0,0\n"
          "1900,AAA,NL,p2,35,35,0,0,0,0,0,0,0,0,0,0\n");
}

TEST(LahmanImport, SmallTablesIntoOrderedTeams) {
    TempDir dir;
    WriteTables(dir.path());
    TeamList teams;
    std::string error;
    ASSERT_TRUE(ImportLahman(dir.path(), {}, teams, &error)) << error;
    std::vector<std::string> names;
    for (const auto& t : teams)
        names.push_back(t->name);
    EXPECT_EQ(names, (std::vector<std::string>{"1900 Birds", "1901 Birds", "1900 Americans",
                                               "1901 Americans"}));
    const TeamRecord& birds = *teams[0];
    ASSERT_EQ(birds.players.size(), 2u);
    const PlayerRecord& joe = *birds.players[0];  // most games first
    EXPECT_EQ(joe.name, "Joe Hitter");
    EXPECT_EQ(joe.games, 130);
    EXPECT_EQ(joe.atBats, 500);
    EXPECT_EQ(joe.hits, 160);
    EXPECT_EQ(joe.battingAvg, 320);
    EXPECT_EQ(joe.caughtStealing, 0);
    EXPECT_EQ(joe.positions, Outfield | Catcher);
    EXPECT_EQ(joe.pitching, nullptr);

    const PlayerRecord& sam = *birds.players[1];
    EXPECT_EQ(sam.name, "Sam Arm, Jr.");
    EXPECT_EQ(sam.atBats, 0);
    EXPECT_EQ(sam.positions, Pitcher);
    ASSERT_NE(sam.pitching, nullptr);
    EXPECT_EQ(*sam.pitching, (PitchingLine{240, 20, 10, 1, 35, 3, 80, 300, 60, 100, 245}));

    // No appearances row: the pitching games place him; rates come from the counts.
    const PlayerRecord& later = *teams[3]->players[0];
    EXPECT_EQ(later.positions, Pitcher);
    EXPECT_EQ(later.pitching->eraX100, 360);
    EXPECT_EQ(later.pitching->oppAvgX1000, 250);
    EXPECT_TRUE(teams[2]->players.empty());
}

TEST(LahmanImport, YearRangeAndMissingTablesOrColumns) {
    TempDir dir;
    WriteTables(dir.path());
    TeamList teams;
    LahmanImportOptions only1901;
    only1901.fromYear = only1901.toYear = 1901;
    std::size_t lastDone = 0, steps = 0;
    only1901.progress = [&](std::size_t done, std::size_t total) {
        lastDone = done, steps = total;
    };
    ASSERT_TRUE(ImportLahman(dir.path(), only1901, teams));
    ASSERT_EQ(teams.size(), 2u);
    EXPECT_EQ(teams[0]->name, "1901 Birds");
    EXPECT_EQ(lastDone, steps);

    std::string error;
    Write(dir / "Pitching.csv", "playerID,yearID,teamID\n");
    TeamList none;
    EXPECT_FALSE(ImportLahman(dir.path(), {}, none, &error));
    EXPECT_NE(error.find("Pitching.csv has no column"), std::string::npos) << error;
    std::filesystem::remove(dir / "People.csv");
    EXPECT_FALSE(ImportLahman(dir.path(), {}, none, &error));
    EXPECT_NE(error.find("People.csv"), std::string::npos) << error;
}

// The real tables, when they are beside the checkout.
class LahmanHistory : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        if (!std::filesystem::exists(std::filesystem::path(VELMORO_LAHMAN_DIR) / "Teams.csv"))
            return;
        teams_ = new TeamList;
        ASSERT_TRUE(ImportLahman(VELMORO_LAHMAN_DIR, {}, *teams_));
    }
    static void TearDownTestSuite() {
        delete teams_;
        teams_ = nullptr;
    }
    void SetUp() override {
        if (!teams_) GTEST_SKIP() << "no Lahman tables in " << VELMORO_LAHMAN_DIR;
    }
    static TeamList* teams_;
};
TeamList* LahmanHistory::teams_ = nullptr;

TEST_F(LahmanHistory, FamousSeasons) {
    const TeamRecord* yankees = LookupTeam(*teams_, "1927 Yankees");
    ASSERT_NE(yankees, nullptr);
    const PlayerRecord* ruth = FindPlayer(yankees, "Babe Ruth");
    ASSERT_NE(ruth, nullptr);
    EXPECT_EQ(ruth->homeRuns, 60);
    EXPECT_TRUE(ruth->HasPosition(Outfield));
    EXPECT_NE(FindPlayer(yankees, "Lou Gehrig"), nullptr);
    const PlayerRecord* ichiro = FindPlayer(LookupTeam(*teams_, "2004 Mariners"), "Ichiro Suzuki");
    ASSERT_NE(ichiro, nullptr);
    EXPECT_EQ(EffectiveHits(*ichiro), 262);
    for (const char* name :
         {"1955 Dodgers", "2006 Red Sox", "2001 Diamondbacks", "1975 Reds", "1884 Nationals (AA)"})
        EXPECT_NE(LookupTeam(*teams_, name), nullptr) << name;
}

TEST_F(LahmanHistory, EverySeasonUniqueGroupedAndPlayable) {
    std::set<std::string> names;
    std::vector<std::string> unplayable;
    for (const auto& team : *teams_) {
        EXPECT_TRUE(names.insert(team->name).second) << team->name;
        EXPECT_LE(team->players.size(), 255u) << team->name;
        if (!IsTeamPlayable(team.get())) unplayable.push_back(team->name);
        std::set<std::string> players;
        for (const auto& p : team->players)
            EXPECT_TRUE(players.insert(p->name).second) << p->name;
    }
    EXPECT_GT(teams_->size(), 3000u);
    EXPECT_LE(unplayable.size(), 5u) << ::testing::PrintToString(unplayable);
    // Each season of a club follows its previous one where the club kept its name.
    for (std::size_t i = 0; i < teams_->size(); ++i) {
        const std::string& name = (*teams_)[i]->name;
        if (name.rfind("2006 ", 0) == 0) {
            EXPECT_EQ((*teams_)[i - 1]->name, PreviousSeasonName(name));
        }
    }
}

}  // namespace
}  // namespace velmoro
