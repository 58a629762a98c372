// Names of the Lahman import: club nicknames, unique team names, player names.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmoro {

// "Yankees" of "New York Yankees", "Red Sox" of "Boston Red Sox", "Angels" of "Los
// Angeles Angels of Anaheim", "Colt .45's" of "Houston Colt .45's".
std::string ClubNickname(std::string_view fullName);

// What comes before the nickname: "Boston" of "Boston Red Sox".
std::string ClubCity(std::string_view fullName);

struct SeasonClub {
    int year = 0;
    std::string nickname;
    std::string league;
    std::string teamId;
    std::string city;  // "St. Louis" of "St. Louis Red Stockings"
};

// "YEAR Nickname" for each club; clubs of one season sharing a nickname get their
// league in parentheses ("1884 Nationals (AA)"), and when even that is shared, their
// city ("1875 Red Stockings (Boston)"), or else their team code.
std::vector<std::string> UniqueTeamNames(const std::vector<SeasonClub>& clubs);

struct PersonName {
    std::string first;
    std::string last;
    int birthYear = 0;
    std::string playerId;
};

// "First Last" for each player of one team; players whose names are the same get
// their year of birth in parentheses ("Bob Smith (1902)"), and when that does not
// tell them apart either, "#2", "#3" ... in their order.
std::vector<std::string> UniquePlayerNames(const std::vector<PersonName>& people);

}  // namespace velmoro
