#include "import/lahman_names.h"

#include <array>
#include <map>
#include <string>

namespace velmoro {
namespace {

// First words of the nicknames made of two words.
constexpr std::array<std::string_view, 14> kTwoWordStarts = {
    "Red",    "White", "Blue",   "Brown",   "Dark",   "Devil",    "Ruby",
    "Forest", "Elm",   "Outlaw", "Kelly's", "Ward's", "Mountain", "Colt",
};

std::string_view Trim(std::string_view s) {
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

std::string_view LastWord(std::string_view s) {
    std::size_t blank = s.rfind(' ');
    return blank == std::string_view::npos ? s : s.substr(blank + 1);
}

// Gives `names[i]` a suffix for every group of equal names, by `suffix(i)`.
template <class Suffix>
void Distinguish(std::vector<std::string>& names, Suffix suffix) {
    std::map<std::string, std::vector<std::size_t>> groups;
    for (std::size_t i = 0; i < names.size(); ++i)
        groups[names[i]].push_back(i);
    for (auto& [name, members] : groups) {
        if (members.size() < 2) continue;
        for (std::size_t n = 0; n < members.size(); ++n)
            names[members[n]] = name + suffix(members[n], n);
    }
}

}  // namespace

std::string ClubNickname(std::string_view fullName) {
    std::string_view name = Trim(fullName);
    if (std::size_t paren = name.find(" ("); paren != std::string_view::npos)
        name = Trim(name.substr(0, paren));
    if (std::size_t of = name.find(" of "); of != std::string_view::npos) name = name.substr(0, of);
    std::string_view last = LastWord(name);
    std::string_view before = Trim(name.substr(0, name.size() - last.size()));
    std::string_view previous = LastWord(before);
    for (std::string_view start : kTwoWordStarts)
        if (!before.empty() && previous == start)
            return std::string(previous) + " " + std::string(last);
    return std::string(last);
}

std::string ClubCity(std::string_view fullName) {
    std::string_view name = Trim(fullName);
    std::string nickname = ClubNickname(name);
    std::size_t at = name.find(nickname);
    return std::string(
        Trim(at == std::string_view::npos ? std::string_view() : name.substr(0, at)));
}

std::vector<std::string> UniqueTeamNames(const std::vector<SeasonClub>& clubs) {
    std::vector<std::string> names;
    for (const SeasonClub& c : clubs)
        names.push_back(std::to_string(c.year) + " " + c.nickname);
    std::vector<std::string> plain = names;
    Distinguish(names, [&](std::size_t i, std::size_t) { return " (" + clubs[i].league + ")"; });
    // Where the league did not separate them, the city does, or else the team code.
    for (auto part : {&SeasonClub::city, &SeasonClub::teamId}) {
        std::map<std::string, int> count;
        for (const std::string& n : names)
            ++count[n];
        for (std::size_t i = 0; i < names.size(); ++i)
            if (count[names[i]] > 1 && !(clubs[i].*part).empty())
                names[i] = plain[i] + " (" + clubs[i].*part + ")";
    }
    return names;
}

std::vector<std::string> UniquePlayerNames(const std::vector<PersonName>& people) {
    std::vector<std::string> names;
    for (const PersonName& p : people) {
        std::string name = p.first;
        if (!name.empty() && !p.last.empty()) name += ' ';
        name += p.last;
        names.push_back(name.empty() ? p.playerId : name);
    }
    Distinguish(names, [&](std::size_t i, std::size_t) {
        return people[i].birthYear > 0 ? " (" + std::to_string(people[i].birthYear) + ")" : "";
    });
    Distinguish(names, [](std::size_t, std::size_t n) { return " #" + std::to_string(n + 1); });
    return names;
}

}  // namespace velmoro
