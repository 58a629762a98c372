#include "db/team_files.h"

#include <gtest/gtest.h>

#include <fstream>

#include "db/db_fixture.h"

namespace velmoro {
namespace {

using testing::Batter;
using testing::Contents;
using testing::Hurler;
using testing::Image;
using testing::TempDir;

std::string Bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values)
        out.push_back(static_cast<char>(v));
    return out;
}

TeamList SampleLeague() {
    TeamList list;
    TeamRecord& yankees = AddTeam(list, "1927 Yankees");
    yankees.AddPlayer(Batter("Babe Ruth", 151, 540));
    PlayerRecord twoWay = Hurler("Two Way", 33);
    twoWay.atBats = 65535;
    twoWay.positions = Pitcher | Outfield | NoPosition;
    yankees.AddPlayer(std::move(twoWay));
    AddTeam(list, "Empty Club");
    AddTeam(list, "").AddPlayer(Batter("", 1, 1, 0));
    return list;
}

TEST(TeamFileLayout, PlayersAreStoredFieldByFieldLittleEndian) {
    TeamList list;
    TeamRecord& team = AddTeam(list, "T");
    team.AddPlayer(Hurler("Al", 20));
    PlayerRecord bo = Batter("Bo", 151, 0x0203);
    bo.battingAvg = 0x0405;
    team.AddPlayer(std::move(bo));
    PlayerRecord cy = Batter("Cy", 40, 0, Catcher);  // batting fields are not stored
    team.AddPlayer(std::move(cy));
    const std::string expected =
        Bytes({1, 'T', 3}) + Bytes({2, 'A', 'l', 0, 0, Pitcher}) +
        Bytes({0x59, 0x01, 15, 9, 1, 20, 2, 80, 210, 0, 60, 0, 180, 0, 245, 0}) +
        Bytes({2, 'B', 'o', 0x03, 0x02, 0x05, 0x04, 151, 70, 150, 0, 0, 21, 0, 0, 0, 0, 101,
               Outfield}) +
        Bytes({2, 'C', 'y', 0, 0, Catcher});
    EXPECT_EQ(Image(list), expected);
}

// The loader reads sixteen bytes for every Pitcher, so one without a line must still
// get them, or every player behind him would be misread.
TEST(TeamFileLayout, PitcherWithoutLineIsStoredWithAZeroLine) {
    TeamList list;
    TeamRecord& team = AddTeam(list, "T");
    team.AddPlayer(PlayerRecord("No Stats")).positions = Pitcher;
    team.AddPlayer(Batter("After", 100, 400));
    TeamList back;
    ASSERT_TRUE(ParseTeamList(Image(list), back));
    ASSERT_EQ(back[0]->players.size(), 2u);
    ASSERT_TRUE(back[0]->players[0]->pitching);
    EXPECT_EQ(*back[0]->players[0]->pitching, PitchingLine());
    EXPECT_TRUE(SamePlayer(*back[0]->players[1], *team.players[1]));
}

TEST(TeamFileLoad, WrittenListReadsBackIdenticalThroughTheLoader) {
    TempDir dir;
    const TeamList league = SampleLeague();
    ASSERT_TRUE(WriteTeamList(league, dir / "LegendDB", false));
    EXPECT_EQ(dir.EntryCount(), 1) << "a temporary file was left behind";
    TeamDatabase db;
    ASSERT_TRUE(LoadLegendDatabase(db, dir.path()));
    EXPECT_EQ(Image(db.legendTeams), Image(league));
    EXPECT_EQ(db.currentTeam, db.legendTeams.back().get());
}

TEST(TeamFileLoad, EmptyOrMissingFilesAndASecondLoad) {
    TempDir dir;
    TeamDatabase db;
    EXPECT_FALSE(LoadLegendDatabase(db, dir.path()));
    ReplaceFileContents(dir / "CustomDB", "");
    EXPECT_TRUE(LoadCustomDatabase(db, dir.path()));
    EXPECT_TRUE(db.customTeams.empty());

    ASSERT_TRUE(WriteTeamList(SampleLeague(), dir / "LegendDB", false));
    ASSERT_TRUE(LoadLegendDatabase(db, dir.path()));
    const TeamRecord* first = db.legendTeams[0].get();
    std::filesystem::remove(dir / "LegendDB");
    EXPECT_TRUE(LoadLegendDatabase(db, dir.path()));
    EXPECT_EQ(db.legendTeams[0].get(), first) << "the list was read again";
    EXPECT_TRUE(db.legendTeams[1]->players.empty());
}

// Stopping in a name, at the count, in a player, in a pitching line: no half-filled
// team is kept, and the message says where the data stopped.
TEST(TeamFileLoad, FileCutInsideATeamFailsAndLeavesListEmpty) {
    // "1927 Yankees" ends at 13, the last two teams take 12 and 20 bytes.
    const std::string image = Image(SampleLeague());
    TempDir dir;
    for (std::size_t cut : {std::size_t{5}, std::size_t{13}, std::size_t{14}, std::size_t{60},
                            image.size() - 21, image.size() - 1}) {
        ReplaceFileContents(dir / "LegendDB", image.substr(0, cut));
        TeamDatabase db;
        std::string error;
        EXPECT_FALSE(ReadTeamFile(dir / "LegendDB", db.legendTeams, &error)) << cut;
        EXPECT_NE(error.find(std::to_string(cut) + " bytes"), std::string::npos) << error;
        EXPECT_FALSE(LoadLegendDatabase(db, dir.path()));
        EXPECT_TRUE(db.legendTeams.empty());
    }
}

// Over 128 KiB, so the loader reads the file in several pieces and players straddle
// the seams; names of every length up to 255.
TeamList BigLeague() {
    TeamList list;
    for (int t = 0; t < 40; ++t) {
        TeamRecord& team = AddTeam(list, std::string(1 + t * 6, 'T'));
        for (int p = 0; p < 60; ++p) {
            std::string name(1 + (t * 60 + p) * 7 % 255, static_cast<char>('a' + p % 26));
            team.AddPlayer(p % 3 == 0   ? Hurler(std::move(name), static_cast<std::uint8_t>(p))
                           : p % 3 == 1 ? Batter(std::move(name), 120, 450)
                                        : Batter(std::move(name), 3, 0, NoPosition));
        }
    }
    return list;
}

TEST(TeamFileLoad, ABigFileReadsAsItsImageDoesWholeOrCutAnywhere) {
    const std::string image = Image(BigLeague());
    ASSERT_GT(image.size(), 2u * 128 * 1024 + 1000);
    TempDir dir;
    const auto path = dir / "LegendDB";
    ReplaceFileContents(path, image);
    TeamList whole;
    ASSERT_TRUE(ReadTeamFile(path, whole));
    EXPECT_EQ(Image(whole), image);

    for (std::size_t seam : {std::size_t{128 * 1024}, std::size_t{256 * 1024}}) {
        for (std::size_t cut = seam - 300; cut <= seam + 300; cut += 37) {
            ReplaceFileContents(path, image.substr(0, cut));
            TeamList fromFile, fromMemory;
            std::string fileError, memoryError;
            const bool read = ReadTeamFile(path, fromFile, &fileError);
            EXPECT_EQ(read, ParseTeamList(image.substr(0, cut), fromMemory, &memoryError));
            EXPECT_EQ(fileError, memoryError) << "cut at " << cut;
            EXPECT_EQ(fromFile.empty(), !read);
        }
    }
}

// Bad database files: the load names the file and where reading stopped (a missing
// CustomDB is no fault and says nothing); the first save over a file that does not
// read whole keeps it, never over an older copy, and later saves keep nothing.
TEST(DamagedDatabase, ReportedOnLoadAndKeptBeforeTheFirstSave) {
    const std::filesystem::path data = VELMORO_TEST_DATA_DIR "/db";
    const struct {
        const char* source;  // a file of tests/data/db, or none
        bool folder;         // a folder where the file should be
        bool olderCopy;      // CustomDB.damaged exists already
        std::string reason;
        const char* kept;
    } cases[] = {
        {"customdb_truncated_1byte", false, false,
         "the data ends after 3172 bytes, inside team 10 \"DET00\", at player 10 of 10 \"Jeff "
         "Weaver\"",
         "CustomDB.damaged"},
        {"legenddb_cut_in_team_name", false, true, "the data ends after 6 bytes, inside team 1",
         "CustomDB.damaged.1"},
#ifdef _WIN32
        {nullptr, true, false, "Permission denied", nullptr},  // a folder does not open there
#else
        {nullptr, true, false, "reading stopped at byte 0: Is a directory", nullptr},
#endif
        {nullptr, false, false, "", nullptr},
    };
    for (const auto& c : cases) {
        TempDir dir;
        const auto file = dir / kCustomFileName;
        std::string original;
        if (c.source) {
            ASSERT_TRUE(ReadFileBytes(data / c.source, original));
            std::ofstream(file, std::ios::binary) << original;
        }
        if (c.folder) std::filesystem::create_directory(file);
        if (c.olderCopy) std::ofstream(dir / "CustomDB.damaged") << "older";
        TeamDatabase db;
        std::string error;
        EXPECT_FALSE(LoadCustomDatabase(db, dir.path(), &error));
        EXPECT_EQ(error, c.reason.empty() ? "" : file.string() + ": " + c.reason);

        TeamList list;
        AddTeam(list, "Added Team");
        std::filesystem::path kept;
        const bool saved = SaveTeamDatabase(list, file, false, &kept, &error);
        EXPECT_EQ(saved, !c.folder) << error;
        EXPECT_EQ(kept, c.kept ? dir / c.kept : std::filesystem::path());
        if (c.kept) {
            EXPECT_EQ(Contents(kept), original);
        }
        if (c.olderCopy) {
            EXPECT_EQ(Contents(dir / "CustomDB.damaged"), "older");
        }
        if (!saved) continue;
        kept.clear();
        ASSERT_TRUE(SaveTeamDatabase(list, file, false, &kept, &error));
        EXPECT_TRUE(kept.empty()) << "a whole file is written over without a copy";
    }
}

TEST(TeamFileFilter, OnlyQualifyingPlayersAreWrittenAndCounted) {
    PlayerRecord noLinePitcher("No line");
    noLinePitcher.positions = Pitcher;
    struct {
        const char* what;
        PlayerRecord player;
        bool written;
    } cases[] = {
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
    }
}

TEST(TeamFileWrite, WhatCannotBeStoredRefusesTheWholeWrite) {
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
    TeamRecord& big = AddTeam(crowded, std::string(255, 'c'));
    for (int i = 0; i < 255; ++i)
        big.AddPlayer(Batter(std::string(255, 'p'), 20, 20));
    big.AddPlayer(Batter("bench", 1, 1));  // one too many, unless the filter drops him
    for (const TeamList* bad : {&longTeam, &longPlayer, &crowded}) {
        std::string error;
        EXPECT_FALSE(WriteTeamList(*bad, path, false, &error));
        EXPECT_FALSE(error.empty());
        std::string after;
        ASSERT_TRUE(ReadFileBytes(path, after));
        EXPECT_EQ(after, before) << "the old file must stay untouched";
    }
    EXPECT_EQ(dir.EntryCount(), 1);
    ASSERT_TRUE(WriteTeamList(crowded, path, true));
    TeamList back;
    ASSERT_TRUE(ReadTeamFile(path, back));
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

}  // namespace
}  // namespace velmoro
