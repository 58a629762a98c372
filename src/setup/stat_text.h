// How the game shows a statistic, in every window that lists one: averages in thousandths
// with a leading point, earned run averages with two decimals, innings as whole innings
// and outs, a season's standings. A stored average keeps all its digits (a thousand is
// ".1000"), as the player screens have always shown it; a fraction the season computes is
// printed as standings print one, so a perfect record reads "1.000".
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
// A season's won-lost or hits-per-at-bat fraction: ".682", "1.000" for one.
std::string PctText(double pct);
// Games behind the leader: "-" for the leader, "5" or "5.5".
std::string GamesBehindText(double gamesBehind);
// A count right-aligned in `width` characters (none by default).
std::string CountText(int value, int width = 0);

}  // namespace velmoro
