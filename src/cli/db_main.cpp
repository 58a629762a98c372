// velmoro-db: database files without a display.
#include <CLI/CLI.hpp>
#include <cstdio>

#include "cli/db_commands.h"
#include "cli/parse_command_line.h"
#include "cli/program_frame.h"

namespace {

int RunCommand(int argc, char** argv) {
    using namespace velmoro;
    CLI::App app{"Velmoro Baseball team databases"};
    app.require_subcommand(1);

    std::string file;
    auto* dump = app.add_subcommand("dump", "Print a database file as JSON");
    dump->add_option("FILE", file, "database file")->required();

    std::string json;
    std::string out;
    bool filter = false;
    auto* build = app.add_subcommand("build", "Write a database file from JSON");
    build->add_option("JSON", json, "JSON file")->required();
    build->add_option("-o", out, "database file to write")->required();
    build->add_flag("--filter", filter, "write only qualifying players");

    std::string sourceDir;
    std::optional<std::string> installDir;
    auto* season =
        app.add_subcommand("import-season", "Import a season's club files into LegendDB");
    season->add_option("SRC_DIR", sourceDir, "folder with the thirty club files")->required();
    season->add_option("--dir", installDir, "installation directory holding LegendDB");

    LahmanOptions lahman;
    auto* history = app.add_subcommand("import-lahman", "Build a LegendDB from the Lahman tables");
    history->add_option("CSV_DIR", lahman.csvDir, "folder with the Lahman tables")->required();
    history->add_option("-o", lahman.outFile, "database file to write");
    history->add_option("--from", lahman.fromYear, "first season");
    history->add_option("--to", lahman.toYear, "last season");
    history->add_option("--club-files", lahman.clubFilesDir, "write a season's club files here");
    history->add_option("--season", lahman.season, "season of the club files");
    history->add_flag("--quiet", lahman.quiet, "no progress bar");

    std::string demoOut;
    auto* demo = app.add_subcommand("demo", "Write the program's own fictional league");
    demo->add_option("-o", demoOut, "database file to write")->required();

    std::string reportDb, reportCsv;
    auto* report = app.add_subcommand(
        "lineup-report", "How often the default lineups of LEGENDDB are the clubs' regulars");
    report->add_option("LEGENDDB", reportDb, "database file")->required();
    report->add_option("LAHMAN_DIR", reportCsv, "folder with the Lahman tables")->required();

    UsageReportOptions usage;
    auto* usageReport = app.add_subcommand(
        "usage-report", "Replay every season of LEGENDDB and measure it against the clubs' usage");
    usageReport->add_option("LEGENDDB", usage.legendFile, "database file")->required();
    usageReport->add_flag("--plain", usage.plain, "set games up as the wizard's defaults");
    usageReport->add_option("--from", usage.from, "first season");
    usageReport->add_option("--to", usage.to, "last season");

    if (const std::optional<int> exit = ParseCommandLine(app, argc, argv, 2)) return *exit;

    if (*dump) return RunDump(file);
    if (*build) return RunBuild(json, out, filter);
    if (*season) return RunImportSeason(sourceDir, installDir);
    if (*history) return RunImportLahman(lahman);
    if (*demo) return RunDemo(demoOut);
    if (*report) return RunLineupReport(reportDb, reportCsv);
    if (*usageReport) return RunUsageReport(usage);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    velmoro::StartProgram("velmoro-db");
    return velmoro::FinishProgram("velmoro-db", RunCommand(argc, argv));
}
