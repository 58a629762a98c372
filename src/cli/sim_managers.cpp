// --compare-managers: pairs of games on the same random sequence, the home side managed
// in one of them and on Normal Play in the other.
#include <fmt/format.h>

#include <cstdio>
#include <memory>
#include <mutex>

#include "base/paired.h"
#include "base/parallel.h"
#include "base/seed_mix.h"
#include "base/status.h"
#include "cli/progress.h"
#include "cli/sim.h"
#include "engine/session.h"
#include "engine/turns.h"
#include "manager/play_to_end.h"
#include "setup/default_setup.h"

namespace velmoro {

namespace {

class CompareWorker {
  public:
    CompareWorker(const SimOptions& options, const TeamRecord& visitors, const TeamRecord& home,
                  EngineKind engine, std::shared_ptr<const RealisticData> realistic)
        : options_(options),
          visitors_(visitors.name),
          home_(home.name),
          engine_(engine),
          realistic_(std::move(realistic)) {
        CopyPlayers(visitors, visitors_);
        CopyPlayers(home, home_);
        session_.gameLogPath.clear();
        session_.silent = true;
        session_.SetDisplay(&display_);
        managed_.kind = options.managerKind;
    }

    Status Play(std::uint32_t seed, bool managed, double& result) {
        managed_.home = managed;
        ResetGame(session_.game);
        std::string error;
        if (!DefaultSetup(session_, visitors_, home_, options_.designatedHitter, &error))
            return Status::Error(error);
        SetEngine(session_, engine_, realistic_);
        OpenPlayScreen(session_);
        session_.random.Seed(seed);
        refusals += PlayToEnd(session_, managed_).refusals;
        result = ResultFor(session_.game, Side::Home);
        return {};
    }

    long refusals = 0;

  private:
    const SimOptions& options_;
    TeamRecord visitors_;
    TeamRecord home_;
    EngineKind engine_;
    std::shared_ptr<const RealisticData> realistic_;
    Session session_;
    ManagedSides managed_;
    ManagerDisplay display_{session_, managed_};
};

double WinShare(const std::vector<double>& results) {
    double wins = 0;
    for (double r : results)
        wins += r;
    return wins / static_cast<double>(results.size());
}

}  // namespace

int RunCompareManagers(const SimOptions& options, TeamRecord& visitors, TeamRecord& home,
                       std::uint32_t seed, EngineKind engine,
                       std::shared_ptr<const RealisticData> realistic) {
    const long pairs = options.comparePairs;
    const int jobs = WorkerCount(options.jobs, pairs);
    std::vector<double> managed(static_cast<std::size_t>(pairs));
    std::vector<double> normal(static_cast<std::size_t>(pairs));
    std::vector<std::unique_ptr<CompareWorker>> workers;
    for (int w = 0; w < jobs; ++w)
        workers.push_back(
            std::make_unique<CompareWorker>(options, visitors, home, engine, realistic));
    std::mutex lock;
    Status failure;
    long done = 0;
    ProgressBar progress("Pairs", static_cast<std::size_t>(pairs), !options.quiet);
    const bool finished = RunParallel(pairs, jobs, [&](int w, long pair) {
        const std::uint32_t pairSeed = ItemSeed(seed, static_cast<std::uint32_t>(pair));
        const auto at = static_cast<std::size_t>(pair);
        Status status = workers[w]->Play(pairSeed, true, managed[at]);
        if (status.ok()) status = workers[w]->Play(pairSeed, false, normal[at]);
        const std::lock_guard<std::mutex> guard(lock);
        if (!status.ok()) {
            failure = status;
            return false;
        }
        progress.Update(static_cast<std::size_t>(++done));
        return true;
    });
    if (!finished) {
        ReportSimError(failure.message());
        return kSimFailed;
    }
    progress.Finish();
    long refusals = 0;
    for (const auto& worker : workers)
        refusals += worker->refusals;
    const PairedDifference difference = PairedMeanDifference(managed, normal);
    const std::string text = fmt::format(
        "{} at {}, {} pairs of games, seed {}, the home side managed {}{}\n"
        "Home managed by the computer: {:.2f}% wins\n"
        "Home on Normal Play:          {:.2f}% wins\n"
        "Difference: {:+.2f} points, 95% interval {:+.2f} to {:+.2f}\n"
        "Refused choices: {}\n",
        visitors.name, home.name, pairs, seed,
        options.managerKind == ManagerKind::Book ? "by the book" : "looking ahead",
        engine == EngineKind::Realistic ? " on the realistic engine" : "", 100 * WinShare(managed),
        100 * WinShare(normal), 100 * difference.mean, 100 * difference.Low(),
        100 * difference.High(), refusals);
    std::fwrite(text.data(), 1, text.size(), stdout);
    return kSimOk;
}

}  // namespace velmoro
