// A season's schedule laid out on days: each club plays at most once a day, its games in
// the schedule's order, and every seventh day is a day off for every club.
#pragma once

#include <vector>

#include "season/schedule.h"

namespace velmoro {

inline constexpr int kDaysBetweenOffDays = 7;

struct DayGame {
    ScheduledGame game;
    int day = 0;
};

// The games in order of their day (a day's games as the schedule orders them), each on
// the first day both clubs are free after their previous games.
std::vector<DayGame> LayOutDays(const std::vector<ScheduledGame>& schedule, int clubCount);

}  // namespace velmoro
