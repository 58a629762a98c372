// Whether a team can take the field as the lineup pages fill it: each page offers its
// own position's free players, and when it has none, the free infielders (the pitcher's
// page offers its starters first). The pages after the one being chosen can still be
// filled exactly when the names left can be matched to them, each free infielder
// counting for every page: a page that holds a player of its own position can always
// trade him for the infielder who stood in for him.
#pragma once

#include <string>

#include "base/status.h"

namespace velmoro {

struct Session;
struct TeamRecord;
struct SetupState;

// Ok when the default set-up can field the team (a designated hitter needs a tenth
// man), else the team named with what it lacks:
// "2030 PC cannot be fielded: 5 players for the 6 places of pitcher, catcher, ...".
Status CheckFielding(const TeamRecord& team, bool designatedHitter);

// During set-up: whether every page after the one being chosen can still be filled
// once `name` takes this one.
bool RestCanBeFielded(const Session& session, const SetupState& setup, const std::string& name);

}  // namespace velmoro
