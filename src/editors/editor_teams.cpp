// The editor's custom team side: team and player commands, saving and closing.
#include "db/captions.h"
#include "db/team_files.h"
#include "editors/custom_storage.h"
#include "editors/editor_state.h"
#include "platform/prompter.h"

namespace velmoro {

void CustomTeamEditor::ShowPositionCounts() {
    if (currentCustomTeam) positionCounts = CountPositions(*currentCustomTeam);
}

void CustomTeamEditor::NewTeam(const std::string& name) {
    const std::string teamName = name.substr(0, kMaxNameBytes);
    if (teamName.empty()) {
        Tell(kEmptyTeamNameMessage);
        return;
    }
    if (LookupTeam(db_.customTeams, teamName)) {
        Tell(kTeamExistsMessage);
        return;
    }
    currentCustomTeam = &AddTeam(db_.customTeams, teamName);
    customTeamsChanged = true;
    selector.Insert(teamName);
    SelectCustomTeam(selector.IndexOf(teamName));
}

void CustomTeamEditor::RenameTeam(const std::string& name) {
    if (!currentCustomTeam) return;
    const std::string teamName = name.substr(0, kMaxNameBytes);
    if (teamName.empty()) {
        Tell(kEmptyTeamNameMessage);
        return;
    }
    currentCustomTeam->name = teamName;
    customTeamsChanged = true;
    customFrameCaption = teamName;
    // The selector shows the new name at once, so choosing the team again finds it.
    if (selector.HasSelection()) selector.Remove(selector.Selected());
    selector.Select(selector.Insert(teamName));
}

void CustomTeamEditor::DeleteTeam() {
    if (!selector.HasSelection()) {
        Tell(kSelectTeamToDeleteMessage);
        return;
    }
    const int entry = selector.Selected();
    TeamRecord* team = LookupTeam(db_.customTeams, selector.SelectedText());
    if (!team) {
        Tell(kNoSuchTeamMessage);
        return;
    }
    if (currentCustomTeam == team) currentCustomTeam = nullptr;
    db_.customTeams.erase(FindRecord(db_.customTeams, team));
    customTeamsChanged = true;
    selector.Remove(entry);
    if (entry == 0) {
        selector.Select(-1);
        customFrameCaption = kCustomFrameCaption;
        customPlayers.Clear();
        currentCustomTeam = nullptr;
        return;
    }
    SelectCustomTeam(entry - 1);
}

void CustomTeamEditor::SelectCustomTeam(int row) {
    selector.Select(row);
    if (!selector.HasSelection()) return;
    const std::string name = selector.SelectedText();
    customFrameCaption = name;
    currentCustomTeam = LookupTeam(db_.customTeams, name);
    if (!currentCustomTeam) {
        Tell(kNoSuchTeamMessage);
        return;
    }
    FillPlayers(currentCustomTeam, customPlayers);
    ShowPositionCounts();
}

void CustomTeamEditor::SelectCustomPlayer(int row) {
    customPlayers.Select(row);
    if (!customPlayers.HasSelection()) return;
    const std::string name = customPlayers.SelectedText();
    card.caption = name;
    sourcePlayers.Select(-1);
    if (const PlayerRecord* player = FindPlayer(currentCustomTeam, name)) ShowPlayerCard(*player);
}

void CustomTeamEditor::AddPlayer() {
    if (!sourcePlayers.HasSelection() || !selectedSourcePlayer) {
        Tell(kNoPlayerSelectedMessage);
        return;
    }
    if (db_.customTeams.empty() || !currentCustomTeam) {
        Tell(kCreateTeamFirstMessage);
        return;
    }
    if (FindPlayer(currentCustomTeam, sourcePlayers.SelectedText())) {
        Tell(kPlayerOnTeamMessage);
        return;
    }
    // A copy of its own: the database team is never changed by the editor.
    currentCustomTeam->AddPlayer(PlayerRecord(*selectedSourcePlayer));
    customPlayers.Insert(selectedSourcePlayer->name);
    customTeamsChanged = true;
    ShowPositionCounts();
}

void CustomTeamEditor::DeletePlayer() {
    if (!customPlayers.HasSelection()) {
        Tell(kSelectPlayerToDeleteMessage);
        return;
    }
    const int entry = customPlayers.Selected();
    const std::string name = customPlayers.SelectedText();
    customPlayers.Remove(entry);
    if (PlayerRecord* player = FindPlayer(currentCustomTeam, name)) {
        auto& players = currentCustomTeam->players;
        players.erase(FindRecord(players, player));
    }
    customTeamsChanged = true;
    if (entry > 0) customPlayers.Select(entry - 1);
    ShowPositionCounts();
}

void CustomTeamEditor::Save() {
    // A save that failed leaves the changes marked, so "Done" still offers to save.
    if (SaveCustomTeams(db_, directory_, prompter_)) customTeamsChanged = false;
}

void CustomTeamEditor::Done() {
    if (customTeamsChanged && prompter_.AskYesNo(kSaveChangesQuestion, kCaption))
        SaveCustomTeams(db_, directory_, prompter_);
    customTeamsChanged = false;
    playerSearchActive = false;
}

}  // namespace velmoro
