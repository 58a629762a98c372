// Small helpers for the database tests: a private folder and sample records.
#pragma once

#include <filesystem>
#include <random>
#include <string>

#include "db/records.h"
#include "db/team_files.h"

namespace velmoro::testing {

// A fresh folder under the system's temp folder, removed with the object.
class TempDir {
  public:
    TempDir()
        : path_(std::filesystem::temp_directory_path() /
                ("velmoro-db-test-" + std::to_string(std::random_device{}()))) {
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

    // To see that no temporary file stays behind.
    long EntryCount() const {
        return std::distance(std::filesystem::directory_iterator(path_),
                             std::filesystem::directory_iterator());
    }

  private:
    std::filesystem::path path_;
};

// A file's bytes; empty when it cannot be read.
inline std::string Contents(const std::filesystem::path& path) {
    std::string bytes;
    ReadFileBytes(path, bytes);
    return bytes;
}

inline PlayerRecord Batter(std::string name, std::uint8_t games, std::uint16_t atBats,
                           std::uint8_t positions = Outfield) {
    PlayerRecord p(std::move(name));
    p.games = games;
    p.atBats = atBats;
    p.positions = positions;
    p.battingAvg = 287;
    p.runs = 70;
    p.hits = 150;
    p.homeRuns = 21;
    p.strikeouts = 101;
    return p;
}

inline PlayerRecord Hurler(std::string name, std::uint8_t gamesPitched) {
    PlayerRecord p(std::move(name));
    p.positions = Pitcher;
    p.pitching = std::make_unique<PitchingLine>(
        PitchingLine{345, 15, 9, 1, gamesPitched, 2, 80, 210, 60, 180, 245});
    return p;
}

inline std::string Image(const TeamList& list, bool filter = false) {
    std::string bytes;
    SerializeTeamList(list, filter, bytes);
    return bytes;
}

}  // namespace velmoro::testing
