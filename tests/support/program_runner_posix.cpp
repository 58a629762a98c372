#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#include "support/program_runner_platform.h"

extern char** environ;

namespace velmoro::testing {

int SpawnAndWait(const std::filesystem::path& program, const std::vector<std::string>& args,
                 const std::filesystem::path& workDir,
                 const std::vector<std::pair<std::string, std::string>>& environment,
                 const std::filesystem::path& outPath, const std::filesystem::path& errPath) {
    // Everything the child needs is built before the fork: after it, in a process with
    // threads, only async-signal-safe calls are allowed.
    std::vector<std::string> variables;
    for (char** entry = environ; *entry; ++entry) {
        const std::string text = *entry;
        const std::string name = text.substr(0, text.find('='));
        bool replaced = false;
        for (const auto& [key, value] : environment)
            replaced = replaced || key == name;
        if (!replaced) variables.push_back(text);
    }
    for (const auto& [key, value] : environment)
        variables.push_back(key + "=" + value);
    std::vector<char*> envp;
    for (std::string& v : variables)
        envp.push_back(v.data());
    envp.push_back(nullptr);

    std::string path = program.string();
    std::vector<std::string> argStrings = {path};
    argStrings.insert(argStrings.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : argStrings)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    const std::string dir = workDir.string();
    const std::string out = outPath.string();
    const std::string err = errPath.string();

    const pid_t child = ::fork();
    if (child < 0) return -1;
    if (child == 0) {
        const int in = ::open("/dev/null", O_RDONLY);
        const int outFd = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int errFd = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (in < 0 || outFd < 0 || errFd < 0 || ::dup2(in, 0) < 0 || ::dup2(outFd, 1) < 0 ||
            ::dup2(errFd, 2) < 0 || ::chdir(dir.c_str()) != 0)
            ::_exit(127);
        ::execve(path.c_str(), argv.data(), envp.data());
        ::_exit(127);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace velmoro::testing
