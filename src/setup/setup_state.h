// Where the set-up stands: the side whose lineup is being chosen and the lineup page
// showing. The new game wizard keeps one for its pages; the default set-up a local one.
#pragma once

#include "db/records.h"
#include "engine/side.h"

namespace velmoro {

// The outfield pages' values of `selectingOutfielder`.
inline constexpr int kLeftField = 129;
inline constexpr int kCenterField = 130;
inline constexpr int kRightField = 131;
// The designated hitter's page as a value of `selectingPosition`.
inline constexpr int kDesignatedHitterPage = NoPosition;

struct SetupState {
    Side setupSide = Side::Visitors;
    int selectingPosition = Pitcher;
    int selectingOutfielder = kLeftField;
};

}  // namespace velmoro
