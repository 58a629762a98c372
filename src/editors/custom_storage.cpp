// Saving the custom team list to CustomDB.
#include "editors/custom_storage.h"

#include <string>

#include "db/captions.h"
#include "db/records.h"
#include "editors/editor_base.h"
#include "platform/prompter.h"

namespace velmoro {

namespace {

// The name is inserted as it stands: a '%' in it is shown, not interpreted.
std::string IncompleteTeamText(const std::string& teamName) {
    return "The team: '" + teamName +
           "' does not contain \neither enough players (9) or does not contain a \n"
           "player for each position.  Remember, you need 3 \noutfielders.\n\n"
           "Until a team is complete it will not be displayed\nas a valid team selection.";
}

std::string WriteFailedText(const std::string& error) {
    return "The custom teams could not be saved:\n" + error +
           "\n\nThe file was not changed; your teams are still as you edited them.";
}

}  // namespace

bool SaveCustomTeams(const TeamDatabase& db, const std::filesystem::path& directory,
                     Prompter& prompter) {
    // A CustomDB that did not load whole is kept aside before it is written over:
    // its teams are not in the list, and the user may want them back.
    if (!SaveEditedTeams(db.customTeams, kCustomEditorRules, directory, prompter, WriteFailedText))
        return false;
    for (const auto& team : db.customTeams) {
        if (!IsTeamPlayable(team.get())) {
            prompter.Inform(IncompleteTeamText(team->name), kCaption);
        }
    }
    return true;
}

}  // namespace velmoro
