#include "setup/default_setup.h"

#include <vector>

#include "engine/session.h"
#include "setup/batting_order.h"
#include "setup/lineup.h"
#include "setup/team_prep.h"

namespace velmoro {

namespace {

// One side's lineup pages, each keeping its first candidate, then its batting order.
bool FillSide(Session& session, std::string* error) {
    for (;;) {
        const std::vector<std::string> candidates = LineupCandidates(session);
        if (candidates.empty()) {
            if (error) *error = NoPlayersMessage(session.setup);
            return false;
        }
        SelectLineupCandidate(session, candidates.front());
        if (AdvanceLineupPage(session)) break;
    }
    DefaultBattingOrder(session.game, session.setup.setupSide);
    return true;
}

}  // namespace

bool DefaultSetup(Session& session, TeamRecord& visitors, TeamRecord& home, bool designatedHitter,
                  std::string* error) {
    ResetSetup(session);
    GameState& game = session.game;
    // The team page prepares each team as it is chosen, visitors first.
    game.visitor.team = &visitors;
    PrepareSide(session, kVisitors);
    game.home.team = &home;
    PrepareSide(session, kHome);
    StartLineupPages(session, &visitors, &home, designatedHitter);
    if (!FillSide(session, error)) return false;
    SwitchToHomeSide(session);
    if (!FillSide(session, error)) return false;
    FinishSetup(session);
    return true;
}

}  // namespace velmoro
