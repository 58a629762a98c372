// A small league for window tests: two playable teams with made-up players, put
// straight into a session or written as LegendDB (plus an empty CustomDB) to a folder.
#pragma once

#include <array>
#include <filesystem>
#include <fstream>
#include <string>

#include "db/records.h"
#include "db/team_files.h"
#include "engine/session.h"

namespace velmoro::testing {

inline constexpr const char* kTestVisitors = "1950 Harbor Hawks";
inline constexpr const char* kTestHome = "1950 Valley Rams";

struct TestPlayerSpec {
    const char* name;
    std::uint8_t positions;
    std::uint16_t battingAvg;
};

inline PlayerRecord TestPlayer(const TestPlayerSpec& traits, int variant) {
    PlayerRecord player(traits.name);
    player.positions = traits.positions;
    player.battingAvg = traits.battingAvg;
    player.games = 140;
    player.atBats = static_cast<std::uint16_t>(480 + variant * 7);
    player.hits = static_cast<std::uint8_t>(player.atBats * traits.battingAvg / 1000);
    player.doubles = static_cast<std::uint8_t>(20 + variant % 9);
    player.triples = static_cast<std::uint8_t>(2 + variant % 4);
    player.homeRuns = static_cast<std::uint8_t>(6 + (variant * 5) % 25);
    player.runs = static_cast<std::uint8_t>(60 + variant * 3);
    player.rbi = static_cast<std::uint8_t>(55 + variant * 4);
    player.walks = static_cast<std::uint8_t>(40 + variant * 2);
    player.strikeouts = static_cast<std::uint8_t>(60 + variant * 3);
    player.stolenBases = static_cast<std::uint8_t>(variant % 12);
    if (traits.positions & Pitcher) {
        player.atBats = 70;
        player.hits = static_cast<std::uint8_t>(70 * traits.battingAvg / 1000);
        auto line = std::make_unique<PitchingLine>();
        line->eraX100 = static_cast<std::uint16_t>(285 + variant * 23);
        line->wins = static_cast<std::uint8_t>(17 - variant % 8);
        line->losses = static_cast<std::uint8_t>(8 + variant % 5);
        line->games = 34;
        line->inningsPitched = static_cast<std::uint16_t>(210 - variant * 6);
        line->strikeouts = static_cast<std::uint16_t>(150 - variant * 4);
        line->walks = static_cast<std::uint16_t>(60 + variant);
        line->oppAvgX1000 = static_cast<std::uint16_t>(235 + variant * 3);
        player.pitching = std::move(line);
    }
    return player;
}

inline constexpr std::uint8_t kOf = Outfield;

inline void AddTestTeam(TeamList& list, const char* name,
                        const std::array<TestPlayerSpec, 14>& specs) {
    TeamRecord& team = AddTeam(list, name);
    int variant = 0;
    for (const TestPlayerSpec& traits : specs)
        team.AddPlayer(TestPlayer(traits, variant++));
}

inline void FillTestLeague(TeamList& list) {
    AddTestTeam(list, kTestVisitors,
                {{{"Sam Whitlock", Pitcher, 180},
                  {"Eddie Marsh", Pitcher, 150},
                  {"Lou Pettigrew", Pitcher, 160},
                  {"Walt Brennan", Pitcher, 140},
                  {"Gus Kellerman", Catcher, 262},
                  {"Red Abernathy", FirstBase, 301},
                  {"Toby Quill", SecondBase, 277},
                  {"Mickey Dunn", Shortstop, 259},
                  {"Frank Oyler", ThirdBase, 284},
                  {"Jack Tarrant", kOf, 312},
                  {"Billy Royce", kOf, 295},
                  {"Vern Haskell", kOf, 271},
                  {"Duke Farrow", kOf | FirstBase, 266},
                  {"Ned Lasko", SecondBase | Shortstop | ThirdBase, 244}}});
    AddTestTeam(list, kTestHome,
                {{{"Carl Ostrander", Pitcher, 170},
                  {"Hal Grimsby", Pitcher, 155},
                  {"Joe Vickery", Pitcher, 145},
                  {"Stan Mulvey", Pitcher, 130},
                  {"Pete Rourke", Catcher, 255},
                  {"Moose Calloway", FirstBase, 318},
                  {"Dutch Heller", SecondBase, 269},
                  {"Lefty Amador", Shortstop, 251},
                  {"Buck Tinsley", ThirdBase, 288},
                  {"Ray Colfax", kOf, 305},
                  {"Whitey Brandt", kOf, 280},
                  {"Nick Soto", kOf, 263},
                  {"Al Pruett", kOf | Catcher, 249},
                  {"Sonny Gaines", SecondBase | Shortstop, 238}}});
}

// LegendDB with the two teams and an empty CustomDB in `dir`.
inline bool WriteTestLeague(const std::filesystem::path& dir) {
    TeamList list;
    FillTestLeague(list);
    std::filesystem::create_directories(dir);
    std::ofstream(dir / kCustomFileName, std::ios::binary | std::ios::trunc).flush();
    return WriteTeamList(list, dir / kLegendFileName, false);
}

// The league loaded into the session as if LegendDB had been read.
inline void LoadTestLeague(Session& session) {
    if (session.teams.legendTeams.empty()) FillTestLeague(session.teams.legendTeams);
}

}  // namespace velmoro::testing
