#include "campaign/season_game_player.h"

#include "engine/session.h"
#include "engine/turns.h"
#include "manager/play_to_end.h"
#include "setup/default_setup.h"

namespace velmoro {

Status SetUpSeasonGame(Session& session, const SeasonGameSetup& setup,
                       std::shared_ptr<const RealisticData> realistic) {
    TeamRecord* visitors = LookupTeam(session.teams.legendTeams, setup.visitor);
    TeamRecord* home = LookupTeam(session.teams.legendTeams, setup.home);
    for (const auto& [team, name] : {std::pair{visitors, &setup.visitor}, {home, &setup.home}})
        if (!team) return Status::Error("no club \"" + *name + "\" in LegendDB");
    ResetGame(session.game);
    std::string error;
    if (!DefaultSetup(session, *visitors, *home, setup.designatedHitter, &error,
                      setup.visitorStarter, setup.homeStarter))
        return Status::Error(error);
    SetEngine(session, setup.engine, std::move(realistic));
    return OkStatus();
}

SeasonGamePlayer::SeasonGamePlayer(const std::vector<const TeamRecord*>& clubs)
    : session_(std::make_unique<Session>()) {
    session_->gameLogPath.clear();
    session_->silent = true;
    for (const TeamRecord* club : clubs)
        CopyPlayers(*club, AddTeam(session_->teams.legendTeams, club->name));
}

SeasonGamePlayer::~SeasonGamePlayer() = default;

Status SeasonGamePlayer::Play(const SeasonGameSetup& setup,
                              std::shared_ptr<const RealisticData> realistic, std::uint32_t seed,
                              const ManagedSides& managed, GameTally& tally) {
    if (Status set = SetUpSeasonGame(*session_, setup, std::move(realistic)); !set) return set;
    // The managed sides' forced replacements made as the play screen's manager makes them.
    ManagerDisplay display(*session_, managed);
    session_->SetDisplay(&display);
    OpenPlayScreen(*session_);
    session_->random.Seed(seed);
    GameState& game = session_->game;
    tally.Watch(game);
    PlayHooks hooks;
    hooks.afterTurn = [&](int) {
        tally.Count(game);
        if (!IsGameOver(game)) tally.Watch(game);
        return true;
    };
    // A game abandoned still tied (two clubs that cannot score) counts as a tie.
    PlayToEnd(*session_, managed, hooks);
    session_->SetDisplay(nullptr);
    return OkStatus();
}

const GameState& SeasonGamePlayer::Game() const {
    return session_->game;
}

}  // namespace velmoro
