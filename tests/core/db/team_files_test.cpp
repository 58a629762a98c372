#include "db/team_files.h"

#include <gtest/gtest.h>

#include "db/db_fixture.h"

namespace velmoro {
namespace {

using testing::Batter;
using testing::Hurler;
using testing::Image;
using testing::TempDir;
using testing::WriteBytes;

std::string Bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values)
        out.push_back(static_cast<char>(v));
    return out;
}

TeamList SampleLeague() {
    TeamList list;
    TeamRecord& yankees = AddTeam(list, "1927 Yankees");
    PlayerRecord ruth = Batter("Babe Ruth", 151, 540);
    ruth.hits = 192;
    ruth.battingAvg = 356;
    yankees.AddPlayer(std::move(ruth));
    PlayerRecord twoWay = Hurler("Two Way", 33);
    twoWay.atBats = 65535;
    twoWay.battingAvg = 1000;
    twoWay.strikeouts = 255;
    twoWay.positions = Pitcher | Outfield | NoPosition;
    yankees.AddPlayer(std::move(twoWay));
    AddTeam(list, "Empty Club");
    AddTeam(list, "").AddPlayer(Batter("", 1, 1, 0));
    return list;
}

void ExpectSameLists(const TeamList& a, const TeamList& b) {
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t t = 0; t < a.size(); ++t) {
        EXPECT_EQ(a[t]->name, b[t]->name);
        ASSERT_EQ(a[t]->players.size(), b[t]->players.size());
        for (std::size_t p = 0; p < a[t]->players.size(); ++p)
            EXPECT_TRUE(SamePlayer(*a[t]->players[p], *b[t]->players[p])) << a[t]->players[p]->name;
    }
}

TEST(TeamFileLayout, PitcherWithoutBattingLineIsNameZeroWordPositionsAndSixteenBytes) {
    TeamList list;
    AddTeam(list, "T").AddPlayer(Hurler("Al", 20));
    const std::string expected =
        Bytes({1, 'T', 1, 2, 'A', 'l', 0, 0, 0x01}) +
        Bytes({0x59, 0x01, 15, 9, 1, 20, 2, 80, 210, 0, 60, 0, 180, 0, 245, 0});
    EXPECT_EQ(Image(list), expected);
}

TEST(TeamFileLayout, BatterTakesNamePlusSeventeenBytesInFieldOrder) {
    TeamList list;
    PlayerRecord p = Batter("Bo", 151, 0x0203);
    p.battingAvg = 0x0405;
    p.hits = 7;
    AddTeam(list, "T").AddPlayer(std::move(p));
    const std::string expected = Bytes({1, 'T', 1, 2,  'B', 'o', 0x03, 0x02, 0x05, 0x04,    151, 70,
                                        7, 30,  4, 21, 88,  9,   3,    55,   101,  Outfield});
    EXPECT_EQ(Image(list), expected);
}

TEST(TeamFileLayout, BattingFieldsOfAPlayerWithoutAtBatsAreNotStored) {
    TeamList list;
    PlayerRecord p = Batter("Cy", 40, 300, Catcher);
    p.atBats = 0;
    AddTeam(list, "T").AddPlayer(std::move(p));
    TeamList back;
    ASSERT_TRUE(ParseTeamList(Image(list), back));
    const PlayerRecord& read = *back[0]->players[0];
    EXPECT_EQ(read.games, 0);
    EXPECT_EQ(read.hits, 0);
    EXPECT_EQ(read.strikeouts, 0);
    EXPECT_EQ(read.positions, Catcher);
}

// The loader reads sixteen bytes for every Pitcher; a Pitcher without a line must not
// shift the players behind him.
TEST(TeamFileLayout, PitcherWithoutLineIsStoredWithZeroLineAndFileStaysReadable) {
    TeamList list;
    TeamRecord& team = AddTeam(list, "T");
    PlayerRecord noLine("No Stats");
    noLine.positions = Pitcher;
    team.AddPlayer(std::move(noLine));
    team.AddPlayer(Batter("After", 100, 400));
    TeamList back;
    ASSERT_TRUE(ParseTeamList(Image(list), back));
    ASSERT_EQ(back[0]->players.size(), 2u);
    ASSERT_TRUE(back[0]->players[0]->pitching);
    EXPECT_EQ(*back[0]->players[0]->pitching, PitchingLine());
    EXPECT_TRUE(SamePlayer(*back[0]->players[1], *team.players[1]));
}

TEST(TeamFileLayout, ALineOfANonPitcherIsNotStored) {
    TeamList list;
    PlayerRecord p = Hurler("Ex Pitcher", 30);
    p.positions = Outfield;
    AddTeam(list, "T").AddPlayer(std::move(p));
    TeamList back;
    ASSERT_TRUE(ParseTeamList(Image(list), back));
    EXPECT_FALSE(back[0]->players[0]->pitching);
}

TEST(TeamFileRoundTrip, WrittenListReadsBackIdenticalAndImageIsStable) {
    TempDir dir;
    const TeamList league = SampleLeague();
    ASSERT_TRUE(WriteTeamList(league, dir / "LegendDB", false));
    TeamDatabase db;
    ASSERT_TRUE(LoadLegendDatabase(db, dir.path()));
    ExpectSameLists(league, db.legendTeams);
    std::string fileBytes;
    ASSERT_TRUE(ReadFileBytes(dir / "LegendDB", fileBytes));
    EXPECT_EQ(Image(db.legendTeams), fileBytes);
    EXPECT_EQ(dir.EntryCount(), 1) << "a temporary file was left behind";
}

TEST(TeamFileLoad, EmptyFileGivesEmptyListAndTeamWithoutPlayersIsKept) {
    TempDir dir;
    WriteBytes(dir / "CustomDB", "");
    WriteBytes(dir / "LegendDB", Bytes({3, 'A', 'B', 'C', 0, 1, 'D', 0}));
    TeamDatabase db;
    EXPECT_TRUE(LoadCustomDatabase(db, dir.path()));
    EXPECT_TRUE(db.customTeams.empty());
    ASSERT_TRUE(LoadLegendDatabase(db, dir.path()));
    ASSERT_EQ(db.legendTeams.size(), 2u);
    EXPECT_EQ(db.legendTeams[0]->name, "ABC");
    EXPECT_TRUE(db.legendTeams[0]->players.empty());
    EXPECT_EQ(db.currentTeam, db.legendTeams[1].get());
}

TEST(TeamFileLoad, MissingFileFailsAndSecondLoadReadsNothing) {
    TempDir dir;
    TeamDatabase db;
    EXPECT_FALSE(LoadLegendDatabase(db, dir.path()));
    EXPECT_FALSE(LoadCustomDatabase(db, dir.path()));

    ASSERT_TRUE(WriteTeamList(SampleLeague(), dir / "LegendDB", false));
    ASSERT_TRUE(LoadLegendDatabase(db, dir.path()));
    const TeamRecord* first = db.legendTeams[0].get();
    std::filesystem::remove(dir / "LegendDB");
    EXPECT_TRUE(LoadLegendDatabase(db, dir.path()));
    EXPECT_EQ(db.legendTeams.size(), 3u);
    EXPECT_EQ(db.legendTeams[0].get(), first) << "the list was read again";
}

// Every way a file can stop inside a team: in a name, at the count, in a player, in a
// pitching line. No half-filled team is kept, and the message says where it stopped.
TEST(TeamFileLoad, FileCutInsideATeamFailsAndLeavesListEmpty) {
    // Teams of 12 + 1 + 2 players' bytes, then "Empty Club" (12 bytes), then a last
    // team of 20 bytes.
    const std::string image = Image(SampleLeague());
    TempDir dir;
    for (std::size_t cut : {std::size_t{1}, std::size_t{5}, std::size_t{13}, std::size_t{14},
                            std::size_t{30}, image.size() - 21, image.size() - 1}) {
        WriteBytes(dir / "LegendDB", image.substr(0, cut));
        TeamDatabase db;
        std::string error;
        EXPECT_FALSE(ReadTeamFile(dir / "LegendDB", db.legendTeams, &error)) << cut;
        EXPECT_TRUE(db.legendTeams.empty()) << cut;
        EXPECT_NE(error.find(std::to_string(cut)), std::string::npos) << error;
        EXPECT_NE(error.find("team "), std::string::npos) << error;
        EXPECT_FALSE(LoadLegendDatabase(db, dir.path()));
        EXPECT_TRUE(db.legendTeams.empty());
    }
}

TEST(TeamFileLoad, CutMessageNamesTeamAndPlayer) {
    TeamList list;
    AddTeam(list, "1927 Yankees").AddPlayer(Hurler("Waite Hoyt", 36));
    const std::string image = Image(list);
    TeamList out;
    std::string error;
    EXPECT_FALSE(ParseTeamList(image.substr(0, image.size() - 3), out, &error));
    EXPECT_NE(error.find("team 1 \"1927 Yankees\""), std::string::npos) << error;
    EXPECT_NE(error.find("player 1 of 1 \"Waite Hoyt\""), std::string::npos) << error;
}

struct FilterCase {
    const char* what;
    PlayerRecord player;
    bool written;
};

TEST(TeamFileFilter, OnlyQualifyingPlayersAreWrittenAndCounted) {
    PlayerRecord noLinePitcher("No line");
    noLinePitcher.positions = Pitcher;
    noLinePitcher.games = 50;
    FilterCase cases[] = {
        {"9 games, 300 at-bats", Batter("a", 9, 300), false},
        {"10 games, 1 at-bat", Batter("b", 10, 1), true},
        {"10 games, no at-bats", Batter("c", 10, 0), false},
        {"pitcher of 10 games", Hurler("d", 10), false},
        {"pitcher of 11 games", Hurler("e", 11), true},
        {"pitcher without a line", std::move(noLinePitcher), false},
    };
    for (auto& c : cases) {
        TeamList list;
        AddTeam(list, "T").AddPlayer(PlayerRecord(c.player));
        TeamList back;
        ASSERT_TRUE(ParseTeamList(Image(list, true), back));
        ASSERT_EQ(back.size(), 1u) << "a team keeps its block";
        EXPECT_EQ(back[0]->players.size(), c.written ? 1u : 0u) << c.what;
        EXPECT_EQ(IsQualifyingPlayer(c.player), c.written) << c.what;
    }
}

TEST(TeamFileWrite, TooLongNamesAndTooManyPlayersRefuseTheWholeWrite) {
    TempDir dir;
    const auto path = dir / "CustomDB";
    ASSERT_TRUE(WriteTeamList(SampleLeague(), path, false));
    std::string before;
    ASSERT_TRUE(ReadFileBytes(path, before));

    TeamList longTeam;
    AddTeam(longTeam, std::string(256, 'x'));
    TeamList longPlayer;
    AddTeam(longPlayer, "T").AddPlayer(Batter(std::string(256, 'y'), 20, 20));
    TeamList crowded;
    TeamRecord& big = AddTeam(crowded, "Crowd");
    for (int i = 0; i < 256; ++i)
        big.AddPlayer(Batter("p" + std::to_string(i), 20, 20));
    for (const TeamList* bad : {&longTeam, &longPlayer, &crowded}) {
        std::string error;
        EXPECT_FALSE(WriteTeamList(*bad, path, false, &error));
        EXPECT_FALSE(error.empty());
        std::string after;
        ASSERT_TRUE(ReadFileBytes(path, after));
        EXPECT_EQ(after, before) << "the old file must stay untouched";
    }
    EXPECT_EQ(dir.EntryCount(), 1);
}

TEST(TeamFileWrite, LimitsCountWhatIsWritten) {
    TempDir dir;
    TeamList list;
    TeamRecord& team = AddTeam(list, std::string(255, 'x'));
    for (int i = 0; i < 255; ++i)
        team.AddPlayer(Batter(std::string(255, 'a'), 20, 20));
    for (int i = 0; i < 10; ++i)
        team.AddPlayer(Batter("bench", 1, 1));  // filtered out
    EXPECT_FALSE(WriteTeamList(list, dir / "X", false));
    ASSERT_TRUE(WriteTeamList(list, dir / "X", true));
    TeamList back;
    ASSERT_TRUE(ReadTeamFile(dir / "X", back));
    EXPECT_EQ(back[0]->players.size(), 255u);
}

TEST(TeamFileWrite, UnwritableTargetFailsAndLeavesNothing) {
    TempDir dir;
    EXPECT_FALSE(WriteTeamList(SampleLeague(), dir / "missing" / "LegendDB", false));
    std::filesystem::create_directory(dir / "LegendDB");
    EXPECT_FALSE(WriteTeamList(SampleLeague(), dir / "LegendDB", false));
    EXPECT_TRUE(std::filesystem::is_directory(dir / "LegendDB"));
    EXPECT_EQ(dir.EntryCount(), 1) << "a temporary file was left behind";
}

TEST(TeamFileWrite, ReplacesAnExistingFileCompletely) {
    TempDir dir;
    const auto path = dir / "CustomDB";
    WriteBytes(path, std::string(5000, '\x07'));
    TeamList list;
    AddTeam(list, "Mine");
    ASSERT_TRUE(WriteTeamList(list, path, true));
    std::string bytes;
    ASSERT_TRUE(ReadFileBytes(path, bytes));
    EXPECT_EQ(bytes, Bytes({4, 'M', 'i', 'n', 'e', 0}));
}

}  // namespace
}  // namespace velmoro
