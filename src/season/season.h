// A season replayed: the teams of one year, their schedule and every game's result,
// played on worker threads. Each game is set up as the new game wizard does when every
// default is accepted, except that each team's starters take turns.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/status.h"
#include "db/records.h"
#include "realistic/realistic.h"
#include "season/schedule.h"
#include "season/season_stats.h"

namespace velmoro {

// One team of the season with its real record, as the season index gives it.
struct SeasonTeam {
    const TeamRecord* team = nullptr;  // in the shared list: only read
    std::string league;
    std::string division;
    int realGames = 0;
    int realWins = 0;
    int realLosses = 0;
    int realRunsScored = 0;
    int realRunsAllowed = 0;
    int realRank = 0;
};

struct SeasonUsage;

struct Season {
    int year = 0;
    std::vector<SeasonTeam> teams;
    std::vector<ScheduledGame> schedule;
    // A designated hitter in this league's games.
    std::function<bool(const std::string& league)> designatedHitter;
    // The clubs' usage plans and every game's lineups; none: each game is set up as the
    // new game wizard does.
    std::shared_ptr<const SeasonUsage> usage;
};

// The real rule: the American League from 1973, every league from 2022.
bool LeagueUsesDesignatedHitter(int year, const std::string& league);

// Starters in a team's rotation: five, four before 1920.
int RotationLength(int year);

// The season's leagues in order of first appearance, each with its team indexes.
std::vector<std::vector<int>> SeasonLeagues(const Season& season);

// The schedule for the season's teams: their real number of games, or `gamesPerTeam`
// when it is above zero.
void ScheduleSeason(Season& season, int gamesPerTeam);

struct GameResult {
    bool played = false;
    int visitorRuns = 0;
    int homeRuns = 0;
};

struct SeasonResults {
    std::vector<GameResult> games;  // by schedule index
    std::vector<PlayerSeason> players;
};

struct SeasonRunOptions {
    std::uint32_t seed = 0;
    int jobs = 0;  // 0: every core
    // Set from another thread to stop after the games under way.
    const std::atomic<bool>* cancel = nullptr;
    // Called once per finished game, one call at a time, from the worker threads.
    std::function<void(int gameIndex, const GameResult&)> onGame;
    // The engine of every game; the realistic one plays on `realistic` (see SetEngine).
    EngineKind engine = EngineKind::Classic;
    std::shared_ptr<const RealisticData> realistic;
};

// The seed of game i: the same for any number of workers.
std::uint32_t GameSeed(std::uint32_t seasonSeed, int gameIndex);

// Plays every scheduled game (or up to a cancel). The shared team lists are never
// written: each worker plays on its own copies. An error when a team cannot be set up
// (SeasonFromIndex leaves out the teams that cannot), with the games played until then.
Status PlaySeason(const Season& season, const SeasonRunOptions& options, SeasonResults& results);

}  // namespace velmoro
