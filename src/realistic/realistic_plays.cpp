// The plate appearance: the outcome drawn from the matchup's chances, then the ball in
// play and the runners by the league's rates of advancement.
#include <string_view>

#include "engine/bases.h"
#include "engine/play_log.h"
#include "engine/running.h"
#include "engine/session.h"
#include "engine/strategies.h"
#include "realistic/base_runners.h"
#include "realistic/realistic_game.h"
#include "realistic/running_rates.h"

namespace velmoro {

namespace {

struct Turn {
    Session& session;
    const RealisticGame& model;
    int defensiveChoice;

    GameState& Game() const { return session.game; }
    // One draw of the game's source (0..32767) decides a play's chance.
    bool Chance(double p) const { return session.random.Next() < p * 32768.0; }
    BoxLine& Batter() const { return CurrentLine(Game().Batting(), Game().batterIndex); }
    std::string_view Name() const {
        const PlayerRecord* batter = Game().Batting().lineup[Game().batterIndex];
        return batter ? std::string_view(batter->name) : std::string_view();
    }
    const Defence& Fielders() const { return model.DefenceOf(Game().FieldingSide()); }
    // The speed of the runner on `base` (kFirst..kThird), or of the batter (kHome).
    double Speed(int base) const {
        const GameState& game = Game();
        static constexpr int kBits[] = {Base::First, Base::Second, Base::Third};
        const int slot = base == kHome ? game.batterIndex : RunnerOnBase(game, kBits[base]);
        return model.Player(game.battingSide, game.Batting().lineup[slot]).speed;
    }
    bool InfieldIn() const {
        return defensiveChoice == InfieldInChoice && (Game().bases & Base::Third) &&
               Game().outs < 2;
    }
};

// A hit: the batter's line and the pitcher's, runners moved by `play`.
PlayResult Hit(const Turn& turn, int event, BasesPlay play) {
    GameState& game = turn.Game();
    PlayResult result{0, 1, 0};
    if (event != plate::HomeRun && game.bases != Base::None &&
        turn.Chance(turn.Fielders().extraBaseError)) {
        for (int& to : play.to)
            to = to >= kThird ? kHome : to + 1;
        play.batter = play.batter >= kThird ? kHome : play.batter + 1;
        result.errors = 1;
    }
    BoxLine& batter = turn.Batter();
    ++batter.atBats;
    ++batter.hits;
    CountPitcherEvent(game, HitEvent);
    static constexpr const char* kTexts[] = {" hit a Single.", " hit a Double.", " hit a Triple.",
                                             " hit a Home Run."};
    static constexpr const char* kThrownOutTexts[] = {" hit a Single. A runner was thrown out.",
                                                      " hit a Double. A runner was thrown out."};
    if (event == plate::Double) ++batter.doubles;
    if (event == plate::Triple) ++batter.triples;
    if (event == plate::HomeRun) ++batter.homeRuns;
    result.runs = CommitPlay(turn.session, play);
    batter.rbi += result.errors ? 0 : result.runs;
    const bool thrownOut = play.outs > 0 && event <= plate::Double;
    LogPlay(turn.session, turn.Name(), thrownOut ? kThrownOutTexts[event] : kTexts[event],
            result.runs);
    return result;
}

// The runner on `base` goes for `extra` with chance `going`, else takes `safe`; one who
// goes is now and then thrown out (one runner a play at most).
void Going(const Turn& turn, BasesPlay& play, int base, double going, int extra, int safe) {
    if (!Occupied(turn.Game())[base] || !turn.Chance(going * turn.Speed(base))) {
        play.to[base] = safe;
    } else if (play.outs == 0 && turn.Chance(kThrownOutGoing)) {
        play.to[base] = kOut;
        ++play.outs;
    } else {
        play.to[base] = extra;
    }
}

BasesPlay SingleBases(const Turn& turn) {
    const bool twoOuts = turn.Game().outs == 2;
    BasesPlay play;
    play.batter = kFirst;
    play.to[kThird] = kHome;
    Going(turn, play, kSecond, ScoreFromSecondOnSingle(twoOuts), kHome, kThird);
    const bool thirdFree = !Occupied(turn.Game())[kSecond] || play.to[kSecond] != kThird;
    Going(turn, play, kFirst, thirdFree ? FirstToThirdOnSingle(twoOuts) : 0, kThird, kSecond);
    return play;
}

BasesPlay DoubleBases(const Turn& turn) {
    BasesPlay play;
    play.batter = kSecond;
    play.to[kThird] = kHome;
    play.to[kSecond] = kHome;
    Going(turn, play, kFirst, ScoreFromFirstOnDouble(turn.Game().outs == 2), kHome, kThird);
    return play;
}

PlayResult Reach(const Turn& turn, const char* text, bool walk) {
    GameState& game = turn.Game();
    BoxLine& batter = turn.Batter();
    if (walk) {
        ++batter.walks;
        CountPitcherEvent(game, WalkEvent);
    }
    const int runs = CommitPlay(turn.session, Forced(game));
    batter.rbi += runs;
    LogPlay(turn.session, turn.Name(), text, runs);
    return {runs, 0, 0};
}

PlayResult Strikeout(const Turn& turn) {
    ++turn.Batter().atBats;
    CommitPlay(turn.session, BatterOut(turn.Game()));
    CountPitcherEvent(turn.Game(), StrikeoutEvent);
    LogPlay(turn.session, turn.Name(), " Struckout.", 0, "");
    return {};
}

PlayResult ReachOnError(const Turn& turn) {
    ++turn.Batter().atBats;
    BasesPlay play = AllAdvance(turn.Game(), 1, kFirst);
    const int runs = CommitPlay(turn.session, play);
    LogPlay(turn.session, turn.Name(), " reached on an error.", runs);
    return {runs, 0, 1};
}

// An out in the air: deep enough for a runner on third to tag up, or a pop-up or liner
// that moves nobody. A run that scores on it is a sacrifice fly: no at-bat.
PlayResult AirOut(const Turn& turn, bool deep) {
    GameState& game = turn.Game();
    BasesPlay play = BatterOut(game);
    const auto on = Occupied(game);
    if (deep && game.outs < 2) {
        if (on[kThird] && turn.Chance(kScoreOnFlyOut)) play.to[kThird] = kHome;
        const bool thirdFree = !on[kThird] || play.to[kThird] == kHome;
        if (on[kSecond] && thirdFree && turn.Chance(kSecondToThirdOnFlyOut))
            play.to[kSecond] = kThird;
    }
    const int runs = CommitPlay(turn.session, play);
    BoxLine& batter = turn.Batter();
    if (runs == 0) ++batter.atBats;
    batter.rbi += runs;
    LogPlay(turn.session, turn.Name(), deep ? " Flied out." : " Popped out.", runs);
    return {runs, 0, 0};
}

PlayResult DoublePlay(const Turn& turn) {
    GameState& game = turn.Game();
    BasesPlay play = BatterOut(game);
    play.outs = 2;
    play.to[kFirst] = kOut;
    const auto on = Occupied(game);
    if (on[kSecond]) play.to[kSecond] = kThird;
    if (on[kThird] && (on[kSecond] || turn.Chance(kScoreOnGroundOut))) play.to[kThird] = kHome;
    ++turn.Batter().atBats;
    const int runs = CommitPlay(turn.session, play);
    LogPlay(turn.session, turn.Name(), " Grounded into double play. ", runs);
    return {runs, 0, 0};
}

// The runner forced from first is out at second and the batter takes first.
PlayResult FieldersChoice(const Turn& turn) {
    GameState& game = turn.Game();
    BasesPlay play = Forced(game);
    play.to[kFirst] = kOut;
    play.outs = 1;
    const auto on = Occupied(game);
    if (on[kThird] && !on[kSecond]) play.to[kThird] = kThird;
    ++turn.Batter().atBats;
    const int runs = CommitPlay(turn.session, play);
    turn.Batter().rbi += runs;
    LogPlay(turn.session, turn.Name(), " reached on a fielder's choice.", runs);
    return {runs, 0, 0};
}

PlayResult GroundOut(const Turn& turn) {
    GameState& game = turn.Game();
    const auto on = Occupied(game);
    if (on[kFirst] && game.outs < 2) {
        if (turn.Chance(turn.Fielders().doublePlay / turn.Speed(kHome))) return DoublePlay(turn);
        if (turn.Chance(kForceAtSecond)) return FieldersChoice(turn);
    }
    BasesPlay play = BatterOut(game);
    if (game.outs < 2) {
        const double home = turn.InfieldIn() ? kScoreOnGroundOutInfieldIn : kScoreOnGroundOut;
        if (on[kThird] && ((on[kFirst] && on[kSecond]) || turn.Chance(home)))
            play.to[kThird] = kHome;
        const bool thirdFree = !on[kThird] || play.to[kThird] == kHome;
        if (on[kSecond] && thirdFree && (on[kFirst] || turn.Chance(kSecondToThirdOnGroundOut)))
            play.to[kSecond] = kThird;
        if (on[kFirst]) play.to[kFirst] = kSecond;
    }
    ++turn.Batter().atBats;
    const int runs = CommitPlay(turn.session, play);
    turn.Batter().rbi += runs;
    LogPlay(turn.session, turn.Name(), " Grounded out.", runs);
    return {runs, 0, 0};
}

PlayResult OutInPlay(const Turn& turn) {
    if (turn.Chance(turn.Fielders().reachOnError)) return ReachOnError(turn);
    const double kind = turn.session.random.Next() / 32768.0;
    if (kind < kGroundShare) {
        if (turn.InfieldIn() && turn.Chance(kInfieldInHits))
            return Hit(turn, plate::Single, SingleBases(turn));
        return GroundOut(turn);
    }
    return AirOut(turn, kind < kGroundShare + kFlyShare);
}

PlayResult PlayEvent(const Turn& turn, int event) {
    switch (event) {
        case plate::Single:
            return Hit(turn, event, SingleBases(turn));
        case plate::Double:
            return Hit(turn, event, DoubleBases(turn));
        case plate::Triple:
            return Hit(turn, event, AllAdvance(turn.Game(), 3, kThird));
        case plate::HomeRun:
            return Hit(turn, event, AllAdvance(turn.Game(), 3, kHome));
        case plate::Walk:
            return Reach(turn, " Walked.", true);
        case plate::HitByPitch:
            return Reach(turn, " was hit by a pitch.", false);
        case plate::Strikeout:
            return Strikeout(turn);
        default:
            return OutInPlay(turn);
    }
}

}  // namespace

PlayResult RealisticGame::PlateAppearance(Session& session, int defensiveChoice) const {
    session.random.SeedOnce();
    plate::Rates chances;
    double draw = Uniform(session.random) * UnscaledChances(session.game, chances);
    int event = 0;
    while (event < plate::OutInPlay && draw >= chances[event])
        draw -= chances[event++];
    return PlayEvent({session, *this, defensiveChoice}, event);
}

}  // namespace velmoro
