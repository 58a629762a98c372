// The command line of a program with subcommands, read as velmoro-db and velmoro-season
// read theirs.
#pragma once

#include <CLI/CLI.hpp>

#include <optional>

namespace velmoro {

// Parses the command line into `app`. Help asked for is printed and gives 0; a mistake is
// said on standard error with a pointer to --help and gives `usageExit`. Nothing when the
// line parsed and the program goes on.
inline std::optional<int> ParseCommandLine(CLI::App& app, int argc, char** argv, int usageExit) {
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        app.exit(e);
        return usageExit;
    }
    return std::nullopt;
}

}  // namespace velmoro
