// A UTF-8 byte-order mark at the start of a text file, as Windows editors save it, is
// read past by every reader of text the programs take.
#include <gtest/gtest.h>

#include "support/program_runner.h"
#include "support/temp_dir.h"

namespace velmoro {
namespace {

namespace fs = std::filesystem;
using namespace velmoro::testing;

TEST(ByteOrderMark, EveryTextInputReadsAsItWouldWithoutTheMark) {
    const fs::path data = VELMORO_DATA_DIR, tests = VELMORO_TEST_DATA_DIR;
    if (!fs::exists(data / "LegendDB")) GTEST_SKIP() << "no demo league in " << data;
    TempDir dir;
    const auto marked = [&](const fs::path& to, const std::string& text) {
        WriteBytes(dir / to, "\xEF\xBB\xBF" + text);
    };
    fs::copy_file(data / "LegendDB", dir / "LegendDB");
    marked("Seasons.csv", Contents(data / "Seasons.csv"));
    marked("script.txt", "1 0\n0 1\n");
    marked("game.gam", Contents(tests / "saves" / "demo_mid.gam"));
    marked("league.json", Contents(tests / "json" / "awkward_league.json"));
    fs::create_directories(dir / "lahman");
    for (const auto& table : fs::directory_iterator(tests / "lahman"))
        marked("lahman" / table.path().filename(), Contents(table.path()));
    // A club of the demo league: replaced, not added under a name that holds the mark.
    const std::string club = Contents(tests / "club" / "club_pitching_without_p.txt");
    fs::create_directories(dir / "clubs");
    marked("clubs/angels", "2025 Harbor Hawks" + club.substr(club.find('\n')));

    const struct {
        const char* program;
        std::string args;
        std::string out;
    } cases[] = {
        {"velmoro-sim", "--dir . --season 2025 --seed 1 --quiet", "Season 2025 replayed"},
        {"velmoro-sim",
         "--dir . --script script.txt --visitors '2025 Harbor Hawks' --home '2025 Summit Peaks' "
         "--seed 1 --quiet",
         ""},
        {"velmoro-sim", "--dir . --load game.gam --seed 1 --quiet", ""},
        {"velmoro-db", "build league.json -o Built", ""},
        {"velmoro-db", "import-lahman lahman -o History --quiet", " teams, "},
        {"velmoro-db", "import-season clubs --dir .", "0 new teams, 1 teams replaced"},
    };
    for (const auto& c : cases) {
        const ProgramRun run =
            RunProgram(BuildProgram(c.program), SplitArguments(c.args), dir.path());
        EXPECT_EQ(run.exitCode, 0) << c.args << "\n" << run.err;
        EXPECT_NE(run.out.find(c.out), std::string::npos) << c.args << "\n" << run.out;
    }
}

}  // namespace
}  // namespace velmoro
