// How the game shows a statistic, in every window that lists one: averages in thousandths
// with a leading point, earned run averages with two decimals, innings as whole innings
// and outs.
#pragma once

#include <string>

namespace velmoro {

// A batting or opponents' average kept in thousandths: ".300" (a thousand shows ".1000").
std::string AverageText(int thousandths);
// An earned run average kept in hundredths: "3.45".
std::string EraText(int hundredths);
// The earned run average of `runs` over `outs`; a half hundredth rounds up. Empty when
// no out was recorded.
std::string EraText(int runs, int outs);
// Innings pitched from outs recorded: "6.2" is six innings and two outs. Empty when none.
std::string InningsText(int outs);
// A count right-aligned in `width` characters (none by default).
std::string CountText(int value, int width = 0);

}  // namespace velmoro
