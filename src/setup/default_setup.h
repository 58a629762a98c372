// A whole game set up as the new game wizard does when the user accepts every default.
#pragma once

#include <string>

namespace velmoro {

struct Session;
struct TeamRecord;

// Which starting pitcher a side takes: its game number in a rotation of the first
// `rotation` candidates of the pitcher page (fewer when the page offers fewer). The
// default is the page's first candidate, as the wizard's default.
struct StarterChoice {
    int gameNumber = 0;
    int rotation = 1;
};

// Team choice (with team preparation of both sides), the designated hitter, every
// lineup page's first candidate (the starting pitcher as `visitorStarter` and
// `homeStarter` say) and the default batting orders. False, with the "no players"
// message in `error`, when a page has nobody to offer.
bool DefaultSetup(Session& session, TeamRecord& visitors, TeamRecord& home, bool designatedHitter,
                  std::string* error, StarterChoice visitorStarter = {},
                  StarterChoice homeStarter = {});

}  // namespace velmoro
