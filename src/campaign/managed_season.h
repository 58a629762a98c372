// A season a user manages: the clubs of one year, their schedule by day, every result
// with its box score and each player's season to date, kept in a season file (an SQLite
// database, .vsn) that is written one game at a time. The user's clubs' games are played
// on the play screen (or by the computer manager); the others are simulated.
//
// Reading views (standings, leaders, box scores) never need LegendDB: the file holds the
// clubs' names and real records and the players' names. Playing loads the clubs' rosters
// from the LegendDB of the installation folder the file names.
//
// Threads: one object is used by one thread at a time. Sim may run on a worker thread
// (it plays on workers of its own); while it runs, call nothing else on the object, read
// its progress from the callback, and refresh views once it has returned.
#pragma once

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/status.h"
#include "campaign/box_score.h"
#include "campaign/game_tally.h"
#include "engine/engine_kind.h"
#include "season/season.h"
#include "season/standings.h"
#include "setup/default_setup.h"

namespace velmoro {

struct Session;
struct GameState;
struct GameRecord;
struct SeasonContents;
class SeasonFile;

// The version this program writes (PRAGMA user_version); a newer file is refused.
inline constexpr int kSeasonFileVersion = 1;

struct NewSeasonOptions {
    // The installation folder: LegendDB and the season index (Seasons.csv) beside it.
    std::filesystem::path directory;
    int year = 0;
    std::string league;                // empty: every league of the year
    std::vector<std::string> managed;  // clubs the user manages, by LegendDB name
    EngineKind engine = EngineKind::Classic;
    std::uint32_t seed = 0;
    int gamesPerTeam = 0;  // 0: each club's real number
};

// A club's season to date: its players' lines added.
struct ClubTotals {
    int team = 0;
    BattingTotals batting;
    PitchingTotals pitching;
};

struct SeasonSimOptions {
    int days = 1;  // days to finish, from today
    bool toEnd = false;
    // Stop before the first game of a club the user manages (its day's other games played),
    // so that the user can play it; otherwise the computer manager plays it.
    bool stopAtManagedGame = false;
    int jobs = 0;  // 0: every core
    // Set from another thread: stops after the games under way, each of them kept.
    const std::atomic<bool>* cancel = nullptr;
    // After each game is written, one call at a time, from Sim's worker threads: games
    // done of those this call set out to play.
    std::function<void(int done, int total)> progress;
};

struct SimOutcome {
    int gamesPlayed = 0;
    bool cancelled = false;
    bool stoppedAtManagedGame = false;
};

// How one game of the season is set up: the teams, the designated hitter, the starters'
// turns in their rotations and the engine. The computer's games and the user's start here.
struct SeasonGameSetup {
    std::string visitor;  // LegendDB names
    std::string home;
    bool designatedHitter = false;
    StarterChoice visitorStarter;
    StarterChoice homeStarter;
    EngineKind engine = EngineKind::Classic;
};

// Sets up `session.game` for a game of the season on the session's LegendDB teams, as
// the new game wizard's defaults do with the rotation's starters: teams, lineups, order,
// then the engine (`realistic` may be null for the classic engine). Every game of a
// managed season is set up here, the computer's and the user's alike.
Status SetUpSeasonGame(Session& session, const SeasonGameSetup& setup,
                       std::shared_ptr<const RealisticData> realistic = nullptr);

class ManagedSeason {
  public:
    // A new season file at `file` (refused when it exists): the clubs of the year the
    // season index holds, their schedule by day, nothing played. `notes` (when given) gets
    // a line for each club left out and why.
    static Status Create(const std::filesystem::path& file, const NewSeasonOptions& options,
                         std::unique_ptr<ManagedSeason>& season,
                         std::vector<std::string>* notes = nullptr);
    // An existing file; a damaged one, or one of a newer version, is refused with the file
    // and the reason and never written to.
    static Status Open(const std::filesystem::path& file, std::unique_ptr<ManagedSeason>& season);
    ~ManagedSeason();

    const std::filesystem::path& File() const { return path_; }
    // The installation folder the clubs' rosters come from.
    const std::filesystem::path& Directory() const { return directory_; }
    // Another installation folder for the rosters from now on, kept in the file.
    Status SetDirectory(const std::filesystem::path& directory);
    int Year() const { return season_.year; }
    EngineKind Engine() const { return engine_; }
    std::uint32_t Seed() const { return seed_; }

    // The clubs (teams point at records holding the names: no ratings), their real
    // records and the schedule; the results so far and each player's season to date.
    const Season& season() const { return season_; }
    const SeasonResults& results() const { return results_; }
    bool Manages(int club) const;
    std::vector<int> ManagedClubs() const;

    // Days from 0; Today is the first day with a game still to play (DayCount when done).
    int DayCount() const;
    int Today() const;
    bool Finished() const { return Today() >= DayCount(); }
    // "Tue Apr 12, 1927": day 0 is the year's April 12, each day the next calendar day.
    std::string DateText(int day) const;
    const std::vector<SeasonGame>& Games() const { return games_; }
    std::vector<SeasonGame> GamesOn(int day) const;

    // Each league's club indexes, in order (SeasonLeagues); standings and leaders.
    std::vector<std::vector<int>> Leagues() const;
    std::vector<StandingRow> Standings(const std::vector<int>& league) const;
    std::vector<LeagueLeaders> LeadersOf(const std::vector<int>& league, int count) const;
    std::vector<ClubTotals> ClubLines() const;
    // The player's name (results().players index).
    const std::string& PlayerName(int player) const;

    Status ReadBoxScore(int gameId, BoxScore& box) const;

    // Plays days from today: every game of a day on workers, written in schedule order,
    // one transaction each. A cancel keeps every game finished.
    Status Sim(const SeasonSimOptions& options, SimOutcome& outcome);

    // The first game still to play of a club the user manages; none when there is none.
    std::optional<int> NextManagedGame() const;
    // How that game is set up: the play screen's new game wizard opens on it.
    Status SetupOf(int gameId, SeasonGameSetup& setup) const;
    // Records a finished game played elsewhere (the play screen, velmoro-season play):
    // its score, box score and the players' lines. Refused unless the game is over and
    // is game `gameId`'s teams. `tally` may be null (no batter's strikeouts then, and the
    // extra innings as one).
    Status RecordGame(int gameId, const GameState& game, const GameTally* tally);

  private:
    ManagedSeason();
    void Take(SeasonContents& contents);
    Status LoadRosters();
    struct SimRun;
    Status PlayDay(const std::vector<int>& gameIds, SimRun& run);
    void Apply(const GameRecord& record);

    std::filesystem::path path_;
    std::unique_ptr<SeasonFile> file_;
    TeamList names_;  // the clubs' names and players' names only
    Season season_;
    SeasonResults results_;
    std::vector<SeasonGame> games_;
    std::vector<std::pair<int, int>> turns_;  // the starters' turns, by game
    std::vector<bool> managed_;               // by club
    EngineKind engine_ = EngineKind::Classic;
    std::uint32_t seed_ = 0;
    std::filesystem::path directory_;
    struct Rosters;
    std::unique_ptr<Rosters> rosters_;  // LegendDB, loaded to play
};

}  // namespace velmoro
