// The commands of velmoro-db. Each returns the program's exit code:
// 0 success, 1 a command that failed, 2 wrong usage.
#pragma once

#include <optional>
#include <string>

namespace velmoro {

int RunDump(const std::string& file);
int RunBuild(const std::string& jsonFile, const std::string& outFile, bool filter);

int RunImportSeason(const std::string& sourceDir, const std::optional<std::string>& installDir);

struct LahmanOptions {
    std::string csvDir;
    std::string outFile;
    std::optional<int> fromYear;
    std::optional<int> toYear;
    // With clubFilesDir: write the season's club files instead of a database.
    std::optional<std::string> clubFilesDir;
    std::optional<int> season;
    bool quiet = false;
};
int RunImportLahman(const LahmanOptions& options);

int RunDemo(const std::string& outFile);

// How often the wizard's defaults on the teams of LEGENDDB are the clubs' regulars.
int RunLineupReport(const std::string& legendFile, const std::string& csvDir);

// Every season of LEGENDDB replayed and set against its players' side file.
struct UsageReportOptions {
    std::string legendFile;
    bool plain = false;  // the wizard's defaults instead of the clubs' usage plans
    std::optional<int> from, to;
};
int RunUsageReport(const UsageReportOptions& options);

}  // namespace velmoro
