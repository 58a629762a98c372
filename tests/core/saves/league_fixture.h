// Small leagues written to a temporary installation folder, for the saved-game,
// custom-team and save-at tests.
#pragma once

#include <atomic>
#include <filesystem>
#include <random>
#include <string>
#include <system_error>

#include "db/records.h"
#include "db/team_files.h"

namespace velmoro::testing {

class TempDir {
  public:
    TempDir() {
        // One token per test process (no POSIX getpid on every platform), a count within.
        static const unsigned process = std::random_device{}();
        static std::atomic<int> counter{0};
        path_ = std::filesystem::temp_directory_path() /
                ("velmoro-saves-" + std::to_string(process) + "-" + std::to_string(counter++));
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

  private:
    std::filesystem::path path_;
};

inline PlayerRecord MakeBatter(const std::string& name, std::uint8_t positions, int variant) {
    PlayerRecord p(name);
    p.atBats = static_cast<std::uint16_t>(420 + (variant * 37) % 180);
    p.battingAvg = static_cast<std::uint16_t>(215 + (variant * 53) % 110);
    p.games = 140;
    p.hits = static_cast<std::uint8_t>(p.atBats * p.battingAvg / 1000);
    p.doubles = static_cast<std::uint8_t>(15 + variant % 20);
    p.triples = static_cast<std::uint8_t>(variant % 7);
    p.homeRuns = static_cast<std::uint8_t>(4 + (variant * 7) % 35);
    p.runs = static_cast<std::uint8_t>(50 + variant % 40);
    p.rbi = static_cast<std::uint8_t>(45 + (variant * 3) % 60);
    p.stolenBases = static_cast<std::uint8_t>((variant * 11) % 40);
    p.caughtStealing = static_cast<std::uint8_t>(variant % 9);
    p.walks = static_cast<std::uint8_t>(30 + (variant * 13) % 60);
    p.strikeouts = static_cast<std::uint8_t>(60 + (variant * 17) % 90);
    p.positions = positions;
    return p;
}

inline PlayerRecord MakePitcher(const std::string& name, bool starter, int variant) {
    PlayerRecord p(name);
    p.atBats = static_cast<std::uint16_t>(starter ? 60 + variant % 20 : 0);
    p.battingAvg = static_cast<std::uint16_t>(starter ? 110 + (variant * 29) % 90 : 0);
    p.games = static_cast<std::uint8_t>(starter ? 32 : 0);
    p.hits = static_cast<std::uint8_t>(p.atBats * p.battingAvg / 1000);
    p.strikeouts = static_cast<std::uint8_t>(starter ? 25 : 0);
    p.positions = Pitcher;
    p.pitching = std::make_unique<PitchingLine>();
    PitchingLine& line = *p.pitching;
    line.eraX100 = static_cast<std::uint16_t>(220 + (variant * 61) % 280);
    line.wins = static_cast<std::uint8_t>(5 + variant % 15);
    line.losses = static_cast<std::uint8_t>(4 + variant % 12);
    line.games = static_cast<std::uint8_t>(starter ? 33 : 60);
    line.inningsPitched = static_cast<std::uint16_t>(starter ? 190 + variant % 40 : 70);
    line.earnedRuns = static_cast<std::uint8_t>(line.inningsPitched * line.eraX100 / 900);
    line.walks = static_cast<std::uint16_t>(40 + variant % 40);
    line.strikeouts = static_cast<std::uint16_t>(90 + (variant * 7) % 150);
    line.oppAvgX1000 = static_cast<std::uint16_t>(230 + variant % 50);
    return p;
}

// A playable team: four starters and two relievers, one player per infield position,
// three outfielders and two bench players. Players are named after the team so that
// two teams never share a name; `variant` changes every number.
inline TeamRecord& AddLeagueTeam(TeamList& list, const std::string& name, int variant,
                                 std::string tag = {}) {
    TeamRecord& team = AddTeam(list, name);
    if (tag.empty()) tag = name.substr(0, 6);
    for (int i = 0; i < 6; ++i) {
        team.AddPlayer(MakePitcher(tag + " Pitcher " + std::to_string(i), i < 4, variant + i));
    }
    const std::pair<const char*, std::uint8_t> fielders[] = {
        {"Catcher", Catcher},
        {"First", FirstBase},
        {"Second", SecondBase},
        {"Short", Shortstop},
        {"Third", ThirdBase},
        {"Left", Outfield},
        {"Center", Outfield},
        {"Right", Outfield},
        {"Utility", SecondBase | Shortstop},
        {"Slugger", NoPosition},
        {"Backstop", Catcher | FirstBase},
    };
    int k = 0;
    for (const auto& [role, bits] : fielders) {
        team.AddPlayer(MakeBatter(tag + " " + role, bits, variant * 5 + k++));
    }
    return team;
}

// LegendDB with four clubs ("2001 Aces" ... "2001 Dukes") in `dir`.
inline TeamList MakeLeague() {
    TeamList league;
    const char* clubs[] = {"2001 Aces", "2001 Bears", "2001 Colts", "2001 Dukes"};
    int variant = 1;
    for (const char* club : clubs)
        AddLeagueTeam(league, club, variant += 7);
    return league;
}

inline bool WriteLeague(const std::filesystem::path& dir, const TeamList& legend,
                        const TeamList& custom = {}) {
    return WriteTeamList(legend, dir / kLegendFileName, false) &&
           WriteTeamList(custom, dir / kCustomFileName, false);
}

}  // namespace velmoro::testing
