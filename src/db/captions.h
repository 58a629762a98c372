// The program's name as message box captions show it. It is also the name of the
// folder older versions kept their data in, which the install lookup moves from, so it
// lives with the data files; the titles of single windows live with their windows
// (ui/window_captions.h).
#pragma once

namespace velmoro {

inline constexpr const char* kCaption = "Velmoro Baseball";
inline constexpr const char* kErrorCaption = "Velmoro Baseball Error";

}  // namespace velmoro
