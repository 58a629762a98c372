// velmoro-db on the real Lahman tables: the history up to 2005, the 2006 club files,
// the season import that places them, and a game between two famous teams.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>

#include "db/db_fixture.h"
#include "db/season_index.h"
#include "db/team_files.h"
#include "import/import_season.h"
#include "support/program_runner.h"

namespace velmoro {
namespace {

using testing::TempDir;
namespace fs = std::filesystem;

std::string Quote(const std::string& text) {
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

class LahmanSeason : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!fs::exists(fs::path(VELMORO_LAHMAN_DIR) / "Teams.csv"))
            GTEST_SKIP() << "no Lahman tables in " << VELMORO_LAHMAN_DIR;
    }

    // Runs a program of the build in `work`; its exit code.
    int Run(const std::string& program, const std::string& args) {
        last_ = testing::RunProgram(testing::BuildProgram(program), testing::SplitArguments(args),
                                    work.path());
        return last_.exitCode;
    }

    std::string Output(const std::string& name) {
        if (name == "out.txt") return last_.out;
        if (name == "err.txt") return last_.err;
        std::string text;
        ReadFileBytes(work / name, text);
        return text;
    }

    testing::ProgramRun last_;

    TempDir install;
    TempDir work;
};

TEST_F(LahmanSeason, ClubFilesOf2006ImportRightAfter2005AndFamousTeamsPlay) {
    const std::string csv = Quote(VELMORO_LAHMAN_DIR);
    ASSERT_EQ(Run("velmoro-db", "import-lahman " + csv + " --to 2005 --quiet -o " +
                                    Quote((install / kLegendFileName).string())),
              0)
        << Output("err.txt");
    EXPECT_NE(Output("out.txt").find(" players, 0 unplayable teams"), std::string::npos)
        << Output("out.txt");
    std::vector<SeasonRecord> seasons;
    std::string error;
    ASSERT_TRUE(LoadSeasonIndex(install / kSeasonIndexFileName, seasons, &error)) << error;

    // The default lineups meet their marks: every page's regulars at least 85 times in
    // 100, a designated hitter with 100 at-bats at least 95 times in 100.
    ASSERT_EQ(Run("velmoro-db",
                  "lineup-report " + Quote((install / kLegendFileName).string()) + " " + csv),
              0)
        << Output("err.txt");
    std::istringstream report(Output("out.txt"));
    int pages = 0;
    for (std::string line; std::getline(report, line);) {
        double percent = 0;
        char page[8] = {};
        if (std::sscanf(line.c_str(), " %7s %lf%%", page, &percent) == 2) {
            EXPECT_GE(percent, 85.0) << line;
            ++pages;
        }
        if (line.rfind("Default DH", 0) == 0) {
            ASSERT_EQ(std::sscanf(line.c_str(), "Default DH with 100+ at-bats since 1973: %lf%%",
                                  &percent),
                      1);
            EXPECT_GE(percent, 95.0) << line;
        }
    }
    EXPECT_EQ(pages, 7) << Output("out.txt");
    ASSERT_EQ(
        Run("velmoro-db", "import-lahman " + csv + " --season 2006 --quiet --club-files clubs"), 0)
        << Output("err.txt");
    for (const char* file : kSeasonClubFiles)
        EXPECT_TRUE(fs::exists(work / "clubs" / file)) << file;

    ASSERT_EQ(Run("velmoro-db", "import-season clubs --dir " + Quote(install.path().string())), 0)
        << Output("err.txt");
    TeamList history, imported;
    ASSERT_TRUE(ReadTeamFile(install / kLegendFileName, history));
    EXPECT_EQ(seasons.size(), history.size());
    ASSERT_TRUE(ReadTeamFile(work / kLegendFileName, imported));
    ASSERT_EQ(imported.size(), history.size() + 30);
    int placed = 0;
    for (std::size_t i = 1; i < imported.size(); ++i) {
        const std::string& name = imported[i]->name;
        if (TeamYear(name) != "2006") continue;
        EXPECT_EQ(imported[i - 1]->name, PreviousSeasonName(name));
        EXPECT_TRUE(IsTeamPlayable(imported[i].get())) << name;
        ++placed;
    }
    EXPECT_EQ(placed, 30);
    const PlayerRecord* papi = FindPlayer(LookupTeam(imported, "2006 Red Sox"), "David Ortiz");
    ASSERT_NE(papi, nullptr);
    EXPECT_EQ(papi->homeRuns, 54);

    // The history plays: the 1927 Yankees visit the 1975 Reds to the end of the game.
    if (!fs::exists(testing::BuildProgram("velmoro-sim"))) GTEST_SKIP() << "no velmoro-sim";
    EXPECT_EQ(
        Run("velmoro-sim", "--visitors '1927 Yankees' --home '1975 Reds' --seed 7 --quiet --dir " +
                               Quote(install.path().string())),
        0)
        << Output("err.txt");
    std::string log = Output("GameLog");
    EXPECT_NE(log.find("Yankees"), std::string::npos);
    EXPECT_NE(log.find("Reds"), std::string::npos);
}

}  // namespace
}  // namespace velmoro
