#include "db/install_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace velmoro {
namespace {

#ifndef _WIN32
// Sets VELMORO_DIR for one test and puts the old value back.
class ScopedDirVariable {
  public:
    explicit ScopedDirVariable(const char* value) {
        if (const char* old = std::getenv("VELMORO_DIR")) saved_ = old;
        value ? ::setenv("VELMORO_DIR", value, 1) : ::unsetenv("VELMORO_DIR");
    }
    ~ScopedDirVariable() {
        saved_ ? ::setenv("VELMORO_DIR", saved_->c_str(), 1) : ::unsetenv("VELMORO_DIR");
    }

  private:
    std::optional<std::string> saved_;
};

// An empty directory joined to "LegendDB" would name a file in the root.
TEST(InstallDirectory, VariableThenDataFolderThenCurrentDirectoryNeverEmpty) {
    {
        ScopedDirVariable dir("/opt/velmoro data");
        EXPECT_EQ(InstallDirectory(), std::filesystem::path("/opt/velmoro data"));
    }
    const auto program = ProgramDirectory();
    ASSERT_TRUE(std::filesystem::exists(program / "test_db"));
    const auto data = program.parent_path() / "share" / "velmoro";
    const auto expected = std::filesystem::is_directory(data) ? data : ".";
    for (const char* value : {static_cast<const char*>(nullptr), ""}) {
        ScopedDirVariable dir(value);
        EXPECT_EQ(InstallDirectory(), expected);
    }
}
#endif

}  // namespace
}  // namespace velmoro
