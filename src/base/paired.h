// The paired difference of two runs on the same random sequences (a choice against
// Normal Play on the same seeds, a managed game against an unmanaged one): its mean and
// the mean's standard error.
#pragma once

#include <vector>

namespace velmoro {

struct PairedDifference {
    double mean = 0;
    double standardError = 0;
    // The 95% interval, by the normal approximation.
    double Low() const { return mean - 1.96 * standardError; }
    double High() const { return mean + 1.96 * standardError; }
};

// Over the pairs (a[i], b[i]); both the same length, at least one pair.
PairedDifference PairedMeanDifference(const std::vector<double>& a, const std::vector<double>& b);

}  // namespace velmoro
