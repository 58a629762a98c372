// Replacing files: every kind of target, a write that fails half way, stale temporary
// files of killed runs. Links, devices and file-size limits are POSIX's; on Windows the
// writer's own branch runs under every other test that writes a file.
#ifndef _WIN32
#include "db/file_write.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <fstream>

#include "support/temp_dir.h"

namespace velmoro {
namespace {

namespace fs = std::filesystem;
using testing::Contents;
using testing::TempDir;

long TemporaryFiles(const fs::path& folder) {
    long count = 0;
    for (const auto& entry : fs::directory_iterator(folder))
        count += entry.path().filename().string().find(kTemporaryMarker) != std::string::npos;
    return count;
}

// What is at the path afterwards: the new bytes, or the old thing untouched.
TEST(FileWrite, EveryKindOfTargetIsWrittenOrRefusedWithTheSystemsReason) {
    TempDir dir;
    fs::create_directory(dir / "sub");
    ReplaceFileContents(dir / "old", std::string(100000, 'o'));  // longer than the new bytes
    fs::permissions(dir / "old", fs::perms(0640));
    ReplaceFileContents(dir / "sub" / "target", "old");
    fs::create_symlink("sub/target", dir / "link");
    fs::create_symlink("sub/created", dir / "dangling");
    fs::create_symlink("loop", dir / "loop");
    fs::create_directory(dir / "folder");
    ReplaceFileContents(dir / "file", "old");
    const struct {
        fs::path path;
        fs::path written;  // where the bytes land; empty when the write fails
        std::string reason;
    } cases[] = {
        {dir / "old", dir / "old", ""},
        {dir / "new", dir / "new", ""},
        {dir / "link", dir / "sub" / "target", ""},
        {dir / "dangling", dir / "sub" / "created", ""},
        {"/dev/null", "", ""},
        {"/dev/full", "", "No space left on device"},
        {dir / "folder", "", "Is a directory"},
        {dir / "file" / "inside", "", "Not a directory"},
        {dir / "missing" / "x", "", "No such file or directory"},
        {dir / "loop", "", "Too many levels of symbolic links"},
    };
    for (const auto& c : cases) {
        std::string error;
        const bool ok = ReplaceFileContents(c.path, "new bytes", &error);
        EXPECT_EQ(ok, c.reason.empty()) << c.path;
        if (!ok) {
            EXPECT_EQ(error, "cannot write " + c.path.string() + ": " + c.reason);
        }
        if (!c.written.empty()) {
            EXPECT_EQ(Contents(c.written), "new bytes") << c.path;
        }
    }
    EXPECT_EQ(fs::status(dir / "old").permissions(), fs::perms(0640));
    EXPECT_TRUE(fs::is_symlink(dir / "link"));
    EXPECT_TRUE(fs::is_character_file("/dev/full"));
    EXPECT_TRUE(fs::is_directory(dir / "folder"));
    EXPECT_EQ(Contents(dir / "file"), "old");
    EXPECT_EQ(TemporaryFiles(dir.path()) + TemporaryFiles(dir / "sub"), 0);
}

// A file size limit makes the write fail after its first bytes, as a full disk does.
TEST(FileWrite, AWriteThatFailsHalfWayLeavesTheOldFileWhole) {
    TempDir dir;
    const fs::path path = dir / "GameLog";
    for (Replace how : {Replace::Durable, Replace::Quick}) {
        std::string reason;
        ASSERT_TRUE(WriteFileContents(path, "old contents", reason, how));
        ASSERT_TRUE(WriteFileContents(path, "second", reason, how));
        EXPECT_EQ(Contents(path), "second");
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit small = saved;
        small.rlim_cur = 100;
        const auto previous = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &small);
        const bool written = WriteFileContents(path, std::string(1000, 'x'), reason, how);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previous);
        EXPECT_FALSE(written);
        EXPECT_EQ(reason, "File too large");
        EXPECT_EQ(Contents(path), "second");
        EXPECT_EQ(TemporaryFiles(dir.path()), 0);
    }
}

// The first write of a run to a folder removes the temporary files a killed run left,
// but not one that a live writer holds or has only just made.
TEST(FileWrite, StaleTemporaryFilesAreSweptOnTheFirstWrite) {
    TempDir dir;
    const fs::path stale = dir / ".CustomDB.velmoro-tmp-0badc0ffee";
    const fs::path held = dir / ".LegendDB.velmoro-tmp-1badc0ffee";
    const fs::path young = dir / ".GameLog.velmoro-tmp-2badc0ffee";
    const fs::path other = dir / ".hidden";
    for (const fs::path& file : {stale, held, young, other})
        std::ofstream(file) << "x";
    for (const fs::path& file : {stale, held, other})
        fs::last_write_time(file, fs::file_time_type::clock::now() - std::chrono::hours(1));
    const int holder = ::open(held.c_str(), O_RDONLY);
    ASSERT_EQ(::flock(holder, LOCK_EX), 0);

    ASSERT_TRUE(ReplaceFileContents(dir / "CustomDB", "new"));
    ::close(holder);
    EXPECT_FALSE(fs::exists(stale));
    for (const fs::path& file : {held, young, other})
        EXPECT_TRUE(fs::exists(file)) << file;
}

}  // namespace
}  // namespace velmoro
#endif  // _WIN32
