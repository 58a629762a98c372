// The computer manager in velmoro-sim: managed games, and --compare-managers, pairs of
// games on the same random sequence with the home side managed in one of them.
#include <fmt/format.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <mutex>
#include <thread>

#include "engine/invariants.h"
#include "engine/session.h"
#include "engine/turns.h"
#include "progress.h"
#include "setup/default_setup.h"
#include "sim.h"

namespace velmoro {

namespace {

void Said(std::vector<std::string>* said, Side side, const std::string& text) {
    if (said && !text.empty()) said->push_back(std::string(SideName(side)) + ": " + text);
}

// A worker's display: the message boxes are counted, not shown (a refused play is the
// only kind a managed game could meet), and the managed side's forced replacement made.
class CompareDisplay : public Display {
  public:
    CompareDisplay(Session& session, const ManagedSides& managed)
        : session_(session), managed_(managed) {}
    void ShowMessage(const std::string& text, const std::string&) override {
        if (text.rfind("You can't", 0) == 0) ++refusals;
    }
    void ForcedSubstitution() override {
        const Side side = session_.game.dialogSide;
        if (managed_.Manages(side)) ReplaceForcedPinchHitter(session_, side);
    }
    long refusals = 0;

  private:
    Session& session_;
    const ManagedSides& managed_;
};

std::uint32_t PairSeed(std::uint32_t seed, long pair) {
    std::uint64_t z = (static_cast<std::uint64_t>(seed) << 32) + static_cast<std::uint64_t>(pair);
    z += 0x9E3779B97F4A7C15ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return static_cast<std::uint32_t>(z ^ (z >> 31));
}

// Twice the home side's result: 2 a win, 0 a loss, 1 a game abandoned still tied.
using Result = std::int8_t;

class CompareWorker {
  public:
    CompareWorker(const SimOptions& options, const TeamRecord& visitors, const TeamRecord& home)
        : options_(options), visitors_(Copy(visitors)), home_(Copy(home)) {
        session_.gameLogPath.clear();
        session_.silent = true;
        session_.SetDisplay(&display_);
        managed_.kind = options.managerKind;
    }

    bool Play(std::uint32_t seed, bool managed, Result& result, std::string& error) {
        managed_.home = managed;
        GameState& game = session_.game;
        ResetGame(game);
        if (!DefaultSetup(session_, visitors_, home_, options_.designatedHitter, &error))
            return false;
        OpenPlayScreen(session_);
        session_.random.Seed(seed);
        while (!IsGameOver(game) && game.inning <= kInningLimit) {
            const TurnDecision decision = managed_.BeforeTurn(session_, nullptr);
            PlayTurn(session_, decision.offense, decision.defense);
        }
        const int lead = game.home.teamRuns - game.visitor.teamRuns;
        result = static_cast<Result>(lead > 0 ? 2 : lead < 0 ? 0 : 1);
        return true;
    }

    long Refusals() const { return display_.refusals; }

  private:
    static TeamRecord Copy(const TeamRecord& team) {
        TeamRecord copy(team.name);
        CopyPlayers(team, copy);
        return copy;
    }

    const SimOptions& options_;
    TeamRecord visitors_;
    TeamRecord home_;
    Session session_;
    ManagedSides managed_;
    CompareDisplay display_{session_, managed_};
};

struct Interval {
    double mean = 0;
    double low = 0;
    double high = 0;
};

// The mean of paired differences and its 95% interval (normal approximation).
Interval PairedInterval(const std::vector<Result>& managed, const std::vector<Result>& normal) {
    const double n = static_cast<double>(managed.size());
    double sum = 0, squares = 0;
    for (std::size_t i = 0; i < managed.size(); ++i) {
        const double d = (managed[i] - normal[i]) / 2.0;
        sum += d;
        squares += d * d;
    }
    const double mean = sum / n;
    const double variance = n > 1 ? std::max(0.0, (squares - n * mean * mean) / (n - 1)) : 0;
    const double half = 1.96 * std::sqrt(variance / n);
    return {mean, mean - half, mean + half};
}

double WinShare(const std::vector<Result>& results) {
    double wins = 0;
    for (Result r : results)
        wins += r / 2.0;
    return wins / static_cast<double>(results.size());
}

}  // namespace

TurnDecision ManagedSides::BeforeTurn(Session& session, std::vector<std::string>* said) const {
    const GameState& game = session.game;
    if (!Any() || IsGameOver(game)) return {};
    for (Side side : {game.FieldingSide(), game.battingSide})
        if (Manages(side)) Said(said, side, MakeBetweenTurnMoves(session, side, kind));
    TurnDecision decision = DecideTurn(session, visitors, home, kind);
    const Side deciding =
        decision.defense != NormalDefense ? game.FieldingSide() : game.battingSide;
    Said(said, deciding, decision.reason);
    return decision;
}

int RunCompareManagers(const SimOptions& options, TeamRecord& visitors, TeamRecord& home,
                       std::uint32_t seed) {
    const long pairs = options.comparePairs;
    const int jobs = std::max(
        1, options.jobs > 0 ? options.jobs : static_cast<int>(std::thread::hardware_concurrency()));
    std::vector<Result> managed(static_cast<std::size_t>(pairs));
    std::vector<Result> normal(static_cast<std::size_t>(pairs));
    std::atomic<long> next{0};
    std::atomic<long> refusals{0};
    std::mutex lock;
    std::string failure;
    long done = 0;
    ProgressBar progress("Pairs", static_cast<std::size_t>(pairs), !options.quiet);
    auto work = [&] {
        CompareWorker worker(options, visitors, home);
        std::string error;
        for (long pair = next++; pair < pairs; pair = next++) {
            const std::uint32_t pairSeed = PairSeed(seed, pair);
            const auto at = static_cast<std::size_t>(pair);
            if (!worker.Play(pairSeed, true, managed[at], error) ||
                !worker.Play(pairSeed, false, normal[at], error)) {
                const std::lock_guard<std::mutex> guard(lock);
                failure = error;
                next = pairs;
                break;
            }
            const std::lock_guard<std::mutex> guard(lock);
            progress.Update(static_cast<std::size_t>(++done));
        }
        refusals += worker.Refusals();
    };
    std::vector<std::thread> threads;
    for (int w = 1; w < jobs; ++w)
        threads.emplace_back(work);
    work();
    for (std::thread& thread : threads)
        thread.join();
    progress.Finish();
    if (!failure.empty()) {
        ShowSimMessage(failure);
        return kSimFailed;
    }
    const Interval difference = PairedInterval(managed, normal);
    const std::string text = fmt::format(
        "{} at {}, {} pairs of games, seed {}, the home side managed {}\n"
        "Home managed by the computer: {:.2f}% wins\n"
        "Home on Normal Play:          {:.2f}% wins\n"
        "Difference: {:+.2f} points, 95% interval {:+.2f} to {:+.2f}\n"
        "Refused choices: {}\n",
        visitors.name, home.name, pairs, seed,
        options.managerKind == ManagerKind::Book ? "by the book" : "looking ahead",
        100 * WinShare(managed), 100 * WinShare(normal), 100 * difference.mean,
        100 * difference.low, 100 * difference.high, refusals.load());
    std::fwrite(text.data(), 1, text.size(), stdout);
    return kSimOk;
}

}  // namespace velmoro
