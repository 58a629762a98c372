// How often the new game wizard's defaults on a historical team are the club's real
// regulars: the figures import-lahman prints and lineup-report checks.
#pragma once

#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "db/records.h"
#include "import/lahman_import.h"

namespace velmoro {

// Seasons from this year on are measured with a designated hitter.
inline constexpr int kFirstDesignatedHitterYear = 1973;
// A designated hitter with this many at-bats counts as a real hitter.
inline constexpr int kRealHitterAtBats = 100;

struct LineupFigures {
    std::size_t teams = 0;     // team-seasons measured
    std::size_t notSetUp = 0;  // team-seasons whose defaults could not be set up
    std::array<std::size_t, kRegularPages> regulars{};  // default starters who are regulars
    std::array<std::size_t, kRegularPages> starters{};  // default starters measured
    std::size_t designatedHitters = 0;                  // team-seasons with a DH measured
    std::size_t realHitters = 0;                        // ... whose DH has 100 at-bats

    double Percent(std::size_t page) const;  // page kRegularPages: all pages together
    double DesignatedHitterPercent() const;
};

// Sets up every team of `teams` that has a season in `seasons` (matched by name) as
// the wizard does with every default accepted, and counts. Reorders the rosters, as
// the team preparation does.
LineupFigures MeasureDefaultLineups(const TeamList& teams,
                                    const std::vector<LahmanSeason>& seasons);

// The figures as a small table.
void PrintLineupFigures(const LineupFigures& figures, std::FILE* out);

}  // namespace velmoro
