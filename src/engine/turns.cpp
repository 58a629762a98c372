#include "engine/turns.h"

#include "db/captions.h"
#include "engine/invariants.h"
#include "engine/plate_appearance.h"
#include "engine/play_log.h"
#include "engine/play_model.h"
#include "engine/running.h"
#include "engine/session.h"
#include "engine/strategies.h"

namespace velmoro {

namespace {

void ShowBatter(Session& session) {
    GameState& game = session.game;
    if (const PlayerRecord* batter = game.Batting().lineup[game.batterIndex]) {
        session.Screen().ShowHitter(*batter);
    }
}

void ShowPitcherOf(Session& session, const GameSide& side) {
    if (const PlayerRecord* pitcher = side.lineup[kPitcherEntry])
        session.Screen().ShowPitcher(*pitcher);
}

// A steal is a turn of its own: the same batter stays at the plate.
void FinishSteal(Session& session, const PlayResult& result) {
    session.Screen().ResetChoices(true, false);
    ApplyPlayResult(session, result);
    ChangeHalfInning(session);
}

PlayResult ClassicSteal(Session& session) {
    PlayResult result;
    result.runs = Steal(session) == StrategyResult::DoneWithRun ? 1 : 0;
    return result;
}

// A model's play: Done with its result, or Refused.
StrategyResult ModelPlay(const std::optional<PlayResult>& play, PlayResult& result) {
    if (!play) return StrategyResult::Refused;
    result = *play;
    return StrategyResult::Done;
}

void DemandPositionPlayer(Session& session) {
    GameState& game = session.game;
    session.Screen().ShowLineupRow(game.batterIndex);
    session.Screen().ForcedSubstitution(game.battingSide);
    game.pinchHitterMustLeave = 0;
}

bool HomeWinsBeforeBottomNine(const GameState& game) {
    return !game.HomeBatting() && game.inning >= 9 && game.home.teamRuns > game.visitor.teamRuns;
}

void PlayTurnSteps(Session& session, int offensiveChoice, int defensiveChoice) {
    GameState& game = session.game;
    if (EndGameIfOver(session)) return;
    // A model plays without the classic outcome tables.
    if (!game.hasBattingOutcomes && !game.model) BuildAllOutcomeTables(game);
    const PlayModel* model = game.model.get();
    PlayResult result;
    StrategyResult strategy = StrategyResult::Done;
    if (defensiveChoice == IntentionalWalkChoice) {
        strategy = IntentionalWalk(session);
    } else if (offensiveChoice == SacrificeChoice) {
        strategy = model ? ModelPlay(model->Sacrifice(session), result) : Sacrifice(session);
    } else if (offensiveChoice == StealChoice) {
        FinishSteal(session,
                    model ? model->Steal(session).value_or(PlayResult{}) : ClassicSteal(session));
        return;
    } else if (offensiveChoice == SqueezeChoice) {
        if (model) {
            strategy = ModelPlay(model->SqueezePlay(session), result);
        } else {
            strategy = SqueezePlay(session);
            if (strategy == StrategyResult::DoneWithRun) result.runs = 1;
        }
    } else {
        result =
            model ? model->PlateAppearance(session, defensiveChoice) : PlayPlateAppearance(session);
    }
    if (strategy == StrategyResult::Refused) {
        session.Screen().ResetChoices(true, true);
        return;
    }
    ApplyPlayResult(session, result);
    if (game.pinchHitterMustLeave != 0) DemandPositionPlayer(session);
    NextBatter(session);
    session.Screen().ResetChoices(true, true);
}

}  // namespace

void PlayTurn(Session& session, int offensiveChoice, int defensiveChoice) {
    PlayTurnSteps(session, offensiveChoice, defensiveChoice);
    CheckGameState(session.game);
}

void NextBatter(Session& session) {
    GameState& game = session.game;
    const int old = game.batterIndex;
    game.batterIndex = (old >= 8 || old < 0) ? 0 : old + 1;
    game.Batting().nextBatter = game.batterIndex;
    session.Screen().ShowLineupRow(old);
    session.Screen().ShowLineupRow(game.batterIndex);
    if (game.outs >= 3) {
        ChangeHalfInning(session);
    } else if (game.inning >= 9 && game.HomeBatting() &&
               game.home.teamRuns > game.visitor.teamRuns) {
        EndGame(session);  // won in the home team's last at-bat
    } else {
        ShowBatter(session);
    }
}

void ChangeHalfInning(Session& session) {
    GameState& game = session.game;
    if (game.outs != 3) return;
    if (IsGameOver(game)) {
        // The bottom of the ninth is not needed.
        if (HomeWinsBeforeBottomNine(game)) session.Screen().ShowScoreBox(Side::Home, 9, "x");
        EndGame(session);
        return;
    }
    game.outs = 0;
    game.bases = Base::None;
    game.runnerQueue.fill(0);
    game.halfInningRuns = 0;
    if (!game.HomeBatting()) {
        game.battingSide = Side::Home;
        ShowPitcherOf(session, game.visitor);
    } else {
        ++game.inning;
        game.battingSide = Side::Visitors;
        ShowPitcherOf(session, game.home);
    }
    game.batterIndex = game.Batting().nextBatter;
    session.Screen().ShowTeamNames();
    if (game.inning >= 1 && game.inning <= 9) {
        game.Batting().lineScore[game.inning - 1] = 0;
        session.Screen().ShowScoreBox(game.battingSide, game.inning, "0");
    }
    session.Screen().ShowLineup();
    ShowBatter(session);
}

bool IsGameOver(const GameState& game) {
    if (game.inning < 9) return false;
    const int visitorRuns = game.visitor.teamRuns;
    const int homeRuns = game.home.teamRuns;
    if (!game.HomeBatting()) return game.outs == 3 && homeRuns > visitorRuns;
    if (homeRuns > visitorRuns) return true;
    return game.outs == 3 && visitorRuns > homeRuns;
}

bool EndGameIfOver(Session& session) {
    if (!IsGameOver(session.game)) return false;
    EndGame(session);
    return true;
}

void EndGame(Session& session) {
    if (!session.silent) WriteGameLog(session);
    session.Screen().RequestGameOver();
}

void ResumeBattingOrder(GameState& game) {
    game.batterIndex = game.Batting().nextBatter;
}

void OpenPlayScreen(Session& session) {
    GameState& game = session.game;
    session.Screen().ShowTeamNames();
    if (!game.hasBattingBoxLines) {
        game.battingSide = Side::Visitors;
        MakeBoxLines(game, true);
    }
    ResumeBattingOrder(game);
    session.Screen().RefreshPlayScreen();
    if (!game.hasBattingOutcomes) {
        if (!game.model) BuildAllOutcomeTables(game);
        ShowPlayLog(session);
    }
}

}  // namespace velmoro
