// Small helpers for the database tests: a private folder and sample records.
#pragma once

#include <atomic>
#include <filesystem>
#include <random>
#include <string>

#include "db/records.h"
#include "db/team_files.h"

namespace velmoro::testing {

// A fresh folder under the system's temp folder, removed with the object.
class TempDir {
  public:
    TempDir() {
        static std::atomic<int> counter{0};
        path_ = std::filesystem::temp_directory_path() /
                ("velmoro-db-test-" + std::to_string(std::random_device{}()) + "-" +
                 std::to_string(counter++));
        std::filesystem::remove_all(path_);
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

    // Names of the entries in the folder, to see that no temporary file stays behind.
    int EntryCount() const {
        int count = 0;
        for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(path_))
            ++count;
        return count;
    }

  private:
    std::filesystem::path path_;
};

inline PlayerRecord Batter(std::string name, std::uint8_t games, std::uint16_t atBats,
                           std::uint8_t positions = Outfield) {
    PlayerRecord p(std::move(name));
    p.games = games;
    p.atBats = atBats;
    p.positions = positions;
    if (atBats != 0) {
        p.battingAvg = 287;
        p.runs = 70;
        p.hits = 150;
        p.doubles = 30;
        p.triples = 4;
        p.homeRuns = 21;
        p.rbi = 88;
        p.stolenBases = 9;
        p.caughtStealing = 3;
        p.walks = 55;
        p.strikeouts = 101;
    }
    return p;
}

inline PlayerRecord Hurler(std::string name, std::uint8_t gamesPitched) {
    PlayerRecord p(std::move(name));
    p.positions = Pitcher;
    p.pitching = std::make_unique<PitchingLine>();
    *p.pitching = PitchingLine{345, 15, 9, 1, gamesPitched, 2, 80, 210, 60, 180, 245};
    return p;
}

inline std::string Image(const TeamList& list, bool filter = false) {
    std::string bytes;
    SerializeTeamList(list, filter, bytes);
    return bytes;
}

inline void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    ReplaceFileContents(path, bytes);
}

}  // namespace velmoro::testing
