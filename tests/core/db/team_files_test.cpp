// LegendDB and CustomDB: the byte layout, reading back, damaged files, the filter and
// what cannot be stored.
#include "db/team_files.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/temp_dir.h"
#include "support/test_league.h"

namespace velmoro {
namespace {

using namespace velmoro::testing;
namespace fs = std::filesystem;

std::string Image(const TeamList& list, bool filter = false) {
    std::string bytes;
    SerializeTeamList(list, filter, bytes);
    return bytes;
}

// A pitcher without a line, numbers at their limits, empty names and an empty team.
TeamList SampleLeague() {
    TeamList list;
    TeamRecord& yankees = AddTeam(list, "1927 Yankees");
    yankees.AddPlayer(Batter("Babe Ruth", 151, 540));
    PlayerRecord twoWay = Hurler("Two Way", 33);
    twoWay.atBats = 65535;
    twoWay.positions = Pitcher | Outfield | NoPosition;
    yankees.AddPlayer(std::move(twoWay));
    yankees.AddPlayer(PlayerRecord("No Line")).positions = Pitcher;
    AddTeam(list, "Empty Club");
    AddTeam(list, "").AddPlayer(Batter("", 1, 1, 0));
    return list;
}

TEST(TeamFiles, PlayersAreStoredFieldByFieldLittleEndian) {
    TeamList list;
    TeamRecord& team = AddTeam(list, "T");
    PlayerRecord al("Al");
    al.positions = Pitcher;
    al.pitching = std::make_unique<PitchingLine>(
        PitchingLine{0x0159, 15, 9, 1, 20, 2, 80, 210, 60, 0x01B4, 245});
    team.AddPlayer(std::move(al));
    PlayerRecord bo("Bo");
    bo.atBats = 0x0203, bo.battingAvg = 0x0405, bo.games = 151, bo.runs = 70, bo.hits = 150;
    bo.doubles = 1, bo.triples = 2, bo.homeRuns = 21, bo.rbi = 3, bo.stolenBases = 4;
    bo.caughtStealing = 5, bo.walks = 6, bo.strikeouts = 101, bo.positions = Outfield;
    team.AddPlayer(std::move(bo));
    PlayerRecord cy("Cy");  // no at-bats: the batting fields are not stored
    cy.games = 40, cy.positions = Catcher;
    team.AddPlayer(std::move(cy));
    const unsigned char expected[] = {
        1,   'T', 3,    2,    'A',      'l',  0,   0,   Pitcher, 0x59, 0x01,   15, 9,
        1,   20,  2,    80,   210,      0,    60,  0,   0xB4,    0x01, 245,    0,  2,
        'B', 'o', 0x03, 0x02, 0x05,     0x04, 151, 70,  150,     1,    2,      21, 3,
        4,   5,   6,    101,  Outfield, 2,    'C', 'y', 0,       0,    Catcher};
    EXPECT_EQ(Image(list), std::string(std::begin(expected), std::end(expected)));
}

// Written, read through the loader, written again: the same bytes. A pitcher without a
// line gets a zero line, or every player behind him would be misread.
TEST(TeamFiles, WrittenListReadsBackIdentical) {
    TempDir dir;
    const TeamList league = SampleLeague();
    ASSERT_TRUE(WriteTeamList(league, dir / "LegendDB", false));
    EXPECT_EQ(dir.EntryCount(), 1);
    TeamDatabase db;
    ASSERT_TRUE(LoadLegendDatabase(db, dir.path()));
    ASSERT_TRUE(db.legendTeams[0]->players[2]->pitching);
    EXPECT_EQ(*db.legendTeams[0]->players[2]->pitching, PitchingLine());
    db.legendTeams[0]->players[2]->pitching.reset();
    EXPECT_EQ(Image(db.legendTeams), Image(league));

    // A second load keeps the list it has.
    const TeamRecord* first = db.legendTeams[0].get();
    fs::remove(dir / "LegendDB");
    EXPECT_TRUE(LoadLegendDatabase(db, dir.path()));
    EXPECT_EQ(db.legendTeams[0].get(), first);
    TeamDatabase fresh;
    ReplaceFileContents(dir / "CustomDB", "");
    EXPECT_TRUE(LoadCustomDatabase(fresh, dir.path()));
    EXPECT_TRUE(fresh.customTeams.empty());
}

// Over 128 KiB, so the loader reads the file in pieces and players straddle the seams;
// names of every length up to 255.
TeamList BigLeague() {
    TeamList list;
    for (int t = 0; t < 40; ++t) {
        TeamRecord& team = AddTeam(list, std::string(1 + t * 6, 'T'));
        for (int p = 0; p < 60; ++p) {
            std::string name(1 + (t * 60 + p) * 7 % 255, static_cast<char>('a' + p % 26));
            team.AddPlayer(p % 3 == 0   ? Hurler(std::move(name), p)
                           : p % 3 == 1 ? Batter(std::move(name), 120, 450)
                                        : Batter(std::move(name), 3, 0, NoPosition));
        }
    }
    return list;
}

// A file cut anywhere fails whole, leaves the list empty and says where it stopped;
// reading from the file agrees with reading from memory, seams included.
TEST(TeamFiles, DamagedFilesFailWholeAndSayWhere) {
    const std::string sample = Image(SampleLeague());
    const std::string big = Image(BigLeague());
    ASSERT_GT(big.size(), 2u * 128 * 1024 + 1000);
    struct Case {
        std::string bytes;
        std::string message;  // empty: only the byte count is checked
    };
    std::vector<Case> cases = {
        {sample.substr(0, 5), "the data ends after 5 bytes, inside team 1"},
        {sample.substr(0, 14),
         "the data ends after 14 bytes, inside team 1 \"1927 Yankees\", at player 1 of 3"},
        {sample.substr(0, 60),
         "the data ends after 60 bytes, inside team 1 \"1927 Yankees\", "
         "at player 2 of 3 \"Two Way\""},
        {std::string("\x03"
                     "A\x01"
                     "B\x01",
                     5),
         "the data ends after 5 bytes, inside team 1 \"A\\x01B\", at player 1 of 1"},
    };
    for (std::size_t seam : {std::size_t{128 * 1024}, std::size_t{256 * 1024}})
        for (std::size_t cut = seam - 300; cut <= seam + 300; cut += 37)
            cases.push_back({big.substr(0, cut), ""});
    TempDir dir;
    for (const Case& c : cases) {
        ReplaceFileContents(dir / "LegendDB", c.bytes);
        TeamList fromFile, fromMemory;
        std::string fileError, memoryError;
        EXPECT_FALSE(ReadTeamFile(dir / "LegendDB", fromFile, &fileError)) << c.bytes.size();
        EXPECT_FALSE(ParseTeamList(c.bytes, fromMemory, &memoryError));
        EXPECT_TRUE(fromFile.empty() && fromMemory.empty());
        EXPECT_EQ(fileError, memoryError);
        if (!c.message.empty()) {
            EXPECT_EQ(memoryError, c.message);
        }
        EXPECT_NE(memoryError.find("after " + std::to_string(c.bytes.size()) + " bytes"),
                  std::string::npos);
        TeamDatabase db;
        EXPECT_FALSE(LoadLegendDatabase(db, dir.path()));
        EXPECT_TRUE(db.legendTeams.empty());
    }
    ReplaceFileContents(dir / "LegendDB", big);
    TeamList whole;
    ASSERT_TRUE(ReadTeamFile(dir / "LegendDB", whole));
    EXPECT_EQ(Image(whole), big);
}

// The load names the file and where reading stopped (a missing CustomDB is no fault);
// the first save over a file that does not read whole keeps it, never over an older
// copy, and later saves keep nothing.
TEST(TeamFiles, DamagedDatabaseIsReportedOnLoadAndKeptBeforeTheFirstSave) {
    const fs::path data = VELMORO_TEST_DATA_DIR "/db";
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
        if (c.folder) fs::create_directory(file);
        if (c.olderCopy) std::ofstream(dir / "CustomDB.damaged") << "older";
        TeamDatabase db;
        std::string error;
        EXPECT_FALSE(LoadCustomDatabase(db, dir.path(), &error));
        EXPECT_EQ(error, c.reason.empty() ? "" : file.string() + ": " + c.reason);

        TeamList list;
        AddTeam(list, "Added Team");
        fs::path kept;
        const bool saved = SaveTeamDatabase(list, file, false, &kept, &error);
        EXPECT_EQ(saved, !c.folder) << error;
        EXPECT_EQ(kept, c.kept ? dir / c.kept : fs::path());
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

TEST(TeamFiles, FilterWritesOnlyQualifyingPlayers) {
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

// Names over 255 bytes, 256 players, a target that cannot be written: nothing changes.
TEST(TeamFiles, WhatCannotBeStoredRefusesTheWholeWrite) {
    TempDir dir;
    const auto path = dir / "CustomDB";
    ASSERT_TRUE(WriteTeamList(SampleLeague(), path, false));
    const std::string before = Contents(path);
    TeamList longTeam, longPlayer, crowded;
    AddTeam(longTeam, std::string(256, 'x'));
    AddTeam(longPlayer, "T").AddPlayer(Batter(std::string(256, 'y'), 20, 20));
    TeamRecord& big = AddTeam(crowded, std::string(255, 'c'));
    for (int i = 0; i < 255; ++i)
        big.AddPlayer(Batter(std::string(255, 'p'), 20, 20));
    big.AddPlayer(Batter("bench", 1, 1));  // one too many, unless the filter drops him
    for (const TeamList* bad : {&longTeam, &longPlayer, &crowded}) {
        std::string error;
        EXPECT_FALSE(WriteTeamList(*bad, path, false, &error));
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(Contents(path), before) << "the old file must stay untouched";
    }
    EXPECT_EQ(dir.EntryCount(), 1) << "a temporary file was left behind";
    ASSERT_TRUE(WriteTeamList(crowded, path, true));
    TeamList back;
    ASSERT_TRUE(ReadTeamFile(path, back));
    EXPECT_EQ(back[0]->players.size(), 255u);
}

}  // namespace
}  // namespace velmoro
