#include "setup/default_setup.h"

#include <algorithm>
#include <vector>

#include "engine/session.h"
#include "setup/batting_order.h"
#include "setup/fielding.h"
#include "setup/lineup.h"
#include "setup/team_prep.h"

namespace velmoro {

namespace {

// The candidate a page keeps: the first, or the pitcher whose turn it is in the rotation.
// Looking ahead, the first from there on that leaves the later pages a player each.
std::size_t Pick(const Session& session, const SetupState& setup,
                 const std::vector<std::string>& candidates, StarterChoice starter,
                 bool lookAhead) {
    std::size_t pick = 0;
    if (SlotBeingChosen(setup) == PitcherSlot && starter.rotation > 1) {
        const std::size_t turns =
            std::min(candidates.size(), static_cast<std::size_t>(starter.rotation));
        pick = static_cast<std::size_t>(starter.gameNumber) % turns;
    }
    if (!lookAhead) return pick;
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        const std::size_t at = (pick + i) % candidates.size();
        if (RestCanBeFielded(session, setup, candidates[at])) return at;
    }
    return pick;
}

// One side's lineup pages, each keeping its pick, then its batting order. False when a
// page has nobody to offer.
bool FillSide(Session& session, SetupState& setup, StarterChoice starter, bool lookAhead) {
    for (;;) {
        const std::vector<std::string> candidates = LineupCandidates(session.game, setup);
        if (candidates.empty()) return false;
        SelectLineupCandidate(session.game, setup,
                              candidates[Pick(session, setup, candidates, starter, lookAhead)]);
        if (AdvanceLineupPage(session.game, setup)) break;
    }
    DefaultBattingOrder(session.game, setup.setupSide);
    return true;
}

bool FillBothSides(Session& session, TeamRecord& visitors, TeamRecord& home, bool designatedHitter,
                   StarterChoice visitorStarter, StarterChoice homeStarter, bool lookAhead) {
    SetupState setup;
    PrepareBothTeams(session, visitors, home, designatedHitter);
    if (!FillSide(session, setup, visitorStarter, lookAhead)) return false;
    SwitchToHomeSide(session, setup);
    return FillSide(session, setup, homeStarter, lookAhead);
}

}  // namespace

bool DefaultSetup(Session& session, TeamRecord& visitors, TeamRecord& home, bool designatedHitter,
                  std::string* error, StarterChoice visitorStarter, StarterChoice homeStarter) {
    // The first candidates almost always do; when a page is left with nobody, the
    // set-up starts again, each page looking ahead.
    const bool playable = IsTeamPlayable(&visitors) && IsTeamPlayable(&home);
    if (playable && FillBothSides(session, visitors, home, designatedHitter, visitorStarter,
                                  homeStarter, false)) {
        FinishSetup(session);
        return true;
    }
    for (const TeamRecord* team : {&visitors, &home}) {
        if (Status fielding = CheckFielding(*team, designatedHitter); !fielding) {
            if (error) *error = fielding.message();
            return false;
        }
    }
    ResetGame(session.game);
    if (!FillBothSides(session, visitors, home, designatedHitter, visitorStarter, homeStarter,
                       true)) {
        // The check above rules this out; said all the same rather than half a set-up.
        if (error) *error = visitors.name + " and " + home.name + " cannot both be fielded";
        return false;
    }
    FinishSetup(session);
    return true;
}

}  // namespace velmoro
