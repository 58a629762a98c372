// Loading the full-history LegendDB: the whole load against just reading the file's
// bytes, and the memory the loaded lists take. The file is the one the build makes
// with LAHMAN_DIR (build/lahman/LegendDB), or the one $VELMORO_LOAD_BENCH_DB names.
//
// Two ways of timing each:
// - Warm*: the same process reads or loads over and over, its heap and caches already
//   holding memory from the round before;
// - First*: a fresh process does it once, as the program does (it loads LegendDB once
//   per run), so both pay for memory the process had never touched.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "db/install_dir.h"
#include "db/team_files.h"

namespace velmoro {
namespace {

std::filesystem::path HistoryDirectory() {
    if (const char* file = std::getenv("VELMORO_LOAD_BENCH_DB"); file && *file)
        return std::filesystem::path(file).parent_path();
    return ProgramDirectory().parent_path() / "lahman";
}

bool HaveHistory(benchmark::State& state) {
    if (std::filesystem::exists(HistoryDirectory() / kLegendFileName)) return true;
    state.SkipWithError(
        "no full-history LegendDB: build with LAHMAN_DIR or set VELMORO_LOAD_BENCH_DB");
    return false;
}

void ReadHistoryBytes() {
    std::string bytes;
    if (!ReadFileBytes(HistoryDirectory() / kLegendFileName, bytes).ok()) return;
    benchmark::DoNotOptimize(bytes.data());
}

// Heap and record-pool bytes in use, so the loaded lists can be measured as a difference.
std::size_t BytesInUse() {
    return mallinfo2().uordblks + PoolFor<PlayerRecord>().Usage().bytesInUse +
           PoolFor<PitchingLine>().Usage().bytesInUse;
}

// Runs `work` once in a forked child and reports the child's own timing of it. These
// run before the warm rounds, while this process has touched little memory of its own:
// a child shares its parent's pages until it writes them.
void TimeInFreshProcess(benchmark::State& state, const std::function<void()>& work) {
    if (!HaveHistory(state)) return;
    for (auto _ : state) {
        int pipeEnds[2];
        if (pipe(pipeEnds) != 0) return state.SkipWithError("pipe failed");
        const pid_t child = fork();
        if (child == 0) {
            const auto start = std::chrono::steady_clock::now();
            work();
            const double seconds =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            const bool sent = write(pipeEnds[1], &seconds, sizeof seconds) == sizeof seconds;
            _exit(sent ? 0 : 1);
        }
        close(pipeEnds[1]);
        double seconds = 0;
        const bool got = read(pipeEnds[0], &seconds, sizeof seconds) == sizeof seconds;
        close(pipeEnds[0]);
        waitpid(child, nullptr, 0);
        if (!got) return state.SkipWithError("the child process failed");
        state.SetIterationTime(seconds);
    }
}

void BM_FirstReadFileBytes(benchmark::State& state) {
    TimeInFreshProcess(state, ReadHistoryBytes);
}
BENCHMARK(BM_FirstReadFileBytes)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_FirstLoadLegendDatabase(benchmark::State& state) {
    TimeInFreshProcess(state, [] {
        // Left for the child's exit to take: freeing the lists is no part of the load.
        auto* db = new TeamDatabase;
        LoadLegendDatabase(*db, HistoryDirectory());
        benchmark::DoNotOptimize(db->legendTeams.data());
    });
}
BENCHMARK(BM_FirstLoadLegendDatabase)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_WarmReadFileBytes(benchmark::State& state) {
    if (!HaveHistory(state)) return;
    for (auto _ : state)
        ReadHistoryBytes();
}
BENCHMARK(BM_WarmReadFileBytes)->Unit(benchmark::kMillisecond);

void BM_WarmLoadLegendDatabase(benchmark::State& state) {
    if (!HaveHistory(state)) return;
    const std::filesystem::path dir = HistoryDirectory();
    std::size_t listBytes = 0, teams = 0, players = 0;
    std::size_t before = BytesInUse();
    for (auto _ : state) {
        {
            TeamDatabase db;
            LoadLegendDatabase(db, dir);
            state.PauseTiming();  // counting and freeing the lists are not part of the load
            listBytes = BytesInUse() - before;
            teams = db.legendTeams.size();
            players = 0;
            for (const auto& t : db.legendTeams)
                players += t->players.size();
        }
        before = BytesInUse();
        state.ResumeTiming();
    }
    state.counters["teams"] = static_cast<double>(teams);
    state.counters["players"] = static_cast<double>(players);
    state.counters["lists_MB"] = static_cast<double>(listBytes) / (1024.0 * 1024.0);
}
BENCHMARK(BM_WarmLoadLegendDatabase)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmoro
