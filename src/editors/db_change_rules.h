// The database change window's rules over `legendTeams`: the source and destination
// lists, the fields, and what its buttons do. The window mirrors this object.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "db/records.h"
#include "editors/db_change_fields.h"
#include "editors/db_change_list.h"
#include "editors/editor_base.h"

namespace velmoro {

inline constexpr const char* kCreateTeamQuestion =
    "The team specified does not exist do you want to create it?";
inline constexpr const char* kNeedTeamNameMessage =
    "Please specify a valid team name before adding a new player";
inline constexpr const char* kPlayerOnDestinationMessage =
    "Player already exists on destination team";

// The window's text fields and check boxes (`positions` holds the ticked bits).
struct DbChangeFields {
    std::string teamName;
    std::string playerName;
    BattingFields batting;
    PitchingFields pitching;
    std::uint8_t positions = 0;
};

// The check boxes in window order: Pitcher, Catcher, First, Second, Third, Short,
// Outfield.
inline constexpr std::uint8_t kDbChangeCheckBits[7] = {Pitcher,   Catcher,   FirstBase, SecondBase,
                                                       ThirdBase, Shortstop, Outfield};

class DatabaseChange : public TeamEditor {
  public:
    DatabaseChange(TeamDatabase& db, Prompter& prompter, std::filesystem::path directory)
        : TeamEditor(db, prompter, std::move(directory)) {}

    void Open();
    void SelectSourceYear(int row);
    void SelectSourceClub(int row);
    void SelectPlayer(int row);
    void SelectDestinationYear(int row);
    void SelectDestinationClub(int row);

    void NewTeam();
    void DeleteTeam();
    // Adds the player named in the fields, or updates the one of that name.
    void NewPlayer();
    void MovePlayer();
    void DeletePlayer();
    // LegendDB as PlanLegendSave has it, after asking when that leaves players or
    // teams out; false when the user said No or (after telling the user) the file
    // could not be written.
    bool Save();

    TeamRecord* SourceTeam() const { return sourceTeam_; }
    PlayerRecord* SelectedPlayer() const { return selectedPlayer_; }

    NameList sourceYears, sourceClubs, players, destinationYears, destinationClubs;
    DbChangeFields fields;

  private:
    void ShowSourceTeam();
    void ShowPlayer(const PlayerRecord& player);
    void ForgetTeam(const TeamRecord* team);
    // The selected player when he is still on the source team, else none.
    PlayerRecord* SelectedOnSource() const;

    TeamRecord* sourceTeam_ = nullptr;
    PlayerRecord* selectedPlayer_ = nullptr;
};

}  // namespace velmoro
