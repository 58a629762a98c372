// The season file: an SQLite database (docs/season-file.md) written one game at a time,
// each game one transaction, so that a kill or a full disk never loses a finished game.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "base/status.h"
#include "campaign/box_score.h"
#include "campaign/game_record.h"
#include "engine/engine_kind.h"
#include "season/season.h"

namespace velmoro {

class SqliteDb;

// "VSN1": what marks an SQLite database as a season file.
inline constexpr std::int32_t kSeasonFileApplicationId = 0x56534E31;

struct SeasonClub {
    SeasonTeam team;  // `team` unset: the name is `name`
    std::string name;
    bool managed = false;
    std::vector<std::string> players;  // the roster's names, in roster order
};

// Everything the file holds but the box scores.
struct SeasonContents {
    int year = 0;
    EngineKind engine = EngineKind::Classic;
    std::uint32_t seed = 0;
    std::filesystem::path directory;
    std::vector<SeasonClub> clubs;
    std::vector<SeasonGame> games;
    // The starters' turns in their rotations, by game: visitors, home.
    std::vector<std::pair<int, int>> turns;
    // Season to date, by player id: clubs' rosters one after the other.
    std::vector<PlayerSeason> players;
};

class SeasonFile {
  public:
    ~SeasonFile();

    // A new file holding `contents` (nothing played).
    static Status Create(const std::filesystem::path& file, const SeasonContents& contents,
                         std::unique_ptr<SeasonFile>& out);
    // Checks the whole file before anything reads or writes it: refused when it is not an
    // SQLite database, not a season file, of a newer version, or damaged.
    static Status Open(const std::filesystem::path& file, SeasonContents& contents,
                       std::unique_ptr<SeasonFile>& out);

    // One transaction: the result, the box score, the players' lines added to their
    // season and the pitchers' last day. Refused for a game already played.
    Status WriteGame(const GameRecord& record);
    Status ReadBoxScore(int gameId, BoxScore& box);
    Status SetDirectory(const std::filesystem::path& directory);

  private:
    explicit SeasonFile(std::unique_ptr<SqliteDb> db);
    Status Prepare();
    Status Load(SeasonContents& contents);
    Status ReadBoxLines(int gameId, BoxScore& box);
    struct Statements;
    std::unique_ptr<SqliteDb> db_;
    std::unique_ptr<Statements> statements_;
};

}  // namespace velmoro
