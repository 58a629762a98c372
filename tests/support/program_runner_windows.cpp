#include <windows.h>

#include <cstring>

#include "support/program_runner_platform.h"

namespace velmoro::testing {

namespace {

// One argument as CommandLineToArgv and the C runtime read it back: quoted when it
// holds a blank or a quote, with backslashes doubled only before a quote.
std::string QuoteArgument(const std::string& arg) {
    if (!arg.empty() && arg.find_first_of(" \t\n\v\"") == std::string::npos) return arg;
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (char c : arg) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
        backslashes = 0;
        quoted.push_back(c);
    }
    quoted.append(backslashes * 2, '\\');
    return quoted + "\"";
}

HANDLE OpenInheritable(const std::string& path, bool write) {
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    return CreateFileA(path.c_str(), write ? GENERIC_WRITE : GENERIC_READ,
                       FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                       write ? CREATE_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// This process's variables with `environment` laid over them, as the block
// CreateProcess takes: "NAME=value\0" each, then one more "\0".
std::string EnvironmentBlock(const std::vector<std::pair<std::string, std::string>>& environment) {
    std::string block;
    char* strings = GetEnvironmentStringsA();
    for (const char* entry = strings; entry && *entry; entry += std::strlen(entry) + 1) {
        const std::string text = entry;
        // Entries such as "=C:=C:\dir" keep the per-drive folders: their name starts at 1.
        const std::string name = text.substr(0, text.find('=', 1));
        bool replaced = false;
        for (const auto& [key, value] : environment)
            replaced = replaced || _stricmp(key.c_str(), name.c_str()) == 0;
        if (!replaced) block += text + '\0';
    }
    if (strings) FreeEnvironmentStringsA(strings);
    for (const auto& [key, value] : environment)
        block += key + "=" + value + '\0';
    return block + '\0';
}

}  // namespace

int SpawnAndWait(const std::filesystem::path& program, const std::vector<std::string>& args,
                 const std::filesystem::path& workDir,
                 const std::vector<std::pair<std::string, std::string>>& environment,
                 const std::filesystem::path& outPath, const std::filesystem::path& errPath) {
    std::string commandLine = QuoteArgument(program.string());
    for (const std::string& arg : args)
        commandLine += " " + QuoteArgument(arg);
    std::string env = EnvironmentBlock(environment);

    HANDLE in = OpenInheritable("NUL", false);
    HANDLE out = OpenInheritable(outPath.string(), true);
    HANDLE err = OpenInheritable(errPath.string(), true);
    int exitCode = -1;
    if (in != INVALID_HANDLE_VALUE && out != INVALID_HANDLE_VALUE && err != INVALID_HANDLE_VALUE) {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = in;
        startup.hStdOutput = out;
        startup.hStdError = err;
        PROCESS_INFORMATION process{};
        const std::string program8 = program.string();
        const std::string dir = workDir.string();
        if (CreateProcessA(program8.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0,
                           env.data(), dir.c_str(), &startup, &process)) {
            WaitForSingleObject(process.hProcess, INFINITE);
            DWORD code = 0;
            if (GetExitCodeProcess(process.hProcess, &code)) exitCode = static_cast<int>(code);
            CloseHandle(process.hThread);
            CloseHandle(process.hProcess);
        }
    }
    for (HANDLE h : {in, out, err})
        if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
    return exitCode;
}

}  // namespace velmoro::testing
