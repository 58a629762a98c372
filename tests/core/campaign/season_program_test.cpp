// velmoro-season as a user runs it: its commands, a kill in the middle of a sim, and the
// exported web site read by a browser.
#include <gtest/gtest.h>

#if !defined(_WIN32)
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <chrono>
#include <regex>
#include <set>
#include <thread>

#include "season_league.h"
#include "support/program_runner.h"

namespace velmoro {
namespace {

using namespace velmoro::testing;

class SeasonProgram : public ::testing::Test {
  protected:
    void SetUp() override { WriteDemoInstallation(dir.path()); }

    ProgramRun Run(const std::string& line) {
        std::vector<std::string> args = SplitArguments(line);
        for (std::string& arg : args)
            if (arg == "DIR") arg = dir.path().string();
        return RunProgram(BuildProgram("velmoro-season"), args, dir.path());
    }

    TempDir dir;
};

TEST_F(SeasonProgram, CommandsAndWhatTheyTell) {
    const struct {
        const char* line;
        int exitCode;
        const char* text;  // in the output or the error output
    } cases[] = {
        {"new s.vsn --season 2024 --manage '2024 Harbor Hawks' --seed 3 --games-per-team 14 "
         "--dir DIR",
         0, "8 clubs, 56 games"},
        {"new s.vsn --season 2024 --dir DIR", 1, "s.vsn: the file exists"},
        {"new t.vsn --season 2024 --manage Nobody --dir DIR", 1, "no club \"Nobody\""},
        {"new t.vsn --season 2024 --engine quantum --dir DIR", 2, "--engine"},
        {"sim s.vsn --days 2 --quiet", 0, "8 games played"},
        {"play s.vsn --manager book --quiet", 0, "Recorded: Game"},
        {"play s.vsn --script nofile", 1, "nofile"},
        {"box s.vsn --game 1", 0, "Pitching"},
        {"box s.vsn --game 57", 1, "no game 57"},
        {"schedule s.vsn --day 1", 0, "Game 1 "},
        {"standings s.vsn", 0, "Real W-L"},
        {"leaders s.vsn", 0, "Leaders"},
        {"export s.vsn", 2, "--csv or --html"},
        {"export s.vsn --csv out", 0, ""},
        {"sim missing.vsn", 1, "missing.vsn: no such file"},
        {"sim s.vsn --quiet --dir nowhere", 1, "nowhere/LegendDB"},  // kept: last
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const ProgramRun run = Run(c.line);
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
        EXPECT_NE((run.out + run.err).find(c.text), std::string::npos) << run.out << run.err;
    }
    for (const char* name : {"standings.csv", "standings-players.csv", "games.csv"})
        EXPECT_TRUE(std::filesystem::exists(dir / "out" / name)) << name;
}

#if !defined(_WIN32)
// A kill in the middle of a sim keeps every game that was finished, each whole: its box
// score and its players' lines, and the season goes on from there.
TEST_F(SeasonProgram, KillDuringSimKeepsEveryFinishedGame) {
    ASSERT_EQ(Run("new k.vsn --season 2024 --seed 9 --dir DIR").exitCode, 0);
    const std::string file = (dir / "k.vsn").string();
    const std::string program = BuildProgram("velmoro-season").string();
    const pid_t child = fork();
    if (child == 0) {
        execl(program.c_str(), program.c_str(), "sim", file.c_str(), "--to-end", "--quiet",
              static_cast<char*>(nullptr));
        _exit(127);
    }
    auto count = [&](const char* sql) { return std::atoi(QueryText(dir / "k.vsn", sql).c_str()); };
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (count("SELECT count(*) FROM games WHERE played") < 5 &&
           std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));

    std::unique_ptr<ManagedSeason> season;
    const Status opened = ManagedSeason::Open(dir / "k.vsn", season);
    ASSERT_TRUE(opened.ok()) << opened.message();
    const int played = count("SELECT count(*) FROM games WHERE played");
    const int total = static_cast<int>(season->Games().size());
    EXPECT_GT(played, 0);
    EXPECT_LT(played, total);
    EXPECT_EQ(count("SELECT count(DISTINCT game) FROM pitching_lines"), played);
    EXPECT_EQ(count("SELECT sum(g) FROM players"), count("SELECT count(*) FROM batting_lines"));
    SeasonSimOptions options;
    options.toEnd = true;
    SimOutcome outcome;
    ASSERT_TRUE(season->Sim(options, outcome).ok());
    EXPECT_EQ(outcome.gamesPlayed, total - played);
}
#endif

std::string DumpDom(const std::filesystem::path& page, const std::filesystem::path& profile) {
    const ProgramRun run =
        RunProgram("/usr/bin/chromium",
                   {"--headless", "--no-sandbox", "--disable-gpu",
                    "--user-data-dir=" + profile.string(), "--dump-dom", "file://" + page.string()},
                   page.parent_path());
    return run.out;
}

// Every link of the index, and of a page of each kind it leads to (the lists, a club, a
// box score), names a file of the site; no page needs a script.
TEST_F(SeasonProgram, ExportedSiteLinksResolveInTheBrowser) {
    if (!std::filesystem::exists("/usr/bin/chromium"))
        GTEST_SKIP() << "no chromium to load the site in (install-deps.sh installs it)";
    ASSERT_EQ(Run("new h.vsn --season 2024 --seed 4 --games-per-team 7 --dir DIR").exitCode, 0);
    ASSERT_EQ(Run("sim h.vsn --to-end --quiet").exitCode, 0);
    ASSERT_EQ(Run("export h.vsn --html site").exitCode, 0);
    const std::regex link("href=\"([^\"]+)\"");
    std::set<std::string> kinds{"index"};  // "club", "game", or the page's name
    std::vector<std::filesystem::path> pages{dir / "site" / "index.html"};
    while (!pages.empty()) {
        const std::filesystem::path page = pages.back();
        pages.pop_back();
        const std::string dom = DumpDom(page, dir / "profile");
        ASSERT_NE(dom.find("<h1>"), std::string::npos) << page;
        EXPECT_EQ(Contents(page).find("<script"), std::string::npos) << page;
        for (std::sregex_iterator it(dom.begin(), dom.end(), link), end; it != end; ++it) {
            const std::filesystem::path target =
                (page.parent_path() / (*it)[1].str()).lexically_normal();
            ASSERT_TRUE(std::filesystem::is_regular_file(target)) << page << " links " << target;
            const std::string stem = target.stem().string();
            if (target.extension() == ".html" &&
                kinds.insert(stem.substr(0, stem.find('-'))).second)
                pages.push_back(target);
        }
    }
    EXPECT_EQ(kinds,
              (std::set<std::string>{"index", "standings", "leaders", "schedule", "club", "game"}));
}

}  // namespace
}  // namespace velmoro
