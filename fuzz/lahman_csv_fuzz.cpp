// The Lahman table reader and the history import on top of it.
//
// Input: up to five tables separated by NUL bytes, in the order Teams, People,
// Batting, Pitching, Appearances; a table the input does not reach is absent. Each is
// read on its own as a CsvTable, then all of them go through the import as the folder
// of tables `velmoro-db import-lahman` reads.
#include <array>
#include <cmath>
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "import/lahman_csv.h"
#include "import/lahman_import.h"

using namespace velmoro;

namespace {

constexpr std::array<const char*, 5> kTables = {"Teams.csv", "People.csv", "Batting.csv",
                                                "Pitching.csv", "Appearances.csv"};

// Columns the import looks up, and one no table has.
constexpr std::array<const char*, 8> kColumns = {"yearID", "teamID", "playerID", "name",
                                                 "G",      "ERA",    "BAOpp",    "nothing"};

void CheckTable(std::string_view text) {
    CsvTable table;
    if (!table.Parse(std::string(text))) {
        fuzz::Check(table.Rows() == 0, "a table without a header has no rows");
        return;
    }
    for (const char* name : kColumns) {
        const int column = table.Column(name);
        for (std::size_t row = 0; row < table.Rows(); ++row) {
            const long whole = table.Int(row, column);
            const double number = table.Number(row, column);
            if (column < 0)
                fuzz::Check(whole == 0 && std::isnan(number), "an absent column reads nothing");
        }
    }
    fuzz::Check(table.Field(table.Rows(), 0).empty(), "a row past the end reads empty");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = fuzz::SplitOnNul(fuzz::Bytes(data, size), kTables.size());
    const std::filesystem::path dir = fuzz::ScratchDir() / "lahman";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directory(dir);
    for (std::size_t i = 0; i < parts.size(); ++i) {
        CheckTable(parts[i]);
        fuzz::WriteFile(dir / kTables[i], parts[i]);
    }

    TeamList teams;
    std::string error;
    if (!ImportLahman(dir, LahmanImportOptions{}, teams, nullptr, &error)) {
        fuzz::Check(!error.empty(), "a failed import says why");
        return 0;
    }
    fuzz::CheckImageReadsBack(teams);
    return 0;
}
