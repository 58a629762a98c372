#include "setup/team_page.h"

#include <algorithm>
#include <cctype>

#include "engine/session.h"
#include "setup/batting_order.h"
#include "setup/team_prep.h"

namespace velmoro {

// The blanks before the line breaks are part of both texts.
const char* const kNoValidCustomTeamsMessage =
    "No valid custom teams have been detected.  This \n"
    "is usually because a team has been saved without \n"
    "having at least 9 members and a member for every \n"
    "position.  \n"
    "\n"
    "This can be fixed by clicking the 'Custom Team'\n"
    "button and further editing the missing team.";

const char* const kInvalidCustomTeamsMessage =
    "Invalid custom teams have been detected.  This \n"
    "is usually because a team has been saved without \n"
    "having at least 9 members and a member for every \n"
    "position.\n"
    "\n"
    "This can be fixed by clicking the 'Custom Team' \n"
    "button and further editing the missing team.";

const char* const kNoTeamsNote =
    "There is no team to choose: the team database holds no team and no custom team "
    "can play. Build a custom team with 'Custom Team' to play a game.";

namespace {

bool LessIgnoringCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(
        a.begin(), a.end(), b.begin(), b.end(),
        [](unsigned char x, unsigned char y) { return std::tolower(x) < std::tolower(y); });
}

bool StartsWithCust(const std::string& text) {
    return text.compare(0, 4, "Cust") == 0;
}

}  // namespace

void SortEntries(std::vector<std::string>& entries) {
    std::stable_sort(entries.begin(), entries.end(), LessIgnoringCase);
}

std::vector<std::string> YearEntries(const TeamDatabase& db) {
    std::vector<std::string> years;
    for (const auto& team : db.legendTeams) {
        std::string year = TeamYear(team->name);
        if (!year.empty() && std::find(years.begin(), years.end(), year) == years.end()) {
            years.push_back(std::move(year));
        }
    }
    SortEntries(years);
    if (AnyPlayableCustomTeam(db)) years.insert(years.begin(), kCustomYearEntry);
    return years;
}

std::string OpeningNotice(const TeamDatabase& db) {
    if (!db.customTeams.empty() && !AnyPlayableCustomTeam(db)) return kNoValidCustomTeamsMessage;
    return {};
}

TeamEntries TeamEntriesOfYear(const TeamDatabase& db, const std::string& yearText) {
    TeamEntries entries;
    if (yearText == kCustomYearEntry) {
        for (const auto& team : db.customTeams) {
            if (IsTeamPlayable(team.get())) {
                entries.names.push_back(team->name);
            } else {
                ++entries.unplayable;
            }
        }
    } else {
        for (const auto& team : db.legendTeams) {
            if (TeamYear(team->name) == yearText) entries.names.push_back(TeamClubName(team->name));
        }
    }
    SortEntries(entries.names);
    return entries;
}

std::string YearChoiceNotice(Side side, const TeamEntries& entries) {
    if (side == Side::Visitors && entries.unplayable != 0) return kInvalidCustomTeamsMessage;
    return {};
}

TeamRecord* ResolveTeamChoice(const TeamDatabase& db, const std::string& yearText,
                              const std::string& clubText) {
    if (StartsWithCust(yearText)) return LookupTeam(db.customTeams, clubText);
    return LookupTeam(db.legendTeams, yearText + " " + clubText);
}

void ChooseTeam(Session& session, Side which, TeamRecord* team) {
    GameSide& side = session.game.SideOf(which);
    side.team = team;
    if (team != nullptr) {
        PrepareSide(session, which);
        return;
    }
    side.pitchingStaff.fill(nullptr);
}

void ChooseRosterTeam(Session& session, Side side, TeamRecord* team) {
    session.game.SideOf(side).team = team;
}

void ForgetTeamChoices(Session& session) {
    for (Side which : kBothSides) {
        GameSide& side = session.game.SideOf(which);
        side.team = nullptr;
        side.pitchingStaff.fill(nullptr);
    }
}

bool StoreTeamChoices(Session& session, SetupState& setup, TeamRecord* visitors, TeamRecord* home,
                      bool designatedHitter) {
    if (visitors == nullptr || home == nullptr) return false;
    // A wizard run always starts at the visitors' pitcher page, whatever a cancelled
    // run left behind.
    ResetSetup(setup);
    StartLineupPages(session, visitors, home, designatedHitter);
    return true;
}

}  // namespace velmoro
