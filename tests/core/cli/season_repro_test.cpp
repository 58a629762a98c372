// Season inputs that broke the replay, each with what a user must get: the exit code and
// the words that tell him why. The standings files read back with a standard CSV reader.
#include <gtest/gtest.h>

#include <set>

#include "db/season_index.h"
#include "db/team_files.h"

#include "support/program_runner.h"
#include "support/temp_dir.h"

namespace velmoro {
namespace {

using namespace velmoro::testing;

const std::filesystem::path kRepro = std::filesystem::path(VELMORO_TEST_DATA_DIR) / "season_repro";

// RFC 4180 as a spreadsheet reads it: each record's fields, quotes undone.
std::vector<std::vector<std::string>> ReadCsv(const std::string& text) {
    std::vector<std::vector<std::string>> rows(1, std::vector<std::string>(1));
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted && c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
            rows.back().back() += c, ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && c == ',') {
            rows.back().emplace_back();
        } else if (!quoted && c == '\n') {
            rows.emplace_back(1);
        } else {
            rows.back().back() += c;
        }
    }
    rows.pop_back();  // after the last line end
    return rows;
}

// The quotes_in_names run's two files: every column quoted as it must be.
void ExpectQuotedCsv(const TempDir& work) {
    std::string standingsText, playersText;
    ASSERT_TRUE(ReadFileBytes(work / "out.csv", standingsText));
    ASSERT_TRUE(ReadFileBytes(work / "out-players.csv", playersText));
    const auto standings = ReadCsv(standingsText);
    const auto players = ReadCsv(playersText);
    std::set<std::pair<std::string, std::string>> teams;
    for (const auto& row : standings) {
        ASSERT_EQ(row.size(), 16u) << row[0];
        teams.emplace(row[1], row[2]);
    }
    const std::string odd = "V,L \"x\"";
    EXPECT_EQ(teams,
              (std::set<std::pair<std::string, std::string>>{{"league", "team"},
                                                             {odd, "2025 \"Big\" Hawks, Inc."},
                                                             {odd, "2025 Señores de Zürich ⚾"},
                                                             {odd, "2025 " + std::string(250, 'X')},
                                                             {"VBL", "2025 Loons\tTab"},
                                                             {"VBL", "2025 Back\\slash"},
                                                             {"VBL", "2025 Summit Peaks"}}));
    ASSERT_GT(players.size(), 20u);
    for (const auto& row : players)
        ASSERT_EQ(row.size(), 27u) << row[0];
}

TEST(SeasonRepro, EachInputGivesTheWantedResult) {
    const struct {
        const char* folder;
        std::string args;
        int exitCode;
        std::string err;  // in the error output
    } cases[] = {
        {"games_2e9", "--season 2025", 1, "Seasons.csv: line"},
        {"wins_intmax", "--season 2025", 1, "Seasons.csv: line"},
        {"repeated_row", "--season 2025", 1, "Seasons.csv: line"},
        {"header_only", "--all-seasons", 1, "Seasons.csv"},
        {"bom", "--season 2025", 0, ""},
        {"games_zero", "--season 2025", 1, "Seasons.csv: line 2: column wins: 57 is not in 0..0"},
        {"team_not_in_db", "--season 2025", 0, "2025 Ghost Town Phantoms is not in LegendDB"},
        {"one_club_league", "--season 2025", 0, "a league of one club cannot play a season"},
        {"one_club_league", "--season 2025 --league XL", 1, "a league of one club cannot play"},
        {"unfieldable_team", "--season 2030", 1,
         "2030 PC cannot be fielded: 5 players for the 6 places of pitcher, catcher, first base, "
         "second base, shortstop and third base"},
        {"unfieldable_team", "--all-seasons", 1, "1 season skipped: 2030\n"},
        {"quotes_in_names", "--season 2025 --csv out.csv", 0, ""},
    };
    for (const auto& c : cases) {
        TempDir work;
        std::vector<std::string> args = SplitArguments(c.args);
        args.insert(args.end(), {"--dir", (kRepro / c.folder).string(), "--seed", "1", "--quiet"});
        const ProgramRun run = RunProgram(BuildProgram("velmoro-sim"), args, work.path());
        EXPECT_EQ(run.exitCode, c.exitCode) << c.folder << " " << c.args << "\n" << run.err;
        EXPECT_NE(run.err.find(c.err), std::string::npos) << c.folder << "\n" << run.err;
        if (c.exitCode == 0) {
            EXPECT_NE(run.out.find("Season 2025 replayed"), std::string::npos) << c.folder;
        }
        if (c.args.ends_with("--csv out.csv")) ExpectQuotedCsv(work);
    }
}

}  // namespace
}  // namespace velmoro
