#include "season/schedule.h"

#include <algorithm>
#include <cstddef>

namespace velmoro {

namespace {

// One pair of a league: how often the two meet and how many of those at each park.
struct Pairing {
    int first = 0;
    int second = 0;
    int meetings = 0;
    int firstLocal = 0;  // places in the league
    int secondLocal = 0;
    int homeOfFirst = 0;
    int played = 0;
    int playedAtFirst = 0;
};

// Whether the games the teams still lack can all be played: not while one team lacks more
// than all the others together.
bool CanStillFill(const std::vector<int>& missing, const std::vector<int>& teams) {
    int sum = 0, most = 0;
    for (int t : teams)
        sum += missing[t], most = std::max(most, missing[t]);
    return most <= sum - most;
}

// Every pair first meets as often as the shorter of the two schedules allows evenly;
// then, one game at a time, the team that lacks the most games meets the opponent it
// met least (among those that keep the rest of the schedule possible), so that each team
// ends as close to its number as the others allow and meetings stay balanced.
std::vector<Pairing> PairLeague(const std::vector<int>& teams, std::vector<int>& missing) {
    const int n = static_cast<int>(teams.size());
    std::vector<Pairing> pairs;
    for (int a = 0; a < n; ++a)
        for (int b = a + 1; b < n; ++b) {
            const int even = std::min(missing[teams[a]], missing[teams[b]]) / (n - 1);
            pairs.push_back({teams[a], teams[b], even, a, b});
        }
    for (Pairing& pair : pairs)
        missing[pair.first] -= pair.meetings, missing[pair.second] -= pair.meetings;
    auto pairOf = [&](int a, int b) -> Pairing& {
        if (a > b) std::swap(a, b);
        return pairs[static_cast<std::size_t>(a * (2 * n - a - 1) / 2 + (b - a - 1))];
    };
    for (;;) {
        int a = -1;
        for (int i = 0; i < n; ++i)
            if (missing[teams[i]] > 0 && (a < 0 || missing[teams[i]] > missing[teams[a]])) a = i;
        if (a < 0) break;
        int best = -1, fallback = -1;
        for (int b = 0; b < n; ++b) {
            if (b == a || missing[teams[b]] <= 0) continue;
            if (fallback < 0 || missing[teams[b]] > missing[teams[fallback]]) fallback = b;
            --missing[teams[a]], --missing[teams[b]];
            const bool possible = CanStillFill(missing, teams);
            ++missing[teams[a]], ++missing[teams[b]];
            if (possible && (best < 0 || pairOf(a, b).meetings < pairOf(a, best).meetings))
                best = b;
        }
        if (best < 0) best = fallback;
        if (best < 0) break;  // nobody left to play: the team ends short
        ++pairOf(a, best).meetings;
        --missing[teams[a]], --missing[teams[best]];
    }
    return pairs;
}

// Half of each pair's meetings at each park. The odd meetings left over are oriented
// along Euler circuits (through an extra vertex joined to every team with an odd number
// of them), so that each team hosts half of them, rounded either way.
void SplitHomeGames(std::vector<Pairing>& pairs, int teamCount) {
    const int extra = teamCount;
    std::vector<std::vector<std::pair<int, int>>> edges(static_cast<std::size_t>(teamCount + 1));
    std::vector<int> ends;  // edge e joins ends[2e] and ends[2e + 1]; -1 pair for dummies
    std::vector<Pairing*> owner;
    auto addEdge = [&](int a, int b, Pairing* pair) {
        const int e = static_cast<int>(owner.size());
        owner.push_back(pair);
        ends.push_back(a), ends.push_back(b);
        edges[a].emplace_back(b, e), edges[b].emplace_back(a, e);
    };
    std::vector<int> degree(static_cast<std::size_t>(teamCount), 0);
    for (Pairing& pair : pairs) {
        pair.homeOfFirst = pair.meetings / 2;
        if (pair.meetings % 2 == 0) continue;
        addEdge(pair.firstLocal, pair.secondLocal, &pair);
        ++degree[pair.firstLocal], ++degree[pair.secondLocal];
    }
    for (int t = 0; t < teamCount; ++t)
        if (degree[t] % 2 != 0) addEdge(t, extra, nullptr);
    std::vector<bool> used(owner.size(), false);
    std::vector<std::size_t> next(edges.size(), 0);
    for (int start = 0; start <= teamCount; ++start) {
        // Hierholzer's walk: every edge is crossed once, leaving from its host.
        std::vector<int> stack{start};
        while (!stack.empty()) {
            const int v = stack.back();
            while (next[v] < edges[v].size() && used[edges[v][next[v]].second])
                ++next[v];
            if (next[v] == edges[v].size()) {
                stack.pop_back();
                continue;
            }
            const auto [w, e] = edges[v][next[v]];
            used[e] = true;
            if (Pairing* pair = owner[e]; pair && pair->firstLocal == v) ++pair->homeOfFirst;
            stack.push_back(w);
        }
    }
}

// Round k of the circle method: position 0 stays, the others turn; each round pairs
// every team once (a bye for the odd one out).
std::vector<std::pair<int, int>> Round(int teams, int k) {
    const int slots = teams + teams % 2;
    std::vector<int> at(static_cast<std::size_t>(slots));
    at[0] = 0;
    for (int i = 1; i < slots; ++i)
        at[i] = 1 + (i - 1 + k) % (slots - 1);
    std::vector<std::pair<int, int>> round;
    for (int i = 0; i < slots / 2; ++i) {
        const int a = at[i], b = at[slots - 1 - i];
        if (a < teams && b < teams) round.emplace_back(std::min(a, b), std::max(a, b));
    }
    return round;
}

// Plays the next meeting of a pair at the park with more of its games left.
ScheduledGame TakeMeeting(Pairing& pair) {
    const int leftAtFirst = pair.homeOfFirst - pair.playedAtFirst;
    const int leftAtSecond = pair.meetings - pair.homeOfFirst - (pair.played - pair.playedAtFirst);
    const bool atFirst =
        leftAtFirst > leftAtSecond || (leftAtFirst == leftAtSecond && pair.played % 2 == 0);
    ++pair.played;
    if (!atFirst) return ScheduledGame{pair.first, pair.second};
    ++pair.playedAtFirst;
    return ScheduledGame{pair.second, pair.first};
}

}  // namespace

std::vector<ScheduledGame> BuildSchedule(const std::vector<std::vector<int>>& leagues,
                                         const std::vector<int>& targetGames) {
    std::vector<int> missing = targetGames;
    std::vector<std::vector<Pairing>> leaguePairs;
    for (const std::vector<int>& teams : leagues) {
        leaguePairs.push_back(teams.size() < 2 ? std::vector<Pairing>{}
                                               : PairLeague(teams, missing));
        SplitHomeGames(leaguePairs.back(), static_cast<int>(teams.size()));
    }
    std::vector<ScheduledGame> games;
    for (int k = 0;; ++k) {
        bool any = false;
        for (std::size_t l = 0; l < leagues.size(); ++l) {
            const int n = static_cast<int>(leagues[l].size());
            if (n < 2) continue;
            for (auto [a, b] : Round(n, k % std::max(1, n + n % 2 - 1))) {
                // Pairs are stored in (a, b) order with a < b: index of the pair.
                const std::size_t index =
                    static_cast<std::size_t>(a * (2 * n - a - 1) / 2 + (b - a - 1));
                Pairing& pair = leaguePairs[l][index];
                if (pair.played >= pair.meetings) continue;
                games.push_back(TakeMeeting(pair));
                any = true;
            }
        }
        if (!any) {
            // A round with nothing left to play ends the schedule only when every pair is
            // done; rounds repeat after n - 1 (or n) of them.
            bool done = true;
            for (const auto& pairs : leaguePairs)
                for (const Pairing& pair : pairs)
                    done = done && pair.played >= pair.meetings;
            if (done) break;
        }
    }
    return games;
}

}  // namespace velmoro
