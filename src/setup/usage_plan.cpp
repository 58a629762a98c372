#include "setup/usage_plan.h"

#include <algorithm>
#include <numeric>

#include "engine/game_state.h"

namespace velmoro {

namespace {

// Small samples lean toward an ordinary hitter: this many plate appearances of him.
constexpr double kPriorPlateAppearances = 50;
constexpr double kPriorOnBase = 0.300;
constexpr double kPriorSlugging = 0.350;
// A relief appearance counted as this many outs when a pitcher's starts are measured.
constexpr int kReliefOuts = 3;
constexpr double kOnBaseWeight = 1.8;
// The plate appearance model rates a game's batters against its starter's earned run
// average and keeps those rates when he is relieved: against a starter of an average
// near 8.00 or more the better hitters would never make an out. Such a pitcher (a few
// bad starts in his season) does not start.
constexpr int kStarterEraLimit = 800;

int Known(int count) {
    return count == kNotRecorded ? 0 : count;
}

// The position bits a defence slot needs (none for the designated hitter).
int SlotBit(int slot) {
    static constexpr std::array<int, 10> kBits{Pitcher,   Catcher,   FirstBase, SecondBase,
                                               Shortstop, ThirdBase, Outfield,  Outfield,
                                               Outfield,  0};
    return kBits[static_cast<std::size_t>(slot)];
}

void RateHitter(const PlayerRecord& record, const PlayerUsage* row, PlannedPlayer& out) {
    const int atBats = row ? row->atBats : record.atBats;
    const int hits = row ? row->hits : EffectiveHits(record);
    const int hitByPitch = row ? Known(row->hitByPitch) : 0;
    const int flies = row ? Known(row->sacrificeFlies) : 0;
    const double chances = atBats + record.walks + hitByPitch + flies;
    out.onBase = (hits + record.walks + hitByPitch + kPriorOnBase * kPriorPlateAppearances) /
                 (chances + kPriorPlateAppearances);
    const int bases = hits + record.doubles + 2 * record.triples + 3 * record.homeRuns;
    out.slugging =
        (bases + kPriorSlugging * kPriorPlateAppearances) / (atBats + kPriorPlateAppearances);
}

void RatePitcher(const PlayerUsage& row, PlannedPlayer& out) {
    out.reliefGames = std::max(0, row.pitchGames - row.pitchStarts);
    out.gamesFinished = row.gamesFinished;
    out.saves = row.saves;
    if (row.outsPitched <= 0) return;
    if (row.pitchStarts <= 0) {
        out.outsPerRelief = static_cast<double>(row.outsPitched) / std::max(1, row.pitchGames);
        return;
    }
    const int startOuts =
        std::max(row.outsPitched - kReliefOuts * out.reliefGames, row.outsPitched / 2);
    out.outsPerStart = static_cast<double>(startOuts) / row.pitchStarts;
    const int complete = std::clamp(row.completeGames, 0, row.pitchStarts);
    out.completeShare = static_cast<double>(complete) / row.pitchStarts;
    out.outsPerShortStart = complete < row.pitchStarts
                                ? std::max(3.0, static_cast<double>(startOuts - 27 * complete) /
                                                    (row.pitchStarts - complete))
                                : out.outsPerStart;
    if (out.reliefGames > 0)
        out.outsPerRelief = static_cast<double>(row.outsPitched - startOuts) / out.reliefGames;
    const double perOut = 1.0 / row.outsPitched;
    const int batters = row.battersFaced == kNotRecorded
                            ? row.outsPitched + row.hitsAllowed + row.walksAllowed
                            : row.battersFaced;
    out.battersPerStart = batters * perOut * out.outsPerStart;
    out.runsPerStart = row.runsAllowed * perOut * out.outsPerStart;
}

void Normalize(std::vector<PlanShare>& shares) {
    double total = 0;
    for (const PlanShare& s : shares)
        total += s.share;
    if (total <= 0) {
        shares.clear();
        return;
    }
    for (PlanShare& s : shares)
        s.share /= total;
}

void PlanStaff(ClubPlan& plan, const TeamRecord& team,
               const std::vector<const PlayerUsage*>& rows) {
    for (int p = 0; p < static_cast<int>(rows.size()); ++p) {
        const PlayerRecord& record = *team.players[p];
        if (!rows[p] || !record.pitching || !record.HasPosition(Pitcher)) continue;
        if (rows[p]->pitchStarts > 0 && record.pitching->eraX100 < kStarterEraLimit)
            plan.rotation.push_back({p, 1.0 * rows[p]->pitchStarts});
        if (plan.players[p].reliefGames > 0) plan.bullpen.push_back(p);
    }
    std::stable_sort(plan.rotation.begin(), plan.rotation.end(),
                     [](const PlanShare& a, const PlanShare& b) { return a.share > b.share; });
    Normalize(plan.rotation);
    const auto& players = plan.players;
    for (int p : plan.bullpen) {
        const int best = plan.closer;
        if (players[p].saves == 0) continue;
        if (best < 0 || players[p].saves > players[best].saves ||
            (players[p].saves == players[best].saves &&
             players[p].gamesFinished > players[best].gamesFinished))
            plan.closer = p;
    }
    std::erase(plan.bullpen, plan.closer);
    std::stable_sort(plan.bullpen.begin(), plan.bullpen.end(), [&](int a, int b) {
        if (players[a].gamesFinished != players[b].gamesFinished)
            return players[a].gamesFinished > players[b].gamesFinished;
        return players[a].reliefGames > players[b].reliefGames;
    });
}

void PlanBench(ClubPlan& plan, const std::vector<const PlayerUsage*>& rows) {
    int bench = 0, games = 0;
    for (std::size_t p = 0; p < rows.size() && p < plan.players.size(); ++p) {
        const PlayerUsage* row = rows[p];
        if (!row) continue;
        games += row->pitchStarts;
        if (plan.players[p].pitcher || row->gamesStarted == kNotRecorded) continue;
        plan.players[p].gamesOffBench = std::max(0, row->games - row->gamesStarted);
        bench += plan.players[p].gamesOffBench;
        if (plan.players[p].gamesOffBench > 0) plan.bench.push_back(static_cast<int>(p));
    }
    std::stable_sort(plan.bench.begin(), plan.bench.end(), [&](int a, int b) {
        return plan.players[a].gamesOffBench > plan.players[b].gamesOffBench;
    });
    plan.benchGamesPerGame = games > 0 ? static_cast<double>(bench) / games : 0;
}

}  // namespace

std::array<double, 10> EstimatedStarts(const PlayerUsage& row) {
    const std::array<int, 10> games{
        row.gamesPitcher, row.gamesCatcher, row.gamesFirst,  row.gamesSecond, row.gamesShort,
        row.gamesThird,   row.gamesLeft,    row.gamesCenter, row.gamesRight,  Known(row.gamesDh)};
    const int total = std::accumulate(games.begin(), games.end(), 0);
    std::array<double, 10> starts{};
    if (total <= 0) return starts;
    for (std::size_t slot = 0; slot < games.size(); ++slot)
        starts[slot] = row.gamesStarted == kNotRecorded
                           ? games[slot]
                           : static_cast<double>(row.gamesStarted) * games[slot] / total;
    return starts;
}

ClubPlan MakeClubPlan(const TeamRecord& team, const std::vector<const PlayerUsage*>& rows,
                      int year) {
    ClubPlan plan;
    plan.players.resize(team.players.size());
    for (std::size_t p = 0; p < team.players.size(); ++p) {
        const PlayerRecord& record = *team.players[p];
        const PlayerUsage* row = p < rows.size() ? rows[p] : nullptr;
        PlannedPlayer& player = plan.players[p];
        player.name = record.name;
        player.positions = record.positions;
        plan.byName.emplace(record.name, static_cast<int>(p));
        RateHitter(record, row, player);
        if (!row) continue;
        player.bats = row->bats;
        player.throws = row->throws;
        player.pitcher = row->gamesPitcher * 2 > row->games;
        RatePitcher(*row, player);
        const std::array<double, 10> starts = EstimatedStarts(*row);
        for (int slot = CatcherSlot; slot <= DesignatedHitterSlot; ++slot) {
            const int bit = SlotBit(slot);
            if (starts[slot] > 0 &&
                (bit == 0 || record.HasPosition(static_cast<std::uint8_t>(bit))))
                plan.positions[slot].push_back({static_cast<int>(p), starts[slot]});
        }
    }
    PlanBench(plan, rows);
    for (auto& shares : plan.positions)
        Normalize(shares);
    std::vector<const PlayerUsage*> padded = rows;
    padded.resize(team.players.size(), nullptr);
    PlanStaff(plan, team, padded);
    SetRotationRest(plan, year);
    return plan;
}

int ClubPlan::Find(const std::string& name) const {
    const auto at = byName.find(name);
    return at == byName.end() ? -1 : at->second;
}

void SetRotationRest(ClubPlan& plan, int year) {
    plan.restGames = year < 1920 ? 4 : 5;
    // Two men started most games in the early professional game; a heavy starter went on
    // two days' rest into the 1970s (a replayed season has no day off, so his turn comes
    // a game sooner than his real one would).
    plan.shortRestGames = year < 1893 ? 1 : year < 1980 ? 3 : 5;
    plan.maxStarts = year > 1920 ? 45 : 0;
}

std::array<int, 9> PlanBattingOrder(const ClubPlan& plan, const std::array<int, 9>& batters,
                                    int pitcherBats) {
    std::vector<int> ranked;
    for (int b : batters)
        if (b != pitcherBats) ranked.push_back(b);
    const auto quality = [&](int p) {
        const PlannedPlayer& player = plan.players[static_cast<std::size_t>(p)];
        return player.onBase * kOnBaseWeight + player.slugging;
    };
    std::stable_sort(ranked.begin(), ranked.end(),
                     [&](int a, int b) { return quality(a) > quality(b); });
    std::array<int, 9> order{};
    std::size_t next = 0;
    if (ranked.size() >= 5) {
        // Of the best three, the most power bats fourth, the better on-base leads off.
        std::array<int, 3> best{ranked[0], ranked[1], ranked[2]};
        const auto power = [&](int p) {
            return plan.players[static_cast<std::size_t>(p)].slugging;
        };
        std::stable_sort(best.begin(), best.end(),
                         [&](int a, int b) { return power(a) < power(b); });
        const auto onBase = [&](int p) { return plan.players[static_cast<std::size_t>(p)].onBase; };
        if (onBase(best[1]) > onBase(best[0])) std::swap(best[0], best[1]);
        order = {best[0], best[1], ranked[3], best[2], ranked[4]};
        next = 5;
    }
    for (std::size_t slot = next; slot < 9; ++slot)
        order[slot] = slot < ranked.size() ? ranked[slot] : pitcherBats;
    return order;
}

}  // namespace velmoro
