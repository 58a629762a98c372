// What the two team editors (the custom team editor and the database change window)
// share: the messages both show, the year, club and player lists they fill from the
// team database, and how they save. Where their rules differ, EditorRules says so.
#pragma once

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>

#include "db/records.h"
#include "db/team_files.h"
#include "editors/db_change_list.h"

namespace velmoro {

class Prompter;

inline constexpr const char* kTeamExistsMessage =
    "The team already exists.  Please choose a unique name.";
inline constexpr const char* kNoSuchTeamMessage =
    "The team does not exist.  Please choose a valid team name.";
inline constexpr const char* kNoPlayerSelectedMessage = "No player has been selected";
// A team without a name could never be chosen again, so none is made.
inline constexpr const char* kEmptyTeamNameMessage = "Please enter a name for the team.";

// The rules in which the two editors differ.
struct EditorRules {
    // The file the edited list is saved to.
    const char* fileName;
    // The position bits a player's card shows.
    std::uint8_t shownPositions;
};

// The custom team editor copies players from LegendDB into teams of its own and keeps
// every player the user chose: a player of few games dropped on save could leave a
// team incomplete. Its card shows the whole position byte.
inline constexpr EditorRules kCustomEditorRules{kCustomFileName, 0xFF};
// The database change window edits LegendDB in place, and LegendDB keeps only the
// qualifying players (PlanLegendSave). Its check boxes cover the seven positions.
inline constexpr EditorRules kDatabaseChangeRules{kLegendFileName, 0x7F};

// "YEAR CLUB" from the selected entries of the two lists.
std::string SelectedTeamName(const NameList& years, const NameList& clubs);

// Every year a team of the list is named with, once each.
void FillYears(const TeamList& teams, NameList& years);

// The clubs of the teams of `year`, each only when `keep(team)` is true.
template <typename Keep>
void FillClubs(const TeamList& teams, const std::string& year, NameList& clubs, Keep keep) {
    clubs.Clear();
    for (const auto& team : teams) {
        if (keep(*team) && TeamYear(team->name) == year) clubs.Insert(TeamClubName(team->name));
    }
}

inline void FillClubs(const TeamList& teams, const std::string& year, NameList& clubs) {
    FillClubs(teams, year, clubs, [](const TeamRecord&) { return true; });
}

// The names of the team's players; none when there is no team.
void FillPlayers(const TeamRecord* team, NameList& players);

// Where the list holds `record`, or its end.
template <typename List, typename Record>
typename List::iterator FindRecord(List& list, const Record* record) {
    return std::find_if(list.begin(), list.end(),
                        [&](const auto& entry) { return entry.get() == record; });
}

// Writes `teams`, every player, to the editor's file in `directory`. A file that did
// not read whole is kept aside first and the user is told where; a write that fails is
// told with `failedText(reason)`. False when nothing was written.
bool SaveEditedTeams(const TeamList& teams, const EditorRules& rules,
                     const std::filesystem::path& directory, Prompter& prompter,
                     std::string (*failedText)(const std::string& reason));

// The state both editors keep: the database, the message boxes and the data directory.
class TeamEditor {
  protected:
    TeamEditor(TeamDatabase& db, Prompter& prompter, std::filesystem::path directory)
        : db_(db), prompter_(prompter), directory_(std::move(directory)) {}

    // A message box with the program's caption.
    void Tell(const char* text);

    TeamDatabase& db_;
    Prompter& prompter_;
    std::filesystem::path directory_;
};

}  // namespace velmoro
