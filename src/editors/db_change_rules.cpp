#include "editors/db_change_rules.h"

#include <algorithm>

#include <fmt/format.h>

#include "db/captions.h"
#include "db/install_dir.h"
#include "db/team_files.h"
#include "platform/prompter.h"

namespace velmoro {

namespace {

std::string FormTeamName(const NameList& years, const NameList& clubs) {
    return years.SelectedText() + " " + clubs.SelectedText();
}

void FillClubs(const TeamList& teams, const std::string& year, NameList& clubs) {
    clubs.Clear();
    for (const auto& team : teams) {
        if (TeamYear(team->name) == year) clubs.Insert(TeamClubName(team->name));
    }
}

template <typename List, typename Record>
typename List::iterator FindRecord(List& list, const Record* record) {
    return std::find_if(list.begin(), list.end(),
                        [&](const auto& entry) { return entry.get() == record; });
}

std::string SaveFailedText(const std::string& error) {
    return "The database could not be saved:\n" + error + "\n\nThe file was not changed.";
}

std::string DropQuestion(std::size_t dropped) {
    if (dropped == 1) return "1 player does not qualify and will not be written. Save anyway?";
    return fmt::format("{} players do not qualify and will not be written. Save anyway?", dropped);
}

}  // namespace

DatabaseChange::DatabaseChange(TeamDatabase& db, Prompter& prompter,
                               std::filesystem::path directory)
    : db_(db), prompter_(prompter), directory_(std::move(directory)) {}

void DatabaseChange::Tell(const char* text) {
    prompter_.Inform(text, kCaption);
}

void DatabaseChange::Open() {
    FillYears();
    SelectSourceYear(0);
    SelectDestinationYear(0);
}

void DatabaseChange::FillYears() {
    sourceYears.Clear();
    destinationYears.Clear();
    for (const auto& team : db_.legendTeams) {
        const std::string year = TeamYear(team->name);
        if (year.empty()) continue;
        sourceYears.InsertUnique(year);
        destinationYears.InsertUnique(year);
    }
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
    sourceTeam_ = FindTeam(db_, db_.legendTeams, FormTeamName(sourceYears, sourceClubs));
    ShowSourceTeam();
}

void DatabaseChange::ShowSourceTeam() {
    players.Clear();
    selectedPlayer_ = nullptr;
    if (sourceTeam_) {
        for (const auto& player : sourceTeam_->players)
            players.Insert(player->name);
        fields.teamName = sourceTeam_->name;
    }
    if (!players.Empty()) SelectPlayer(0);
    fields.playerName = selectedPlayer_ ? selectedPlayer_->name : std::string();
}

void DatabaseChange::SelectPlayer(int row) {
    players.Select(row);
    if (!players.HasSelection()) return;
    selectedPlayer_ = FindPlayer(sourceTeam_, players.SelectedText());
    db_.currentPlayer = selectedPlayer_;
    if (selectedPlayer_) ShowPlayer(*selectedPlayer_);
}

void DatabaseChange::ShowPlayer(const PlayerRecord& player) {
    fields.playerName = player.name;
    fields.batting = BattingFieldTexts(player);
    fields.pitching = PitchingFieldTexts(player);
    fields.positions = player.positions & 0x7F;
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
    fields.teamName = FormTeamName(destinationYears, destinationClubs);
    fields.playerName = selectedPlayer_ ? selectedPlayer_->name : std::string();
}

void DatabaseChange::NewTeam() {
    if (fields.teamName.empty()) {
        Tell(kDbEmptyTeamNameMessage);
        return;
    }
    if (LookupTeam(db_.legendTeams, fields.teamName)) {
        Tell(kDbTeamExistsMessage);
        return;
    }
    AddTeam(db_.legendTeams, fields.teamName);
}

void DatabaseChange::DeleteTeam() {
    TeamRecord* team = LookupTeam(db_.legendTeams, fields.teamName);
    if (!team) {
        Tell(kDbNoSuchTeamMessage);
        return;
    }
    ForgetTeam(team);
    db_.legendTeams.erase(FindRecord(db_.legendTeams, team));
}

// Nothing the window or the shared cursors hold may name a released team.
void DatabaseChange::ForgetTeam(const TeamRecord* team) {
    if (db_.currentTeam == team) db_.currentTeam = nullptr;
    for (const auto& player : team->players) {
        if (db_.currentPlayer == player.get()) db_.currentPlayer = nullptr;
    }
    if (sourceTeam_ == team) {
        sourceTeam_ = nullptr;
        selectedPlayer_ = nullptr;
        players.Clear();
    }
}

void DatabaseChange::NewPlayer() {
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
    ReadBattingFields(fields.batting, *player);
    player->positions = fields.positions;
    // Without "Pitcher" an earlier pitching line stays in memory; the file no longer
    // carries it.
    if (fields.positions & Pitcher)
        player->pitching = std::make_unique<PitchingLine>(ReadPitchingFields(fields.pitching));
    ShowSourceTeam();
}

PlayerRecord* DatabaseChange::SelectedOnSource() const {
    if (!sourceTeam_ || !selectedPlayer_) return nullptr;
    auto& list = sourceTeam_->players;
    return FindRecord(list, selectedPlayer_) == list.end() ? nullptr : selectedPlayer_;
}

void DatabaseChange::MovePlayer() {
    TeamRecord* source = LookupTeam(db_.legendTeams, FormTeamName(sourceYears, sourceClubs));
    TeamRecord* destination =
        LookupTeam(db_.legendTeams, FormTeamName(destinationYears, destinationClubs));
    PlayerRecord* player = SelectedOnSource();
    if (!player || source != sourceTeam_) {
        Tell(kDbNoPlayerSelectedMessage);
        return;
    }
    if (!destination) {
        Tell(kDbNoSuchTeamMessage);
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
        Tell(kDbNoPlayerSelectedMessage);
        return;
    }
    if (db_.currentPlayer == player) db_.currentPlayer = nullptr;
    sourceTeam_->players.erase(FindRecord(sourceTeam_->players, player));
    players.Remove(players.Selected());
    selectedPlayer_ = nullptr;
}

bool DatabaseChange::Save() {
    // The file keeps only qualifying players; the others would be gone after the next
    // load, so the user decides before any is dropped.
    const std::size_t dropped = UnqualifiedPlayerCount(db_.legendTeams);
    if (dropped > 0 && !prompter_.AskYesNo(DropQuestion(dropped), kCaption)) return false;
    const std::filesystem::path file = DataFileToWrite(directory_, kLegendFileName);
    std::string error;
    std::filesystem::path kept;
    const bool written = SaveTeamDatabase(db_.legendTeams, file, /*filter=*/true, &kept, &error);
    if (!kept.empty()) prompter_.Inform(KeptDamagedMessage(file, kept), kCaption);
    if (written) return true;
    prompter_.Inform(SaveFailedText(error), kErrorCaption);
    return false;
}

}  // namespace velmoro
