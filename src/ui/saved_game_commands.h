// Load and Save of saved games, with the questions asked around the file chooser.
#pragma once

#include <optional>
#include <string>

namespace velmoro {

struct UiContext;

enum class ChooserMode { Open, Save };

inline constexpr const char* kNotLoadedQuestion =
    "The game was not loaded.  Do you want to try again?";
inline constexpr const char* kSaveFailedMessage = "Game Save failed";
inline constexpr const char* kLoadFailedMessage = "Game Load failed";

// "NAME already exists. Replace it?" with the file's name as the chooser showed it.
std::string ReplaceFileQuestion(const std::string& path);

// The chosen path, or none when the user gave up. Opening: after a Cancel it asks
// whether to try again. Saving: a Cancel is final, and a file that exists is replaced
// only when the user says so (No offers the chooser again).
std::optional<std::string> ChooseSavedGameFile(UiContext& context, ChooserMode mode);

// Chooses a file, reads the game and prepares both sides. False when no game came; a
// file that did not load is reported as "Game Load failed" with the file and the
// reason on a second line, while giving up the choice is not.
bool LoadGameCommand(UiContext& context);

// Chooses a file and writes the game; true when it was written. A write that fails is
// reported; the game goes on.
bool SaveGameCommand(UiContext& context);

}  // namespace velmoro
