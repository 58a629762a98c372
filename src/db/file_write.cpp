#include "db/file_write.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <map>
#include <mutex>
#include <random>
#include <set>
#include <system_error>

#include <fmt/format.h>

#ifndef _WIN32
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "base/text.h"
#include "db/team_files.h"

namespace velmoro {

namespace {

namespace fs = std::filesystem;

constexpr int kMaxLinks = 40;
// Part of the target's name kept in a temporary file's name, so that the name of a
// temporary file beside a long file name still fits the folder's limit.
constexpr std::size_t kNameKept = 64;
// A temporary file younger than this may belong to a writer between closing it and
// renaming it, when it no longer holds its lock; it is left alone.
constexpr auto kStaleAge = std::chrono::seconds(10);

std::string RandomSuffix() {
    static std::mutex mutex;
    static std::mt19937_64 generator{std::random_device{}()};
    std::lock_guard lock(mutex);
    return fmt::format("{:016x}", generator());
}

fs::path TemporaryPathFor(const fs::path& target) {
    const std::string name = target.filename().string().substr(0, kNameKept);
    return target.parent_path() / ("." + name + std::string(kTemporaryMarker) + RandomSuffix());
}

bool IsTemporaryName(std::string_view name) {
    return name.size() > 1 && name[0] == '.' && name.find(kTemporaryMarker) != std::string::npos;
}

// True once per folder and run: stale temporary files come from runs that were killed,
// so one sweep when a run first writes there is enough, and a run of thousands of
// games does not read the folder after each one.
bool FirstWriteTo(const fs::path& folder) {
    static std::mutex mutex;
    static std::set<fs::path> swept;
    std::lock_guard lock(mutex);
    return swept.insert(folder).second;
}

bool OldEnough(const fs::path& file) {
    std::error_code ec;
    const auto written = fs::last_write_time(file, ec);
    return !ec && fs::file_time_type::clock::now() - written > kStaleAge;
}

#ifndef _WIN32

// Removes the temporary files in `folder` that no writer holds: a writer keeps its
// file locked until it is complete, and the lock goes with a killed process.
void SweepStaleTemporaries(const fs::path& folder) {
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir) return;
    while (const dirent* entry = ::readdir(dir)) {
        if (!IsTemporaryName(entry->d_name)) continue;
        const fs::path file = folder / entry->d_name;
        const int fd = ::open(file.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) continue;
        struct stat info {};
        if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && OldEnough(file) &&
            ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlink(file.c_str());
        ::close(fd);
    }
    ::closedir(dir);
}

bool WriteAll(int fd, std::string_view bytes, std::string& reason) {
    const char* at = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, at, left);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            reason = SystemReason(written < 0 ? errno : EIO);
            return false;
        }
        at += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

bool CloseChecked(int fd, bool ok, std::string& reason) {
    // Some file systems report a full disk only when the file is closed.
    if (::close(fd) != 0 && ok) {
        reason = SystemReason(errno);
        return false;
    }
    return ok;
}

// A device or a pipe: written where it is. O_TRUNC means nothing to either, and
// O_NONBLOCK lets a pipe without a reader fail at once instead of hanging the program.
bool WriteInPlace(const fs::path& target, std::string_view bytes, std::string& reason) {
    const int fd = ::open(target.c_str(), O_WRONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        reason = SystemReason(errno);
        return false;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return CloseChecked(fd, WriteAll(fd, bytes, reason), reason);
}

// Locks a temporary file just opened. False when it is not ours to use: another run
// holds it, or another run's sweep took it for a stale one and removed it.
bool LockedAndLinked(int fd) {
    struct stat info {};
    const bool taken = ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    return !taken && ::fstat(fd, &info) == 0 && info.st_nlink > 0;
}

// A temporary file beside `target`, open for writing from its start and locked: the
// one named `reuse` when that can still be had, else a new one. -1 with the reason
// when none can be made.
int OpenTemporary(const fs::path& target, const fs::path& reuse, fs::path& temp,
                  std::string& reason) {
    if (!reuse.empty()) {
        const int fd = ::open(reuse.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 && LockedAndLinked(fd)) {
            temp = reuse;
            return fd;
        }
        if (fd >= 0) ::close(fd);
    }
    for (int attempt = 0; attempt < 8; ++attempt) {
        temp = TemporaryPathFor(target);
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno == EEXIST) continue;
        if (fd < 0) {
            reason = SystemReason(errno);
            return -1;
        }
        if (LockedAndLinked(fd)) return fd;
        ::close(fd);
    }
    reason = SystemReason(EEXIST);
    return -1;
}

// Quick replacement keeps its temporary file from one write to the next: after the
// exchange it holds the old contents and is written over the next time, so a run of
// many games makes and removes no file per game, which costs ext4 nearly as much as
// the flush. What is kept is removed when the program ends.
struct KeptTemporaries {
    std::mutex mutex;  // quick writes go one at a time
    std::map<fs::path, fs::path> byTarget;
    ~KeptTemporaries() {
        for (const auto& entry : byTarget)
            ::unlink(entry.second.c_str());
    }
};

KeptTemporaries& Kept() {
    static KeptTemporaries kept;
    return kept;
}

// Puts the complete temporary file in the target's place; true for `exchanged` when
// the temporary file now holds the old contents.
bool MoveIntoPlace(const fs::path& temp, const fs::path& target, bool exchange, bool& exchanged) {
    exchanged = false;
#ifdef RENAME_EXCHANGE
    if (exchange &&
        ::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, target.c_str(), RENAME_EXCHANGE) == 0) {
        exchanged = true;
        return true;
    }
#else
    (void)exchange;
#endif
    return ::rename(temp.c_str(), target.c_str()) == 0;
}

bool WriteTemporary(int fd, bool reused, const struct stat* old, std::string_view bytes,
                    std::string& reason) {
    bool ok = WriteAll(fd, bytes, reason);
    if (ok && reused && ::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0) {
        reason = SystemReason(errno);
        ok = false;
    }
    if (ok && old) {
        // The new file keeps the old one's permissions and, where allowed, its owner.
        ::fchmod(fd, old->st_mode & 07777);
        if (::fchown(fd, old->st_uid, old->st_gid) != 0) {
            // Not allowed: the file becomes the writer's, as a new file would.
        }
    }
    return CloseChecked(fd, ok, reason);
}

bool ReplaceRegular(const fs::path& target, const struct stat* old, std::string_view bytes,
                    std::string& reason, Replace how) {
    const fs::path folder = target.parent_path();
    if (FirstWriteTo(folder)) SweepStaleTemporaries(folder);
    const bool quick = how == Replace::Quick;
    KeptTemporaries& kept = Kept();
    std::unique_lock lock(kept.mutex, std::defer_lock);
    fs::path reuse;
    if (quick) {
        lock.lock();
        if (auto found = kept.byTarget.find(target); found != kept.byTarget.end()) {
            reuse = found->second;
            kept.byTarget.erase(found);
        }
    }
    fs::path temp;
    const int fd = OpenTemporary(target, reuse, temp, reason);
    if (fd < 0) return false;
    bool ok = WriteTemporary(fd, temp == reuse, old, bytes, reason);
    bool exchanged = false;
    if (ok && !MoveIntoPlace(temp, target, quick && old, exchanged)) {
        reason = SystemReason(errno);
        ok = false;
    }
    if (!ok) ::unlink(temp.c_str());
    if (ok && exchanged) kept.byTarget.emplace(target, temp);
    return ok;
}

bool WriteTarget(const fs::path& target, std::string_view bytes, std::string& reason, Replace how) {
    struct stat info {};
    if (::stat(target.c_str(), &info) != 0) {
        if (errno != ENOENT) {
            reason = SystemReason(errno);
            return false;
        }
        return ReplaceRegular(target, nullptr, bytes, reason, how);
    }
    if (S_ISDIR(info.st_mode)) {
        reason = SystemReason(EISDIR);
        return false;
    }
    if (!S_ISREG(info.st_mode)) return WriteInPlace(target, bytes, reason);
    return ReplaceRegular(target, &info, bytes, reason, how);
}

#else  // _WIN32: an open file cannot be deleted there, so a sweep spares live writers.

void SweepStaleTemporaries(const fs::path& folder) {
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder.empty() ? "." : folder, ec)) {
        if (IsTemporaryName(entry.path().filename().string()) && OldEnough(entry.path()))
            fs::remove(entry.path(), ec);
    }
}

bool WriteTarget(const fs::path& target, std::string_view bytes, std::string& reason,
                 Replace /*how*/) {
    std::error_code ec;
    const auto status = fs::status(target, ec);
    if (fs::is_directory(status)) {
        reason = SystemReason(EISDIR);
        return false;
    }
    const bool inPlace = fs::exists(status) && !fs::is_regular_file(status);
    if (!inPlace && FirstWriteTo(target.parent_path())) SweepStaleTemporaries(target.parent_path());
    const fs::path temp = inPlace ? target : TemporaryPathFor(target);
    std::FILE* file = std::fopen(temp.string().c_str(), "wb");
    if (!file) {
        reason = SystemReason(errno);
        return false;
    }
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (!ok) reason = SystemReason(errno);
    if (std::fclose(file) != 0 && ok) {
        reason = SystemReason(errno);
        ok = false;
    }
    if (inPlace) return ok;
    if (ok) fs::rename(temp, target, ec);
    if (ok && ec) {
        reason = ec.message();
        ok = false;
    }
    if (!ok) fs::remove(temp, ec);
    return ok;
}

#endif

}  // namespace

std::string SystemReason(int code) {
    return std::generic_category().message(code);
}

bool ResolveWriteTarget(const fs::path& path, fs::path& target, std::string& reason) {
    target = path;
    for (int step = 0; step < kMaxLinks; ++step) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(target, ec)) || ec) return true;
        const fs::path link = fs::read_symlink(target, ec);
        if (ec) {
            reason = ec.message();
            return false;
        }
        target = link.is_absolute() ? link : target.parent_path() / link;
    }
    reason = SystemReason(ELOOP);
    return false;
}

bool WriteFileContents(const fs::path& path, std::string_view bytes, std::string& reason,
                       Replace how) {
    if (path.empty()) {
        reason = SystemReason(ENOENT);
        return false;
    }
    fs::path target;
    return ResolveWriteTarget(path, target, reason) && WriteTarget(target, bytes, reason, how);
}

std::string CannotWriteMessage(const fs::path& path, const std::string& reason) {
    return fmt::format("cannot write {}: {}", ShownValue(path.string(), kShownPathBytes), reason);
}

std::string CannotReadMessage(const fs::path& path, const std::string& reason) {
    return fmt::format("cannot read {}: {}", ShownValue(path.string(), kShownPathBytes), reason);
}

bool ReplaceFileContents(const fs::path& path, std::string_view bytes, std::string* error) {
    std::string reason;
    if (WriteFileContents(path, bytes, reason)) return true;
    if (error) *error = CannotWriteMessage(path, reason);
    return false;
}

}  // namespace velmoro
