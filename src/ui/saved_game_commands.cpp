#include "ui/saved_game_commands.h"

#include <filesystem>

#include "db/captions.h"
#include "engine/message_text.h"
#include "saves/saved_game.h"
#include "ui/engine_choice.h"
#include "ui/ui_context.h"

namespace velmoro {

namespace {

// A chooser that gives no file, or an empty name, means the user gave up.
std::optional<std::string> Chosen(std::optional<std::string> path) {
    if (path && path->empty()) return std::nullopt;
    return path;
}

// False when an existing file is there and the user wants to keep it.
bool MayReplace(UiContext& context, const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) return true;
    return context.prompter.AskYesNo(ReplaceFileQuestion(path), kCaption);
}

}  // namespace

std::string ReplaceFileQuestion(const std::string& path) {
    return ShownValue(std::filesystem::path(path).filename().string(), kShownPathBytes) +
           " already exists. Replace it?";
}

std::optional<std::string> ChooseSavedGameFile(UiContext& context, ChooserMode mode) {
    if (mode == ChooserMode::Save) {
        // No to replacing a file offers the chooser again, for another name.
        for (;;) {
            const auto path = Chosen(context.chooser.ChooseSave());
            if (!path || MayReplace(context, *path)) return path;
        }
    }
    for (;;) {
        if (auto path = Chosen(context.chooser.ChooseOpen())) return path;
        if (!context.prompter.AskYesNo(kNotLoadedQuestion, kCaption)) return std::nullopt;
    }
}

bool LoadGameCommand(UiContext& context) {
    const auto path = ChooseSavedGameFile(context, ChooserMode::Open);
    // Giving up is the user's choice, not a failure to report.
    if (!path) return false;
    const Status loaded = LoadSavedGame(context.session, *path, RealisticSource(context));
    if (loaded.ok()) return true;
    // The first line is the message it always was; the second says which file and why.
    context.prompter.Inform(std::string(kLoadFailedMessage) + "\n" +
                                ShownValue(*path, kShownPathBytes) + ": " + loaded.message(),
                            kErrorCaption);
    return false;
}

bool SaveGameCommand(UiContext& context) {
    const auto path = ChooseSavedGameFile(context, ChooserMode::Save);
    if (!path) return false;
    const Status written = WriteSavedGame(context.session.game, *path);
    if (written.ok()) return true;
    context.prompter.Inform(std::string(kSaveFailedMessage) + "\n" + written.message(),
                            kErrorCaption);
    return false;
}

}  // namespace velmoro
