// The program's name as every window title and message box caption shows it, and the
// titles built on it. Two spaces after the name in the maintenance and set-up windows
// are part of their titles.
#pragma once

namespace velmoro {

inline constexpr const char* kCaption = "Velmoro Baseball";
inline constexpr const char* kErrorCaption = "Velmoro Baseball Error";
inline constexpr const char* kLineupCaption = "Velmoro Baseball Lineup";
inline constexpr const char* kSeasonCaption = "Velmoro Baseball Season";
inline constexpr const char* kPlayBallCaption = "Velmoro Baseball Play Ball";
inline constexpr const char* kGameLogCaption = "Velmoro Baseball Game Log";
inline constexpr const char* kNewGameCaption = "Velmoro Baseball  New Game";
inline constexpr const char* kDatabaseChangeCaption = "Velmoro Baseball  Database Change";
inline constexpr const char* kReadmeCaption = "Corvane Velmoro Baseball Readme File";

}  // namespace velmoro
