#include <CLI/CLI.hpp>

#include <charconv>
#include <utility>

#include "engine/message_text.h"
#include "sim.h"

namespace velmoro {

namespace {

constexpr std::uint64_t kMostGames = 100000000;
constexpr std::uint64_t kMostTurns = 100000000;
constexpr std::uint64_t kMostGamesPerTeam = 1000;
constexpr std::uint64_t kMostJobs = 256;

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

}  // namespace

int ParseSimOptions(int argc, char** argv, SimOptions& options) {
    CLI::App app{"Plays Velmoro Baseball games without windows.", "velmoro-sim"};
    auto* visitorsOption = app.add_option("--visitors", options.visitors,
                                          "visiting team: \"1927 Yankees\" or custom:NAME");
    auto* homeOption = app.add_option("--home", options.home, "home team, named the same way");
    std::string load;
    auto* loadOption = app.add_option("--load", load, "go on with a saved game (.gam)");
    std::string directory;
    auto* dirOption = app.add_option("--dir", directory, "installation directory");
    auto* dhOption =
        app.add_flag("--dh", options.designatedHitter, "play with a designated hitter");
    std::string seed;
    auto* seedOption = app.add_option("--seed", seed, "seed of the random source");
    std::string games;
    auto* gamesOption = app.add_option("--games", games, "number of games");
    std::string script;
    auto* scriptOption = app.add_option("--script", script, "choices \"O D\" per turn");
    app.add_flag("--quiet", options.quiet, "no progress bar");
    std::pair<std::string, std::string> saveAt;
    auto* saveOption =
        app.add_option("--save-at", saveAt, "save after turn K to FILE and load it again")
            ->type_name("K FILE");
    for (auto* option : {visitorsOption, homeOption, dhOption, gamesOption})
        loadOption->excludes(option);
    std::string year;
    auto* seasonOption = app.add_option("--season", year, "replay the season of YEAR");
    bool allSeasons = false;
    auto* allSeasonsOption =
        app.add_flag("--all-seasons", allSeasons, "replay every season of the database");
    std::string league;
    auto* leagueOption = app.add_option("--league", league, "one league of the season: AL, NL ...");
    std::string perTeam;
    auto* perTeamOption =
        app.add_option("--games-per-team", perTeam, "games per team (default: the real number)");
    std::string jobs;
    auto* jobsOption = app.add_option("--jobs", jobs, "worker threads (default: every core)");
    std::string csv;
    auto* csvOption =
        app.add_option("--csv", csv, "write the standings and the player lines as CSV files");
    std::string manager;
    auto* managerOption =
        app.add_option("--manager", manager, "the computer manages visitors, home or both")
            ->type_name("SIDE");
    std::string managerKind;
    auto* managerKindOption =
        app.add_option("--manager-kind", managerKind, "book (default) or lookahead")
            ->type_name("KIND");
    std::string pairs;
    auto* compareOption = app.add_option(
        "--compare-managers", pairs,
        "N pairs of games, the home side managed in one of each, on Normal Play in the other");
    seasonOption->excludes(allSeasonsOption);
    for (auto* option : {loadOption, gamesOption, scriptOption, saveOption, managerOption})
        compareOption->excludes(option);
    managerOption->excludes(scriptOption);
    for (auto* option :
         {visitorsOption, homeOption, loadOption, dhOption, gamesOption, scriptOption, saveOption,
          managerOption, managerKindOption, compareOption}) {
        seasonOption->excludes(option);
        allSeasonsOption->excludes(option);
    }
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        std::fputs(app.help().c_str(), stdout);
        return kSimOk;
    } catch (const CLI::ParseError& e) {
        UsageError(ShownCliError(e.what(), argc, argv));
        return kSimUsage;
    }
    std::uint64_t number = 0;
    if (*seasonOption || *allSeasonsOption) {
        SeasonCommand command;
        command.allSeasons = allSeasons;
        command.league = league;
        command.quiet = options.quiet;
        if (*seasonOption) {
            if (!WholeNumber("--season", year, 1, 9999, number)) return kSimUsage;
            command.year = static_cast<int>(number);
        }
        if (*perTeamOption) {
            if (!WholeNumber("--games-per-team", perTeam, 1, kMostGamesPerTeam, number))
                return kSimUsage;
            command.gamesPerTeam = static_cast<int>(number);
        }
        if (*jobsOption) {
            if (!WholeNumber("--jobs", jobs, 1, kMostJobs, number)) return kSimUsage;
            command.jobs = static_cast<int>(number);
        }
        if (*csvOption) command.csv = csv;
        options.season = command;
    } else if (*compareOption) {
        if (!WholeNumber("--compare-managers", pairs, 1, kMostGames, number)) return kSimUsage;
        options.comparePairs = static_cast<long>(number);
        if (*jobsOption) {
            if (!WholeNumber("--jobs", jobs, 1, kMostJobs, number)) return kSimUsage;
            options.jobs = static_cast<int>(number);
        }
        if (*leagueOption || *perTeamOption || *csvOption) {
            UsageError("--league, --games-per-team and --csv go with --season or --all-seasons");
            return kSimUsage;
        }
        if (!*visitorsOption || !*homeOption) {
            UsageError("--compare-managers: --visitors and --home name the two teams");
            return kSimUsage;
        }
    } else if (*leagueOption || *perTeamOption || *jobsOption || *csvOption) {
        UsageError(
            "--league, --games-per-team and --csv go with --season or --all-seasons, --jobs "
            "with those or --compare-managers");
        return kSimUsage;
    } else if (*loadOption) {
        if (load.empty()) {
            UsageError("--load: the saved game to go on with");
            return kSimUsage;
        }
        options.load = load;
    } else if (!*visitorsOption || !*homeOption) {
        UsageError(
            "--visitors and --home name the two teams (or --load FILE goes on with a saved game)");
        return kSimUsage;
    }
    if (*gamesOption) {
        if (!WholeNumber("--games", games, 1, kMostGames, number)) return kSimUsage;
        options.games = static_cast<long>(number);
    }
    if (*seedOption) {
        if (!WholeNumber("--seed", seed, 0, UINT32_MAX, number)) return kSimUsage;
        options.seed = static_cast<std::uint32_t>(number);
    }
    if (*managerOption) {
        if (manager != "visitors" && manager != "home" && manager != "both") {
            UsageError("--manager: visitors, home or both");
            return kSimUsage;
        }
        options.managesVisitors = manager != "home";
        options.managesHome = manager != "visitors";
    }
    if (*managerKindOption) {
        if (!*managerOption && !*compareOption) {
            UsageError("--manager-kind goes with --manager or --compare-managers");
            return kSimUsage;
        }
        if (managerKind != "book" && managerKind != "lookahead") {
            UsageError("--manager-kind: book or lookahead");
            return kSimUsage;
        }
        options.managerKind = managerKind == "book" ? ManagerKind::Book : ManagerKind::LookAhead;
    }
    if (*dirOption) options.directory = directory;
    if (*scriptOption) options.script = script;
    if (*saveOption) {
        if (!WholeNumber("--save-at", saveAt.first, 0, kMostTurns, number)) return kSimUsage;
        if (saveAt.second.empty()) {
            UsageError("--save-at: a turn and the file to save to");
            return kSimUsage;
        }
        options.saveAtTurn = static_cast<int>(number);
        options.saveFile = saveAt.second;
    }
    return -1;
}

}  // namespace velmoro
