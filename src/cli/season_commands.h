// velmoro-season: a season a user manages, from the command line.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "campaign/managed_season.h"
#include "manager/manager.h"

namespace velmoro {

enum SeasonExit : int { kSeasonOk = 0, kSeasonFailed = 1, kSeasonUsage = 2 };

struct SeasonNewCommand {
    std::filesystem::path file;
    NewSeasonOptions options;
};

struct SeasonSimCommand {
    std::filesystem::path file;
    std::optional<std::filesystem::path> directory;  // another installation folder
    int days = 1;
    bool toEnd = false;
    int jobs = 0;
    bool quiet = false;
};

struct SeasonPlayCommand {
    std::filesystem::path file;
    std::optional<std::filesystem::path> directory;
    std::optional<std::filesystem::path> script;
    std::optional<ManagerKind> manager;  // none: the script's choices (Normal Play after)
    bool quiet = false;
};

struct SeasonExportCommand {
    std::filesystem::path file;
    std::optional<std::filesystem::path> csv;
    std::optional<std::filesystem::path> html;
};

int RunSeasonNew(const SeasonNewCommand& command);
int RunSeasonSim(const SeasonSimCommand& command);
int RunSeasonPlay(const SeasonPlayCommand& command);
int RunSeasonStandings(const std::filesystem::path& file);
int RunSeasonLeaders(const std::filesystem::path& file);
int RunSeasonBox(const std::filesystem::path& file, int game);
int RunSeasonSchedule(const std::filesystem::path& file, std::optional<int> day);
int RunSeasonExport(const SeasonExportCommand& command);

// "velmoro-season: TEXT" on stderr.
void ReportSeasonError(const std::string& text);

// The season file opened (its installation folder `directory` from now on, when given),
// or the reason on stderr and none.
std::unique_ptr<ManagedSeason> OpenSeasonOrSay(
    const std::filesystem::path& file,
    const std::optional<std::filesystem::path>& directory = std::nullopt);

}  // namespace velmoro
