#include "engine/invariants.h"

#include <fmt/format.h>
#include <fmt/ranges.h>

#include <bit>
#include <cstdio>
#include <cstdlib>

#include "engine/game_state.h"
#include "engine/turns.h"

namespace velmoro {

namespace {

const char* SideLabel(Side side) {
    return side == Side::Home ? "home team" : "visitors";
}

const char* SideOwner(Side side) {
    return side == Side::Home ? "home team's" : "visitors'";
}

// The runner queue holds one batting slot plus one per runner, lead runner first, and
// nothing after the last runner; every base reads its runner from that order.
std::string RunnerProblem(const GameState& game) {
    if (game.bases < Base::None || game.bases > Base::Loaded)
        return fmt::format("bases {} (0 to 7)", game.bases);
    const int runners = std::popcount(static_cast<unsigned>(game.bases));
    for (int place = 0; place < 3; ++place) {
        const int value = game.runnerQueue[place];
        if (place < runners ? (value < 1 || value > 9) : value != 0) {
            return fmt::format("the runners ({}) do not match the bases ({})",
                               fmt::join(game.runnerQueue, ","), game.bases);
        }
    }
    return {};
}

// A half-inning that has begun has its runs in the line score, one that has not shows
// -1; the nine innings add up to the side's runs, and to no more than them once extra
// innings (which have no box) are played.
std::string LineScoreProblem(const GameState& game, Side which) {
    const GameSide& side = game.SideOf(which);
    long long sum = 0;
    for (int inning = 1; inning <= 9; ++inning) {
        const int value = side.lineScore[inning - 1];
        const bool begun =
            inning < game.inning ||
            (inning == game.inning && (which == Side::Visitors || game.HomeBatting()));
        if (begun ? value < 0 : value != -1) {
            return fmt::format("the {} line score ({}) does not fit inning {}", SideOwner(which),
                               fmt::join(side.lineScore, ","), game.inning);
        }
        if (begun) sum += value;
    }
    if (side.teamRuns < 0 || (game.inning <= 9 ? sum != side.teamRuns : sum > side.teamRuns)) {
        return fmt::format("the {} line score ({}) does not add up to their {} runs",
                           SideOwner(which), fmt::join(side.lineScore, ","), side.teamRuns);
    }
    if (which != game.battingSide) return {};
    // An extra inning has no box: its runs are what the nine boxes leave over.
    const bool fits = game.inning <= 9
                          ? game.halfInningRuns == side.lineScore[game.inning - 1]
                          : game.halfInningRuns >= 0 && game.halfInningRuns <= side.teamRuns - sum;
    if (!fits) {
        return fmt::format("{} runs in this half-inning do not match the line score",
                           game.halfInningRuns);
    }
    return {};
}

// Every hit is booked on the batter's line. A line keeps only the low 8 bits of its
// count, so after a line has wrapped the team's hits exceed the box score's by a
// multiple of 256.
std::string HitsProblem(const GameSide& side, Side which) {
    if (side.hits < 0) return fmt::format("{} hits for the {}", side.hits, SideLabel(which));
    long long boxHits = 0;
    for (int slot = 0; slot < 9; ++slot) {
        for (const auto& line : side.boxLines[slot])
            boxHits += line->hits;
    }
    if (boxHits > side.hits || (side.hits - boxHits) % 256 != 0) {
        return fmt::format("the {} box score has {} hits, the scoreboard {}", SideOwner(which),
                           boxHits, side.hits);
    }
    return {};
}

std::string SideProblem(const GameState& game, Side which) {
    const GameSide& side = game.SideOf(which);
    if (side.nextBatter < 0 || side.nextBatter > 8) {
        return fmt::format("next batter {} of the {} (0 to 8)", side.nextBatter, SideLabel(which));
    }
    if (side.errors < 0) return fmt::format("{} errors", side.errors);
    if (std::string problem = LineScoreProblem(game, which); !problem.empty()) return problem;
    if (!game.hasBattingBoxLines) return {};
    for (int slot = 0; slot < 10; ++slot) {
        if (side.boxLines[slot].empty()) return fmt::format("slot {} has no player", slot + 1);
    }
    return HitsProblem(side, which);
}

}  // namespace

std::string GameStateProblem(const GameState& game) {
    if (game.inning < 1) return fmt::format("inning {}", game.inning);
    if (game.outs < 0 || game.outs > 3) return fmt::format("{} outs", game.outs);
    // The third out changes the side in the same turn unless it ended the game.
    if (game.outs == 3 && !IsGameOver(game)) return "3 outs in a game that is not over";
    if (std::string problem = RunnerProblem(game); !problem.empty()) return problem;
    for (Side side : kBothSides) {
        if (std::string problem = SideProblem(game, side); !problem.empty()) return problem;
    }
    if (game.batterIndex != game.Batting().nextBatter) {
        return fmt::format("batter {} is not the next batter {}", game.batterIndex,
                           game.Batting().nextBatter);
    }
    return {};
}

void CheckGameState([[maybe_unused]] const GameState& game) {
#ifndef NDEBUG
    const std::string problem = GameStateProblem(game);
    if (problem.empty()) return;
    std::fprintf(stderr, "velmoro: the game state is broken: %s\n", problem.c_str());
    std::abort();
#endif
}

}  // namespace velmoro
