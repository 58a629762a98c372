// The custom team editor's rules over the team lists: what its lists hold, what each
// command does to the custom teams, and the messages it shows. The window only
// mirrors this object and forwards the user's choices to it.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "db/records.h"
#include "editors/db_change_fields.h"
#include "editors/db_change_list.h"
#include "editors/editor_base.h"

namespace velmoro {

inline constexpr const char* kCustomFrameCaption = "Custom Team";
inline constexpr const char* kShortSearchMessage =
    "Please enter at least 4 characters for the player search";
inline constexpr const char* kNoMatchMessage = "No match was found for this player";
inline constexpr const char* kSelectTeamToDeleteMessage =
    "Team must be selected before it can be deleted";
inline constexpr const char* kCreateTeamFirstMessage =
    "A Custom Team must first be created before players can be added.";
inline constexpr const char* kPlayerOnTeamMessage = "This player already exists on the team";
inline constexpr const char* kSelectPlayerToDeleteMessage =
    "A Custom Team Player must be selected to delete";
inline constexpr const char* kSaveChangesQuestion = "Do you want to save your changes?";

// Longest search text the "Search for Player" field takes.
inline constexpr std::size_t kSearchTextLimit = 98;
inline constexpr int kMinimumSearchLength = 4;

// The player card: caption, the numbers as "%d" texts and the position boxes.
struct PlayerCard {
    std::string caption;
    BattingFields batting;
    PitchingFields pitching;
    std::uint8_t positions = 0;
};

// Bits of "Position Counts" in the order the window shows them: Pitcher, Catcher,
// First, Second, Shortstop, Third, Outfield.
inline constexpr std::array<std::uint8_t, 7> kCountedPositions = {
    Pitcher, Catcher, FirstBase, SecondBase, Shortstop, ThirdBase, Outfield};
using PositionCounts = std::array<int, 7>;

PositionCounts CountPositions(const TeamRecord& team);

class CustomTeamEditor : public TeamEditor {
  public:
    CustomTeamEditor(TeamDatabase& db, Prompter& prompter, std::filesystem::path directory)
        : TeamEditor(db, prompter, std::move(directory)) {}

    void Open();

    // "Find Player" group.
    void SelectYear(int row);
    void SelectClub(int row);
    void SelectSourcePlayer(int row);
    void SearchPlayer(std::string_view text);
    void AllTeams();

    // "Select Custom Team" group.
    void NewTeam(const std::string& name);
    void RenameTeam(const std::string& name);
    void DeleteTeam();
    void SelectCustomTeam(int row);

    // "Custom Team" group.
    void SelectCustomPlayer(int row);
    void AddPlayer();
    void DeletePlayer();
    void Save();
    // Also closing the window and Escape; asks about unsaved changes.
    void Done();

    NameList years, clubs, sourcePlayers, selector, customPlayers;
    PlayerCard card;
    std::string customFrameCaption = kCustomFrameCaption;
    PositionCounts positionCounts{};

    TeamRecord* currentCustomTeam = nullptr;
    // The legend team the club list chose, and its player the source list chose.
    TeamRecord* sourceTeam = nullptr;
    PlayerRecord* selectedSourcePlayer = nullptr;
    bool customTeamsChanged = false;
    bool playerSearchActive = false;
    std::string searchText;

  private:
    void ShowPlayerCard(const PlayerRecord& player);
    void ShowPositionCounts();
};

}  // namespace velmoro
