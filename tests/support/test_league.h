// Leagues for tests, built in memory or written as LegendDB and CustomDB to a folder:
// - the two-team test league ("1950 Harbor Hawks", "1950 Valley Rams") of made-up
//   players whose default set-up is known;
// - a four-club league ("2001 Aces" ... "2001 Dukes") whose players are named after
//   their club, for saved games and installations;
// - one numbered 25-player team (MakeTeam) for games set up by hand.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>

#include "db/records.h"
#include "db/team_files.h"

namespace velmoro::testing {

// --- Players ---------------------------------------------------------------------------
// `variant` changes every number, so that two players or teams differ.

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

// A starter bats a little and pitches 200 innings; a reliever only pitches.
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

// Players by the numbers the database filter looks at: games and at-bats, or the games
// of a reliever's pitching line.
inline PlayerRecord Batter(std::string name, int games, int atBats,
                           std::uint8_t positions = Outfield) {
    PlayerRecord p = MakeBatter(std::move(name), positions, games);
    p.games = static_cast<std::uint8_t>(games);
    p.atBats = static_cast<std::uint16_t>(atBats);
    return p;
}

inline PlayerRecord Hurler(std::string name, int games) {
    PlayerRecord p = MakePitcher(std::move(name), false, games);
    p.pitching->games = static_cast<std::uint8_t>(games);
    return p;
}

// A player by the traits a rule looks at: AddRoster makes just these, with a pitching line
// when `era` is not 0; TestPlayer takes the name, positions and average.
struct PlayerTraits {
    const char* name;
    int positions;
    int avg;
    int era = 0, games = 0, innings = 0;
};

inline void AddRoster(TeamRecord& team, std::initializer_list<PlayerTraits> roster) {
    for (const PlayerTraits& r : roster) {
        PlayerRecord p(r.name);
        p.positions = static_cast<std::uint8_t>(r.positions);
        p.battingAvg = static_cast<std::uint16_t>(r.avg);
        if (r.era) {
            p.pitching = std::make_unique<PitchingLine>();
            p.pitching->eraX100 = static_cast<std::uint16_t>(r.era);
            p.pitching->games = static_cast<std::uint8_t>(r.games);
            p.pitching->inningsPitched = static_cast<std::uint16_t>(r.innings);
        }
        team.AddPlayer(std::move(p));
    }
}

// --- The two-team test league ------------------------------------------------------------

inline constexpr const char* kTestVisitors = "1950 Harbor Hawks";
inline constexpr const char* kTestHome = "1950 Valley Rams";

// A player of MakeBatter's or MakePitcher's numbers with the batting average of
// `traits`; pitchers' earned run averages rise with `variant`, so the first starts.
inline PlayerRecord TestPlayer(const PlayerTraits& traits, int variant) {
    const bool pitcher = traits.positions & Pitcher;
    const auto positions = static_cast<std::uint8_t>(traits.positions);
    PlayerRecord player = pitcher ? MakePitcher(traits.name, true, variant)
                                  : MakeBatter(traits.name, positions, variant);
    player.battingAvg = static_cast<std::uint16_t>(traits.avg);
    player.hits = static_cast<std::uint8_t>(player.atBats * traits.avg / 1000);
    if (pitcher) player.pitching->eraX100 = static_cast<std::uint16_t>(285 + variant * 23);
    return player;
}

inline void AddTestTeam(TeamList& list, const char* name, std::initializer_list<PlayerTraits> all) {
    TeamRecord& team = AddTeam(list, name);
    int variant = 0;
    for (const PlayerTraits& traits : all)
        team.AddPlayer(TestPlayer(traits, variant++));
}

// Four pitchers (the first starts), one player per position, four outfielders and a
// utility infielder on each side.
inline void FillTestLeague(TeamList& list) {
    AddTestTeam(list, kTestVisitors,
                {{"Sam Whitlock", Pitcher, 180},
                 {"Eddie Marsh", Pitcher, 150},
                 {"Lou Pettigrew", Pitcher, 160},
                 {"Walt Brennan", Pitcher, 140},
                 {"Gus Kellerman", Catcher, 262},
                 {"Red Abernathy", FirstBase, 301},
                 {"Toby Quill", SecondBase, 277},
                 {"Mickey Dunn", Shortstop, 259},
                 {"Frank Oyler", ThirdBase, 284},
                 {"Jack Tarrant", Outfield, 312},
                 {"Billy Royce", Outfield, 295},
                 {"Vern Haskell", Outfield, 271},
                 {"Duke Farrow", Outfield | FirstBase, 266},
                 {"Ned Lasko", SecondBase | Shortstop | ThirdBase, 244}});
    AddTestTeam(list, kTestHome,
                {{"Carl Ostrander", Pitcher, 170},
                 {"Hal Grimsby", Pitcher, 155},
                 {"Joe Vickery", Pitcher, 145},
                 {"Stan Mulvey", Pitcher, 130},
                 {"Pete Rourke", Catcher, 255},
                 {"Moose Calloway", FirstBase, 318},
                 {"Dutch Heller", SecondBase, 269},
                 {"Lefty Amador", Shortstop, 251},
                 {"Buck Tinsley", ThirdBase, 288},
                 {"Ray Colfax", Outfield, 305},
                 {"Whitey Brandt", Outfield, 280},
                 {"Nick Soto", Outfield, 263},
                 {"Al Pruett", Outfield | Catcher, 249},
                 {"Sonny Gaines", SecondBase | Shortstop, 238}});
}

// LegendDB with the two teams and an empty CustomDB in `dir`.
inline bool WriteTestLeague(const std::filesystem::path& dir) {
    TeamList list;
    FillTestLeague(list);
    std::filesystem::create_directories(dir);
    std::ofstream(dir / kCustomFileName, std::ios::binary | std::ios::trunc).flush();
    return WriteTeamList(list, dir / kLegendFileName, false);
}

// --- The four-club league ----------------------------------------------------------------

// A playable team: four starters and two relievers, one player per infield position,
// three outfielders and three bench players. Players are named after the team (or
// `tag`) so that two teams never share a name.
inline TeamRecord& AddLeagueTeam(TeamList& list, const std::string& name, int variant,
                                 std::string tag = {}) {
    TeamRecord& team = AddTeam(list, name);
    if (tag.empty()) tag = name.substr(0, 6);
    for (int i = 0; i < 6; ++i)
        team.AddPlayer(MakePitcher(tag + " Pitcher " + std::to_string(i), i < 4, variant + i));
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
    for (const auto& [role, bits] : fielders)
        team.AddPlayer(MakeBatter(tag + " " + role, bits, variant * 5 + k++));
    return team;
}

inline TeamList MakeLeague() {
    TeamList league;
    int variant = 1;
    for (const char* club : {"2001 Aces", "2001 Bears", "2001 Colts", "2001 Dukes"})
        AddLeagueTeam(league, club, variant += 7);
    return league;
}

inline bool WriteLeague(const std::filesystem::path& dir, const TeamList& legend,
                        const TeamList& custom = {}) {
    return WriteTeamList(legend, dir / kLegendFileName, false) &&
           WriteTeamList(custom, dir / kCustomFileName, false);
}

// --- A numbered team ---------------------------------------------------------------------

// 25 players: 0..7 the fielders (C, 1B, 2B, SS, 3B, LF, CF, RF), 8 a designated hitter,
// 9..15 the bench, 16..24 pitchers. `strength` shifts the lines so that two teams differ.
inline TeamRecord& MakeTeam(TeamList& list, const std::string& name, int strength) {
    TeamRecord& team = AddTeam(list, name);
    const std::uint8_t fielders[] = {Catcher,   FirstBase, SecondBase, Shortstop,
                                     ThirdBase, Outfield,  Outfield,   Outfield};
    for (int i = 0; i < 8; ++i)
        team.AddPlayer(MakeBatter(name + " F" + std::to_string(i), fielders[i], strength + i));
    team.AddPlayer(MakeBatter(name + " DH", NoPosition, strength + 8));
    for (int i = 9; i < 16; ++i)
        team.AddPlayer(
            MakeBatter(name + " B" + std::to_string(i), Outfield | FirstBase, strength + i));
    for (int i = 16; i < 25; ++i)
        team.AddPlayer(MakePitcher(name + " P" + std::to_string(i), true, strength + i));
    return team;
}

}  // namespace velmoro::testing
