#include "ui/saved_game_commands.h"

#include "db/captions.h"
#include "engine/message_text.h"
#include "saves/saved_game.h"
#include "ui/ui_context.h"

namespace velmoro {

std::optional<std::string> ChooseSavedGameFile(UiContext& context, ChooserMode mode) {
    const bool opening = mode == ChooserMode::Open;
    for (;;) {
        auto path = opening ? context.chooser.ChooseOpen() : context.chooser.ChooseSave();
        if (path && !path->empty()) return path;
        if (!context.prompter.AskYesNo(opening ? kNotLoadedQuestion : kNotSavedQuestion, kCaption))
            return std::nullopt;
    }
}

bool LoadGameCommand(UiContext& context) {
    const auto path = ChooseSavedGameFile(context, ChooserMode::Open);
    std::string reason;
    if (path && LoadSavedGame(context.session, *path, &reason)) return true;
    // The first line is the message it always was; the second says which file and why.
    std::string message = kLoadFailedMessage;
    if (path) message += "\n" + ShownValue(*path, kShownPathBytes) + ": " + reason;
    context.prompter.Inform(message, kErrorCaption);
    return false;
}

void SaveGameCommand(UiContext& context) {
    const auto path = ChooseSavedGameFile(context, ChooserMode::Save);
    if (!path) return;
    std::string error;
    if (!WriteSavedGame(context.session.game, *path, &error))
        context.prompter.Inform(std::string(kSaveFailedMessage) + "\n" + error, kErrorCaption);
}

}  // namespace velmoro
