#include "base/paired.h"

#include <algorithm>
#include <cmath>

namespace velmoro {

PairedDifference PairedMeanDifference(const std::vector<double>& a, const std::vector<double>& b) {
    const double n = static_cast<double>(a.size());
    double sum = 0, squares = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const double difference = a[i] - b[i];
        sum += difference;
        squares += difference * difference;
    }
    const double mean = sum / n;
    const double variance = n > 1 ? std::max(0.0, (squares - n * mean * mean) / (n - 1)) : 0;
    return {mean, std::sqrt(variance / n)};
}

}  // namespace velmoro
