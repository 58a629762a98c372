#include "realistic/era.h"

#include <array>
#include <utility>

namespace velmoro {

namespace {

struct EraPoint {
    int year;
    double errors;
    double doublePlays;
};

// Decade averages per team game (the middle year of each decade, the first five-year
// spans of the 1870s).
constexpr std::array<EraPoint, 16> kEra{{{1873, 7.86, 0.55},
                                         {1877, 5.69, 0.56},
                                         {1885, 4.08, 0.64},
                                         {1895, 2.87, 0.75},
                                         {1905, 1.94, 0.62},
                                         {1915, 1.63, 0.71},
                                         {1925, 1.30, 0.92},
                                         {1935, 1.16, 0.96},
                                         {1945, 1.04, 0.98},
                                         {1955, 0.90, 1.04},
                                         {1965, 0.88, 0.92},
                                         {1975, 0.88, 0.95},
                                         {1985, 0.82, 0.93},
                                         {1995, 0.73, 0.93},
                                         {2005, 0.64, 0.94},
                                         {2015, 0.60, 0.88}}};

template <typename Pick>
double Interpolated(int year, Pick pick) {
    if (year <= kEra.front().year) return pick(kEra.front());
    for (std::size_t i = 1; i < kEra.size(); ++i) {
        if (year <= kEra[i].year) {
            const double t =
                static_cast<double>(year - kEra[i - 1].year) / (kEra[i].year - kEra[i - 1].year);
            return pick(kEra[i - 1]) + t * (pick(kEra[i]) - pick(kEra[i - 1]));
        }
    }
    return pick(kEra.back());
}

}  // namespace

double EraErrorsPerGame(int year) {
    return Interpolated(year, [](const EraPoint& p) { return p.errors; });
}

double EraDoublePlaysPerGame(int year) {
    return Interpolated(year, [](const EraPoint& p) { return p.doublePlays; });
}

}  // namespace velmoro
