// The players' side file beside a team database: for each player-season what the
// database's fixed records cannot hold (the Lahman id, bats and throws, where he
// started, how he was used, the counts LegendDB leaves out or keeps only in 8 bits).
// It is optional: no single game needs it; usage plans and the realistic engine read it.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "base/status.h"
#include "db/csv_records.h"  // kNotRecorded

namespace velmoro {

// "Players.csv" beside LegendDB, "DATABASE.players.csv" beside any other database.
inline constexpr const char* kPlayerUsageFileName = "Players.csv";
inline constexpr const char* kPlayerUsageSuffix = ".players.csv";
std::filesystem::path PlayerUsagePathFor(const std::filesystem::path& database);

// A count the source did not record is kNotRecorded (db/csv_records.h), empty in the
// file: old seasons lack HBP, SF, GIDP, BFP and more.

// What the reader takes: games of every kind 0..kMaxSeasonGames (db/season_index.h), every
// other count 0..kMaxPlayerCount (the most of any real season is under 3,000 batters
// faced).
inline constexpr int kMaxPlayerCount = 9999;

// One player-season. `team` and `player` are the names in the database ("1927 Yankees",
// "Babe Ruth"), which together find the record.
struct PlayerUsage {
    std::string team;
    std::string player;
    std::string id;     // Lahman playerID, "ruthba01"
    char bats = ' ';    // 'L', 'R', 'B' (switch) or ' ' unknown
    char throws = ' ';  // 'L', 'R' or ' ' unknown (or either hand)
    // Appearances: games in all, games started (as a batter in the lineup), and games at
    // each place. Lahman keeps games played at a position, not started there.
    int games = 0;
    int gamesStarted = kNotRecorded;
    int gamesPitcher = 0, gamesCatcher = 0, gamesFirst = 0, gamesSecond = 0, gamesThird = 0;
    int gamesShort = 0, gamesLeft = 0, gamesCenter = 0, gamesRight = 0;
    int gamesDh = kNotRecorded;
    int gamesPinchHitter = kNotRecorded;
    // Batting, at full width.
    int atBats = 0, hits = 0;
    int hitByPitch = kNotRecorded, sacrificeHits = kNotRecorded, sacrificeFlies = kNotRecorded;
    int groundedIntoDp = kNotRecorded;
    // Pitching (all zero for a player who never pitched).
    int pitchGames = 0, pitchStarts = 0, gamesFinished = 0, completeGames = 0, saves = 0;
    int outsPitched = 0;  // IPouts
    int battersFaced = kNotRecorded;
    int hitsAllowed = 0, homeRunsAllowed = 0, walksAllowed = 0, strikeoutsPitched = 0;
    int hitBatsmen = kNotRecorded;
    int runsAllowed = 0, earnedRuns = 0;

    bool operator==(const PlayerUsage&) const = default;
};

// The whole file: its header line, then one CSV record per player-season.
std::string PlayerUsageText(const std::vector<PlayerUsage>& players);
// Whole-or-nothing write; refused with the file and the system's reason.
Status WritePlayerUsage(const std::filesystem::path& path, const std::vector<PlayerUsage>& players);
// Reads the whole file into `out` (emptied first). Refused with the file, line and column
// of the first bad field (a number out of range, a bats/throws letter, a repeated
// team+player, a wrong field count); `out` is then empty. A byte-order mark is skipped.
Status LoadPlayerUsage(const std::filesystem::path& path, std::vector<PlayerUsage>& out);
// The same on the file's text; the message starts at "line N: ...".
Status ParsePlayerUsage(std::string_view text, std::vector<PlayerUsage>& out);

}  // namespace velmoro
