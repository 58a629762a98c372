#include "setup/manage_stats.h"

#include <fmt/format.h>

#include "engine/session.h"
#include "setup/stat_text.h"

namespace velmoro {

namespace {

void SetPageButtons(StatsPage& page, int pageStart, bool moreFollow) {
    page.showPrevious = pageStart >= kStatsPageRows;
    page.showNext = moreFollow;
}

}  // namespace

std::string HittingStatsLine(const PlayerRecord& p) {
    return AverageText(p.battingAvg) +
           fmt::format(
               "\t{:3d}\t{:3d}\t{:3d}\t{:2d}\t{:2d}\t{:2d}\t{:3d}\t{:3d}\t{:3d}\t{:3d}\t{:3d}",
               int{p.atBats}, int{p.runs}, EffectiveHits(p), int{p.doubles}, int{p.triples},
               int{p.homeRuns}, int{p.rbi}, int{p.walks}, int{p.strikeouts}, int{p.stolenBases},
               int{p.caughtStealing});
}

std::string PitchingStatsLine(const PitchingLine& l) {
    // The columns run K, BB, ER, IP while the record keeps earned runs before innings.
    return EraText(l.eraX100) +
           fmt::format("\t{:3d}\t{:3d}\t{:3d}\t{:2d}\t{:2d}\t{:3d}\t{:3d}\t{:3d}\t{:3d}\t",
                       int{l.games}, int{l.wins}, int{l.losses}, int{l.saves}, int{l.shutouts},
                       int{l.strikeouts}, int{l.walks}, int{l.earnedRuns}, int{l.inningsPitched}) +
           AverageText(l.oppAvgX1000);
}

StatsPage HittingStatsPage(const TeamRecord& team, int pageStart) {
    StatsPage page;
    page.title = team.name;
    const int size = static_cast<int>(team.players.size());
    const int start = std::max(pageStart, 0);
    for (int i = start; i < size && i < start + kStatsPageRows; ++i) {
        const PlayerRecord& player = *team.players[i];
        page.rows.push_back({player.name, HittingStatsLine(player)});
    }
    SetPageButtons(page, pageStart, start + kStatsPageRows < size);
    return page;
}

StatsPage PitchingStatsPage(const GameSide& side, int pageStart) {
    StatsPage page;
    if (side.team) page.title = side.team->name;
    const auto& staff = side.pitchingStaff;
    const int size = static_cast<int>(staff.size());
    const int start = std::max(pageStart, 0);
    auto present = [&](int i) { return i < size && staff[i] && staff[i]->pitching; };
    for (int i = start; i < start + kStatsPageRows && present(i); ++i) {
        page.rows.push_back({staff[i]->name, PitchingStatsLine(*staff[i]->pitching)});
    }
    SetPageButtons(page, pageStart, present(start + kStatsPageRows));
    return page;
}

void StatsOpen(Session& session, const TeamRecord& team, const TeamRecord* lastShown) {
    const bool kept =
        &team == lastShown && session.statsPageStart < static_cast<int>(team.players.size());
    if (!kept) session.statsPageStart = 0;
}

void StatsNextPage(Session& session) {
    session.statsPageStart += kStatsPageRows;
}

void StatsPreviousPage(Session& session) {
    session.statsPageStart = std::max(session.statsPageStart - kStatsPageRows, 0);
}

void StatsSwitchView(Session& session) {
    session.statsPageStart = 0;
}

}  // namespace velmoro
