// A UTF-8 byte-order mark at the start of a text file, as Windows editors save it, is
// read past by every reader of text the programs take. (The JSON of velmoro-db build
// has one in its own test.)
#include <gtest/gtest.h>

#include "support/program_runner.h"
#include "support/small_lahman.h"
#include "support/temp_dir.h"

namespace velmoro {
namespace {

namespace fs = std::filesystem;
using namespace velmoro::testing;

TEST(TextInputs, AByteOrderMarkAtTheStartIsReadPastByEveryReader) {
    const fs::path data = VELMORO_DATA_DIR, tests = VELMORO_TEST_DATA_DIR;
    TempDir dir;
    const auto marked = [&](const fs::path& to, const std::string& text) {
        fs::create_directories((dir.path() / to).parent_path());
        WriteBytes(dir.path() / to, "\xEF\xBB\xBF" + text);
    };
    fs::copy_file(data / "LegendDB", dir / "LegendDB");
    marked("Seasons.csv", Contents(data / "Seasons.csv"));
    marked("s", "1 0\n0 1\n");
    marked("game.gam", Contents(tests / "saves" / "demo_mid.gam"));
    TempDir lahman;
    WriteSmallLahmanTables(lahman.path());
    for (const auto& table : fs::directory_iterator(lahman.path()))
        marked("lahman" / table.path().filename(), Contents(table.path()));
    // A club of the demo league: replaced, not added under a name that holds the mark.
    const std::string club = Contents(tests / "club" / "club_pitching_without_p.txt");
    marked("clubs/angels", "2025 Harbor Hawks" + club.substr(club.find('\n')));
    const std::pair<std::string, std::string> cases[] = {
        // the command, part of its output
        {"velmoro-sim --season 2025 --seed 1 --quiet", "Season 2025 replayed"},
        {"velmoro-sim --script s --visitors '2025 Harbor Hawks' --home '2024 Harbor Hawks'", ""},
        {"velmoro-sim --load game.gam --seed 1", ""},
        {"velmoro-db import-lahman lahman -o History --quiet", " teams, "},
        {"velmoro-db import-season clubs", "0 new teams, 1 teams replaced"},
    };
    for (const auto& [command, says] : cases) {
        const std::vector<std::string> args = SplitArguments(command);
        const ProgramRun run = RunProgram(BuildProgram(args[0]), {args.begin() + 1, args.end()},
                                          dir.path(), {{"VELMORO_DIR", dir.path().string()}});
        EXPECT_TRUE(run.exitCode == 0 && run.out.find(says) != std::string::npos)
            << command << "\n"
            << run.err << run.out.substr(0, 200);
    }
}

}  // namespace
}  // namespace velmoro
