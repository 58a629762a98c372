#include "db/install_dir.h"

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

std::filesystem::path& UserDataOverride() {
    static std::filesystem::path directory;
    return directory;
}

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

// An empty directory is never returned: joined to a file name it would point at the
// root of the drive instead of the program's data.
std::filesystem::path InstallDirectory() {
#ifdef _WIN32
    const std::filesystem::path registered = RegistryDirectory();
    return registered.empty() ? std::filesystem::path(".") : registered;
#else
    const char* fromEnvironment = std::getenv("VELMORO_DIR");
    if (fromEnvironment && *fromEnvironment) return std::filesystem::path(fromEnvironment);
    const std::filesystem::path program = ProgramDirectory();
    if (!program.empty()) {
        const std::filesystem::path data = program.parent_path() / "share" / "velmoro";
        std::error_code ec;
        if (std::filesystem::is_directory(data, ec)) return data;
    }
    return ".";
#endif
}

void SetUserDataDirectory(const std::filesystem::path& directory) {
    UserDataOverride() = directory;
}

std::filesystem::path UserDataDirectory() {
    if (!UserDataOverride().empty()) return UserDataOverride();
#ifdef _WIN32
    const std::filesystem::path appData = FromEnvironment("APPDATA");
    return appData.empty() ? appData : appData / "velmoro";
#else
    const std::filesystem::path dataHome = FromEnvironment("XDG_DATA_HOME");
    if (!dataHome.empty()) return dataHome / "velmoro";
    const std::filesystem::path home = FromEnvironment("HOME");
    return home.empty() ? home : home / ".local" / "share" / "velmoro";
#endif
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

// An installation that is there but cannot be written. A missing one is not redirected:
// its files fail to load or save as they always did, and the user is told.
bool IsReadOnlyInstallation(const std::filesystem::path& directory) {
    std::error_code ec;
    return std::filesystem::exists(directory, ec) && !IsWritableDirectory(directory);
}

}  // namespace

std::filesystem::path DataFileToRead(const std::filesystem::path& installDirectory,
                                     const std::string& name) {
    if (IsReadOnlyInstallation(installDirectory)) {
        const std::filesystem::path user = UserDataDirectory();
        std::error_code ec;
        if (!user.empty() && std::filesystem::is_regular_file(user / name, ec)) return user / name;
    }
    return installDirectory / name;
}

std::filesystem::path DataFileToWrite(const std::filesystem::path& installDirectory,
                                      const std::string& name) {
    if (!IsReadOnlyInstallation(installDirectory)) return installDirectory / name;
    const std::filesystem::path user = UserDataDirectory();
    if (user.empty()) return installDirectory / name;
    std::error_code ec;
    std::filesystem::create_directories(user, ec);
    return user / name;
}

}  // namespace velmoro
