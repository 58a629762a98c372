#include "setup/default_setup.h"

#include <algorithm>
#include <vector>

#include "engine/session.h"
#include "setup/batting_order.h"
#include "setup/lineup.h"
#include "setup/team_prep.h"

namespace velmoro {

namespace {

// One side's lineup pages, each keeping its first candidate (the pitcher's page the
// starter's turn in the rotation), then its batting order.
bool FillSide(Session& session, StarterChoice starter, std::string* error) {
    for (;;) {
        const std::vector<std::string> candidates = LineupCandidates(session);
        if (candidates.empty()) {
            if (error) *error = NoPlayersMessage(session.setup);
            return false;
        }
        std::size_t pick = 0;
        if (SlotBeingChosen(session.setup) == PitcherSlot && starter.rotation > 1) {
            const std::size_t turns =
                std::min(candidates.size(), static_cast<std::size_t>(starter.rotation));
            pick = static_cast<std::size_t>(starter.gameNumber) % turns;
        }
        SelectLineupCandidate(session, candidates[pick]);
        if (AdvanceLineupPage(session)) break;
    }
    DefaultBattingOrder(session.game, session.setup.setupSide);
    return true;
}

}  // namespace

bool DefaultSetup(Session& session, TeamRecord& visitors, TeamRecord& home, bool designatedHitter,
                  std::string* error, StarterChoice visitorStarter, StarterChoice homeStarter) {
    ResetSetup(session);
    GameState& game = session.game;
    // The team page prepares each team as it is chosen, visitors first.
    game.visitor.team = &visitors;
    PrepareSide(session, Side::Visitors);
    game.home.team = &home;
    PrepareSide(session, Side::Home);
    StartLineupPages(session, &visitors, &home, designatedHitter);
    if (!FillSide(session, visitorStarter, error)) return false;
    SwitchToHomeSide(session);
    if (!FillSide(session, homeStarter, error)) return false;
    FinishSetup(session);
    return true;
}

}  // namespace velmoro
