// Player and team records: one season's line per player, teams owning their players.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "db/record_pool.h"

namespace velmoro {

// Fielding positions a player may take. The values are stored in database files.
enum PositionFlags : std::uint8_t {
    Pitcher = 0x01,
    FirstBase = 0x02,
    SecondBase = 0x04,
    ThirdBase = 0x08,
    Shortstop = 0x10,
    Catcher = 0x20,
    Outfield = 0x40,
    NoPosition = 0x80,  // also the designated hitter's lineup step
};

// A pitcher's season line.
struct PitchingLine {
    std::uint16_t eraX100 = 0;
    std::uint8_t wins = 0;
    std::uint8_t losses = 0;
    std::uint8_t saves = 0;
    std::uint8_t games = 0;
    std::uint8_t shutouts = 0;
    std::uint8_t earnedRuns = 0;
    std::uint16_t inningsPitched = 0;
    std::uint16_t walks = 0;
    std::uint16_t strikeouts = 0;
    std::uint16_t oppAvgX1000 = 0;

    bool operator==(const PitchingLine&) const = default;

    // Taken from a pool of their own: a full history holds tens of thousands.
    static void* operator new(std::size_t size) { return AllocateRecord<PitchingLine>(size); }
    static void operator delete(void* block, std::size_t size) noexcept {
        FreeRecord<PitchingLine>(block, size);
    }
};

// One player of one team. Counts keep only the low bits of their field width, so
// hits above 255 wrap; read hits through EffectiveHits.
struct PlayerRecord {
    std::string name;
    std::uint16_t atBats = 0;
    std::uint16_t battingAvg = 0;
    std::uint8_t games = 0;
    std::uint8_t runs = 0;
    std::uint8_t hits = 0;
    std::uint8_t doubles = 0;
    std::uint8_t triples = 0;
    std::uint8_t homeRuns = 0;
    std::uint8_t rbi = 0;
    std::uint8_t stolenBases = 0;
    std::uint8_t caughtStealing = 0;
    std::uint8_t walks = 0;
    std::uint8_t strikeouts = 0;
    std::uint8_t positions = 0;
    std::unique_ptr<PitchingLine> pitching;

    PlayerRecord() = default;
    explicit PlayerRecord(std::string playerName) : name(std::move(playerName)) {}
    PlayerRecord(const PlayerRecord& other);
    PlayerRecord& operator=(const PlayerRecord& other);
    PlayerRecord(PlayerRecord&&) noexcept = default;
    PlayerRecord& operator=(PlayerRecord&&) noexcept = default;

    bool HasPosition(std::uint8_t bits) const { return (positions & bits) != 0; }

    // Taken from a pool of their own: a full history holds over 100,000.
    static void* operator new(std::size_t size) { return AllocateRecord<PlayerRecord>(size); }
    static void operator delete(void* block, std::size_t size) noexcept {
        FreeRecord<PlayerRecord>(block, size);
    }
};

// Same contents, names and numbers and pitching line alike.
bool SamePlayer(const PlayerRecord& a, const PlayerRecord& b);

using PlayerList = std::vector<std::unique_ptr<PlayerRecord>>;

// A team: in LegendDB "YEAR Club", in CustomDB the name the user typed.
// Players live at stable addresses: lineups, defences and staffs point at them.
struct TeamRecord {
    std::string name;
    PlayerList players;

    TeamRecord() = default;
    explicit TeamRecord(std::string teamName) : name(std::move(teamName)) {}

    PlayerRecord& AddPlayer(PlayerRecord player);
};

using TeamList = std::vector<std::unique_ptr<TeamRecord>>;

// Appends a team to a list and returns it.
TeamRecord& AddTeam(TeamList& list, std::string name);

// Appends a copy of every player of `from` to `to`: a worker thread plays its own records.
void CopyPlayers(const TeamRecord& from, TeamRecord& to);

// The two team lists of the run.
struct TeamDatabase {
    TeamList legendTeams;
    TeamList customTeams;
};

// First team of the list with exactly this name (byte for byte).
TeamRecord* LookupTeam(const TeamList& list, std::string_view name);

// First player of the team with exactly this name; none for no team.
PlayerRecord* FindPlayer(const TeamRecord* team, std::string_view name);

// True when some player's name contains the text, both upper-cased byte by byte.
// The text is cut to 98 characters; an empty text matches any team with players.
bool FindPlayerByPartialName(const TeamRecord& team, std::string_view text);

// Index of the first name containing the search text (both upper-cased), or -1.
int SelectMatchingPlayerItem(const std::vector<std::string>& names, std::string_view text);

// Byte-wise upper-casing as the search does it.
std::string UpperCase(std::string_view text);

// "1927" of "1927 Yankees" (the first four characters).
std::string TeamYear(std::string_view teamName);

// "Yankees" of "1927 Yankees" (from the sixth character on; empty when shorter).
std::string TeamClubName(std::string_view teamName);

// Stored hits, plus 256 when the stored byte is below 10 and at-bats are above 500.
int EffectiveHits(std::uint8_t storedHits, std::uint16_t atBats);
int EffectiveHits(const PlayerRecord& player);

// At least 9 players, 3 outfielders and one of each other position (a player counts
// toward every bit he carries).
bool IsTeamPlayable(const TeamRecord* team);

bool AnyPlayableCustomTeam(const TeamDatabase& db);

}  // namespace velmoro
