#include "db/install_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace velmoro {
namespace {

// Sets VELMORO_DIR for one test and puts the old value back.
class ScopedDirVariable {
  public:
    explicit ScopedDirVariable(const char* value) {
        if (const char* old = std::getenv("VELMORO_DIR")) saved_ = old;
        if (value)
            ::setenv("VELMORO_DIR", value, 1);
        else
            ::unsetenv("VELMORO_DIR");
    }
    ~ScopedDirVariable() {
        if (saved_)
            ::setenv("VELMORO_DIR", saved_->c_str(), 1);
        else
            ::unsetenv("VELMORO_DIR");
    }

  private:
    std::optional<std::string> saved_;
};

#ifndef _WIN32
TEST(InstallDirectory, EnvironmentVariableWinsWhenSet) {
    ScopedDirVariable dir("/opt/velmoro data");
    EXPECT_EQ(InstallDirectory(), std::filesystem::path("/opt/velmoro data"));
}

// An empty directory joined to "LegendDB" would name a file in the root.
TEST(InstallDirectory, EmptyOrUnsetVariableFallsBackToDataFolderOrCurrentDirectory) {
    const auto data = ProgramDirectory().parent_path() / "share" / "velmoro";
    const auto expected = std::filesystem::is_directory(data) ? data : std::filesystem::path(".");
    for (const char* value : {static_cast<const char*>(nullptr), ""}) {
        ScopedDirVariable dir(value);
        const auto found = InstallDirectory();
        EXPECT_EQ(found, expected);
        EXPECT_FALSE(found.empty());
        EXPECT_FALSE((found / "LegendDB").has_root_directory() && found == found.root_path());
    }
}

TEST(InstallDirectory, ProgramDirectoryIsTheFolderOfThisTest) {
    const auto dir = ProgramDirectory();
    ASSERT_FALSE(dir.empty());
    EXPECT_TRUE(std::filesystem::is_directory(dir));
    EXPECT_TRUE(std::filesystem::exists(dir / "test_db"));
}
#endif

}  // namespace
}  // namespace velmoro
