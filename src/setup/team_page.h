// The team page of the new game wizard: what its year and team lists offer, how a
// choice turns back into a team, and what choosing and Next store in the game.
#pragma once

#include <string>
#include <vector>

#include "db/records.h"
#include "engine/side.h"
#include "setup/setup_state.h"

namespace velmoro {

struct Session;

// The year entry that stands for the user's own teams.
inline constexpr const char* kCustomYearEntry = "Custom";

// Shown once as the page opens when custom teams exist but none of them can play.
extern const char* const kNoValidCustomTeamsMessage;
// Shown when Team 1 lists the custom teams and some of them cannot play.
extern const char* const kInvalidCustomTeamsMessage;
// Why Next stays disabled when there is no team to choose at all.
extern const char* const kNoTeamsNote;

// Sorted without regard to case; equal texts keep their order.
void SortEntries(std::vector<std::string>& entries);

// Each distinct year of `legendTeams` once, earliest first, with "Custom" on top when
// some custom team can play.
std::vector<std::string> YearEntries(const TeamDatabase& db);

// The page's opening notice: the "No valid custom teams" message when custom teams
// exist but none can play, else empty.
std::string OpeningNotice(const TeamDatabase& db);

struct TeamEntries {
    std::vector<std::string> names;  // sorted as the list shows them
    int unplayable = 0;              // custom teams left out because they cannot play
};

// The Team list of a year entry: the playable custom teams under "Custom", the clubs
// of that year otherwise.
TeamEntries TeamEntriesOfYear(const TeamDatabase& db, const std::string& yearText);

// The message a side's Year choice brings up: the "Invalid custom teams" message on
// the visitors' side when custom teams were left out, else empty.
std::string YearChoiceNotice(Side side, const TeamEntries& entries);

// The team a side's Year and Team texts name ("Cust..." the custom list, otherwise
// "year club" in `legendTeams`); the first of equal names wins. None when not found.
TeamRecord* ResolveTeamChoice(const TeamDatabase& db, const std::string& yearText,
                              const std::string& clubText);

// A Team list choice: the side's team, then the team preparation. No team clears the side's team
// and pitching staff.
void ChooseTeam(Session& session, Side which, TeamRecord* team);

// "Roster": the side's team, without the preparation.
void ChooseRosterTeam(Session& session, Side side, TeamRecord* team);

// Drops every reference the page made (both teams and staffs) before the team
// lists change under it, so nothing can name a team that an editor deleted.
void ForgetTeamChoices(Session& session);

// Next: both teams, designatedHitter, the visitors' lineup and defence under set-up,
// the visitors' pitcher page next. False, with nothing changed, without two teams.
bool StoreTeamChoices(Session& session, SetupState& setup, TeamRecord* visitors, TeamRecord* home,
                      bool designatedHitter);

}  // namespace velmoro
