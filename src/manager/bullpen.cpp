#include "manager/bullpen.h"

#include <algorithm>
#include <cmath>

#include "base/seed_mix.h"
#include "engine/session.h"
#include "engine/turns.h"
#include "manager/book.h"
#include "setup/manage_pitching.h"
#include "setup/manage_substitution.h"

namespace velmoro {

namespace {

// A starter the plan knows nothing of goes six innings.
constexpr double kUnknownStarterOuts = 18;
constexpr double kMinimumRunsForHook = 4;
constexpr double kExtraBatters = 4;
// Draws of a bench player before the bench counts as empty.
constexpr int kBenchDraws = 8;

int Lead(const GameState& game, Side side) {
    return game.SideOf(side).teamRuns - game.SideOf(OtherSide(side)).teamRuns;
}

bool AtHalfInningStart(const GameState& game) {
    return game.outs == 0 && game.bases == 0 && game.halfInningRuns == 0;
}

bool SaveSituation(const GameState& game, Side side) {
    const int lead = Lead(game, side);
    return game.inning >= 9 && lead >= 1 && lead <= kSaveLead;
}

}  // namespace

Bullpen::Bullpen(const ClubPlan& plan, std::uint64_t seed) : plan_(plan), state_(seed) {
    starterLength_ = 0.75 + 0.5 * Draw(1000) / 1000.0;
    completeDraw_ = Draw(1000);
}

int Bullpen::Draw(int total) {
    state_ = SplitMix64(state_);
    return total <= 0 ? 0 : static_cast<int>(state_ % static_cast<std::uint64_t>(total));
}

bool Bullpen::DayIsDone(const GameState& game, Side side, int ahead) const {
    const GameSide& mound = game.SideOf(side);
    const BoxChain& chain = mound.boxLines[kPitcherEntry];
    if (chain.empty() || !chain.back()->pitching) return false;
    const BoxPitching& line = *chain.back()->pitching;
    const int at = plan_.Find(chain.back()->name);
    const PlannedPlayer* player = at < 0 ? nullptr : &plan_.players[static_cast<std::size_t>(at)];
    if (chain.size() > 1) {
        if (at >= 0 && at == plan_.closer) return line.runsAllowed >= kRelieverRuns;
        const double usual = player ? std::max(3.0, player->outsPerRelief) : 3.0;
        return line.runsAllowed >= kRelieverRuns || line.outs + ahead >= std::round(usual);
    }
    const double usual =
        player && player->outsPerStart > 0 ? player->outsPerStart : kUnknownStarterOuts;
    const double runs = player ? player->runsPerStart + kStarterExtraRuns : kMinimumRunsForHook;
    if (line.runsAllowed >= std::max(kMinimumRunsForHook, runs)) return true;
    if (player && completeDraw_ < 1000 * player->completeShare) return false;
    const double batters = line.outs + line.hitsAllowed + line.walks;
    if (player && player->battersPerStart > 0 &&
        batters >= player->battersPerStart * starterLength_ + kExtraBatters)
        return true;
    // Whole innings: he starts no inning his usual length would end half-way.
    const double limit = usual * starterLength_;
    return line.outs + ahead >= limit - 1.5;
}

std::string Bullpen::PickFrom(const GameState& game, const std::vector<std::string>& names) {
    // From the ninth the man who finishes games; before, the others in the bullpen.
    std::vector<int> weights;
    int total = 0;
    for (const std::string& name : names) {
        const int at = plan_.Find(name);
        int weight = 0;
        if (at >= 0 && at != plan_.closer) {
            const PlannedPlayer& player = plan_.players[static_cast<std::size_t>(at)];
            weight = game.inning >= 9 ? player.gamesFinished + 1
                                      : std::max(0, player.reliefGames - player.gamesFinished);
        }
        weights.push_back(weight);
        total += weight;
    }
    if (total == 0) return names.empty() ? std::string() : names.front();
    int draw = Draw(total);
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (draw < weights[i]) return names[i];
        draw -= weights[i];
    }
    return names.back();
}

std::string Bullpen::ChangePitcher(Session& session, Side side) {
    GameState& game = session.game;
    if (IsGameOver(game) || game.FieldingSide() != side) return "";
    const GameSide& mound = game.SideOf(side);
    const BoxChain& chain = mound.boxLines[kPitcherEntry];
    if (chain.empty()) return "";
    const int current = plan_.Find(chain.back()->name);
    const bool save = plan_.closer >= 0 && current != plan_.closer && AtHalfInningStart(game) &&
                      SaveSituation(game, side);
    const bool tired = (AtHalfInningStart(game) || chain.back()->pitching->runsAllowed > 0) &&
                       DayIsDone(game, side, 0);
    if (!save && !tired) return "";
    std::vector<std::string> names = PitchingChangeCandidates(game, side);
    std::string pick;
    const std::string& closer =
        plan_.closer >= 0 ? plan_.players[static_cast<std::size_t>(plan_.closer)].name : pick;
    if (SaveSituation(game, side) && std::find(names.begin(), names.end(), closer) != names.end())
        pick = closer;
    else
        pick = PickFrom(game, names);
    if (pick.empty()) return "";
    return ApplyPitchingChange(session, side, pick) == SubstitutionOutcome::Applied ? pick : "";
}

}  // namespace velmoro

namespace velmoro {

std::string Bullpen::PinchHitForPitcher(Session& session, Side side) {
    GameState& game = session.game;
    if (IsGameOver(game) || game.designatedHitter || game.battingSide != side) return "";
    const GameSide& batting = game.SideOf(side);
    const BoxChain& chain = batting.boxLines[game.batterIndex];
    if (chain.empty() || chain.back()->position != PitcherPosition) return "";
    if (!DayIsDone(game, side, 0)) return "";
    // Somebody must be left to pitch once the pinch hitter has batted.
    if (SubstitutionCandidates(session, side, PitcherPosition).count == 0) return "";
    std::string best;
    double quality = 0;
    for (const std::string& name : SubstitutionCandidates(session, side, PinchHitter).names) {
        const int at = plan_.Find(name);
        if (at < 0) continue;
        const PlannedPlayer& player = plan_.players[static_cast<std::size_t>(at)];
        const PlayerRecord* record = FindPlayer(batting.team, name);
        if (player.pitcher || !record || record->HasPosition(Pitcher)) continue;
        const double q = player.onBase * 1.8 + player.slugging;
        if (best.empty() || q > quality) {
            best = name;
            quality = q;
        }
    }
    if (best.empty()) return "";
    return ApplySubstitution(session, side, PinchHitter, best) == SubstitutionOutcome::Applied
               ? best
               : "";
}

std::string Bullpen::PinchHitForStarter(Session& session, Side side) {
    GameState& game = session.game;
    if (IsGameOver(game) || game.battingSide != side || game.inning < kBenchInning) return "";
    const BoxChain& chain = game.SideOf(side).boxLines[game.batterIndex];
    if (chain.size() != 1 || chain.back()->position == PitcherPosition) return "";
    const double chance = plan_.benchGamesPerGame / kLatePlateAppearances;
    if (Draw(1'000'000) >= chance * 1'000'000) return "";
    const std::string pick = DrawBench(game, side, PinchHitter);
    if (pick.empty()) return "";
    return ApplySubstitution(session, side, PinchHitter, pick) == SubstitutionOutcome::Applied
               ? pick
               : "";
}

std::string Bullpen::DrawBench(const GameState& game, Side side, int position) {
    const auto fits = [&](const PlannedPlayer& player) {
        return position == PinchHitter || (player.positions & PositionBit(position)) != 0;
    };
    int total = 0;
    for (int p : plan_.bench)
        if (fits(plan_.players[static_cast<std::size_t>(p)]))
            total += plan_.players[static_cast<std::size_t>(p)].gamesOffBench;
    // Drawn among all who fit, again while the one drawn is in the game already: each
    // free player comes as often as his games off the bench say.
    for (int attempt = 0; total > 0 && attempt < kBenchDraws; ++attempt) {
        int draw = Draw(total);
        for (int p : plan_.bench) {
            const PlannedPlayer& player = plan_.players[static_cast<std::size_t>(p)];
            if (!fits(player)) continue;
            if (draw >= player.gamesOffBench) {
                draw -= player.gamesOffBench;
                continue;
            }
            if (IsAvailableSubstitute(game, side, player.name)) return player.name;
            break;
        }
    }
    return "";
}

bool Bullpen::ReplacePinchHitter(Session& session, Side side) {
    GameState& game = session.game;
    if (!ForcedReplacementDue(game, side)) return false;
    if (game.pinchHitterMustLeave != PitcherPosition) {
        const std::string pick = DrawBench(game, side, game.pinchHitterMustLeave);
        if (!pick.empty() && ApplySubstitution(session, side, game.pinchHitterMustLeave, pick) ==
                                 SubstitutionOutcome::Applied)
            return true;
        return !book::ReplaceForced(session, side).failed;
    }
    const std::string pick =
        PickFrom(game, SubstitutionCandidates(session, side, PitcherPosition).names);
    return !pick.empty() &&
           ApplySubstitution(session, side, PitcherPosition, pick) == SubstitutionOutcome::Applied;
}

}  // namespace velmoro
