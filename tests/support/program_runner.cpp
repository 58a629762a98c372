#include "support/program_runner.h"

#include <atomic>
#include <cstdlib>

#include "support/program_runner_platform.h"
#include "support/temp_dir.h"

#ifdef _WIN32
#include <process.h>
#define VELMORO_PROCESS_ID _getpid
#else
#include <unistd.h>
#define VELMORO_PROCESS_ID getpid
#endif

namespace velmoro::testing {

namespace {

std::string ReadAndRemove(const std::filesystem::path& path) {
    std::string bytes = Contents(path);
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
    return bytes;
}

// _putenv_s changes the process's block too, so programs started later see it.
void SetVariable(const std::string& name, const std::optional<std::string>& value) {
#ifdef _WIN32
    _putenv_s(name.c_str(), value ? value->c_str() : "");
#else
    value ? ::setenv(name.c_str(), value->c_str(), 1) : ::unsetenv(name.c_str());
#endif
}

}  // namespace

std::filesystem::path BuildProgram(const std::string& name) {
    return std::filesystem::path(VELMORO_BIN_DIR) / (name + VELMORO_EXE_SUFFIX);
}

// The output goes to files rather than pipes: nothing to drain while the program runs,
// so a program that fills both streams cannot stall against the test.
ProgramRun RunProgram(const std::filesystem::path& program, const std::vector<std::string>& args,
                      const std::filesystem::path& workDir,
                      const std::vector<std::pair<std::string, std::string>>& environment) {
    // The process id keeps test programs that run side by side apart, a count within.
    static const long process = static_cast<long>(VELMORO_PROCESS_ID());
    static std::atomic<int> counter{0};
    const std::string stem =
        "velmoro-run-" + std::to_string(process) + "-" + std::to_string(counter++);
    const auto temp = std::filesystem::temp_directory_path();
    const auto outPath = temp / (stem + ".out");
    const auto errPath = temp / (stem + ".err");
    ProgramRun run;
    run.exitCode = SpawnAndWait(program, args, workDir, environment, outPath, errPath);
    run.out = ReadAndRemove(outPath);
    run.err = ReadAndRemove(errPath);
    return run;
}

std::vector<std::string> SplitArguments(const std::string& line) {
    std::vector<std::string> words;
    std::optional<std::string> word;  // none between words; '' starts an empty one
    char quote = 0;
    for (char c : line) {
        if (!quote && (c == ' ' || c == '\t')) {
            if (word) words.push_back(std::move(*word));
            word.reset();
            continue;
        }
        if (!word) word.emplace();
        if (quote ? c == quote : c == '\'' || c == '"')
            quote = quote ? 0 : c;
        else
            *word += c;
    }
    if (word) words.push_back(std::move(*word));
    return words;
}

ScopedEnvironment::ScopedEnvironment(std::string name, const std::optional<std::string>& value)
    : name_(std::move(name)) {
    if (const char* old = std::getenv(name_.c_str())) saved_ = old;
    SetVariable(name_, value);
}

ScopedEnvironment::~ScopedEnvironment() {
    SetVariable(name_, saved_);
}

}  // namespace velmoro::testing
