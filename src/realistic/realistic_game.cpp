#include "realistic/realistic_game.h"

#include <algorithm>

#include "engine/session.h"
#include "realistic/odds.h"

namespace velmoro {

namespace {

// Of the errors a defence makes, the share that lets the batter reach; the others give
// runners a further base on a hit.
constexpr double kReachingShare = 0.55;
// A ground out with a runner on first and fewer than two outs is turned into a double play
// this often in a league of 0.93 double plays a team game (the 1960-2010 average).
constexpr double kDoublePlayOnGrounder = 0.50;
constexpr double kReferenceDoublePlays = 0.93;

double Hits(const plate::Rates& rates) {
    return rates[plate::Single] + rates[plate::Double] + rates[plate::Triple] +
           rates[plate::HomeRun];
}

}  // namespace

double Uniform(Random& random) {
    const int high = random.Next();
    const int low = random.Next();
    return (high * 32768.0 + low) / 1073741824.0;
}

RealisticGame::RealisticGame(std::shared_ptr<const RealisticData> data, const GameState& game)
    : data_(std::move(data)) {
    const TeamContext* teams[2] = {nullptr, nullptr};
    rosters_[0] = ModelSide(game.visitor, teams[0]);
    rosters_[1] = ModelSide(game.home, teams[1]);
    context_ = teams[1] ? data_->League(teams[1]->league) : data_->neutral;
    const double hits = teams[1] ? plate::HitOddsFactor(plate::ParkRunFactor(
                                       teams[1]->battingParkFactor, teams[1]->pitchingParkFactor))
                                 : 1.0;
    parkFactor_.fill(1.0);
    for (int e : {plate::Single, plate::Double, plate::Triple, plate::HomeRun})
        parkFactor_[e] = hits;
    defence_[0] = DefenceFor(teams[0]);
    defence_[1] = DefenceFor(teams[1]);
    average_.batting.fill(1.0);
    average_.pitching.fill(1.0);
    average_.stealSuccess = context_.stealSuccess;
    average_.usualLength = 27;
}

RealisticGame::Roster RealisticGame::ModelSide(const GameSide& side,
                                               const TeamContext*& team) const {
    Roster roster;
    team = side.team ? data_->Team(side.team->name) : nullptr;
    if (!side.team) return roster;
    const TeamContext none;
    for (std::size_t p = 0; p < side.team->players.size(); ++p) {
        const PlayerRecord* player = side.team->players[p].get();
        const bool known = team && p < team->players.size() && team->names[p] == player->name;
        roster.emplace_back(player,
                            known ? team->players[p]
                                  : ModelPlayer(*player, nullptr,
                                                team ? data_->League(team->league) : data_->neutral,
                                                team ? *team : none));
    }
    return roster;
}

Defence RealisticGame::DefenceFor(const TeamContext* team) const {
    const LeagueContext& league = team ? data_->League(team->league) : data_->neutral;
    const double errors = league.errorsPerGame * (team ? team->errorFactor : 1.0);
    const double perGame = league.plateAppearancesPerGame;
    Defence defence;
    defence.reachOnError = std::min(
        0.4, kReachingShare * errors / std::max(1.0, perGame * league.batting[plate::OutInPlay]));
    defence.extraBaseError = std::min(
        0.3, (1.0 - kReachingShare) * errors / std::max(1.0, perGame * Hits(league.batting)));
    defence.doublePlay =
        std::min(0.9, kDoublePlayOnGrounder * league.doublePlaysPerGame / kReferenceDoublePlays *
                          (team ? team->doublePlayFactor : 1.0));
    return defence;
}

const PlayerModel& RealisticGame::Player(Side side, const PlayerRecord* player) const {
    for (const auto& [record, model] : rosters_[side == Side::Home])
        if (record == player) return model;
    return average_;
}

plate::Rates RealisticGame::Chances(const GameState& game) const {
    const PlayerModel& batter = Player(game.battingSide, game.Batting().lineup[game.batterIndex]);
    const PlayerRecord* pitcherRecord = game.Fielding().lineup[kPitcherEntry];
    const PlayerModel& pitcher = Player(game.FieldingSide(), pitcherRecord);
    plate::Rates factor = parkFactor_;
    const plate::Platoon platoon = plate::PlatoonOf(batter.bats, pitcher.throws);
    plate::ApplyPlatoon(platoon, batter.bats != pitcher.throws, factor);
    const GameSide& fielding = game.Fielding();
    const BoxLine& line = *fielding.boxLines[kPitcherEntry].back();
    if (line.pitching) {
        const BoxPitching& p = *line.pitching;
        const double fatigue =
            plate::FatigueFactor(p.outs + p.hitsAllowed + p.walks, pitcher.usualLength);
        for (int e : {plate::Single, plate::Double, plate::Triple, plate::HomeRun, plate::Walk})
            factor[e] *= fatigue;
        factor[plate::Strikeout] /= fatigue;
    }
    return plate::Matchup(batter.batting, pitcher.pitching, context_.odds, factor);
}

}  // namespace velmoro
