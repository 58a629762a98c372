#include "season/season_stats.h"

#include <algorithm>
#include <functional>

namespace velmoro {

namespace {

struct Category {
    const char* title;
    // The value, or nothing when the player does not qualify.
    std::function<bool(const PlayerSeason&, int teamGames, double& value)> measure;
    bool lowFirst = false;
};

template <int BattingTotals::*field>
bool BattingCount(const PlayerSeason& p, int, double& v) {
    return (v = p.batting.*field) > 0;
}

template <int PitchingTotals::*field>
bool PitchingCount(const PlayerSeason& p, int, double& v) {
    return (v = p.pitching.*field) > 0;
}

const std::vector<Category>& Categories() {
    static const std::vector<Category> categories{
        {"AVG",
         [](const PlayerSeason& p, int games, double& v) {
             if (!QualifiesForAverage(p.batting, games)) return false;
             v = static_cast<double>(p.batting.hits) / p.batting.atBats;
             return true;
         }},
        {"HR", BattingCount<&BattingTotals::homeRuns>},
        {"RBI", BattingCount<&BattingTotals::rbi>},
        {"SB", BattingCount<&BattingTotals::stolenBases>},
        {"W", PitchingCount<&PitchingTotals::wins>},
        {"ERA",
         [](const PlayerSeason& p, int games, double& v) {
             if (!QualifiesForEra(p.pitching, games)) return false;
             v = 27.0 * p.pitching.runs / p.pitching.outs;
             return true;
         },
         true},
        {"K", PitchingCount<&PitchingTotals::strikeouts>},
        {"SV", PitchingCount<&PitchingTotals::saves>},
    };
    return categories;
}

}  // namespace

BattingTotals& operator+=(BattingTotals& sum, const BattingTotals& part) {
    sum.games += part.games;
    sum.starts += part.starts;
    sum.plateAppearances += part.plateAppearances;
    sum.atBats += part.atBats;
    sum.runs += part.runs;
    sum.hits += part.hits;
    sum.doubles += part.doubles;
    sum.triples += part.triples;
    sum.homeRuns += part.homeRuns;
    sum.rbi += part.rbi;
    sum.stolenBases += part.stolenBases;
    sum.walks += part.walks;
    sum.strikeouts += part.strikeouts;
    return sum;
}

PitchingTotals& operator+=(PitchingTotals& sum, const PitchingTotals& part) {
    sum.games += part.games;
    sum.starts += part.starts;
    sum.outs += part.outs;
    sum.runs += part.runs;
    sum.hits += part.hits;
    sum.walks += part.walks;
    sum.strikeouts += part.strikeouts;
    sum.wins += part.wins;
    sum.losses += part.losses;
    sum.saves += part.saves;
    return sum;
}

bool QualifiesForAverage(const BattingTotals& batting, int teamGames) {
    return batting.atBats > 0 && batting.atBats + batting.walks >= 3.1 * teamGames;
}

bool QualifiesForEra(const PitchingTotals& pitching, int teamGames) {
    return pitching.outs > 0 && pitching.outs >= 3 * teamGames;
}

std::vector<LeagueLeaders> Leaders(const std::vector<PlayerSeason>& players,
                                   const std::vector<bool>& inLeague,
                                   const std::vector<int>& teamGames, int count) {
    std::vector<LeagueLeaders> tables;
    for (const Category& category : Categories()) {
        LeagueLeaders& table = tables.emplace_back();
        table.title = category.title;
        for (std::size_t p = 0; p < players.size(); ++p) {
            const PlayerSeason& player = players[p];
            double value = 0;
            if (inLeague[player.team] && category.measure(player, teamGames[player.team], value))
                table.leaders.push_back({static_cast<int>(p), value});
        }
        std::stable_sort(table.leaders.begin(), table.leaders.end(),
                         [&](const Leader& a, const Leader& b) {
                             return category.lowFirst ? a.value < b.value : a.value > b.value;
                         });
        if (static_cast<int>(table.leaders.size()) > count) table.leaders.resize(count);
    }
    return tables;
}

}  // namespace velmoro
