#include "editors/editor_base.h"

#include "db/captions.h"
#include "db/install_dir.h"
#include "db/team_files.h"
#include "platform/prompter.h"

namespace velmoro {

std::string SelectedTeamName(const NameList& years, const NameList& clubs) {
    return years.SelectedText() + " " + clubs.SelectedText();
}

void FillYears(const TeamList& teams, NameList& years) {
    years.Clear();
    for (const auto& team : teams) {
        const std::string year = TeamYear(team->name);
        if (!year.empty()) years.InsertUnique(year);
    }
}

void FillPlayers(const TeamRecord* team, NameList& players) {
    players.Clear();
    if (!team) return;
    for (const auto& player : team->players)
        players.Insert(player->name);
}

bool SaveEditedTeams(const TeamList& teams, const EditorRules& rules,
                     const std::filesystem::path& directory, Prompter& prompter,
                     std::string (*failedText)(const std::string& reason)) {
    const std::filesystem::path file = DataFileToWrite(directory, rules.fileName);
    std::string error;
    std::filesystem::path kept;
    const bool written = SaveTeamDatabase(teams, file, false, &kept, &error);
    if (!kept.empty()) prompter.Inform(KeptDamagedMessage(file, kept), kCaption);
    if (!written) prompter.Inform(failedText(error), kErrorCaption);
    return written;
}

void TeamEditor::Tell(const char* text) {
    prompter_.Inform(text, kCaption);
}

}  // namespace velmoro
