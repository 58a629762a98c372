// Games for tests, set up by hand on numbered teams (MakeTeam) with draws under the
// test's control. (Games with every default of the wizard: support/default_game.h.)
#pragma once

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "engine/plate_appearance.h"
#include "engine/session.h"
#include "engine/turns.h"
#include "support/test_league.h"

namespace velmoro::testing {

// Lineups and defences as the set-up would leave them on a MakeTeam team: fielders bat
// 1..8, the pitcher (or the designated hitter) ninth; `pitcher` is the starter's index
// among 16..24.
inline void SetUpSide(GameState& game, Side which, TeamRecord& team, bool designatedHitter,
                      int pitcher = 16) {
    GameSide& side = game.SideOf(which);
    side.team = &team;
    PlayerRecord* starter = team.players[pitcher].get();
    side.defense.fill(nullptr);
    side.defense[PitcherSlot] = starter;
    // Defence slots 1..8 are C, 1B, 2B, SS, 3B, LF, CF, RF: the fielders' order.
    for (int i = 0; i < 8; ++i) {
        side.defense[i + 1] = team.players[i].get();
        side.lineup[i] = team.players[i].get();
    }
    if (designatedHitter) side.defense[DesignatedHitterSlot] = team.players[8].get();
    side.lineup[8] = designatedHitter ? team.players[8].get() : starter;
    side.lineup[kPitcherEntry] = starter;
    side.pitchingStaff.fill(nullptr);
    for (int i = 16; i < 25; ++i)
        side.pitchingStaff[i - 16] = team.players[i].get();
}

// Both sides set up and the play screen opened on the game.
inline void SetUpGame(Session& session, TeamRecord& visitors, TeamRecord& home,
                      bool designatedHitter) {
    session.game.designatedHitter = designatedHitter;
    SetUpSide(session.game, Side::Visitors, visitors, designatedHitter);
    SetUpSide(session.game, Side::Home, home, designatedHitter);
    OpenPlayScreen(session);
}

// A table on which every draw gives `result`.
inline OutcomeTable AlwaysTable(PlateResult result) {
    static constexpr PlateResult kOrder[] = {PlateResult::HomeRun, PlateResult::Triple,
                                             PlateResult::Double,  PlateResult::Single,
                                             PlateResult::Walk,    PlateResult::Strikeout,
                                             PlateResult::FlyBall, PlateResult::GroundBall};
    const auto index = std::find(std::begin(kOrder), std::end(kOrder), result) - kOrder;
    OutcomeTable table;
    std::uint32_t* limits[] = {&table.homeRunLimit, &table.tripleLimit, &table.doubleLimit,
                               &table.singleLimit,  &table.walkLimit,   &table.strikeoutLimit,
                               &table.flyBallLimit};
    for (int k = 0; k < 7; ++k)
        *limits[k] = k >= index ? 1000u : 0u;
    return table;
}

inline void ForceSide(GameState& game, Side side, PlateResult result) {
    game.SideOf(side).outcomes.fill(AlwaysTable(result));
    game.hasBattingOutcomes = true;
}

// Seeds the generator so that its next value satisfies `wanted`.
inline void ArrangeNextValue(Random& random, const std::function<bool(int)>& wanted) {
    for (std::uint32_t seed = 0;; ++seed) {
        Random probe;
        probe.Seed(seed);
        if (wanted(probe.Next())) {
            random.Seed(seed);
            return;
        }
    }
}

// Slot+1 per runner as the queue stores them.
inline void PlaceRunners(GameState& game, int bases, const std::vector<int>& slots) {
    game.bases = bases;
    game.runnerQueue.fill(0);
    for (std::size_t i = 0; i < slots.size(); ++i)
        game.runnerQueue[i] = slots[i] + 1;
}

}  // namespace velmoro::testing
