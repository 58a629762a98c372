#include "season/realism.h"

#include <fmt/format.h>

#include <cmath>

namespace velmoro {

namespace {

constexpr double kRateTolerance = 5.0;  // % a league rate may miss by
constexpr int kModernYear = 1901;

double Ratio(double part, double whole) {
    return whole > 0 ? part / whole : 0;
}

LeagueBatting Rates(double atBats, double hits, double homeRuns, double walks, double strikeouts) {
    const double plateAppearances = atBats + walks;
    return {Ratio(hits, atBats), Ratio(homeRuns, plateAppearances), Ratio(walks, plateAppearances),
            Ratio(strikeouts, plateAppearances)};
}

double WorstRateDifference(const RealismFigures& f) {
    double worst = 0;
    const std::pair<double, double> rates[] = {{f.simulated.average, f.real.average},
                                               {f.simulated.homeRuns, f.real.homeRuns},
                                               {f.simulated.walks, f.real.walks},
                                               {f.simulated.strikeouts, f.real.strikeouts}};
    for (const auto& [sim, real] : rates)
        worst = std::max(worst, std::abs(DifferencePercent(sim, real)));
    return worst;
}

}  // namespace

double Correlation(const FigurePairs& pairs) {
    const double n = static_cast<double>(pairs.size());
    if (pairs.size() < 2) return 0;
    double sx = 0, sy = 0, sxx = 0, syy = 0, sxy = 0;
    for (const auto& [x, y] : pairs) {
        sx += x;
        sy += y;
        sxx += x * x;
        syy += y * y;
        sxy += x * y;
    }
    const double vx = sxx - sx * sx / n, vy = syy - sy * sy / n;
    if (vx <= 0 || vy <= 0) return 0;
    return (sxy - sx * sy / n) / std::sqrt(vx * vy);
}

double DifferencePercent(double simulated, double real) {
    return real != 0 ? (simulated - real) / real * 100.0 : 0;
}

void RealismTally::Add(const SeasonResults& replay) {
    const std::size_t teams = season_.teams.size();
    wins_.resize(teams, 0);
    decisions_.resize(teams, 0);
    playerHomeRuns_.resize(replay.players.size(), 0);
    playerHits_.resize(replay.players.size(), 0);
    playerAtBats_.resize(replay.players.size(), 0);
    playerWalks_.resize(replay.players.size(), 0);
    battersFaced_.resize(replay.players.size(), 0);
    for (std::size_t g = 0; g < replay.games.size(); ++g) {
        const GameResult& result = replay.games[g];
        if (!result.played) continue;
        const ScheduledGame& game = season_.schedule[g];
        runs_ += result.visitorRuns + result.homeRuns;
        teamGames_ += 2;
        if (result.visitorRuns == result.homeRuns) continue;
        wins_[result.homeRuns > result.visitorRuns ? game.home : game.visitor] += 1;
        decisions_[game.home] += 1;
        decisions_[game.visitor] += 1;
    }
    for (std::size_t p = 0; p < replay.players.size(); ++p) {
        const BattingTotals& b = replay.players[p].batting;
        atBats_ += b.atBats;
        hits_ += b.hits;
        homeRuns_ += b.homeRuns;
        walks_ += b.walks;
        strikeouts_ += b.strikeouts;
        playerHomeRuns_[p] += b.homeRuns;
        playerHits_[p] += b.hits;
        playerAtBats_[p] += b.atBats;
        playerWalks_[p] += b.walks;
        const PitchingTotals& q = replay.players[p].pitching;
        battersFaced_[p] += q.outs + q.hits + q.walks;
    }
    ++replays_;
}

LeagueBatting RealLeagueBatting(const Season& season) {
    double atBats = 0, hits = 0, homeRuns = 0, walks = 0, strikeouts = 0;
    for (const SeasonTeam& entry : season.teams) {
        for (const auto& player : entry.team->players) {
            atBats += player->atBats;
            hits += EffectiveHits(*player);
            homeRuns += player->homeRuns;
            walks += player->walks;
            strikeouts += player->strikeouts;
        }
    }
    return Rates(atBats, hits, homeRuns, walks, strikeouts);
}

namespace {

// A pitcher's real line as rates per batter faced (and his opponents' average); the
// batters he faced are taken as outs + hits + walks.
struct PitcherRates {
    double faced = 0, average = 0, walks = 0, strikeouts = 0;
};

PitcherRates RatesOf(const PitchingLine& line) {
    const double outs = 3.0 * line.inningsPitched;
    const double average = line.oppAvgX1000 / 1000.0;
    const double hits = average < 1 ? average * outs / (1 - average) : 0;
    const double faced = outs + hits + line.walks;
    return {faced, average, Ratio(line.walks, faced), Ratio(line.strikeouts, faced)};
}

}  // namespace

LeagueBatting RealismTally::Expected() const {
    // Batters: each one's real rates over the plate appearances the replays gave him.
    double ab = 0, hits = 0, homeRuns = 0, walks = 0, strikeouts = 0;
    // Pitchers: the same over the batters they faced, against all the league's pitchers.
    double used = 0, usedAverage = 0, usedWalks = 0, usedStrikeouts = 0;
    double all = 0, allAverage = 0, allWalks = 0, allStrikeouts = 0;
    std::size_t p = 0;
    for (const SeasonTeam& entry : season_.teams) {
        for (const auto& player : entry.team->players) {
            const std::size_t at = p++;
            if (at >= playerAtBats_.size()) continue;
            const double realPa = player->atBats + player->walks;
            const double simPa = playerAtBats_[at] + playerWalks_[at];
            if (realPa > 0 && simPa > 0) {
                ab += playerAtBats_[at];
                hits += playerAtBats_[at] * Ratio(EffectiveHits(*player), player->atBats);
                homeRuns += simPa * player->homeRuns / realPa;
                walks += simPa * player->walks / realPa;
                strikeouts += simPa * player->strikeouts / realPa;
            }
            if (!player->pitching) continue;
            const PitcherRates real = RatesOf(*player->pitching);
            all += real.faced;
            allAverage += real.faced * real.average;
            allWalks += real.faced * real.walks;
            allStrikeouts += real.faced * real.strikeouts;
            const double faced = battersFaced_[at];
            used += faced;
            usedAverage += faced * real.average;
            usedWalks += faced * real.walks;
            usedStrikeouts += faced * real.strikeouts;
        }
    }
    // The pitchers' part as a factor on the batters' (their rates over the league's).
    auto factor = [&](double usedSum, double allSum) {
        return used > 0 && allSum > 0 ? (usedSum / used) / (allSum / all) : 1.0;
    };
    LeagueBatting expected = Rates(ab, hits, homeRuns, walks, strikeouts);
    expected.average *= factor(usedAverage, allAverage);
    expected.walks *= factor(usedWalks, allWalks);
    expected.strikeouts *= factor(usedStrikeouts, allStrikeouts);
    return expected;
}

RealismFigures RealismTally::Figures() const {
    RealismFigures f;
    f.year = season_.year;
    f.replays = replays_;
    f.simulatedRunsPerGame = Ratio(runs_, teamGames_);
    double realRuns = 0, realGames = 0;
    for (std::size_t t = 0; t < season_.teams.size(); ++t) {
        const SeasonTeam& team = season_.teams[t];
        realRuns += team.realRunsScored;
        realGames += team.realGames;
        const double realDecisions = team.realWins + team.realLosses;
        if (t < decisions_.size() && decisions_[t] > 0 && realDecisions > 0)
            f.winPercentages.emplace_back(team.realWins / realDecisions, wins_[t] / decisions_[t]);
    }
    f.realRunsPerGame = Ratio(realRuns, realGames);
    f.simulated = Rates(atBats_, hits_, homeRuns_, walks_, strikeouts_);
    f.real = RealLeagueBatting(season_);
    f.expected = Expected();
    int flat = 0;
    for (std::size_t t = 0; t < season_.teams.size(); ++t) {
        for (const auto& player : season_.teams[t].team->players) {
            const std::size_t p = static_cast<std::size_t>(flat++);
            if (player->atBats + player->walks < kRegularPlateAppearances) continue;
            // A regular the replay's lineups never used tells nothing of the engine.
            if (p >= playerAtBats_.size() || playerAtBats_[p] == 0) continue;
            f.homeRuns.emplace_back(player->homeRuns, playerHomeRuns_[p] / replays_);
            f.averages.emplace_back(Ratio(EffectiveHits(*player), player->atBats),
                                    Ratio(playerHits_[p], playerAtBats_[p]));
        }
    }
    return f;
}

std::string RealismLine(const RealismFigures& f) {
    return fmt::format(
        "{} {:>3} teams  R/G {:.2f} real {:.2f} ({:+.1f}%)  AVG {:.3f}/{:.3f} ({:+.1f}%)  "
        "HR {:.4f}/{:.4f} ({:+.1f}%)  BB {:.4f}/{:.4f} ({:+.1f}%)  SO {:.4f}/{:.4f} ({:+.1f}%)  "
        "W% r {:.3f}\n     given the players used: AVG {:+.1f}%  HR {:+.1f}%  BB {:+.1f}%  SO "
        "{:+.1f}%\n",
        f.year, f.winPercentages.size(), f.simulatedRunsPerGame, f.realRunsPerGame,
        DifferencePercent(f.simulatedRunsPerGame, f.realRunsPerGame), f.simulated.average,
        f.real.average, DifferencePercent(f.simulated.average, f.real.average),
        f.simulated.homeRuns, f.real.homeRuns,
        DifferencePercent(f.simulated.homeRuns, f.real.homeRuns), f.simulated.walks, f.real.walks,
        DifferencePercent(f.simulated.walks, f.real.walks), f.simulated.strikeouts,
        f.real.strikeouts, DifferencePercent(f.simulated.strikeouts, f.real.strikeouts),
        Correlation(f.winPercentages), DifferencePercent(f.simulated.average, f.expected.average),
        DifferencePercent(f.simulated.homeRuns, f.expected.homeRuns),
        DifferencePercent(f.simulated.walks, f.expected.walks),
        DifferencePercent(f.simulated.strikeouts, f.expected.strikeouts));
}

void RealismSummary::Add(const RealismFigures& f) {
    const double difference = DifferencePercent(f.simulatedRunsPerGame, f.realRunsPerGame);
    Span& span = f.year >= kModernYear ? modern_ : early_;
    ++span.seasons;
    span.sumDifference += difference;
    span.sumAbsolute += std::abs(difference);
    if (std::abs(difference) > std::abs(span.worst)) {
        span.worst = difference;
        span.worstYear = f.year;
    }
    if (f.year >= kModernYear) {
        ++modernSeasons_;
        if (WorstRateDifference(f) > kRateTolerance) ++ratesOff_;
    }
    winPercentages_.insert(winPercentages_.end(), f.winPercentages.begin(), f.winPercentages.end());
    homeRuns_.insert(homeRuns_.end(), f.homeRuns.begin(), f.homeRuns.end());
    averages_.insert(averages_.end(), f.averages.begin(), f.averages.end());
}

std::string RealismSummary::Text() const {
    auto span = [](const char* name, const Span& s) {
        if (s.seasons == 0) return std::string();
        return fmt::format(
            "{}: {} seasons, runs per game {:+.1f}% on average (mean size {:.1f}%), worst "
            "{:+.1f}% ({})\n",
            name, s.seasons, s.sumDifference / s.seasons, s.sumAbsolute / s.seasons, s.worst,
            s.worstYear);
    };
    return span("From 1901", modern_) + span("Before 1901", early_) +
           fmt::format("League AVG/HR/BB/SO off by more than 5%: {} of {} seasons from 1901\n",
                       ratesOff_, modernSeasons_) +
           fmt::format(
               "Correlation: winning percentage {:.3f} ({} teams), home runs {:.3f} and "
               "AVG {:.3f} ({} regulars)\n",
               Correlation(winPercentages_), winPercentages_.size(), Correlation(homeRuns_),
               Correlation(averages_), homeRuns_.size());
}

}  // namespace velmoro
