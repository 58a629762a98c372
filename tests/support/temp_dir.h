// A private folder for one test, removed with the object, and whole-file reads and writes.
#pragma once

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <system_error>

namespace velmoro::testing {

class TempDir {
  public:
    TempDir() {
        // One token per test process (no POSIX getpid on every platform), a count within.
        static const unsigned process = std::random_device{}();
        static std::atomic<int> counter{0};
        path_ = std::filesystem::temp_directory_path() /
                ("velmoro-test-" + std::to_string(process) + "-" + std::to_string(counter++));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

    // To see that no temporary file stays behind.
    long EntryCount() const {
        return static_cast<long>(std::distance(std::filesystem::directory_iterator(path_),
                                               std::filesystem::directory_iterator()));
    }

  private:
    std::filesystem::path path_;
};

// A file's bytes; empty when it cannot be read.
inline std::string Contents(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

}  // namespace velmoro::testing
