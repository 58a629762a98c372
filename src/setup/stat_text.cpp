#include "setup/stat_text.h"

#include <cmath>

#include <fmt/format.h>

namespace velmoro {

std::string AverageText(int thousandths) {
    return fmt::format(".{:03d}", thousandths);
}

std::string EraText(int hundredths) {
    return fmt::format("{:.2f}", hundredths / 100.0);
}

std::string EraText(int runs, int outs) {
    if (outs == 0) return {};
    const double era = 27.0 * runs / outs;
    // A value that lies exactly halfway between two hundredths is an odd number of
    // eighths; fmt would round it to even, the season views round it up.
    const double eighths = era * 8;
    if (eighths == std::floor(eighths) && std::fmod(eighths, 2.0) == 1.0) {
        const auto hundredths = static_cast<long long>(std::floor(era * 100)) + 1;
        return fmt::format("{}.{:02d}", hundredths / 100, hundredths % 100);
    }
    return fmt::format("{:.2f}", era);
}

std::string InningsText(int outs) {
    if (outs == 0) return {};
    return fmt::format("{}.{}", outs / 3, outs % 3);
}

std::string PctText(double pct) {
    const long thousandths = std::lround(pct * 1000);
    return thousandths >= 1000 ? "1.000" : fmt::format(".{:03d}", thousandths);
}

std::string GamesBehindText(double gamesBehind) {
    if (gamesBehind == 0) return "-";
    return std::fmod(gamesBehind, 1.0) == 0 ? fmt::format("{:.0f}", gamesBehind)
                                            : fmt::format("{:.1f}", gamesBehind);
}

std::string CountText(int value, int width) {
    return fmt::format("{:{}d}", value, width);
}

}  // namespace velmoro
