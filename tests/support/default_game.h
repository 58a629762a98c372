// The test league loaded into a session, and its two teams set up with every default
// of the wizard.
#pragma once

#include <string>

#include "engine/session.h"
#include "setup/default_setup.h"
#include "support/test_league.h"

namespace velmoro::testing {

// The league loaded into the session as if LegendDB had been read.
inline void LoadTestLeague(Session& session) {
    if (session.teams.legendTeams.empty()) FillTestLeague(session.teams.legendTeams);
}

// The test league's two teams with every default of the wizard; false and `error` when
// the set-up refuses.
inline bool DefaultGame(Session& session, bool designatedHitter, std::string* error = nullptr) {
    LoadTestLeague(session);
    TeamRecord* v = LookupTeam(session.teams.legendTeams, kTestVisitors);
    TeamRecord* h = LookupTeam(session.teams.legendTeams, kTestHome);
    std::string ignored;
    return v && h && DefaultSetup(session, *v, *h, designatedHitter, error ? error : &ignored);
}

}  // namespace velmoro::testing
