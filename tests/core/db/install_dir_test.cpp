#include "db/install_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "support/program_runner.h"
#include "support/temp_dir.h"

namespace velmoro {
namespace {

namespace fs = std::filesystem;
using testing::ScopedEnvironment;
using testing::TempDir;

#ifdef _WIN32
const char* const kUserVariable = "APPDATA";

// Sets or deletes the installer's registry value as an installer does; false when
// HKEY_LOCAL_MACHINE cannot be written (not an administrator).
bool SetRegistryDirectory(const std::optional<std::string>& value, bool wholeKey = false) {
    const fs::path reg = fs::path(std::getenv("SystemRoot")) / "System32" / "reg.exe";
    const std::string key = "HKLM\\Software\\Corvane\\Velmoro Baseball";
    std::vector<std::string> args = {value ? "add" : "delete", key, "/f"};
    if (!wholeKey) args.insert(args.end(), {"/v", "Directory"});
    if (value) args.insert(args.end(), {"/t", "REG_SZ", "/d", *value});
    return testing::RunProgram(reg, args, fs::temp_directory_path()).exitCode == 0;
}

// The registry value names the folder; without the value or the key it is the current one.
TEST(InstallDirectory, RegistryValueElseCurrentDirectory) {
    if (!SetRegistryDirectory("C:\\Velmoro Data")) GTEST_SKIP() << "HKLM cannot be written";
    EXPECT_EQ(InstallDirectory(), fs::path("C:\\Velmoro Data"));
    ASSERT_TRUE(SetRegistryDirectory(std::nullopt));
    EXPECT_EQ(InstallDirectory(), fs::path("."));
    ASSERT_TRUE(SetRegistryDirectory(std::nullopt, true));
    EXPECT_EQ(InstallDirectory(), fs::path("."));
}
#else
const char* const kUserVariable = "XDG_DATA_HOME";

// An empty directory joined to "LegendDB" would name a file in the root.
TEST(InstallDirectory, VariableThenDataFolderThenCurrentDirectoryNeverEmpty) {
    {
        ScopedEnvironment dir("VELMORO_DIR", "/opt/velmoro data");
        EXPECT_EQ(InstallDirectory(), fs::path("/opt/velmoro data"));
    }
    const auto program = ProgramDirectory();
    ASSERT_TRUE(fs::exists(program / "test_db"));
    const auto data = program.parent_path() / "share" / "velmoro";
    const auto expected = fs::is_directory(data) ? data : ".";
    for (const auto& value : {std::optional<std::string>(), std::optional<std::string>("")}) {
        ScopedEnvironment dir("VELMORO_DIR", value);
        EXPECT_EQ(InstallDirectory(), expected);
    }
}

#ifndef __APPLE__
// XDG_DATA_HOME counts only as an absolute path, as the desktop's own rule has it.
TEST(UserDataDirectory, XdgDataHomeWhenAbsoluteElseHome) {
    const std::optional<std::string> none;
    const struct {
        std::optional<std::string> dataHome, home;
        fs::path expected;
    } cases[] = {{"/data", "/home/u", "/data/velmoro"},
                 {"data", "/home/u", "/home/u/.local/share/velmoro"},
                 {"", "/home/u", "/home/u/.local/share/velmoro"},
                 {none, "/home/u", "/home/u/.local/share/velmoro"},
                 {none, none, ""}};
    for (const auto& c : cases) {
        ScopedEnvironment dataHome("XDG_DATA_HOME", c.dataHome);
        ScopedEnvironment home("HOME", c.home);
        EXPECT_EQ(UserDataDirectory(), c.expected) << c.dataHome.value_or("(unset)");
    }
}
#endif
#endif

// The user's folder stands in only for the installation the program found by itself
// when it cannot be written (on Windows the registry names it). A folder named by
// VELMORO_DIR or --dir is used as it is, even when a copy in the user's folder is
// newer. (Permission bits do not stop root, who runs CI: the unwritable installation
// here is one that is not a folder at all.)
TEST(DataFiles, UserFolderOnlyForTheFoundInstallationThatCannotBeWritten) {
    const TempDir temp;
    ScopedEnvironment userVariable(kUserVariable, (temp / "home").string());
    const auto user = temp / "home" / "velmoro";
    ASSERT_EQ(UserDataDirectory(), user);
    const auto installed = temp / "installed";
    std::ofstream(installed) << "not a folder";
    fs::create_directories(user);
    std::ofstream(user / "LegendDB") << "";

#ifdef _WIN32
    if (SetRegistryDirectory(installed.string())) {
        EXPECT_EQ(DataFileToRead(installed, "LegendDB"), user / "LegendDB");
        EXPECT_EQ(DataFileToRead(installed, "CustomDB"), installed / "CustomDB");
        EXPECT_EQ(DataFileToWrite(installed, "CustomDB"), user / "CustomDB");
        ASSERT_TRUE(SetRegistryDirectory(std::nullopt, true));
    }
#else
    ScopedEnvironment chosen("VELMORO_DIR", installed.string());
#endif
    EXPECT_EQ(DataFileToRead(installed, "LegendDB"), installed / "LegendDB");
    EXPECT_EQ(DataFileToWrite(installed, "CustomDB"), installed / "CustomDB");
    EXPECT_EQ(DataFileToWrite(temp / "missing", "CustomDB"), temp / "missing" / "CustomDB");
    EXPECT_EQ(DataFileToRead(temp.path(), "LegendDB"), temp / "LegendDB");
    EXPECT_EQ(temp.EntryCount(), 2) << "a write probe stayed behind";
}

// The desktop program's old folder ("Velmoro Baseball") becomes the user's data folder
// on first use, and is never merged into one that is there already.
TEST(UserDataDirectory, OldFolderMovedOnlyWhenTheNewOneIsMissing) {
    const struct {
        bool oldThere, newThere;
    } cases[] = {{true, false}, {true, true}, {false, false}};
    for (const auto& c : cases) {
        const TempDir temp;
        ScopedEnvironment userVariable(kUserVariable, temp.path().string());
        const auto old = temp / "Velmoro Baseball";
        if (c.oldThere) {
            fs::create_directory(old);
            std::ofstream(old / "CustomDB") << "old";
        }
        if (c.newThere) fs::create_directory(temp / "velmoro");
        ASSERT_TRUE(MoveOldUserDataDirectory().ok());
        EXPECT_EQ(testing::Contents(temp / "velmoro" / "CustomDB"),
                  c.oldThere && !c.newThere ? "old" : "");
        EXPECT_EQ(fs::exists(old), c.oldThere && c.newThere);
        EXPECT_EQ(fs::exists(temp / "velmoro"), c.oldThere || c.newThere);
    }
}

}  // namespace
}  // namespace velmoro
