// The titles of the program's windows, each the program's name and the window's own
// word. Two spaces after the name in the maintenance and set-up windows are part of
// their titles.
#pragma once

namespace velmoro {

inline constexpr const char* kLineupCaption = "Velmoro Baseball Lineup";
inline constexpr const char* kSeasonCaption = "Velmoro Baseball Season";
inline constexpr const char* kPlayBallCaption = "Velmoro Baseball Play Ball";
inline constexpr const char* kGameLogCaption = "Velmoro Baseball Game Log";
inline constexpr const char* kNewGameCaption = "Velmoro Baseball  New Game";
inline constexpr const char* kDatabaseChangeCaption = "Velmoro Baseball  Database Change";
inline constexpr const char* kReadmeCaption = "Corvane Velmoro Baseball Readme File";

}  // namespace velmoro
