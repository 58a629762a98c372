// The managed season's tests: the demo league written as an installation folder, a
// season of it, and the season file's tables as text to compare.
#pragma once

#include <sqlite3.h>

#include <string>

#include "campaign/managed_season.h"
#include "db/season_index.h"
#include "db/team_files.h"
#include "import/demo_league.h"
#include "support/temp_dir.h"

namespace velmoro::testing {

// LegendDB and Seasons.csv of the demo league (2024 and 2025, eight clubs) in a folder.
inline void WriteDemoInstallation(const std::filesystem::path& directory) {
    if (!WriteTeamList(MakeDemoLeague(), directory / kLegendFileName, false) ||
        !WriteSeasonIndex(directory / "Seasons.csv", MakeDemoStandings()).ok())
        throw std::runtime_error("cannot write the demo installation");
}

inline NewSeasonOptions DemoSeasonOptions(const std::filesystem::path& directory, int games) {
    NewSeasonOptions options;
    options.directory = directory, options.year = 2024, options.seed = 7;
    options.gamesPerTeam = games;
    options.managed = {"2024 Harbor Hawks"};
    return options;
}

// The first column of a query's first row, as text ("" when there is none).
inline std::string QueryText(const std::filesystem::path& file, const char* sql) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(file.string().c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* row = nullptr;
    std::string out;
    if (sqlite3_prepare_v2(db, sql, -1, &row, nullptr) == SQLITE_OK &&
        sqlite3_step(row) == SQLITE_ROW)
        if (const auto* text = sqlite3_column_text(row, 0))
            out = reinterpret_cast<const char*>(text);
    sqlite3_finalize(row);
    sqlite3_close(db);
    return out;
}

// Every row of the tables a sim writes, in key order.
inline std::string DumpSeasonTables(const std::filesystem::path& file) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(file.string().c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    std::string out;
    for (const char* table : {"games", "players", "batting_lines", "pitching_lines"}) {
        sqlite3_stmt* rows = nullptr;
        const std::string sql = std::string("SELECT * FROM ") + table + " ORDER BY 1, 2, 3";
        sqlite3_prepare_v2(db, sql.c_str(), -1, &rows, nullptr);
        while (sqlite3_step(rows) == SQLITE_ROW) {
            for (int c = 0; c < sqlite3_column_count(rows); ++c) {
                const auto* text = sqlite3_column_text(rows, c);
                out += text ? reinterpret_cast<const char*>(text) : "NULL";
                out += '|';
            }
            out += '\n';
        }
        sqlite3_finalize(rows);
    }
    sqlite3_close(db);
    return out;
}

}  // namespace velmoro::testing
