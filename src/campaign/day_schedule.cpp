#include "campaign/day_schedule.h"

#include <algorithm>

namespace velmoro {

std::vector<DayGame> LayOutDays(const std::vector<ScheduledGame>& schedule, int clubCount) {
    std::vector<int> nextFree(static_cast<std::size_t>(clubCount), 0);
    std::vector<DayGame> days;
    for (const ScheduledGame& game : schedule) {
        int day = std::max(nextFree[game.visitor], nextFree[game.home]);
        if (day % kDaysBetweenOffDays == kDaysBetweenOffDays - 1) ++day;
        nextFree[game.visitor] = nextFree[game.home] = day + 1;
        days.push_back({game, day});
    }
    std::stable_sort(days.begin(), days.end(),
                     [](const DayGame& a, const DayGame& b) { return a.day < b.day; });
    return days;
}

}  // namespace velmoro
