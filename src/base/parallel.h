// Work spread over threads: items 0..count-1 handed out in order to `jobs` workers.
// Each worker keeps its own state (its index is passed in), and callers store each
// item's result at the item's index, so what a run computes never depends on how many
// workers there were or which of them took which item.
#pragma once

#include <functional>

namespace velmoro {

// The number of workers a run uses: `jobs`, or every core when it is 0 or less, never
// more than the items and never fewer than one.
int WorkerCount(int jobs, long items);

// Calls work(worker, item) for every item, on WorkerCount(jobs, count) threads (the
// calling thread is worker 0). When a call returns false no further item is started
// (the calls under way finish) and RunParallel returns false.
bool RunParallel(long count, int workers, const std::function<bool(int worker, long item)>& work);

}  // namespace velmoro
