#include <algorithm>
#include <cmath>

#include "db/player_usage.h"
#include "db/records.h"
#include "realistic/odds.h"
#include "realistic/realistic_data.h"

namespace velmoro {

namespace {

constexpr double kStealRegression = 15;  // attempts at the league's success added
// Speed: times on first at the league's attempt rate added to his own; the factor is his
// rate over the league's to this power, within these bounds.
constexpr double kSpeedRegression = 20;
constexpr double kSpeedPower = 0.25;
constexpr double kSlowest = 0.8, kFastest = 1.25;

double Known(int count, double otherwise) {
    return count == kNotRecorded ? otherwise : count;
}

// A count of the side file when it is recorded, else the database's.
int Either(const PlayerUsage* usage, int PlayerUsage::*field, int fallback) {
    if (!usage || usage->*field == kNotRecorded) return fallback;
    return usage->*field;
}

// Takes the park out of a player's relative odds: his season was played half at home.
void OutOfPark(plate::Rates& relative, int seasonParkFactor) {
    const double hits = plate::HitOddsFactor(seasonParkFactor / 100.0);
    for (int e : {plate::Single, plate::Double, plate::Triple, plate::HomeRun})
        relative[e] /= hits;
}

// A player with no recorded hit batsmen or hit by pitch gets the league's share.
void FillHitByPitch(plate::Counts& counts, const plate::Rates& league) {
    if (counts.events[plate::HitByPitch] >= 0) return;
    const double share = league[plate::HitByPitch];
    counts.events[plate::HitByPitch] = counts.plateAppearances * share / (1.0 - share);
    counts.plateAppearances += counts.events[plate::HitByPitch];
}

// Steal attempts (stolen bases over the league's success where caught stealing was not
// recorded) per time on first by a single, walk or hit by pitch; sacrifice hits per
// plate appearance.
void SetRunningGame(const PlayerRecord& player, const PlayerUsage* usage,
                    const plate::Counts& batting, const LeagueContext& league, PlayerModel& model) {
    const double onFirst = TimesOnFirst(batting);
    const double attempts = StealAttempts(player.stolenBases, player.caughtStealing, league);
    model.stealAttempts = onFirst > 0 ? std::min(1.0, attempts / onFirst) : 0;
    if (league.stealAttempts > 0) {
        const double rate =
            (attempts + kSpeedRegression * league.stealAttempts) / (onFirst + kSpeedRegression);
        model.speed =
            std::clamp(std::pow(rate / league.stealAttempts, kSpeedPower), kSlowest, kFastest);
    }
    const int sacrifices = usage ? usage->sacrificeHits : kNotRecorded;
    if (sacrifices > 0 && batting.plateAppearances > 0)
        model.sacrifices = sacrifices / (batting.plateAppearances + sacrifices);
}

}  // namespace

double TimesOnFirst(const plate::Counts& batting) {
    const auto& e = batting.events;
    return e[plate::Single] + e[plate::Walk] + e[plate::HitByPitch];
}

double StealAttempts(double stolen, double caught, const LeagueContext& league) {
    return league.caughtStealingRecorded ? stolen + caught
                                         : stolen / std::max(0.3, league.stealSuccess);
}

bool IsPitcher(const PlayerRecord& player) {
    return player.pitching && player.positions == Pitcher;
}

plate::Counts BattingCounts(const PlayerRecord& player, const PlayerUsage* usage) {
    const int atBats = Either(usage, &PlayerUsage::atBats, player.atBats);
    const int hits = Either(usage, &PlayerUsage::hits, EffectiveHits(player));
    const double hitByPitch = usage ? Known(usage->hitByPitch, -1) : -1;
    const double flies = usage ? Known(usage->sacrificeFlies, 0) : 0;
    plate::Counts counts;
    auto& e = counts.events;
    e[plate::Double] = player.doubles;
    e[plate::Triple] = player.triples;
    e[plate::HomeRun] = player.homeRuns;
    e[plate::Single] = std::max(0, hits - player.doubles - player.triples - player.homeRuns);
    e[plate::Walk] = player.walks;
    e[plate::HitByPitch] = hitByPitch;
    e[plate::Strikeout] = std::min<int>(player.strikeouts, std::max(0, atBats - hits));
    e[plate::OutInPlay] = std::max(0.0, atBats - hits - e[plate::Strikeout] + flies);
    counts.plateAppearances = atBats + player.walks + flies + std::max(0.0, hitByPitch);
    return counts;
}

plate::Counts PitchingCounts(const PlayerRecord& player, const PlayerUsage* usage,
                             const plate::Rates& league) {
    plate::Counts counts;
    if (!player.pitching) return counts;
    const PitchingLine& line = *player.pitching;
    const double outs =
        usage && usage->outsPitched > 0 ? usage->outsPitched : 3.0 * line.inningsPitched;
    const double opp = line.oppAvgX1000 / 1000.0;
    const double leagueHits = league[plate::Single] + league[plate::Double] +
                              league[plate::Triple] + league[plate::HomeRun];
    const double leagueOuts = league[plate::Strikeout] + league[plate::OutInPlay];
    double hits = opp > 0 && opp < 1 ? opp * outs / (1.0 - opp)
                                     : outs * leagueHits / std::max(0.01, leagueOuts);
    if (usage && usage->outsPitched > 0) hits = usage->hitsAllowed;
    const double share = leagueHits > 0 ? league[plate::HomeRun] / leagueHits : 0;
    const double homeRuns = usage && usage->outsPitched > 0 ? usage->homeRunsAllowed : hits * share;
    auto& e = counts.events;
    const double others = std::max(0.0, hits - homeRuns);
    const double nonHomeRunHits = std::max(1e-9, leagueHits - league[plate::HomeRun]);
    for (int k : {plate::Single, plate::Double, plate::Triple})
        e[k] = others * league[k] / nonHomeRunHits;
    e[plate::HomeRun] = homeRuns;
    e[plate::Walk] = line.walks;
    e[plate::Strikeout] = line.strikeouts;
    e[plate::HitByPitch] = usage ? Known(usage->hitBatsmen, -1) : -1;
    double faced = outs + hits + line.walks + std::max(0.0, e[plate::HitByPitch]);
    if (usage && usage->battersFaced > 0) faced = usage->battersFaced;
    e[plate::OutInPlay] = std::max(
        0.0, faced - hits - line.walks - line.strikeouts - std::max(0.0, e[plate::HitByPitch]));
    counts.plateAppearances = faced;
    return counts;
}

PlayerModel ModelPlayer(const PlayerRecord& player, const PlayerUsage* usage,
                        const LeagueContext& league, const TeamContext& team) {
    PlayerModel model;
    plate::Counts batting = BattingCounts(player, usage);
    FillHitByPitch(batting, league.batting);
    model.plateAppearances = batting.plateAppearances;
    const bool pitcher = IsPitcher(player) && league.pitchersBatting[plate::OutInPlay] > 0;
    const plate::Rates batterRates = plate::Regressed(
        batting, pitcher ? league.pitchersBatting : league.batting, kBatterRegression);
    model.batting = plate::RelativeOdds(batterRates, league.batting);
    OutOfPark(model.batting, team.battingParkFactor);
    model.pitching.fill(1.0);
    if (player.pitching) {
        plate::Counts pitching = PitchingCounts(player, usage, league.batting);
        FillHitByPitch(pitching, league.pitching);
        plate::Rates target = league.pitching;
        if (team.staff[plate::OutInPlay] > 0) target = team.staff;
        model.pitching = plate::RelativeOdds(plate::Regressed(pitching, target, kPitcherRegression),
                                             league.pitching);
        OutOfPark(model.pitching, team.pitchingParkFactor);
        const int games =
            usage && usage->pitchGames > 0 ? usage->pitchGames : player.pitching->games;
        model.usualLength = pitching.plateAppearances / std::max(1, games);
        model.battersFaced = pitching.plateAppearances;
    }
    model.stealSuccess = league.stealSuccess;
    if (league.caughtStealingRecorded) {
        const double stolen = player.stolenBases;
        model.stealSuccess = (stolen + kStealRegression * league.stealSuccess) /
                             (stolen + player.caughtStealing + kStealRegression);
    }
    SetRunningGame(player, usage, batting, league, model);
    const double strikeouts = batterRates[plate::Strikeout];
    model.contact =
        std::clamp(strikeouts > 0 ? league.batting[plate::Strikeout] / strikeouts : 1.0, 0.5, 2.0);
    if (usage) {
        model.bats = usage->bats;
        model.throws = usage->throws;
    }
    return model;
}

}  // namespace velmoro
