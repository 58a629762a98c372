#include "db/install_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "support/program_runner.h"
#include "support/temp_dir.h"

namespace velmoro {
namespace {

using testing::ScopedEnvironment;
using testing::TempDir;

#ifdef _WIN32
// The installer's registry value, set the way an installer sets it, names the folder;
// without the value or the key the folder is the current one.
TEST(InstallDirectory, RegistryValueElseCurrentDirectory) {
    const char* root = std::getenv("SystemRoot");
    ASSERT_NE(root, nullptr);
    const std::filesystem::path reg = std::filesystem::path(root) / "System32" / "reg.exe";
    const std::string key = "HKLM\\Software\\Corvane\\Velmoro Baseball";
    const TempDir work;
    const auto regRun = [&](std::vector<std::string> args) {
        return testing::RunProgram(reg, args, work.path()).exitCode;
    };
    if (regRun({"add", key, "/v", "Directory", "/t", "REG_SZ", "/d", "C:\\Velmoro Data", "/f"}) !=
        0)
        GTEST_SKIP() << "cannot write HKEY_LOCAL_MACHINE (not an administrator)";
    EXPECT_EQ(InstallDirectory(), std::filesystem::path("C:\\Velmoro Data"));
    ASSERT_EQ(regRun({"delete", key, "/v", "Directory", "/f"}), 0);
    EXPECT_EQ(InstallDirectory(), std::filesystem::path("."));
    ASSERT_EQ(regRun({"delete", key, "/f"}), 0);
    EXPECT_EQ(InstallDirectory(), std::filesystem::path("."));
}
#else
// An empty directory joined to "LegendDB" would name a file in the root.
TEST(InstallDirectory, VariableThenDataFolderThenCurrentDirectoryNeverEmpty) {
    {
        ScopedEnvironment dir("VELMORO_DIR", "/opt/velmoro data");
        EXPECT_EQ(InstallDirectory(), std::filesystem::path("/opt/velmoro data"));
    }
    const auto program = ProgramDirectory();
    ASSERT_TRUE(std::filesystem::exists(program / "test_db"));
    const auto data = program.parent_path() / "share" / "velmoro";
    const auto expected = std::filesystem::is_directory(data) ? data : ".";
    for (const char* value : {static_cast<const char*>(nullptr), ""}) {
        ScopedEnvironment dir("VELMORO_DIR",
                              value ? std::optional<std::string>(value) : std::nullopt);
        EXPECT_EQ(InstallDirectory(), expected);
    }
}
#endif

// An installation that is there but cannot be written sends the rewritten files to the
// user's folder and reads them back from there; one that can be written never looks
// there. (Permission bits do not stop root, who runs CI: the unwritable installation
// here is one that is not a folder at all.)
TEST(DataFiles, UserFolderOnlyWhenTheInstallationCannotBeWritten) {
    const TempDir temp;
#ifdef _WIN32
    ScopedEnvironment userVariable("APPDATA", (temp / "home").string());
#else
    ScopedEnvironment userVariable("XDG_DATA_HOME", (temp / "home").string());
#endif
    const auto user = temp / "home" / "velmoro";
    ASSERT_EQ(UserDataDirectory(), user);
    const auto installed = temp / "installed";
    std::ofstream(installed) << "not a folder";
    EXPECT_FALSE(IsWritableDirectory(installed));
    EXPECT_TRUE(IsWritableDirectory(temp.path()));

    EXPECT_EQ(DataFileToRead(installed, "CustomDB"), installed / "CustomDB");
    EXPECT_EQ(DataFileToWrite(installed, "CustomDB"), user / "CustomDB");
    EXPECT_TRUE(std::filesystem::is_directory(user));
    std::ofstream(user / "CustomDB") << "";
    EXPECT_EQ(DataFileToRead(installed, "CustomDB"), user / "CustomDB");
    EXPECT_EQ(DataFileToRead(installed, "LegendDB"), installed / "LegendDB");

    // A missing installation is no place to redirect: its save fails and is reported.
    EXPECT_EQ(DataFileToWrite(temp / "missing", "CustomDB"), temp / "missing" / "CustomDB");
    EXPECT_EQ(DataFileToRead(temp.path(), "CustomDB"), temp / "CustomDB");
    EXPECT_EQ(DataFileToWrite(temp.path(), "CustomDB"), temp / "CustomDB");
    EXPECT_EQ(temp.EntryCount(), 2) << "a write probe stayed behind";

    SetUserDataDirectory(temp / "app");
    EXPECT_EQ(DataFileToWrite(installed, "LegendDB"), temp / "app" / "LegendDB");
    SetUserDataDirectory({});
}

}  // namespace
}  // namespace velmoro
