// Loading the full-history LegendDB: the whole load against just reading the file's
// bytes, and the memory the loaded lists take. The file is the one the build makes
// with LAHMAN_DIR (build/lahman/LegendDB), or the one $VELMORO_LOAD_BENCH_DB names.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstdlib>
#include <filesystem>
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

void BM_ReadFileBytes(benchmark::State& state) {
    if (!HaveHistory(state)) return;
    const std::filesystem::path path = HistoryDirectory() / kLegendFileName;
    for (auto _ : state) {
        std::string bytes;
        ReadFileBytes(path, bytes);
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(BM_ReadFileBytes)->Unit(benchmark::kMillisecond);

void BM_LoadLegendDatabase(benchmark::State& state) {
    if (!HaveHistory(state)) return;
    const std::filesystem::path dir = HistoryDirectory();
    std::size_t heapBytes = 0, teams = 0, players = 0;
    for (auto _ : state) {
        std::size_t before = mallinfo2().uordblks;
        {
            TeamDatabase db;
            LoadLegendDatabase(db, dir);
            state.PauseTiming();  // counting and freeing the lists are not part of the load
            heapBytes = mallinfo2().uordblks - before;
            teams = db.legendTeams.size();
            players = 0;
            for (const auto& t : db.legendTeams)
                players += t->players.size();
        }
        state.ResumeTiming();
    }
    state.counters["teams"] = static_cast<double>(teams);
    state.counters["players"] = static_cast<double>(players);
    state.counters["heap_MB"] = static_cast<double>(heapBytes) / (1024.0 * 1024.0);
}
BENCHMARK(BM_LoadLegendDatabase)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmoro
