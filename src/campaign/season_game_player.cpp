#include "campaign/season_game_player.h"

#include <array>

#include "base/seed_mix.h"
#include "engine/session.h"
#include "engine/turns.h"
#include "manager/bullpen.h"
#include "manager/play_to_end.h"
#include "season/season_usage.h"
#include "setup/club_lineup.h"
#include "setup/default_setup.h"

namespace velmoro {

namespace {

// The lineups of the day the clubs' plans give the game; false (the game reset) when a
// side cannot be fielded from them.
bool PlannedSeasonSetup(Session& session, TeamRecord& visitors, TeamRecord& home,
                        const SeasonGameSetup& setup, std::string& error) {
    const SeasonUsage& usage = *setup.usage;
    const ClubPlan* plans[2] = {&usage.plans[setup.visitorClub], &usage.plans[setup.homeClub]};
    if (PlannedSetup(session, visitors, home, setup.designatedHitter, plans,
                     usage.games[setup.game].data(), &error))
        return true;
    ResetGame(session.game);
    return false;
}

// Forced replacements: the pinch hitter who batted for a pitcher leaves for a reliever of
// his club's bullpen; otherwise as the computer manager makes them.
class BullpenDisplay : public ManagerDisplay {
  public:
    BullpenDisplay(Session& session, const ManagedSides& managed, std::array<Bullpen*, 2> pens)
        : ManagerDisplay(session, managed), session_(session), pens_(pens) {}
    void ForcedSubstitution(Side side) override {
        Bullpen* pen = pens_[side == Side::Home];
        if (!pen || !pen->ReplacePinchHitter(session_, side))
            ManagerDisplay::ForcedSubstitution(side);
    }

  private:
    Session& session_;
    std::array<Bullpen*, 2> pens_;
};

}  // namespace

Status SetUpSeasonGame(Session& session, const SeasonGameSetup& setup,
                       std::shared_ptr<const RealisticData> realistic) {
    TeamRecord* visitors = LookupTeam(session.teams.legendTeams, setup.visitor);
    TeamRecord* home = LookupTeam(session.teams.legendTeams, setup.home);
    for (const auto& [team, name] : {std::pair{visitors, &setup.visitor}, {home, &setup.home}})
        if (!team) return Status::Error("no club \"" + *name + "\" in LegendDB");
    ResetGame(session.game);
    std::string error;
    if (!(setup.usage && PlannedSeasonSetup(session, *visitors, *home, setup, error)) &&
        !DefaultSetup(session, *visitors, *home, setup.designatedHitter, &error,
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
    // Each club's bullpen, when it has a plan, draws from the game's own seeds.
    std::array<std::unique_ptr<Bullpen>, 2> pens;
    if (setup.usage)
        for (int s = 0; s < 2; ++s)
            pens[s] = std::make_unique<Bullpen>(
                setup.usage->plans[s == 0 ? setup.visitorClub : setup.homeClub],
                ItemSeed(seed, static_cast<std::uint32_t>(s)));
    BullpenDisplay display(*session_, managed, {pens[0].get(), pens[1].get()});
    session_->SetDisplay(&display);
    OpenPlayScreen(*session_);
    session_->random.Seed(seed);
    GameState& game = session_->game;
    tally.Watch(game);
    PlayHooks hooks;
    hooks.afterTurn = [&](int) {
        tally.Count(game);
        if (IsGameOver(game)) return true;
        if (Bullpen* pen = pens[game.FieldingSide() == Side::Home].get())
            pen->ChangePitcher(*session_, game.FieldingSide());
        if (Bullpen* pen = pens[game.battingSide == Side::Home].get())
            pen->PinchHitForPitcher(*session_, game.battingSide);
        tally.Watch(game);
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
