// The season import: club file lines into records, and new teams into LegendDB.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "db/db_fixture.h"
#include "db/import_season.h"
#include "db/team_files.h"

namespace velmoro {
namespace {

using testing::TempDir;

TEST(ImportSeasonLines, PositionsLineTestsEachSubstringOnTheWholeLine) {
    struct Case {
        const char* line;
        std::uint8_t bits;
    } cases[] = {
        {"C", Catcher},
        {"C CF", Outfield},
        {"LF RF", Outfield},
        {"DH", NoPosition},
        {"", NoPosition},
        {"P", Pitcher},
        {"RP", Pitcher},
        {"SS 2B  3B", Shortstop | SecondBase | ThirdBase},
        {"1B C", FirstBase | Catcher},
        {"P 1B LF", Pitcher | FirstBase | Outfield},
        {"c cf", NoPosition},  // the abbreviations are capitals
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParsePositionsLine(c.line), c.bits) << c.line;
}

TEST(ImportSeasonLines, BattingLineMapsEveryColumn) {
    PlayerRecord p;
    ParseBattingLine(".372 161 704 101 262 24 5 8 60 49 63 36 11", p);
    EXPECT_EQ(p.battingAvg, 372);
    EXPECT_EQ(p.games, 161);
    EXPECT_EQ(p.atBats, 704);
    EXPECT_EQ(p.runs, 101);
    EXPECT_EQ(p.hits, 6);  // 262 keeps its low 8 bits
    EXPECT_EQ(EffectiveHits(p), 262);
    EXPECT_EQ(p.doubles, 24);
    EXPECT_EQ(p.triples, 5);
    EXPECT_EQ(p.homeRuns, 8);
    EXPECT_EQ(p.rbi, 60);
    EXPECT_EQ(p.walks, 49);
    EXPECT_EQ(p.strikeouts, 63);
    EXPECT_EQ(p.stolenBases, 36);
    EXPECT_EQ(p.caughtStealing, 11);
}

TEST(ImportSeasonLines, BattingLineWithoutStatsOrCutShortKeepsZeros) {
    PlayerRecord none;
    ParseBattingLine("NO_HIT_STATS", none);
    EXPECT_TRUE(SamePlayer(none, PlayerRecord()));

    PlayerRecord cut;
    ParseBattingLine(".250 12 40 5", cut);
    EXPECT_EQ(cut.battingAvg, 250);
    EXPECT_EQ(cut.games, 12);
    EXPECT_EQ(cut.atBats, 40);
    EXPECT_EQ(cut.runs, 5);
    EXPECT_EQ(cut.hits, 0);
    EXPECT_EQ(cut.caughtStealing, 0);

    PlayerRecord garbage;
    ParseBattingLine(".300 x 99999999999999999999 7", garbage);
    EXPECT_EQ(garbage.battingAvg, 300);
    EXPECT_EQ(garbage.games, 0);
}

TEST(ImportSeasonLines, PitchingLineTruncatesSinglePrecisionValues) {
    auto l = ParsePitchingLine("3.45 15 9 2 33 1 201.1 77 60 180 .245");
    ASSERT_NE(l, nullptr);
    EXPECT_EQ(*l, (PitchingLine{345, 15, 9, 2, 33, 1, 77, 201, 60, 180, 245}));
    auto low = ParsePitchingLine("2.27 1 1 0 5 0 30.2 8 9 20 .213\r");
    ASSERT_NE(low, nullptr);
    EXPECT_EQ(low->eraX100, 226);
    EXPECT_EQ(low->oppAvgX1000, 212);
    EXPECT_EQ(low->inningsPitched, 30);
    EXPECT_EQ(ParsePitchingLine("NO_PITCH_STATS"), nullptr);
    auto silly = ParsePitchingLine("1e30 300 -1");
    ASSERT_NE(silly, nullptr);
    EXPECT_EQ(silly->eraX100, 0);
    EXPECT_EQ(silly->wins, 300 % 256);
    EXPECT_EQ(silly->losses, 255);
}

void WriteText(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// A small club: a catcher, a pitcher with a line, and a "P" without one.
std::string ClubFile(const std::string& team, const std::string& catcher,
                     const std::string& eol = "\n") {
    std::vector<std::string> lines = {
        team,
        catcher,
        ".280 120 400 50 112 20 1 12 55 30 70 2 1",
        "NO_PITCH_STATS",
        "C",
        "",
        "Arm Strong",
        "NO_HIT_STATS",
        "3.45 15 9 0 33 1 201.1 77 60 180 .245",
        "P",
        "",
        "No Line",
        ".000 3 0 0 0 0 0 0 0 0 0 0 0",
        "NO_PITCH_STATS",
        "P",
        "",
    };
    std::string text;
    for (const std::string& line : lines)
        text += line + eol;
    return text + eol;  // a stray blank line at the end is no player
}

TEST(ImportSeasonFiles, WindowsLineEndsReadLikeLineFeeds) {
    TempDir dir;
    WriteText(dir / "lf", ClubFile("2006 Reds", "Joe Back"));
    WriteText(dir / "crlf", ClubFile("2006 Reds", "Joe Back", "\r\n"));
    TeamRecord lf, crlf;
    ASSERT_TRUE(ReadClubFile(dir / "lf", lf));
    ASSERT_TRUE(ReadClubFile(dir / "crlf", crlf));
    EXPECT_EQ(crlf.name, "2006 Reds");
    ASSERT_EQ(crlf.players.size(), 3u);
    ASSERT_EQ(lf.players.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_TRUE(SamePlayer(*lf.players[i], *crlf.players[i]));
    EXPECT_EQ(crlf.players[0]->name, "Joe Back");
    EXPECT_EQ(crlf.players[0]->positions, Catcher);
    EXPECT_EQ(crlf.players[1]->positions, Pitcher);
    ASSERT_NE(crlf.players[1]->pitching, nullptr);
    EXPECT_EQ(crlf.players[1]->atBats, 0);
    EXPECT_EQ(crlf.players[2]->pitching, nullptr);

    WriteText(dir / "empty", "");
    EXPECT_FALSE(ReadClubFile(dir / "empty", lf));
    EXPECT_FALSE(ReadClubFile(dir / "missing", lf));
}

std::vector<std::string> Names(const TeamList& list) {
    std::vector<std::string> names;
    for (const auto& t : list)
        names.push_back(t->name);
    return names;
}

TEST(ImportSeasonTeams, NewTeamsFollowTheirPreviousSeasonOthersGoLast) {
    TempDir dir;
    WriteText(dir / "angels", ClubFile("2006 Angels", "A Catcher"));
    WriteText(dir / "yankees", ClubFile("2006 Yankees", "Y Catcher"));
    WriteText(dir / "reds", ClubFile("2006 Reds", "R Catcher"));
    TeamDatabase db;
    for (const char* name : {"2005 Angels", "2005 Yankees", "1927 Yankees"})
        AddTeam(db.legendTeams, name);

    SeasonImportResult result = ImportSeasonTeams(db, dir.path());
    EXPECT_EQ(result.newTeams, 3);
    EXPECT_EQ(result.skippedFiles.size(), 27u);
    EXPECT_EQ(Names(db.legendTeams),
              (std::vector<std::string>{"2005 Angels", "2006 Angels", "2005 Yankees",
                                        "2006 Yankees", "1927 Yankees", "2006 Reds"}));
}

TEST(ImportSeasonTeams, ReimportReplacesPlayersInPlaceAndSurvivesTheFile) {
    TempDir dir;
    WriteText(dir / "angels", ClubFile("2006 Angels", "First Catcher"));
    TeamDatabase db;
    AddTeam(db.legendTeams, "2005 Angels");
    AddTeam(db.legendTeams, "2005 Mets");
    ImportSeasonTeams(db, dir.path());
    ASSERT_TRUE(WriteTeamList(db.legendTeams, dir / "LegendDB", false));

    // Next run: the list comes from the written file, and the club file has changed.
    TeamDatabase again;
    ASSERT_TRUE(ReadTeamFile(dir / "LegendDB", again.legendTeams));
    TeamRecord* before = LookupTeam(again.legendTeams, "2006 Angels");
    WriteText(dir / "angels", ClubFile("2006 Angels", "Second Catcher"));
    SeasonImportResult result = ImportSeasonTeams(again, dir.path());
    EXPECT_EQ(result.replacedTeams, 1);
    EXPECT_EQ(result.newTeams, 0);
    EXPECT_EQ(Names(again.legendTeams),
              (std::vector<std::string>{"2005 Angels", "2006 Angels", "2005 Mets"}));
    EXPECT_EQ(LookupTeam(again.legendTeams, "2006 Angels"), before);
    ASSERT_EQ(before->players.size(), 3u);
    EXPECT_EQ(before->players[0]->name, "Second Catcher");
    EXPECT_EQ(FindPlayer(before, "First Catcher"), nullptr);

    // The "P" without a pitching line still leaves a readable file.
    ASSERT_TRUE(WriteTeamList(again.legendTeams, dir / "LegendDB", false));
    TeamList reread;
    ASSERT_TRUE(ReadTeamFile(dir / "LegendDB", reread));
    const PlayerRecord* noLine = FindPlayer(LookupTeam(reread, "2006 Angels"), "No Line");
    ASSERT_NE(noLine, nullptr);
    EXPECT_TRUE(noLine->HasPosition(Pitcher));
    ASSERT_NE(noLine->pitching, nullptr);
    EXPECT_EQ(*noLine->pitching, PitchingLine());
}

TEST(ImportSeasonTeams, PreviousSeasonNameCountsBackOneYear) {
    EXPECT_EQ(PreviousSeasonName("2006 Yankees"), "2005 Yankees");
    EXPECT_EQ(PreviousSeasonName("2010 Red Sox"), "2009 Red Sox");
    EXPECT_EQ(PreviousSeasonName("Dream Team"), "");
    EXPECT_EQ(PreviousSeasonName("2006"), "");
}

}  // namespace
}  // namespace velmoro
