#include <CLI/CLI.hpp>

#include <charconv>
#include <filesystem>
#include <map>
#include <utility>

#include "cli/sim.h"
#include "engine/message_text.h"

namespace velmoro {

namespace {

constexpr std::uint64_t kMostGames = 100000000;
constexpr std::uint64_t kMostTurns = 100000000;
constexpr std::uint64_t kMostGamesPerTeam = 1000;
constexpr std::uint64_t kMostJobs = 256;
constexpr std::uint64_t kMostReplays = 1000;

void UsageError(const std::string& text) {
    std::fprintf(stderr, "velmoro-sim: %s\n", text.c_str());
}

// Digits only, within low..high. The message names the option and its range, never the
// value, which may be anything up to a whole file.
bool WholeNumber(const std::string& option, const std::string& text, std::uint64_t low,
                 std::uint64_t high, std::uint64_t& value) {
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    const bool digitsOnly = !text.empty() && text[0] != '-' && text[0] != '+';
    if (digitsOnly && ec == std::errc() && ptr == end && value >= low && value <= high) return true;
    UsageError(option + ": a whole number from " + std::to_string(low) + " to " +
               std::to_string(high));
    return false;
}

// CLI11's own messages quote what was typed: a long argument is cut and control bytes
// escaped as in every other message.
std::string ShownCliError(std::string message, int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.size() <= kShownBytes) continue;
        for (std::size_t at = message.find(arg); at != std::string::npos;
             at = message.find(arg, at + 1)) {
            message.replace(at, arg.size(), ShownValue(arg));
        }
    }
    // A value CLI11 quotes in another form ("--opt=VALUE") is still kept short.
    return ShownValue(message, 4 * kShownBytes);
}

// The command line as typed, before its values are checked.
struct Typed {
    std::string visitors, home, load, directory, seed, games, script, year, league, perTeam, jobs,
        csv, manager, managerKind, pairs, engine, replays;
    std::pair<std::string, std::string> saveAt;
    bool designatedHitter = false, quiet = false, allSeasons = false;
    std::map<std::string, bool> given;

    bool Has(const std::string& name) const {
        const auto it = given.find(name);
        return it != given.end() && it->second;
    }
};

// One option: a value, a flag or the two values of --save-at.
struct OptionEntry {
    const char* name;
    const char* help;
    std::string Typed::*value = nullptr;
    bool Typed::*flag = nullptr;
    const char* typeName = nullptr;
};

const OptionEntry kOptions[] = {
    {"--visitors", "visiting team: \"1927 Yankees\" or custom:NAME", &Typed::visitors},
    {"--home", "home team, named the same way", &Typed::home},
    {"--load", "go on with a saved game (.gam)", &Typed::load},
    {"--dir", "installation directory", &Typed::directory},
    {"--dh", "play with a designated hitter", nullptr, &Typed::designatedHitter},
    {"--seed", "seed of the random source", &Typed::seed},
    {"--games", "number of games", &Typed::games},
    {"--script", "choices \"O D\" per turn", &Typed::script},
    {"--quiet", "no progress bar", nullptr, &Typed::quiet},
    {"--save-at", "save after turn K to FILE and load it again", nullptr, nullptr, "K FILE"},
    {"--season", "replay the season of YEAR", &Typed::year},
    {"--all-seasons", "replay every season of the database", nullptr, &Typed::allSeasons},
    {"--league", "one league of the season: AL, NL ...", &Typed::league},
    {"--games-per-team", "games per team (default: the real number)", &Typed::perTeam},
    {"--jobs", "worker threads (default: every core)", &Typed::jobs},
    {"--csv", "write the standings and the player lines as CSV files", &Typed::csv},
    {"--manager", "the computer manages visitors, home or both", &Typed::manager, nullptr, "SIDE"},
    {"--manager-kind", "book (default) or lookahead", &Typed::managerKind, nullptr, "KIND"},
    {"--compare-managers",
     "N pairs of games, the home side managed in one of each, on Normal Play in the other",
     &Typed::pairs},
    {"--engine",
     "classic or realistic (default: classic for games, the file's for --load, realistic for "
     "seasons)",
     &Typed::engine, nullptr, "KIND"},
    {"--replays", "play each season N times, the standings and figures averaged", &Typed::replays},
};

// Each option of the first list with every option of the second.
const std::pair<std::vector<const char*>, std::vector<const char*>> kExclusions[] = {
    {{"--load"}, {"--visitors", "--home", "--dh", "--games"}},
    {{"--season"}, {"--all-seasons"}},
    {{"--compare-managers"}, {"--load", "--games", "--script", "--save-at", "--manager"}},
    {{"--manager"}, {"--script"}},
    {{"--season", "--all-seasons"},
     {"--visitors", "--home", "--load", "--dh", "--games", "--script", "--save-at", "--manager",
      "--manager-kind", "--compare-managers"}},
};

// The options on a CLI11 app; `typed` receives the values.
void AddOptions(CLI::App& app, Typed& typed, std::map<std::string, CLI::Option*>& added) {
    for (const OptionEntry& entry : kOptions) {
        CLI::Option* option = nullptr;
        if (entry.value) {
            option = app.add_option(entry.name, typed.*entry.value, entry.help);
        } else if (entry.flag) {
            option = app.add_flag(entry.name, typed.*entry.flag, entry.help);
        } else {
            option = app.add_option(entry.name, typed.saveAt, entry.help);
        }
        if (entry.typeName) option->type_name(entry.typeName);
        added[entry.name] = option;
    }
    for (const auto& [options, others] : kExclusions)
        for (const char* option : options)
            for (const char* other : others)
                added[option]->excludes(added[other]);
}

// A number of `option` when it was given; false after a usage error.
template <typename T>
bool TakeNumber(const Typed& typed, const std::string& option, const std::string& text,
                std::uint64_t low, std::uint64_t high, T& target) {
    if (!typed.Has(option)) return true;
    std::uint64_t number = 0;
    if (!WholeNumber(option, text, low, high, number)) return false;
    target = static_cast<T>(number);
    return true;
}

// --csv names a file to write: not nothing, not a folder.
bool CsvPathUsable(const std::string& path) {
    std::error_code ignored;
    if (path.empty() || std::filesystem::is_directory(path, ignored) ||
        !std::filesystem::path(path).has_filename()) {
        UsageError("--csv: the file to write the standings to");
        return false;
    }
    return true;
}

ExitCode TakeSeason(const Typed& typed, SimOptions& options) {
    SeasonCommand command;
    command.allSeasons = typed.allSeasons;
    command.league = typed.league;
    command.quiet = typed.quiet;
    if (!TakeNumber(typed, "--season", typed.year, 1, 9999, command.year) ||
        !TakeNumber(typed, "--replays", typed.replays, 1, kMostReplays, command.replays) ||
        !TakeNumber(typed, "--games-per-team", typed.perTeam, 1, kMostGamesPerTeam,
                    command.gamesPerTeam) ||
        !TakeNumber(typed, "--jobs", typed.jobs, 1, kMostJobs, command.jobs))
        return kSimUsage;
    if (typed.Has("--csv")) {
        // One season's lines are one replay's: they cannot be averaged.
        if (!command.allSeasons && command.replays > 1) {
            UsageError("--csv goes with --season only for a single replay (--replays 1)");
            return kSimUsage;
        }
        if (!CsvPathUsable(typed.csv)) return kSimUsage;
        command.csv = typed.csv;
    }
    options.season = command;
    return std::nullopt;
}

// --replays outside a season replay, told as the other season options are.
bool ReplaysRefused(const Typed& typed) {
    if (!typed.Has("--replays")) return false;
    UsageError("--replays goes with --season or --all-seasons");
    return true;
}

ExitCode TakeCompare(const Typed& typed, SimOptions& options) {
    if (!TakeNumber(typed, "--compare-managers", typed.pairs, 1, kMostGames,
                    options.comparePairs) ||
        !TakeNumber(typed, "--jobs", typed.jobs, 1, kMostJobs, options.jobs))
        return kSimUsage;
    if (typed.Has("--league") || typed.Has("--games-per-team") || typed.Has("--csv")) {
        UsageError("--league, --games-per-team and --csv go with --season or --all-seasons");
        return kSimUsage;
    }
    if (ReplaysRefused(typed)) return kSimUsage;
    if (!typed.Has("--visitors") || !typed.Has("--home")) {
        UsageError("--compare-managers: --visitors and --home name the two teams");
        return kSimUsage;
    }
    return std::nullopt;
}

// What to play: a season, a comparison, a saved game or two teams.
ExitCode TakeCommand(const Typed& typed, SimOptions& options) {
    if (typed.Has("--season") || typed.Has("--all-seasons")) return TakeSeason(typed, options);
    if (typed.Has("--compare-managers")) return TakeCompare(typed, options);
    if (typed.Has("--league") || typed.Has("--games-per-team") || typed.Has("--jobs") ||
        typed.Has("--csv")) {
        UsageError(
            "--league, --games-per-team and --csv go with --season or --all-seasons, --jobs "
            "with those or --compare-managers");
        return kSimUsage;
    }
    if (ReplaysRefused(typed)) return kSimUsage;
    if (typed.Has("--load")) {
        if (typed.load.empty()) {
            UsageError("--load: the saved game to go on with");
            return kSimUsage;
        }
        options.load = typed.load;
    } else if (!typed.Has("--visitors") || !typed.Has("--home")) {
        UsageError(
            "--visitors and --home name the two teams (or --load FILE goes on with a saved game)");
        return kSimUsage;
    }
    return std::nullopt;
}

ExitCode TakeManager(const Typed& typed, SimOptions& options) {
    if (typed.Has("--manager")) {
        const std::string& side = typed.manager;
        if (side != "visitors" && side != "home" && side != "both") {
            UsageError("--manager: visitors, home or both");
            return kSimUsage;
        }
        options.managesVisitors = side != "home";
        options.managesHome = side != "visitors";
    }
    if (!typed.Has("--manager-kind")) return std::nullopt;
    if (!typed.Has("--manager") && !typed.Has("--compare-managers")) {
        UsageError("--manager-kind goes with --manager or --compare-managers");
        return kSimUsage;
    }
    if (typed.managerKind != "book" && typed.managerKind != "lookahead") {
        UsageError("--manager-kind: book or lookahead");
        return kSimUsage;
    }
    options.managerKind = typed.managerKind == "book" ? ManagerKind::Book : ManagerKind::LookAhead;
    return std::nullopt;
}

// --engine for any command; a season takes it as its own. New games are classic
// without it; a loaded game keeps the engine its file marks.
ExitCode TakeEngine(const Typed& typed, SimOptions& options) {
    if (!typed.Has("--engine")) {
        if (!options.load && !options.season) options.engine = EngineKind::Classic;
        return std::nullopt;
    }
    options.engine = ParseEngineKind(typed.engine);
    if (!options.engine) {
        UsageError("--engine: classic or realistic");
        return kSimUsage;
    }
    if (options.season) options.season->engine = *options.engine;
    return std::nullopt;
}

// The options every command shares.
ExitCode TakeCommon(const Typed& typed, SimOptions& options) {
    if (!TakeNumber(typed, "--games", typed.games, 1, kMostGames, options.games) ||
        !TakeNumber(typed, "--seed", typed.seed, 0, UINT32_MAX, options.seed))
        return kSimUsage;
    if (const ExitCode managed = TakeManager(typed, options)) return managed;
    if (const ExitCode engine = TakeEngine(typed, options)) return engine;
    if (typed.Has("--dir")) options.directory = typed.directory;
    if (typed.Has("--script")) options.script = typed.script;
    if (typed.Has("--save-at")) {
        std::uint64_t turn = 0;
        if (!WholeNumber("--save-at", typed.saveAt.first, 0, kMostTurns, turn)) return kSimUsage;
        if (typed.saveAt.second.empty()) {
            UsageError("--save-at: a turn and the file to save to");
            return kSimUsage;
        }
        options.saveAtTurn = static_cast<int>(turn);
        options.saveFile = typed.saveAt.second;
    }
    return std::nullopt;
}

}  // namespace

ExitCode ParseSimOptions(int argc, char** argv, SimOptions& options) {
    CLI::App app{"Plays Velmoro Baseball games without windows.", "velmoro-sim"};
    Typed typed;
    std::map<std::string, CLI::Option*> added;
    AddOptions(app, typed, added);
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        std::fputs(app.help().c_str(), stdout);
        return kSimOk;
    } catch (const CLI::ParseError& e) {
        UsageError(ShownCliError(e.what(), argc, argv));
        return kSimUsage;
    }
    options.designatedHitter = typed.designatedHitter;
    options.quiet = typed.quiet;
    options.visitors = typed.visitors;
    options.home = typed.home;
    for (const auto& [name, option] : added)
        typed.given[name] = option->count() > 0;
    if (const ExitCode command = TakeCommand(typed, options)) return command;
    return TakeCommon(typed, options);
}

}  // namespace velmoro
