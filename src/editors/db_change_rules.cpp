#include "editors/db_change_rules.h"

#include "db/captions.h"
#include "db/team_files.h"
#include "editors/db_change_save.h"
#include "platform/prompter.h"

namespace velmoro {

namespace {

std::string SaveFailedText(const std::string& error) {
    return "The database could not be saved:\n" + error + "\n\nThe file was not changed.";
}

}  // namespace

void DatabaseChange::Open() {
    FillYears(db_.legendTeams, sourceYears);
    FillYears(db_.legendTeams, destinationYears);
    SelectSourceYear(0);
    SelectDestinationYear(0);
}

void DatabaseChange::SelectSourceYear(int row) {
    sourceYears.Select(row);
    if (!sourceYears.HasSelection()) return;
    FillClubs(db_.legendTeams, sourceYears.SelectedText(), sourceClubs);
    SelectSourceClub(0);
}

void DatabaseChange::SelectSourceClub(int row) {
    sourceClubs.Select(row);
    if (!sourceClubs.HasSelection()) return;
    sourceTeam_ = LookupTeam(db_.legendTeams, SelectedTeamName(sourceYears, sourceClubs));
    ShowSourceTeam();
}

void DatabaseChange::ShowSourceTeam() {
    FillPlayers(sourceTeam_, players);
    selectedPlayer_ = nullptr;
    if (sourceTeam_) fields.teamName = sourceTeam_->name;
    if (!players.Empty()) SelectPlayer(0);
    fields.playerName = selectedPlayer_ ? selectedPlayer_->name : std::string();
}

void DatabaseChange::SelectPlayer(int row) {
    players.Select(row);
    if (!players.HasSelection()) return;
    selectedPlayer_ = FindPlayer(sourceTeam_, players.SelectedText());
    if (selectedPlayer_) ShowPlayer(*selectedPlayer_);
}

void DatabaseChange::ShowPlayer(const PlayerRecord& player) {
    fields.playerName = player.name;
    fields.batting = BattingFieldTexts(player);
    fields.pitching = PitchingFieldTexts(player);
    fields.positions = player.positions & kDatabaseChangeRules.shownPositions;
}

void DatabaseChange::SelectDestinationYear(int row) {
    destinationYears.Select(row);
    if (!destinationYears.HasSelection()) return;
    FillClubs(db_.legendTeams, destinationYears.SelectedText(), destinationClubs);
    SelectDestinationClub(0);
}

void DatabaseChange::SelectDestinationClub(int row) {
    destinationClubs.Select(row);
    if (!destinationClubs.HasSelection()) return;
    fields.teamName = SelectedTeamName(destinationYears, destinationClubs);
    fields.playerName = selectedPlayer_ ? selectedPlayer_->name : std::string();
}

void DatabaseChange::NewTeam() {
    if (fields.teamName.empty()) {
        Tell(kEmptyTeamNameMessage);
        return;
    }
    if (LookupTeam(db_.legendTeams, fields.teamName)) {
        Tell(kTeamExistsMessage);
        return;
    }
    AddTeam(db_.legendTeams, fields.teamName);
}

void DatabaseChange::DeleteTeam() {
    TeamRecord* team = LookupTeam(db_.legendTeams, fields.teamName);
    if (!team) {
        Tell(kNoSuchTeamMessage);
        return;
    }
    ForgetTeam(team);
    db_.legendTeams.erase(FindRecord(db_.legendTeams, team));
}

// Nothing the window holds may name a released team.
void DatabaseChange::ForgetTeam(const TeamRecord* team) {
    if (sourceTeam_ == team) {
        sourceTeam_ = nullptr;
        selectedPlayer_ = nullptr;
        players.Clear();
    }
}

void DatabaseChange::NewPlayer() {
    // Numbers a field cannot hold are refused before anything is asked or changed.
    PlayerRecord numbers;
    PitchingLine pitching;
    Status read = ReadBattingFields(fields.batting, numbers);
    if (read && (fields.positions & Pitcher)) read = ReadPitchingFields(fields.pitching, pitching);
    if (!read) {
        prompter_.Inform(read.message(), kCaption);
        return;
    }
    TeamRecord* team = LookupTeam(db_.legendTeams, fields.teamName);
    if (!team) {
        // A nameless team could never be listed, so an empty name is no team to create.
        if (fields.teamName.empty() || !prompter_.AskYesNo(kCreateTeamQuestion, kCaption)) {
            Tell(kNeedTeamNameMessage);
            return;
        }
        team = &AddTeam(db_.legendTeams, fields.teamName);
    }
    PlayerRecord* player = FindPlayer(team, fields.playerName);
    if (!player) player = &team->AddPlayer(PlayerRecord(fields.playerName));
    numbers.name = player->name;
    numbers.pitching = std::move(player->pitching);
    *player = std::move(numbers);
    player->positions = fields.positions;
    // Without "Pitcher" an earlier pitching line stays in memory; the file no longer
    // carries it.
    if (fields.positions & Pitcher) player->pitching = std::make_unique<PitchingLine>(pitching);
    ShowSourceTeam();
}

PlayerRecord* DatabaseChange::SelectedOnSource() const {
    if (!sourceTeam_ || !selectedPlayer_) return nullptr;
    auto& list = sourceTeam_->players;
    return FindRecord(list, selectedPlayer_) == list.end() ? nullptr : selectedPlayer_;
}

void DatabaseChange::MovePlayer() {
    TeamRecord* source = LookupTeam(db_.legendTeams, SelectedTeamName(sourceYears, sourceClubs));
    TeamRecord* destination =
        LookupTeam(db_.legendTeams, SelectedTeamName(destinationYears, destinationClubs));
    PlayerRecord* player = SelectedOnSource();
    if (!player || source != sourceTeam_) {
        Tell(kNoPlayerSelectedMessage);
        return;
    }
    if (!destination) {
        Tell(kNoSuchTeamMessage);
        return;
    }
    if (FindPlayer(destination, player->name)) {
        Tell(kPlayerOnDestinationMessage);
        return;
    }
    auto at = FindRecord(source->players, player);
    destination->players.push_back(std::move(*at));
    source->players.erase(at);
    // He is no longer on the source team, so its list no longer offers him.
    players.Remove(players.Selected());
    selectedPlayer_ = nullptr;
}

void DatabaseChange::DeletePlayer() {
    PlayerRecord* player = SelectedOnSource();
    if (!player) {
        Tell(kNoPlayerSelectedMessage);
        return;
    }
    sourceTeam_->players.erase(FindRecord(sourceTeam_->players, player));
    players.Remove(players.Selected());
    selectedPlayer_ = nullptr;
}

bool DatabaseChange::Save() {
    // The file keeps only qualifying players; what it leaves out would be gone after the
    // next load, so the user decides before anything is dropped.
    const LegendSavePlan plan = PlanLegendSave(db_.legendTeams);
    const std::string question = LegendSaveQuestion(plan);
    if (!question.empty() && !prompter_.AskYesNo(question, kCaption)) return false;
    return SaveEditedTeams(plan.teams, kDatabaseChangeRules, directory_, prompter_, SaveFailedText);
}

}  // namespace velmoro
