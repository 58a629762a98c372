// A club's usage plan: from its players' real season (the side file's rows), who starts
// at each position and how often, the batting order's rule, the rotation with each
// starter's share and rest, and the bullpen's roles. Plain numbers, no game state: the
// season replay and the new game wizard both read it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "db/player_usage.h"
#include "db/records.h"

namespace velmoro {

// One player's share of a place: of the club's starts at a position, or of its starts
// as pitcher. `player` indexes the team's players.
struct PlanShare {
    int player = 0;
    double share = 0;
};

// What the plan knows of each player of the team (by the team's player index).
struct PlannedPlayer {
    std::string name;
    char bats = ' ', throws = ' ';
    bool pitcher = false;  // mostly a pitcher: more games pitched than elsewhere
    double onBase = 0, slugging = 0;
    // As a starting pitcher: outs and batters per start, runs allowed per start.
    double outsPerStart = 0, battersPerStart = 0, runsPerStart = 0;
    double outsPerRelief = 0;  // in his relief games
    // His complete games' share of his starts, and his outs in the starts he left.
    double completeShare = 0, outsPerShortStart = 0;
    int reliefGames = 0, gamesFinished = 0, saves = 0;
    // A position player's games off the bench: his games less his starts.
    int gamesOffBench = 0;
    std::uint8_t positions = 0;  // the positions his record lets him take
};

struct ClubPlan {
    std::vector<PlannedPlayer> players;
    // By defence slot, catcher to designated hitter; the pitcher's slot is the rotation.
    std::array<std::vector<PlanShare>, 10> positions;
    // Starting pitchers, most real starts first: the rotation's order.
    std::vector<PlanShare> rotation;
    // Team games between two starts of one pitcher: the usual rest, and the short rest a
    // pitcher of more than a rotation's share may take when the era used it.
    int restGames = 5, shortRestGames = 5;
    // Starts no pitcher goes past (0: no cap).
    int maxStarts = 0;
    // Relievers, most games finished first (then relief games); the closer first of all.
    std::vector<int> bullpen;
    int closer = -1;
    // Position players who came off the bench, most games off it first, and their games
    // off it over the club's games (its pitchers' starts): how often a game brings one in.
    std::vector<int> bench;
    double benchGamesPerGame = 0;

    // Each name's first player, as MakeClubPlan makes the plan.
    std::unordered_map<std::string, int> byName;

    bool Usable() const { return !rotation.empty(); }
    // The first player of this name, or -1.
    int Find(const std::string& name) const;
};

// Games a player's real starts give a position (catcher ... designated hitter, by defence
// slot): his starts split over his games at the positions, GS x G_p / sum of G at the
// positions. With starts not recorded, his games at the position.
std::array<double, 10> EstimatedStarts(const PlayerUsage& row);

// The plan of `team` from its players' rows (matched by name; players without a row get
// no share). Positions a player's record does not carry are left out, so that every
// planned start is one the lineup pages allow.
ClubPlan MakeClubPlan(const TeamRecord& team, const std::vector<const PlayerUsage*>& rows,
                      int year);

// The rest rule of a year: a start every four games before 1920, five after; a pitcher
// with more than a rotation's share as often as his share needs, down to every third
// game before 1980 (every game before 1893); no more than 45 starts after 1920.
void SetRotationRest(ClubPlan& plan, int year);

// The batting order of nine batters (team player indexes): the three best hitters bat
// first, second and fourth (the most power of them fourth, the better on-base first), the
// fourth and fifth best third and fifth, the rest in order of quality; `pitcherBats`
// (one of them, or -1) bats ninth. Quality is on-base x 1.8 + slugging.
std::array<int, 9> PlanBattingOrder(const ClubPlan& plan, const std::array<int, 9>& batters,
                                    int pitcherBats);

}  // namespace velmoro
