// velmoro-sim: whole games without windows, set up as the new game wizard does when
// every default is accepted.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine_kind.h"
#include "manager/manager.h"
#include "saves/game_engine.h"

namespace velmoro {

enum SimExit : int { kSimOk = 0, kSimFailed = 1, kSimUsage = 2 };

// --season YEAR / --all-seasons: whole seasons instead of single games.
struct SeasonCommand {
    int year = 0;
    bool allSeasons = false;
    std::string league;    // empty: every league of the year
    int gamesPerTeam = 0;  // 0: each team's real number
    std::uint32_t seed = 0;
    int jobs = 0;  // 0: every core
    std::optional<std::filesystem::path> csv;
    bool quiet = false;
    // Season replays play on the realistic engine unless told otherwise.
    EngineKind engine = EngineKind::Realistic;
    // Each season this many times, the standings and figures averaged over them.
    int replays = 1;
};

struct SimOptions {
    std::optional<SeasonCommand> season;
    // A saved game to go on with instead of a new game between two teams.
    std::optional<std::filesystem::path> load;
    std::string visitors;
    std::string home;
    std::optional<std::filesystem::path> directory;
    bool designatedHitter = false;
    std::optional<std::uint32_t> seed;
    long games = 1;
    std::optional<std::filesystem::path> script;
    bool quiet = false;
    std::optional<int> saveAtTurn;
    std::filesystem::path saveFile;
    // --manager: the sides the computer manages, and how.
    bool managesVisitors = false;
    bool managesHome = false;
    ManagerKind managerKind = ManagerKind::Book;
    // --compare-managers N: pairs of games, the home side managed in one of each.
    long comparePairs = 0;
    int jobs = 0;  // 0: every core
    // --engine, for games and comparisons Classic without it; none for a loaded game
    // without it, which plays on the engine its file marks.
    std::optional<EngineKind> engine;
};

// An exit code when the program is to end, none when it goes on.
using ExitCode = std::optional<int>;

// Parses the command line: none to go on, otherwise the exit code (usage errors and
// --help have been reported).
ExitCode ParseSimOptions(int argc, char** argv, SimOptions& options);

struct ScriptTurn {
    int offensive = 0;
    int defensive = 0;
};

// Line k holds "O D" for turn k; a blank line stands for "0 0". Returns kSimOk with the
// turns appended, or kSimUsage with `error` set ("line N: ...") for a line that is not
// two choices the play screen offers; `turns` is then left as it was.
int ParseScript(std::string_view text, std::vector<ScriptTurn>& turns, std::string& error);

// ParseScript on a file's contents. kSimFailed when the file cannot be read (a folder
// included); the error then names the file.
int ReadScript(const std::filesystem::path& path, std::vector<ScriptTurn>& turns,
               std::string& error);

// Plays the games; stdout gets the play-by-play or the result lines.
int RunSim(const SimOptions& options);

struct TeamDatabase;
struct TeamRecord;

// --compare-managers: the pairs on `jobs` threads; the same figures for any job count.
// Every game plays on `engine` (the realistic one on `realistic`).
int RunCompareManagers(const SimOptions& options, TeamRecord& visitors, TeamRecord& home,
                       std::uint32_t seed, EngineKind engine,
                       std::shared_ptr<const RealisticData> realistic);

// Replays the season (or every season) of the index beside LegendDB in `directory`;
// stdout gets the standings, leaders and realism figures.
int RunSeasonCommand(const SeasonCommand& command, TeamDatabase& teams,
                     const std::filesystem::path& directory);

// "Velmoro Baseball: TEXT" on stderr, the way every message box reaches the user here.
void ShowSimMessage(const std::string& text);

// "velmoro-sim: TEXT" on stderr: what the program itself has to say (a failed command,
// a team it cannot field).
void ReportSimError(const std::string& text);

}  // namespace velmoro
