// The season screen's "Play Game": a managed club's game of today through the new game
// wizard and the play screen, its result recorded the moment the game ends.
#include <QPushButton>

#include "campaign/game_tally.h"
#include "engine/session.h"
#include "engine/turns.h"
#include "setup/batting_order.h"
#include "ui/campaign/season_game_wizard.h"
#include "ui/campaign/season_screen.h"
#include "ui/play_screen.h"
#include "ui/ui_context.h"
#include "ui/window_captions.h"

namespace velmoro {

namespace {

// The play screen once (a replay would play the season's game again, which the season
// cannot keep), the computer managing the club that is not the user's: the game goes
// into the season the moment it ends.
Status PlaySeasonGame(UiContext& context, QWidget* parent, ManagedSeason& season, int gameId) {
    GameState& game = context.session.game;
    GameTally tally;
    Status recorded;
    bool over = false;
    const SeasonGame& scheduled = season.Games()[gameId];
    PlayScreen screen(context, parent,
                      {!season.Manages(scheduled.visitor), !season.Manages(scheduled.home)});
    screen.WatchTurns([&](bool after) {
        if (!after) return tally.Watch(game);
        tally.Count(game);
        if (over || !IsGameOver(game)) return;
        over = true;
        recorded = season.RecordGame(gameId, game, &tally);
    });
    screen.exec();
    return recorded;
}

}  // namespace

void SeasonScreen::PlayGame() {
    const std::optional<int> id = PlayableGame();
    if (!id) return;
    SeasonStarters starters;
    Status status = PrepareSeasonGame(context_, *season_, *id, starters);
    if (status && RunSeasonGameWizard(context_, this, starters)) {
        UseSeasonEngine(context_.session, *season_);
        status = PlaySeasonGame(context_, this, *season_, *id);
    }
    ResetGame(context_.session.game);
    ResetSetup(context_.setup);
    if (!status) context_.prompter.Inform(status.message(), kSeasonCaption);
    Refresh();
}

}  // namespace velmoro
