#include "setup/team_prep.h"

#include <algorithm>

#include "engine/session.h"

namespace velmoro {

void SortRosterByAverage(TeamRecord& team) {
    // A stable sort of the owning pointers gives the order of repeated adjacent
    // exchanges (equal averages keep their order) while every lineup, defence and staff
    // entry keeps pointing at the same player.
    std::stable_sort(team.players.begin(), team.players.end(),
                     [](const auto& a, const auto& b) { return a->battingAvg > b->battingAvg; });
}

void BuildPitchingStaff(GameState& game, Side side, TeamRecord& team) {
    if (team.players.empty()) return;
    auto& staff = game.SideOf(side).pitchingStaff;
    staff.fill(nullptr);
    int count = 0;
    for (const auto& player : team.players) {
        if (count == kMaxStaffPitchers) break;
        if (player->pitching) staff[count++] = player.get();
    }
    std::stable_sort(staff.begin(), staff.begin() + count, [](const auto* a, const auto* b) {
        return a->pitching->eraX100 < b->pitching->eraX100;
    });
}

void PrepareSide(Session& session, Side side) {
    GameState& game = session.game;
    TeamRecord* team = game.SideOf(side).team;
    if (!team) return;
    SortRosterByAverage(*team);
    BuildPitchingStaff(game, side, *team);
}

void StartLineupPages(Session& session, TeamRecord* visitors, TeamRecord* home,
                      bool designatedHitter) {
    GameState& game = session.game;
    game.visitor.team = visitors;
    game.home.team = home;
    game.battingSide = Side::Visitors;
    game.designatedHitter = designatedHitter;
}

void PrepareReplayGame(Session& session) {
    PrepareReplay(session.game);
    PrepareSide(session, Side::Visitors);
    PrepareSide(session, Side::Home);
}

void PrepareBothTeams(Session& session, TeamRecord& visitors, TeamRecord& home,
                      bool designatedHitter) {
    GameState& game = session.game;
    game.visitor.team = &visitors;
    PrepareSide(session, Side::Visitors);
    game.home.team = &home;
    PrepareSide(session, Side::Home);
    StartLineupPages(session, &visitors, &home, designatedHitter);
}

}  // namespace velmoro
