#include "db/records.h"

#include <algorithm>
#include <cctype>

namespace velmoro {

PlayerRecord::PlayerRecord(const PlayerRecord& other)
    : name(other.name),
      atBats(other.atBats),
      battingAvg(other.battingAvg),
      games(other.games),
      runs(other.runs),
      hits(other.hits),
      doubles(other.doubles),
      triples(other.triples),
      homeRuns(other.homeRuns),
      rbi(other.rbi),
      stolenBases(other.stolenBases),
      caughtStealing(other.caughtStealing),
      walks(other.walks),
      strikeouts(other.strikeouts),
      positions(other.positions),
      pitching(other.pitching ? std::make_unique<PitchingLine>(*other.pitching) : nullptr) {}

PlayerRecord& PlayerRecord::operator=(const PlayerRecord& other) {
    if (this != &other) *this = PlayerRecord(other);
    return *this;
}

bool SamePlayer(const PlayerRecord& a, const PlayerRecord& b) {
    const bool samePitching =
        (!a.pitching && !b.pitching) || (a.pitching && b.pitching && *a.pitching == *b.pitching);
    return samePitching && a.name == b.name && a.atBats == b.atBats &&
           a.battingAvg == b.battingAvg && a.games == b.games && a.runs == b.runs &&
           a.hits == b.hits && a.doubles == b.doubles && a.triples == b.triples &&
           a.homeRuns == b.homeRuns && a.rbi == b.rbi && a.stolenBases == b.stolenBases &&
           a.caughtStealing == b.caughtStealing && a.walks == b.walks &&
           a.strikeouts == b.strikeouts && a.positions == b.positions;
}

PlayerRecord& TeamRecord::AddPlayer(PlayerRecord player) {
    players.push_back(std::make_unique<PlayerRecord>(std::move(player)));
    return *players.back();
}

TeamRecord& AddTeam(TeamList& list, std::string name) {
    list.push_back(std::make_unique<TeamRecord>(std::move(name)));
    return *list.back();
}

void CopyPlayers(const TeamRecord& from, TeamRecord& to) {
    for (const auto& player : from.players)
        to.AddPlayer(*player);
}

TeamRecord* LookupTeam(const TeamList& list, std::string_view name) {
    for (const auto& team : list) {
        if (team->name == name) return team.get();
    }
    return nullptr;
}

PlayerRecord* FindPlayer(const TeamRecord* team, std::string_view name) {
    if (!team) return nullptr;
    for (const auto& player : team->players) {
        if (player->name == name) return player.get();
    }
    return nullptr;
}

std::string UpperCase(std::string_view text) {
    std::string upper(text);
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

namespace {
// The search field holds at most 98 characters.
constexpr std::size_t kMaxSearchText = 98;

bool ContainsUpper(std::string_view name, const std::string& upperText) {
    return UpperCase(name).find(upperText) != std::string::npos;
}
}  // namespace

bool FindPlayerByPartialName(const TeamRecord& team, std::string_view text) {
    const std::string upperText = UpperCase(text.substr(0, kMaxSearchText));
    return std::any_of(team.players.begin(), team.players.end(),
                       [&](const auto& player) { return ContainsUpper(player->name, upperText); });
}

int SelectMatchingPlayerItem(const std::vector<std::string>& names, std::string_view text) {
    const std::string upperText = UpperCase(text.substr(0, kMaxSearchText));
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (ContainsUpper(names[i], upperText)) return static_cast<int>(i);
    }
    return -1;
}

std::string TeamYear(std::string_view teamName) {
    return std::string(teamName.substr(0, 4));
}

std::string TeamClubName(std::string_view teamName) {
    return teamName.size() > 5 ? std::string(teamName.substr(5)) : std::string();
}

int EffectiveHits(std::uint8_t storedHits, std::uint16_t atBats) {
    if (storedHits < 10 && atBats > 500) return storedHits + 256;
    return storedHits;
}

int EffectiveHits(const PlayerRecord& player) {
    return EffectiveHits(player.hits, player.atBats);
}

bool IsTeamPlayable(const TeamRecord* team) {
    if (!team) return false;
    int total = 0;
    int counts[7] = {};
    for (const auto& player : team->players) {
        ++total;
        for (int bit = 0; bit < 7; ++bit) {
            if (player->positions & (1 << bit)) ++counts[bit];
        }
    }
    const int outfielders = counts[6];
    const bool everyInfieldPosition = std::all_of(counts, counts + 6, [](int n) { return n >= 1; });
    return total >= 9 && outfielders >= 3 && everyInfieldPosition;
}

bool AnyPlayableCustomTeam(const TeamDatabase& db) {
    return std::any_of(db.customTeams.begin(), db.customTeams.end(),
                       [](const auto& team) { return IsTeamPlayable(team.get()); });
}

}  // namespace velmoro
