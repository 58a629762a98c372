// velmoro-db on the real Lahman tables: the history up to 2005 with known figures and
// default lineups that meet their marks, and the 2006 club files placed by the season
// import.
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <sstream>

#include "db/season_index.h"
#include "db/team_files.h"
#include "import/import_season.h"
#include "support/program_runner.h"
#include "support/temp_dir.h"

namespace velmoro {
namespace {

using namespace velmoro::testing;
namespace fs = std::filesystem;

TEST(LahmanSeason, HistoryTo2005Then2006ClubFiles) {
    const std::string csv = VELMORO_LAHMAN_DIR;
    if (!fs::exists(fs::path(csv) / "Teams.csv")) GTEST_SKIP() << "no Lahman tables in " << csv;
    TempDir install, work;
    const std::string legend = (install / kLegendFileName).string();
    ProgramRun run;
    const auto Run = [&](const char* program, std::vector<std::string> args) {
        run = RunProgram(BuildProgram(program), args, work.path());
        return run.exitCode;
    };
    ASSERT_EQ(Run("velmoro-db", {"import-lahman", csv, "--to", "2005", "--quiet", "-o", legend}), 0)
        << run.err;
    EXPECT_NE(run.out.find(" players, 0 unplayable teams"), std::string::npos) << run.out;
    std::vector<SeasonRecord> seasons;
    std::string error;
    ASSERT_TRUE(LoadSeasonIndex(install / kSeasonIndexFileName, seasons, &error)) << error;

    // The default lineups meet their marks: every page's regulars at least 85 times in
    // 100, a designated hitter with 100 at-bats at least 95 times in 100.
    ASSERT_EQ(Run("velmoro-db", {"lineup-report", legend, csv}), 0) << run.err;
    std::istringstream report(run.out);
    int pages = 0, dh = 0;
    for (std::string line; std::getline(report, line);) {
        double percent = 0;
        char page[8] = {};
        if (std::sscanf(line.c_str(), " %7s %lf%%", page, &percent) == 2) {
            EXPECT_TRUE(percent >= 85.0 && percent <= 100.0) << line;
            ++pages;
        }
        if (std::sscanf(line.c_str(), "Default DH with 100+ at-bats since 1973: %lf%%", &percent) ==
            1) {
            EXPECT_TRUE(percent >= 95.0 && percent <= 100.0) << line;
            ++dh;
        }
    }
    EXPECT_EQ(pages, 7) << run.out;
    EXPECT_EQ(dh, 1) << run.out;

    ASSERT_EQ(Run("velmoro-db",
                  {"import-lahman", csv, "--season", "2006", "--quiet", "--club-files", "clubs"}),
              0)
        << run.err;
    for (const char* file : kSeasonClubFiles)
        EXPECT_TRUE(fs::exists(work / "clubs" / file)) << file;
    ASSERT_EQ(Run("velmoro-db", {"import-season", "clubs", "--dir", install.path().string()}), 0)
        << run.err;
    TeamList history, imported;
    ASSERT_TRUE(ReadTeamFile(legend, history));
    EXPECT_EQ(seasons.size(), history.size());
    EXPECT_GT(history.size(), 2500u);
    ASSERT_TRUE(ReadTeamFile(work / kLegendFileName, imported));
    ASSERT_EQ(imported.size(), history.size() + 30);
    std::set<std::string> names;
    int placed = 0;
    for (std::size_t i = 0; i < imported.size(); ++i) {
        const std::string& name = imported[i]->name;
        EXPECT_TRUE(names.insert(name).second) << name;
        if (TeamYear(name) != "2006") continue;
        EXPECT_EQ(imported[i - 1]->name, PreviousSeasonName(name));
        EXPECT_TRUE(IsTeamPlayable(imported[i].get())) << name;
        ++placed;
    }
    EXPECT_EQ(placed, 30);

    const struct {
        const char* team;
        const char* player;
        int homeRuns, hits;
    } figures[] = {{"1927 Yankees", "Babe Ruth", 60, 192},
                   {"2004 Mariners", "Ichiro Suzuki", 8, 262},
                   {"2006 Red Sox", "David Ortiz", 54, 160}};
    for (const auto& f : figures) {
        const PlayerRecord* p = FindPlayer(LookupTeam(imported, f.team), f.player);
        ASSERT_NE(p, nullptr) << f.player;
        EXPECT_EQ(p->homeRuns, f.homeRuns) << f.player;
        EXPECT_EQ(EffectiveHits(*p), f.hits) << f.player;
    }
    EXPECT_NE(LookupTeam(imported, "1884 Nationals (AA)"), nullptr);
}

}  // namespace
}  // namespace velmoro
