// velmoro-season: create a season, sim its days, play a managed club's next game, read
// the standings, leaders and box scores, and export it.
#include <CLI/CLI.hpp>

#include "cli/parse_command_line.h"
#include "cli/program_frame.h"
#include "cli/season_commands.h"

namespace {

using namespace velmoro;

constexpr const char* kProgram = "velmoro-season";

struct Commands {
    SeasonNewCommand create;
    std::string engine = "realistic";
    SeasonSimCommand sim;
    SeasonPlayCommand play;
    std::string manager;
    std::filesystem::path file;
    int game = 0;
    std::optional<int> day;
    SeasonExportCommand exported;
};

void AddNew(CLI::App& app, Commands& c) {
    auto* create = app.add_subcommand("new", "Start a season file");
    create->add_option("FILE", c.create.file, "season file to write (.vsn)")->required();
    create->add_option("--season", c.create.options.year, "year")->required();
    create->add_option("--league", c.create.options.league, "one league of the year (AL, NL, ...)");
    create->add_option("--manage", c.create.options.managed, "a club you manage (repeatable)");
    create->add_option("--engine", c.engine, "classic or realistic (the default)");
    create->add_option("--seed", c.create.options.seed, "seed of every game");
    create->add_option("--games-per-team", c.create.options.gamesPerTeam,
                       "games per club instead of the real number");
    create->add_option("--dir", c.create.options.directory, "installation directory");
}

void AddPlayCommands(CLI::App& app, Commands& c) {
    auto* sim = app.add_subcommand("sim", "Play days of the season");
    sim->add_option("FILE", c.sim.file, "season file")->required();
    auto* days = sim->add_option("--days", c.sim.days, "days to play (1 when not given)");
    sim->add_flag("--to-end", c.sim.toEnd, "play to the end of the season")->excludes(days);
    sim->add_option("--jobs", c.sim.jobs, "worker threads (every core when not given)");
    sim->add_flag("--quiet", c.sim.quiet, "no progress bar");
    sim->add_option("--dir", c.sim.directory, "another installation directory, kept in the file");
    auto* play = app.add_subcommand("play", "Play the next game of a club you manage");
    play->add_option("FILE", c.play.file, "season file")->required();
    play->add_option("--script", c.play.script, "the turns' choices, \"O D\" per line");
    play->add_option("--manager", c.manager, "book or lookahead: the computer manages your club")
        ->check(CLI::IsMember({"book", "lookahead"}));
    play->add_flag("--quiet", c.play.quiet, "no progress bar while the days before are played");
    play->add_option("--dir", c.play.directory, "another installation directory, kept in the file");
}

void AddReadCommands(CLI::App& app, Commands& c) {
    app.add_subcommand("standings", "Standings beside the real ones")
        ->add_option("FILE", c.file, "season file")
        ->required();
    app.add_subcommand("leaders", "League leaders")
        ->add_option("FILE", c.file, "season file")
        ->required();
    auto* box = app.add_subcommand("box", "A game's box score");
    box->add_option("FILE", c.file, "season file")->required();
    box->add_option("--game", c.game, "game number")->required();
    auto* schedule = app.add_subcommand("schedule", "The schedule and results");
    schedule->add_option("FILE", c.file, "season file")->required();
    schedule->add_option("--day", c.day, "one day (from 1)");
    auto* out = app.add_subcommand("export", "Write the season as CSV files or a web site");
    out->add_option("FILE", c.exported.file, "season file")->required();
    auto* csv = out->add_option("--csv", c.exported.csv, "folder for the CSV files");
    auto* html = out->add_option("--html", c.exported.html, "folder for the web site");
    csv->excludes(html);
    out->callback([csv, html] {
        if (csv->count() + html->count() == 0) throw CLI::RequiredError("--csv or --html");
    });
}

int Dispatch(CLI::App& app, Commands& c) {
    const std::string name = app.get_subcommands().front()->get_name();
    if (name == "new") {
        const auto engine = ParseEngineKind(c.engine);
        if (!engine) {
            ReportSeasonError("--engine: classic or realistic, not \"" + c.engine + "\"");
            return kSeasonUsage;
        }
        c.create.options.engine = *engine;
        return RunSeasonNew(c.create);
    }
    if (name == "sim") return RunSeasonSim(c.sim);
    if (name == "play") {
        if (!c.manager.empty())
            c.play.manager = c.manager == "book" ? ManagerKind::Book : ManagerKind::LookAhead;
        return RunSeasonPlay(c.play);
    }
    if (name == "standings") return RunSeasonStandings(c.file);
    if (name == "leaders") return RunSeasonLeaders(c.file);
    if (name == "box") return RunSeasonBox(c.file, c.game);
    if (name == "schedule") return RunSeasonSchedule(c.file, c.day);
    return RunSeasonExport(c.exported);
}

int RunCommand(int argc, char** argv) {
    CLI::App app{"Velmoro Baseball: a season you manage"};
    app.require_subcommand(1);
    Commands commands;
    AddNew(app, commands);
    AddPlayCommands(app, commands);
    AddReadCommands(app, commands);
    if (const std::optional<int> exit = ParseCommandLine(app, argc, argv, kSeasonUsage))
        return *exit;
    return Dispatch(app, commands);
}

}  // namespace

int main(int argc, char** argv) {
    velmoro::StartProgram(kProgram);
    return velmoro::FinishProgram(kProgram, RunCommand(argc, argv));
}
