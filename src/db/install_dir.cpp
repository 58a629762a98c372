#include "db/install_dir.h"

#include "db/captions.h"

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <string>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#elif defined(__APPLE__)
#include <mach-o/dyld.h>

#include <cstdint>
#include <vector>
#endif

namespace velmoro {

namespace {

#ifdef _WIN32
// The value the installer leaves in the registry; empty when there is none.
std::filesystem::path RegistryDirectory() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Corvane\\Velmoro Baseball", 0, KEY_READ,
                      &key) != ERROR_SUCCESS)
        return {};
    char value[MAX_PATH] = {};
    DWORD type = 0;
    DWORD size = sizeof value - 1;
    const LONG status =
        RegQueryValueExA(key, "Directory", nullptr, &type, reinterpret_cast<BYTE*>(value), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS || type != REG_SZ) return {};
    return std::filesystem::path(std::string(value));
}
#endif

std::filesystem::path FromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    return value && *value ? std::filesystem::path(value) : std::filesystem::path();
}

}  // namespace

std::filesystem::path ProgramDirectory() {
#ifdef _WIN32
    char buffer[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return {};
    return std::filesystem::path(std::string(buffer, length)).parent_path();
#elif defined(__APPLE__)
    std::uint32_t size = 0;
    _NSGetExecutablePath(nullptr, &size);
    std::vector<char> buffer(size + 1, '\0');
    if (_NSGetExecutablePath(buffer.data(), &size) != 0) return {};
    std::error_code ec;
    const auto program = std::filesystem::canonical(buffer.data(), ec);
    return ec ? std::filesystem::path() : program.parent_path();
#else
    std::error_code ec;
    const auto program = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path() : program.parent_path();
#endif
}

namespace {

// The installation as the program finds it by itself. An empty directory is never
// returned: joined to a file name it would point at the root of the drive instead of
// the program's data.
std::filesystem::path FoundInstallation() {
#ifdef _WIN32
    const std::filesystem::path registered = RegistryDirectory();
    return registered.empty() ? std::filesystem::path(".") : registered;
#else
    const std::filesystem::path program = ProgramDirectory();
    if (!program.empty()) {
        const std::filesystem::path data = program.parent_path() / "share" / "velmoro";
        std::error_code ec;
        if (std::filesystem::is_directory(data, ec)) return data;
    }
    return ".";
#endif
}

std::filesystem::path ChosenInstallation() {
#ifdef _WIN32
    return {};
#else
    return FromEnvironment("VELMORO_DIR");
#endif
}

// Where the per-user folders of programs go: %APPDATA%, ~/Library/Application Support,
// or the XDG data folder (whose variable counts only when it is an absolute path).
std::filesystem::path UserDataRoot() {
#ifdef _WIN32
    return FromEnvironment("APPDATA");
#else
    const std::filesystem::path dataHome = FromEnvironment("XDG_DATA_HOME");
    if (dataHome.is_absolute()) return dataHome;
    const std::filesystem::path home = FromEnvironment("HOME");
    if (home.empty()) return home;
#ifdef __APPLE__
    return home / "Library" / "Application Support";
#else
    return home / ".local" / "share";
#endif
#endif
}

}  // namespace

std::filesystem::path InstallDirectory() {
    const std::filesystem::path chosen = ChosenInstallation();
    return chosen.empty() ? FoundInstallation() : chosen;
}

std::filesystem::path UserDataDirectory() {
    const std::filesystem::path root = UserDataRoot();
    return root.empty() ? root : root / "velmoro";
}

Status MoveOldUserDataDirectory() {
    const std::filesystem::path now = UserDataDirectory();
    if (now.empty()) return OkStatus();
    const std::filesystem::path old = now.parent_path() / kCaption;
    std::error_code ec;
    if (!std::filesystem::is_directory(old, ec) ||
        std::filesystem::exists(std::filesystem::symlink_status(now, ec)))
        return OkStatus();
    std::filesystem::rename(old, now, ec);
    // Another program started at the same time may have moved it first.
    std::error_code ignored;
    if (!ec ||
        (std::filesystem::is_directory(now, ignored) && !std::filesystem::exists(old, ignored)))
        return OkStatus();
    return Status::Error("cannot move " + old.string() + " to " + now.string() + ": " +
                         ec.message() + "; its files stay where they are");
}

bool IsWritableDirectory(const std::filesystem::path& directory) {
    static std::atomic<unsigned> counter{0};
    std::error_code ec;
    if (!std::filesystem::is_directory(directory, ec)) return false;
    const std::filesystem::path probe =
        directory / (".velmoro-write-probe-" + std::to_string(counter++));
    const bool created = static_cast<bool>(std::ofstream(probe, std::ios::binary));
    std::filesystem::remove(probe, ec);
    return created;
}

namespace {

// The found installation when it is there but cannot be written: the one folder whose
// files go to the user's folder. A missing one is not redirected: its files fail to load
// or save as they always did, and the user is told. A folder the user named is used as
// it is, whatever the user's folder holds.
bool UsesUserFolder(const std::filesystem::path& directory) {
    std::error_code ec;
    return ChosenInstallation().empty() &&
           std::filesystem::equivalent(directory, FoundInstallation(), ec) &&
           !IsWritableDirectory(directory);
}

}  // namespace

std::filesystem::path DataFileToRead(const std::filesystem::path& installDirectory,
                                     const std::string& name) {
    if (UsesUserFolder(installDirectory)) {
        const std::filesystem::path user = UserDataDirectory();
        std::error_code ec;
        if (!user.empty() && std::filesystem::is_regular_file(user / name, ec)) return user / name;
    }
    return installDirectory / name;
}

std::filesystem::path DataFileToWrite(const std::filesystem::path& installDirectory,
                                      const std::string& name) {
    if (!UsesUserFolder(installDirectory)) return installDirectory / name;
    const std::filesystem::path user = UserDataDirectory();
    if (user.empty()) return installDirectory / name;
    std::error_code ec;
    std::filesystem::create_directories(user, ec);
    return user / name;
}

}  // namespace velmoro
