#include "realistic/realistic_game.h"

#include <algorithm>

#include "engine/session.h"
#include "realistic/odds.h"

namespace velmoro {

namespace {

// Of the errors a defence makes, the share that lets the batter reach; the others give
// runners a further base on a hit.
constexpr double kReachingShare = 0.55;
// The others happen on hits with runners on base: about this share of hits.
constexpr double kHitsWithRunnersOn = 0.45;
// A ground out with a runner on first and fewer than two outs is turned into a double play
// this often in a league of 0.93 double plays a team game (the 1960-2010 average).
constexpr double kDoublePlayOnGrounder = 0.50;
constexpr double kReferenceDoublePlays = 0.93;

double Hits(const plate::Rates& rates) {
    return rates[plate::Single] + rates[plate::Double] + rates[plate::Triple] +
           rates[plate::HomeRun];
}

// A batter's factor on hits and walks with the platoon advantage and without it: the
// same for every batter of a hand, so worked out once.
std::pair<double, double> PlatoonGains(char bats) {
    const auto gains = [](char hand) {
        plate::Rates with, without;
        with.fill(1.0);
        without.fill(1.0);
        const plate::Platoon platoon = plate::PlatoonOf(hand, 'R');
        plate::ApplyPlatoon(platoon, true, with);
        plate::ApplyPlatoon(platoon, false, without);
        return std::pair{with[plate::Single], without[plate::Single]};
    };
    static const std::pair<double, double> left = gains('L'), right = gains('R');
    return bats == 'L' ? left : bats == 'R' ? right : std::pair{1.0, 1.0};
}

}  // namespace

double Uniform(Random& random) {
    const int high = random.Next();
    const int low = random.Next();
    return (high * 32768.0 + low) / 1073741824.0;
}

RealisticGame::RealisticGame(std::shared_ptr<const RealisticData> data, const GameState& game)
    : data_(std::move(data)) {
    const TeamContext* visitors =
        game.visitor.team ? data_->Team(game.visitor.team->name) : nullptr;
    const TeamContext* home = game.home.team ? data_->Team(game.home.team->name) : nullptr;
    context_ = home ? data_->League(home->league) : data_->neutral;
    const double hits = home ? plate::HitOddsFactor(plate::ParkRunFactor(home->battingParkFactor,
                                                                         home->pitchingParkFactor))
                             : 1.0;
    parkFactor_.fill(1.0);
    for (int e : {plate::Single, plate::Double, plate::Triple, plate::HomeRun})
        parkFactor_[e] = hits;
    averageModel_.batting.fill(1.0);
    averageModel_.pitching.fill(1.0);
    averageModel_.stealSuccess = context_.stealSuccess;
    averageModel_.usualLength = 27;
    average_.model = &averageModel_;
    for (int e = 0; e < plate::Count; ++e)
        average_.battingInContext[e] = context_.odds[e] * parkFactor_[e];
    rosters_[0] = ModelSide(game.visitor, visitors, unknown_[0]);
    rosters_[1] = ModelSide(game.home, home, unknown_[1]);
    for (int which = 0; which < 2; ++which) {
        // A roster beyond the table's half plays its later players as league average.
        const std::size_t kept = std::min(rosters_[which].size(), kTableSize / 2);
        for (std::size_t p = 0; p < kept; ++p) {
            std::size_t slot = Slot(rosters_[which][p].record);
            while (table_[which][slot] != 0)
                slot = (slot + 1) % kTableSize;
            table_[which][slot] = static_cast<std::uint16_t>(p + 1);
        }
    }
    defence_[0] = DefenceFor(visitors);
    defence_[1] = DefenceFor(home);
}

RealisticGame::Roster RealisticGame::ModelSide(const GameSide& side, const TeamContext* team,
                                               std::vector<PlayerModel>& unknown) const {
    Roster roster;
    if (!side.team) return roster;
    roster.reserve(side.team->players.size());
    unknown.reserve(side.team->players.size());
    const TeamContext none;
    const LeagueContext& league = team ? data_->League(team->league) : data_->neutral;
    for (std::size_t p = 0; p < side.team->players.size(); ++p) {
        Entry entry;
        entry.record = side.team->players[p].get();
        entry.model = team ? team->Find(entry.record->name) : nullptr;
        if (!entry.model)
            entry.model = &unknown.emplace_back(
                ModelPlayer(*entry.record, nullptr, league, team ? *team : none));
        for (int e = 0; e < plate::Count; ++e)
            entry.battingInContext[e] = entry.model->batting[e] * average_.battingInContext[e];
        const auto [with, without] = PlatoonGains(entry.model->bats);
        entry.platoonWith = with;
        entry.platoonWithout = without;
        roster.push_back(std::move(entry));
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
    defence.extraBaseError =
        std::min(0.3, (1.0 - kReachingShare) * errors /
                          std::max(1.0, perGame * Hits(league.batting) * kHitsWithRunnersOn));
    defence.doublePlay =
        std::min(0.9, kDoublePlayOnGrounder * league.doublePlaysPerGame / kReferenceDoublePlays *
                          (team ? team->doublePlayFactor : 1.0));
    return defence;
}

const RealisticGame::Entry* RealisticGame::Find(Side side, const PlayerRecord* player) const {
    const int which = side == Side::Home;
    const auto& table = table_[which];
    for (std::size_t slot = Slot(player);; slot = (slot + 1) % kTableSize) {
        const int index = table[slot] - 1;
        if (index < 0) return &average_;
        const Entry& entry = rosters_[which][static_cast<std::size_t>(index)];
        if (entry.record == player) return &entry;
    }
}

const PlayerModel& RealisticGame::Player(Side side, const PlayerRecord* player) const {
    return *Find(side, player)->model;
}

double RealisticGame::UnscaledChances(const GameState& game, plate::Rates& rates) const {
    const Entry& batter = *Find(game.battingSide, game.Batting().lineup[game.batterIndex]);
    const GameSide& fielding = game.Fielding();
    const PlayerModel& pitcher = *Find(game.FieldingSide(), fielding.lineup[kPitcherEntry])->model;
    // Platoon and tiring move hits and walks one way and strikeouts the other.
    double boost = 1.0;
    if (pitcher.throws == 'L' || pitcher.throws == 'R')
        boost = batter.model->bats != pitcher.throws ? batter.platoonWith : batter.platoonWithout;
    if (const BoxPitching* line = fielding.boxLines[kPitcherEntry].back()->pitching.get())
        boost *=
            plate::FatigueFactor(line->outs + line->hitsAllowed + line->walks, pitcher.usualLength);
    plate::Rates factor;
    factor.fill(boost);
    factor[plate::HitByPitch] = 1.0;
    factor[plate::OutInPlay] = 1.0;
    factor[plate::Strikeout] = 1.0 / boost;
    return plate::UnscaledMatchup(batter.battingInContext, pitcher.pitching, factor, rates);
}

plate::Rates RealisticGame::Chances(const GameState& game) const {
    plate::Rates rates{};
    const double sum = UnscaledChances(game, rates);
    for (double& rate : rates)
        rate /= sum;
    return rates;
}

}  // namespace velmoro
