// What the realistic engine knows of a database, loaded once and then only read: the
// leagues of every season, each team-season's park and defence, and each player's rates
// relative to his own league-season.
#pragma once

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "realistic/events.h"

namespace velmoro {

struct PlayerRecord;
struct PlayerUsage;

// One league-season (or the neutral league of teams that have none).
struct LeagueContext {
    int year = 0;
    plate::Rates batting{};   // the batters' rates per plate appearance
    plate::Rates pitching{};  // the pitchers' rates per batter faced, as their lines give them
    plate::Rates odds{};      // the odds of `batting`: what a matchup starts from
    // Pitchers' own batting: what a pitcher's few plate appearances are drawn toward.
    plate::Rates pitchersBatting{};
    double plateAppearancesPerGame = 38;
    double errorsPerGame = 0.7;
    double unearnedRunsPerGame = 0;  // runs allowed less earned runs; 0 when not recorded
    double doublePlaysPerGame = 0.9;
    double stealSuccess = 0.7;
    double stealAttempts = 0;  // per time on first by a single, walk or hit by pitch
    bool caughtStealingRecorded = false;
};

// One player as the model plays him: his odds relative to his league's, taken out of his
// home park, and what the running game and a tiring arm need.
struct PlayerModel {
    plate::Rates batting{};   // relative odds
    plate::Rates pitching{};  // relative odds; all 1 for a player who never pitched
    double usualLength = 0;   // batters he faces in a usual game pitched
    double plateAppearances = 0, battersFaced = 0;  // his season's, as his lines give them
    double stealSuccess = 0;  // his chance of a steal, drawn toward the league's
    double contact = 1;       // the league's strikeout rate over his (bunting and squeezing)
    // How often he ran and bunted: steal attempts per time he reached first, and sacrifice
    // hits per plate appearance.
    double stealAttempts = 0;
    double sacrifices = 0;
    // His speed on the bases from how often he ran against his league (1 average): the
    // extra bases he takes on hits, and the double plays he beats out.
    double speed = 1;
    char bats = ' ';
    char throws = ' ';
};

struct TeamContext {
    int league = -1;  // into RealisticData::leagues; -1 the neutral league
    int battingParkFactor = 100;
    int pitchingParkFactor = 100;
    // The team's errors per game over its league's, as they cost it runs: its unearned
    // runs per game over its league's where the record has them.
    double errorFactor = 1;
    double doublePlayFactor = 1;  // the same for double plays
    // The whole staff's rates per batter faced: what its fielders made of balls in play.
    // Empty (all zero) when unknown.
    plate::Rates staff{};
    // In the order of the team's players in the database. A game's copy of the team may
    // hold them in another order, so they are found by name.
    std::vector<PlayerModel> players;
    std::unordered_map<std::string, std::size_t> byName;  // the first player of each name

    const PlayerModel* Find(const std::string& name) const {
        const auto at = byName.find(name);
        return at == byName.end() ? nullptr : &players[at->second];
    }
};

// Regression: the plate appearances of average added to each outcome of a player's
// line. A batter's line is his own, and a replay should give back the season he had: ten
// plate appearances of his league, enough to keep the smallest samples off the extremes
// (a pitcher at bat is drawn toward the league's pitchers at bat). A pitcher's balls in
// play owe much to his fielders and to chance (McCracken's finding), so those are drawn
// hard toward his staff's, which holds his fielders' share; his strikeouts and walks
// are his own, drawn a little toward the staff's (the staff's totals stay its own).
inline constexpr plate::Rates kBatterRegression{10, 10, 10, 10, 10, 10, 10, 10};
inline constexpr plate::Rates kPitcherRegression{300, 300, 300, 200, 100, 200, 50, 300};

class RealisticData {
  public:
    std::vector<LeagueContext> leagues;
    LeagueContext neutral;
    std::unordered_map<std::string, TeamContext> teams;

    const LeagueContext& League(int index) const {
        return index < 0 ? neutral : leagues[static_cast<std::size_t>(index)];
    }
    const TeamContext* Team(const std::string& name) const {
        const auto at = teams.find(name);
        return at == teams.end() ? nullptr : &at->second;
    }
};

// A pitcher and nothing else (his batting is a pitcher's).
bool IsPitcher(const PlayerRecord& player);

// Times on first of a batting line: singles, walks, hit by pitch.
double TimesOnFirst(const plate::Counts& batting);
// Steal attempts of `stolen` bases and `caught` stealing: both where the league recorded
// caught stealing, else the stolen bases over the league's success.
double StealAttempts(double stolen, double caught, const LeagueContext& league);

// The counts a batter's line gives (with the side file's row when there is one).
plate::Counts BattingCounts(const PlayerRecord& player, const PlayerUsage* usage);
// The counts a pitcher's line gives, what it lacks estimated from his league's shares;
// none for a player without a pitching line.
plate::Counts PitchingCounts(const PlayerRecord& player, const PlayerUsage* usage,
                             const plate::Rates& leagueBatting);

// The player as the model plays him in his league and his team's park.
PlayerModel ModelPlayer(const PlayerRecord& player, const PlayerUsage* usage,
                        const LeagueContext& league, const TeamContext& team);

}  // namespace velmoro

namespace velmoro {

struct TeamRecord;
struct SeasonRecord;
struct ClubSeason;

// What a load may find beside the database; any of them may be empty.
struct RealisticSources {
    const std::vector<SeasonRecord>* index = nullptr;
    const std::vector<ClubSeason>* clubs = nullptr;
    const std::vector<PlayerUsage>* players = nullptr;
};

// The leagues, teams and players of `teams` (each team-season in the league-season the
// index gives it, else in its year's only league).
std::shared_ptr<RealisticData> BuildRealisticData(const std::vector<const TeamRecord*>& teams,
                                                  const RealisticSources& sources);

}  // namespace velmoro
