#include "base/parallel.h"

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace velmoro {

int WorkerCount(int jobs, long items) {
    const long cores = std::max(1u, std::thread::hardware_concurrency());
    const long wanted = jobs > 0 ? jobs : cores;
    return static_cast<int>(std::max(1L, std::min(wanted, items)));
}

bool RunParallel(long count, int workers, const std::function<bool(int worker, long item)>& work) {
    std::atomic<long> next{0};
    std::atomic<bool> stopped{false};
    auto run = [&](int worker) {
        for (long item = next++; item < count && !stopped; item = next++)
            if (!work(worker, item)) stopped = true;
    };
    std::vector<std::thread> threads;
    for (int w = 1; w < workers; ++w)
        threads.emplace_back(run, w);
    run(0);
    for (std::thread& thread : threads)
        thread.join();
    return !stopped;
}

}  // namespace velmoro
