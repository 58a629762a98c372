// The season statistics views (hitting and pitching), 25 rows a page.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "db/records.h"

namespace velmoro {

struct Session;
struct GameSide;

inline constexpr int kStatsPageRows = 25;

inline constexpr std::array<const char*, 13> kHittingHeadings{
    "Name", "AVG", "AB", "R", "H", "2B", "3B", "HR", "RBI", "BB", "K", "SB", "CS"};
inline constexpr std::array<const char*, 12> kPitchingHeadings{
    "Name", "ERA", "G", "W", "L", "S", "ShO", "K", "BB", "ER", "IP", "BAVG"};

// One row's numbers, tab-separated in the order of the headings after "Name".
std::string HittingStatsLine(const PlayerRecord& player);
std::string PitchingStatsLine(const PitchingLine& line);

struct StatsRow {
    std::string name;
    std::string line;
};

struct StatsPage {
    std::string title;
    std::vector<StatsRow> rows;  // at most kStatsPageRows
    bool showPrevious = false;
    bool showNext = false;
};

// The team's players in roster order from `pageStart`.
StatsPage HittingStatsPage(const TeamRecord& team, int pageStart);

// The side's pitching staff from `pageStart`, titled with the side's team.
StatsPage PitchingStatsPage(const GameSide& side, int pageStart);

// Opening the views on `team` when `lastShown` was the team shown last time (none at
// first): the page start is kept only for the same team, and only while it falls on
// one of its players; another team opens on its first page.
void StatsOpen(Session& session, const TeamRecord& team, const TeamRecord* lastShown);

// The buttons of both views. The page start is one value for both views and both
// sides and is kept between openings; switching views starts at the first page.
void StatsNextPage(Session& session);
void StatsPreviousPage(Session& session);
void StatsSwitchView(Session& session);

}  // namespace velmoro
