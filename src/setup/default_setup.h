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
// `homeStarter` say) and the default batting orders. Where the first candidates would
// leave a later page with nobody, a page keeps the first that leaves every later page
// someone. Fields exactly the teams CheckFielding accepts; otherwise false, with its
// message (the team and what it lacks) in `error`.
bool DefaultSetup(Session& session, TeamRecord& visitors, TeamRecord& home, bool designatedHitter,
                  std::string* error, StarterChoice visitorStarter = {},
                  StarterChoice homeStarter = {});

}  // namespace velmoro
