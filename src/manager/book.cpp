#include "manager/book.h"

#include <fmt/format.h>

#include <cstdlib>

#include "engine/running.h"
#include "setup/manage_pitching.h"
#include "setup/manage_substitution.h"

namespace velmoro::book {

namespace {

constexpr int kOnFirst = 1;
constexpr int kOnSecond = 2;
constexpr int kOnThird = 4;

const PlayerRecord* Batter(const GameState& game) {
    return game.Batting().lineup[game.batterIndex];
}

const PlayerRecord* OnDeck(const GameState& game) {
    return game.Batting().lineup[game.batterIndex >= 8 ? 0 : game.batterIndex + 1];
}

int AverageOf(const PlayerRecord* player) {
    return player ? player->battingAvg : 0;
}

// Runs the side leads by (negative when behind).
int Lead(const GameState& game, Side side) {
    return game.SideOf(side).teamRuns - game.SideOf(OtherSide(side)).teamRuns;
}

bool IsBaseStealer(const PlayerRecord* runner) {
    if (!runner) return false;
    const int attempts = runner->stolenBases + runner->caughtStealing;
    return attempts >= kStealAttempts && runner->stolenBases >= kStealSuccess * attempts;
}

const PlayerRecord* RunnerOn(const GameState& game, int base) {
    const int slot = RunnerOnBase(game, base);
    return slot >= 0 && slot < 9 ? game.Batting().lineup[slot] : nullptr;
}

bool Allowed(const GameState& game, int offense, int defense) {
    return TurnRefusal(game, offense, defense) == Refusal::None;
}

// Sacrifice: a runner on first or second, nobody out, a weak hitter, late and close.
TurnDecision SacrificeCall(const GameState& game) {
    const int avg = AverageOf(Batter(game));
    if (!(game.bases & (kOnFirst | kOnSecond)) || game.outs != 0 || !IsWeakHitter(avg) ||
        !IsLateAndClose(game) || !Allowed(game, SacrificeChoice, NormalDefense))
        return {};
    return {SacrificeChoice, NormalDefense,
            "Sacrifice: runners to move up, nobody out, " + Average(avg) +
                " hitter up, late and close"};
}

// Steal: here every steal succeeds one time in two whoever runs, and a failed double
// steal still puts the trailing runner on second. Only that one pays: runners on first
// and second, fewer than two out (a proven base stealer leading). A single steal costs
// about half a point of winning chance in every base/out state, two out included.
TurnDecision StealCall(const GameState& game) {
    if (game.bases != (kOnFirst | kOnSecond) || game.outs == 2 ||
        !Allowed(game, StealChoice, NormalDefense))
        return {};
    const PlayerRecord* lead = RunnerOn(game, kOnSecond);
    if (!IsBaseStealer(lead)) return {};
    return {StealChoice, NormalDefense,
            fmt::format("Double steal: first and second, {} out, {} stole {} of {}", game.outs,
                        lead->name, lead->stolenBases, lead->stolenBases + lead->caughtStealing)};
}

// The squeeze play is never chosen: here it scores one time in two and otherwise costs
// the runner from third, two to six points of winning chance in every base/out state
// even for the weakest hitters. Infield In is never chosen either: the engine plays it
// exactly as Normal Defense.

// Intentional walk: first base open, a runner in scoring position, a dangerous hitter
// up and a much weaker one on deck, two out. With fewer out the extra runner costs more
// than the walk saves.
TurnDecision IntentionalWalkCall(const GameState& game) {
    const int batter = AverageOf(Batter(game));
    const int onDeck = AverageOf(OnDeck(game));
    if ((game.bases & kOnFirst) || !(game.bases & (kOnSecond | kOnThird)) || game.outs != 2 ||
        batter < kDangerousHitter || onDeck > batter - kOnDeckGap ||
        !Allowed(game, NormalPlay, IntentionalWalkChoice))
        return {};
    return {NormalPlay, IntentionalWalkChoice,
            "Intentional walk: first base open, " + Average(batter) + " hitter up, " +
                Average(onDeck) + " on deck"};
}

const PlayerRecord* Closer(const GameState& game, Side side) {
    const PlayerRecord* closer = nullptr;
    for (const PlayerRecord* pitcher : game.SideOf(side).pitchingStaff) {
        if (!pitcher || !pitcher->pitching || pitcher->pitching->saves == 0) continue;
        if (closer && pitcher->pitching->saves <= closer->pitching->saves) continue;
        if (IsReliefCandidate(game, side, *pitcher)) closer = pitcher;
    }
    return closer;
}

// Innings past his season's innings per game plus one, or too many runs.
std::string Tiredness(const PlayerRecord& pitcher, const BoxLine& line) {
    const int outs = line.pitching ? line.pitching->outs : 0;
    const int runs = line.pitching ? line.pitching->runsAllowed : 0;
    if (runs >= kRunsForHook) return fmt::format("{} runs allowed", runs);
    const PitchingLine* season = pitcher.pitching.get();
    if (!season || season->games == 0) return "";
    const double perGame = static_cast<double>(season->inningsPitched) / season->games;
    if (outs / 3.0 <= perGame + 1) return "";
    return fmt::format("{}.{} innings, {:.1f} a game in his season", outs / 3, outs % 3, perGame);
}

std::string BringIn(Session& session, Side side, const PlayerRecord& pitcher,
                    const std::string& why) {
    const std::string leaving = session.game.SideOf(side).lineup[kPitcherEntry]->name;
    if (ApplyPitchingChange(session, side, pitcher.name) != SubstitutionOutcome::Applied) return "";
    return "Pitching change: " + pitcher.name + " for " + leaving + ", " + why;
}

// The best hitter on the bench who is no pitcher and has batted enough to be trusted.
const PlayerRecord* BestPinchHitter(const Session& session, Side side, int than) {
    const TeamRecord* team = session.game.SideOf(side).team;
    const PlayerRecord* best = nullptr;
    for (const std::string& name : SubstitutionCandidates(session, side, PinchHitter).names) {
        const PlayerRecord* player = FindPlayer(team, name);
        if (!player || player->HasPosition(Pitcher) || player->atBats < kPinchHitterAtBats)
            continue;
        if (player->battingAvg > than && (!best || player->battingAvg > best->battingAvg))
            best = player;
    }
    return best;
}

}  // namespace

std::string Average(int thousandths) {
    if (thousandths >= 1000)
        return fmt::format("{}.{:03d}", thousandths / 1000, thousandths % 1000);
    return fmt::format(".{:03d}", thousandths);
}

bool IsWeakHitter(int battingAvg) {
    return battingAvg < kWeakHitter;
}

bool IsLateAndClose(const GameState& game) {
    return game.inning >= kLateInning && std::abs(Lead(game, Side::Home)) <= kCloseRuns;
}

TurnDecision Offense(const GameState& game) {
    for (auto call : {SacrificeCall, StealCall}) {
        TurnDecision decision = call(game);
        if (decision.offense != NormalPlay) return decision;
    }
    return {};
}

TurnDecision Defense(const GameState& game) {
    return IntentionalWalkCall(game);
}

std::string PitchingChangeMove(Session& session, Side which) {
    GameState& game = session.game;
    GameSide& side = game.SideOf(which);
    const PlayerRecord* pitcher = side.lineup[kPitcherEntry];
    if (!pitcher || side.boxLines[kPitcherEntry].empty()) return "";
    const int lead = Lead(game, which);
    if (game.inning >= 9 && lead >= 1 && lead <= kClosingLead) {
        if (const PlayerRecord* closer = Closer(game, which)) {
            if (closer->pitching->saves > (pitcher->pitching ? pitcher->pitching->saves : 0))
                return BringIn(session, which, *closer,
                               fmt::format("most saves ({}), a lead of {} in the {}th",
                                           closer->pitching->saves, lead, game.inning));
        }
    }
    const std::string tired = Tiredness(*pitcher, *side.boxLines[kPitcherEntry].back());
    if (tired.empty()) return "";
    // The window lists the staff lowest earned run average first.
    const std::vector<std::string> candidates = PitchingChangeCandidates(game, which);
    if (candidates.empty()) return "";
    const PlayerRecord* fresh = FindPlayer(side.team, candidates.front());
    return fresh ? BringIn(session, which, *fresh, tired) : "";
}

std::string PinchHitterMove(Session& session, Side which) {
    GameState& game = session.game;
    if (game.designatedHitter || game.inning < kLateInning || Lead(game, which) > 0) return "";
    const GameSide& side = game.SideOf(which);
    const BoxChain& chain = side.boxLines[game.batterIndex];
    const PlayerRecord* batter = side.lineup[game.batterIndex];
    if (!batter || chain.empty() || chain.back()->position != PitcherPosition) return "";
    // Somebody must be left to pitch once the pinch hitter has batted.
    if (SubstitutionCandidates(session, which, PitcherPosition).count == 0) return "";
    const PlayerRecord* hitter = BestPinchHitter(session, which, batter->battingAvg);
    if (!hitter) return "";
    const std::string reason = fmt::format("Pinch hitter: {} ({}) bats for {}, inning {}, {}",
                                           hitter->name, Average(hitter->battingAvg), batter->name,
                                           game.inning, Lead(game, which) == 0 ? "tied" : "behind");
    if (ApplySubstitution(session, which, PinchHitter, hitter->name) !=
        SubstitutionOutcome::Applied)
        return "";
    return reason;
}

ForcedReplacement ReplaceForced(Session& session, Side which) {
    GameState& game = session.game;
    if (!ForcedReplacementDue(game, which)) return {};
    const int position = game.pinchHitterMustLeave;
    const SubstituteCandidates found = SubstitutionCandidates(session, which, position);
    if (found.count == 0) return {true, kNoReplacementsMessage};
    // Pitchers come lowest earned run average first; fielders, the best hitter.
    const GameSide& side = game.SideOf(which);
    const PlayerRecord* chosen = nullptr;
    for (const std::string& name : found.names) {
        const PlayerRecord* player = FindPlayer(side.team, name);
        if (!player || (position != PitcherPosition &&
                        !player->HasPosition(static_cast<std::uint8_t>(PositionBit(position)))))
            continue;
        if (!chosen) chosen = player;
        if (position == PitcherPosition) break;
        if (player->battingAvg > chosen->battingAvg) chosen = player;
    }
    if (!chosen) return {true, kNoReplacementsMessage};
    if (ApplySubstitution(session, which, position, chosen->name) != SubstitutionOutcome::Applied)
        return {true, kReplacementErrorMessage};
    return {false, chosen->name + " replaces the pinch hitter at " + ReplaceEntryText(position)};
}

}  // namespace velmoro::book
