#include "engine/plate_appearance.h"

#include <algorithm>
#include <cmath>

#include "engine/session.h"

namespace velmoro {

namespace {

constexpr int kDefaultEraX100 = 260;

// The pitcher's effect on every rate of the batter. When avg - adj is zero or negative
// (an ERA of at least 4.00 + 4 x the batter's average, or a .000 hitter against an
// ERA near 4.00) the quotient means nothing; the batter then keeps his own line
// unscaled (factor 0).
float PitcherFactor(int avg, int adj) {
    if (avg - adj <= 0) return 0.0f;
    return static_cast<float>(static_cast<double>(avg) / (avg - adj) - 1.0);
}

// Stored limits stay within 0..1000. The chain of sums runs on the unclamped values,
// so clamping changes no draw: draws are 0..999, and a limit below 0 or above 999
// compares like 0 or 1000.
std::uint32_t ClampLimit(double raw) {
    return static_cast<std::uint32_t>(std::clamp(raw, 0.0, 1000.0));
}

int EraOf(const PlayerRecord* pitcher) {
    const int era = pitcher && pitcher->pitching ? pitcher->pitching->eraX100 : 0;
    return era == 0 ? kDefaultEraX100 : era;
}

}  // namespace

OutcomeTable BuildOutcomeTable(const PlayerRecord& batter, int eraX100) {
    const int era = eraX100 == 0 ? kDefaultEraX100 : eraX100;
    const int adj = (era - 400) / 4;
    const double factor = PitcherFactor(batter.battingAvg, adj);
    int pa = batter.atBats + batter.walks;
    if (pa == 0) pa = 1;
    const int singles = EffectiveHits(batter) - batter.doubles - batter.triples - batter.homeRuns;
    auto scaled = [&](int count) {
        const int rate = count * 1000 / pa;
        return rate + rate * factor;
    };
    OutcomeTable table;
    double limit = std::trunc(scaled(batter.homeRuns));
    table.homeRunLimit = ClampLimit(limit);
    limit = std::trunc(scaled(batter.triples) + limit);
    table.tripleLimit = ClampLimit(limit);
    limit = std::trunc(scaled(batter.doubles) + limit);
    table.doubleLimit = ClampLimit(limit);
    limit = std::trunc(scaled(singles) + limit);
    if (limit == 0.0) limit = 50.0;
    table.singleLimit = ClampLimit(limit);
    limit = std::trunc(scaled(batter.walks) + limit);
    table.walkLimit = ClampLimit(limit);
    limit = std::trunc(scaled(batter.strikeouts) + limit);
    table.strikeoutLimit = ClampLimit(limit);
    // The outs in play left over are split evenly, fly balls first.
    table.flyBallLimit = table.strikeoutLimit + (1000u - table.strikeoutLimit) / 2u;
    return table;
}

void BuildOutcomeTables(GameState& game, Side which) {
    GameSide& side = game.SideOf(which);
    const int era = EraOf(game.SideOf(OtherSide(which)).lineup[kPitcherEntry]);
    for (int slot = 0; slot < 9; ++slot) {
        const PlayerRecord* batter = side.lineup[slot];
        side.outcomes[slot] = batter ? BuildOutcomeTable(*batter, era) : OutcomeTable{};
    }
}

void BuildAllOutcomeTables(GameState& game) {
    BuildOutcomeTables(game, Side::Visitors);
    BuildOutcomeTables(game, Side::Home);
    game.hasBattingOutcomes = true;
}

PlateResult ClassifyDraw(const OutcomeTable& table, std::uint32_t draw) {
    if (draw < table.homeRunLimit) return PlateResult::HomeRun;
    if (draw < table.tripleLimit) return PlateResult::Triple;
    if (draw < table.doubleLimit) return PlateResult::Double;
    if (draw < table.singleLimit) return PlateResult::Single;
    if (draw < table.walkLimit) return PlateResult::Walk;
    if (draw < table.strikeoutLimit) return PlateResult::Strikeout;
    if (draw >= table.flyBallLimit) return PlateResult::GroundBall;
    return PlateResult::FlyBall;
}

PlayResult PlayPlateAppearance(Session& session) {
    GameState& game = session.game;
    session.random.SeedOnce();
    const auto draw = static_cast<std::uint32_t>(session.random.Next() % 1000);
    const PlateResult result = ClassifyDraw(game.Batting().outcomes[game.batterIndex], draw);
    return PlayPlateResult(session, result, draw);
}

}  // namespace velmoro
