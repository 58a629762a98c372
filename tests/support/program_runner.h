// Runs the build's own programs (velmoro-sim, velmoro-db) from a test as a user runs
// them, on every platform: no shell between, so each argument reaches the program as
// it is, whatever spaces or quotes it holds.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace velmoro::testing {

// The bytes the program wrote to its standard output and error (the same on every
// system: the programs write their streams in binary mode on Windows too).
struct ProgramRun {
    int exitCode = -1;  // -1 when the program could not start or did not exit by itself
    std::string out;
    std::string err;
};

// A program of this build by its name ("velmoro-sim"), in the build's program folder.
std::filesystem::path BuildProgram(const std::string& name);

// Runs `program` with `args` in `workDir`, standard input empty. `environment` sets
// variables for the program alone (an empty value sets the variable empty).
ProgramRun RunProgram(const std::filesystem::path& program, const std::vector<std::string>& args,
                      const std::filesystem::path& workDir,
                      const std::vector<std::pair<std::string, std::string>>& environment = {});

// Words of a command line written in a test: blanks separate them, and '...' or "..."
// keeps blanks within one (no escapes).
std::vector<std::string> SplitArguments(const std::string& line);

// Sets (or with nullopt removes) a variable of this process until the end of the scope.
class ScopedEnvironment {
  public:
    ScopedEnvironment(std::string name, const std::optional<std::string>& value);
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

  private:
    std::string name_;
    std::optional<std::string> saved_;
};

}  // namespace velmoro::testing
