// What the model takes from the era when a database has no club totals beside it:
// errors and double plays per team game, from the decade averages of the Lahman Teams
// table, and the league's stolen-base success where caught stealing went unrecorded.
#pragma once

namespace velmoro {

double EraErrorsPerGame(int year);
double EraDoublePlaysPerGame(int year);

// Caught stealing is missing for most seasons before 1951: two steals in three succeed.
inline constexpr double kUnrecordedStealSuccess = 0.67;

}  // namespace velmoro
