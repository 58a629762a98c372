// The season import: club file lines into records, and new teams into LegendDB.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "db/team_files.h"
#include "import/import_season.h"
#include "support/temp_dir.h"

namespace velmoro {
namespace {

using namespace velmoro::testing;

// Positions: each abbreviation anywhere on the line; batting columns in order, 262 hits
// kept in their low 8 bits, missing or bad numbers 0; pitching values truncated as
// single precision.
TEST(ImportSeasonLines, PositionsBattingAndPitchingLines) {
    const std::pair<const char*, std::uint8_t> positions[] = {
        {"C CF", Outfield},
        {"DH", NoPosition},
        {"RP", Pitcher},
        {"SS 2B  3B", Shortstop | SecondBase | ThirdBase},
        {"1B C", FirstBase | Catcher},
        {"c cf", NoPosition}};  // the abbreviations are capitals
    for (const auto& [line, bits] : positions)
        EXPECT_EQ(ParsePositionsLine(line), bits) << line;

    PlayerRecord p;
    ParseBattingLine(".372 161 704 101 262 24 5 8 60 49 63 36 11", p);
    EXPECT_EQ((std::vector<int>{p.battingAvg, p.games, p.atBats, p.runs, p.hits, p.doubles,
                                p.triples, p.homeRuns, p.rbi, p.walks, p.strikeouts, p.stolenBases,
                                p.caughtStealing}),
              (std::vector<int>{372, 161, 704, 101, 6, 24, 5, 8, 60, 49, 63, 36, 11}));
    EXPECT_EQ(EffectiveHits(p), 262);

    PlayerRecord cut;
    ParseBattingLine(".250 x 99999999999999999999 5", cut);
    EXPECT_EQ((std::vector<int>{cut.battingAvg, cut.games, cut.caughtStealing}),
              (std::vector<int>{250, 0, 0}));

    auto l = ParsePitchingLine("3.45 15 9 2 33 1 201.1 77 60 180 .245");
    ASSERT_NE(l, nullptr);
    EXPECT_EQ(*l, (PitchingLine{345, 15, 9, 2, 33, 1, 77, 201, 60, 180, 245}));
    auto low = ParsePitchingLine("2.27 1 1 0 5 0 30.2 8 9 20 .213\r");
    ASSERT_NE(low, nullptr);
    EXPECT_EQ((std::vector<int>{low->eraX100, low->oppAvgX1000, low->inningsPitched}),
              (std::vector<int>{226, 212, 30}));
    EXPECT_EQ(ParsePitchingLine("NO_PITCH_STATS"), nullptr);
    auto silly = ParsePitchingLine("1e30 300 -1");
    ASSERT_NE(silly, nullptr);
    EXPECT_EQ((std::vector<int>{silly->eraX100, silly->wins, silly->losses}),
              (std::vector<int>{0, 300 % 256, 255}));
}

// A small club: a catcher, a pitcher with a line, and a "P" without one; a stray blank
// line at the end is no player.
std::string ClubFile(const std::string& team, const std::string& catcher,
                     const std::string& eol = "\n") {
    std::string text = team + "\n" + catcher +
                       "\n.280 120 400 50 112 20 1 12 55 30 70 2 1\nNO_PITCH_STATS\nC\n\n"
                       "Arm Strong\nNO_HIT_STATS\n3.45 15 9 0 33 1 201.1 77 60 180 .245\nP\n\n"
                       "No Line\n.000 3 0 0 0 0 0 0 0 0 0 0 0\nNO_PITCH_STATS\nP\n\n\n";
    std::string out;
    for (char c : text)
        out += c == '\n' ? eol : std::string(1, c);
    return out;
}

std::vector<std::string> Names(const TeamList& list) {
    std::vector<std::string> names;
    for (const auto& t : list)
        names.push_back(t->name);
    return names;
}

// New teams follow their previous season, others go last; a second import replaces the
// players in place.
TEST(ImportSeasonTeams, NewTeamsArePlacedAndReplacedInPlace) {
    TempDir dir;
    WriteBytes(dir / "angels", ClubFile("2006 Angels", "First Catcher"));
    WriteBytes(dir / "yankees", ClubFile("2006 Yankees", "Y Catcher"));
    WriteBytes(dir / "reds", ClubFile("2006 Reds", "R Catcher", "\r\n"));
    TeamDatabase db;
    for (const char* name : {"2005 Angels", "2005 Yankees", "1927 Yankees"})
        AddTeam(db.legendTeams, name);

    SeasonImportResult result = ImportSeasonTeams(db, dir.path());
    EXPECT_EQ(result.newTeams, 3);
    EXPECT_EQ(result.skippedFiles.size(), 27u);
    EXPECT_EQ(Names(db.legendTeams),
              (std::vector<std::string>{"2005 Angels", "2006 Angels", "2005 Yankees",
                                        "2006 Yankees", "1927 Yankees", "2006 Reds"}));
    const TeamRecord& reds = *db.legendTeams.back();
    ASSERT_EQ(reds.players.size(), 3u) << "Windows line ends read as line feeds";
    EXPECT_EQ(reds.players[0]->name, "R Catcher");
    EXPECT_EQ(reds.players[0]->hits, 112);
    ASSERT_TRUE(WriteTeamList(db.legendTeams, dir / "LegendDB", false));

    // Next run: the list comes from the written file, and the club file has changed.
    TeamDatabase again;
    ASSERT_TRUE(ReadTeamFile(dir / "LegendDB", again.legendTeams));
    TeamRecord* before = LookupTeam(again.legendTeams, "2006 Angels");
    WriteBytes(dir / "angels", ClubFile("2006 Angels", "Second Catcher"));
    result = ImportSeasonTeams(again, dir.path());
    EXPECT_EQ(result.replacedTeams, 3);
    EXPECT_EQ(result.newTeams, 0);
    EXPECT_EQ(Names(again.legendTeams), Names(db.legendTeams));
    EXPECT_EQ(LookupTeam(again.legendTeams, "2006 Angels"), before);
    ASSERT_EQ(before->players.size(), 3u);
    EXPECT_EQ(before->players[0]->name, "Second Catcher");
}

// Club files read in part or not at all are reported by file and player, and only the
// teams read count as new.
TEST(ImportSeasonTeams, BadClubFilesAreReportedByName) {
    TempDir dir;
    WriteBytes(dir / "angels", "2006 Angels\n\n\n");
    WriteBytes(dir / "astros", ClubFile("2006 Astros", "Cr Only", "\r"));
    WriteBytes(dir / "athletics", ClubFile("2006 Athletics", std::string(255, 'x')));
    std::filesystem::copy_file(VELMORO_TEST_DATA_DIR "/club/club_pitching_without_p.txt",
                               dir / "braves");
    WriteBytes(dir / "reds", ClubFile("2006 Reds", std::string(254, 'x')));  // just fits
    TeamDatabase db;
    const SeasonImportResult result = ImportSeasonTeams(db, dir.path());
    EXPECT_EQ(result.newTeams, 2);
    EXPECT_EQ(result.skippedFiles.size(), 28u);
    EXPECT_EQ(Names(db.legendTeams), (std::vector<std::string>{"Tom Gordon", "2006 Reds"}));
    EXPECT_EQ(db.legendTeams[0]->players[2]->pitching, nullptr);

    const std::string at = (dir.path() / "").string();
    const std::string dropped =
        at +
        "braves: player \"NO_HIT_STATS\" has a pitching line but no P among the positions "
        "\"\"; the pitching line is dropped";
    std::vector<std::string> warnings;
    for (const std::string& warning : result.warnings)
        if (warning.find("No such file or directory") == std::string::npos)
            warnings.push_back(warning);
    EXPECT_EQ(warnings,
              (std::vector<std::string>{
                  "skipped " + at + "angels: no players",
                  "skipped " + at +
                      "astros: line 1 is 199 bytes long, longer than a name (198 at most); its "
                      "lines end with CR only",
                  "skipped " + at +
                      "athletics: line 2 is 255 bytes long, longer than a name "
                      "(254 at most)",
                  dropped, dropped, dropped}));
    EXPECT_EQ(result.warnings.size(), 25u + warnings.size());
}

}  // namespace
}  // namespace velmoro
