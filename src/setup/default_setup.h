// A whole game set up as the new game wizard does when the user accepts every default.
#pragma once

#include <string>

namespace velmoro {

struct Session;
struct TeamRecord;

// Team choice (with team preparation of both sides), the designated hitter, every
// lineup page's first candidate and the default batting orders. False, with the
// "no players" message in `error`, when a page has nobody to offer.
bool DefaultSetup(Session& session, TeamRecord& visitors, TeamRecord& home, bool designatedHitter,
                  std::string* error);

}  // namespace velmoro
