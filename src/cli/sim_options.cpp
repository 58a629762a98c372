#include <CLI/CLI.hpp>

#include <fstream>
#include <sstream>
#include <utility>

#include "sim.h"

namespace velmoro {

int ParseSimOptions(int argc, char** argv, SimOptions& options) {
    CLI::App app{"Plays Velmoro Baseball games without windows.", "velmoro-sim"};
    app.add_option("--visitors", options.visitors, "visiting team: \"1927 Yankees\" or custom:NAME")
        ->required();
    app.add_option("--home", options.home, "home team, named the same way")->required();
    std::string directory;
    auto* dirOption = app.add_option("--dir", directory, "installation directory");
    app.add_flag("--dh", options.designatedHitter, "play with a designated hitter");
    std::uint32_t seed = 0;
    auto* seedOption = app.add_option("--seed", seed, "seed of the random source");
    app.add_option("--games", options.games, "number of games")->check(CLI::PositiveNumber);
    std::string script;
    auto* scriptOption = app.add_option("--script", script, "choices \"O D\" per turn");
    app.add_flag("--quiet", options.quiet, "no progress bar");
    std::pair<int, std::string> saveAt;
    auto* saveOption =
        app.add_option("--save-at", saveAt, "save after turn K to FILE and load it again")
            ->type_name("K FILE");
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        std::fputs(app.help().c_str(), stdout);
        return kSimOk;
    } catch (const CLI::ParseError& e) {
        std::fprintf(stderr, "velmoro-sim: %s\n", e.what());
        return kSimUsage;
    }
    if (*dirOption) options.directory = directory;
    if (*seedOption) options.seed = seed;
    if (*scriptOption) options.script = script;
    if (*saveOption) {
        if (saveAt.first < 0 || saveAt.second.empty()) {
            std::fprintf(stderr, "velmoro-sim: --save-at needs a turn of 0 or more and a file\n");
            return kSimUsage;
        }
        options.saveAtTurn = saveAt.first;
        options.saveFile = saveAt.second;
    }
    return -1;
}

namespace {

constexpr int kLastOffensiveChoice = 3;
constexpr int kLastDefensiveChoice = 2;

bool ParseScriptLine(std::string line, ScriptTurn& turn) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::istringstream in(line);
    std::string rest;
    if (!(in >> turn.offensive)) {
        turn = {};
        return line.find_first_not_of(" \t") == std::string::npos;
    }
    if (!(in >> turn.defensive) || (in >> rest)) return false;
    return turn.offensive >= 0 && turn.offensive <= kLastOffensiveChoice && turn.defensive >= 0 &&
           turn.defensive <= kLastDefensiveChoice;
}

}  // namespace

int ReadScript(const std::filesystem::path& path, std::vector<ScriptTurn>& turns,
               std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot read the script " + path.string();
        return kSimFailed;
    }
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        ScriptTurn turn;
        if (!ParseScriptLine(line, turn)) {
            error = path.string() + " line " + std::to_string(number) +
                    ": expected \"O D\" with O 0..3 and D 0..2";
            return kSimUsage;
        }
        turns.push_back(turn);
    }
    return kSimOk;
}

}  // namespace velmoro
