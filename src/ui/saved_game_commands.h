// Load and Save of saved games, with the questions asked when no file is chosen.
#pragma once

#include <optional>
#include <string>

namespace velmoro {

struct UiContext;

enum class ChooserMode { Open, Save };

inline constexpr const char* kNotLoadedQuestion =
    "The game was not loaded.  Do you want to try again?";
inline constexpr const char* kNotSavedQuestion =
    "The game was not saved.  Do you want to save before exiting?";
inline constexpr const char* kSaveFailedMessage = "Game Save failed";
inline constexpr const char* kLoadFailedMessage = "Game Load failed";

// The chosen path; when the user gives up, asks whether to try again, and returns none
// once the answer is No.
std::optional<std::string> ChooseSavedGameFile(UiContext& context, ChooserMode mode);

// Chooses a file, reads the game and prepares both sides. False when no game came;
// the user has then been told "Game Load failed", with the file and the reason on a
// second line when a file was chosen.
bool LoadGameCommand(UiContext& context);

// Chooses a file and writes the game. A write that fails is reported; the game goes on.
void SaveGameCommand(UiContext& context);

}  // namespace velmoro
