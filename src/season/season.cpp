#include "season/season.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <unordered_map>

#include "base/parallel.h"
#include "base/seed_mix.h"
#include "engine/session.h"
#include "engine/turns.h"
#include "manager/play_to_end.h"
#include "setup/default_setup.h"

namespace velmoro {

namespace {

// Where each team's players sit in the flat list of player seasons, and their names.
struct PlayerIndex {
    std::vector<int> first;  // by team
    std::vector<std::unordered_map<std::string, int>> byName;

    explicit PlayerIndex(const Season& season) {
        int next = 0;
        for (const SeasonTeam& entry : season.teams) {
            first.push_back(next);
            auto& names = byName.emplace_back();
            for (const auto& player : entry.team->players)
                names.emplace(player->name, next++ - first.back());
        }
        first.push_back(next);
    }
    int Size() const { return first.back(); }
    // The player of a team a box line names (the first of that name), or -1.
    int Find(int team, const std::string& name) const {
        const auto it = byName[team].find(name);
        return it == byName[team].end() ? -1 : first[team] + it->second;
    }
};

// The starter's turn of each side of each game: how many games its team played before.
std::vector<std::pair<int, int>> GameNumbers(const Season& season) {
    std::vector<int> played(season.teams.size(), 0);
    std::vector<std::pair<int, int>> numbers;
    for (const ScheduledGame& game : season.schedule)
        numbers.emplace_back(played[game.visitor]++, played[game.home]++);
    return numbers;
}

BattingTotals BattingOf(const BoxLine& line) {
    return {1,
            line.atBats,
            line.runs,
            line.hits,
            line.doubles,
            line.triples,
            line.homeRuns,
            line.rbi,
            line.stolenBases,
            line.caughtStealing,
            line.walks,
            line.strikeouts};
}

PitchingTotals PitchingOf(const BoxPitching& line, bool started) {
    PitchingTotals total;
    total.games = 1;
    total.starts = started ? 1 : 0;
    total.outs = line.outs;
    total.runs = line.runsAllowed;
    total.hits = line.hitsAllowed;
    total.walks = line.walks;
    total.strikeouts = line.strikeouts;
    return total;
}

// The decisions the box lines allow, without the score at each change: the winner is
// the winning side's starter with five innings or more, else its pitcher with the most
// outs; the loser is the losing side's pitcher who allowed the most runs; the winning
// side's last pitcher saves a game won by three runs or fewer when he is not the winner
// and got three outs or more.
struct Decisions {
    const BoxLine* winner = nullptr;
    const BoxLine* loser = nullptr;
    const BoxLine* save = nullptr;
};

Decisions Decide(const BoxChain& winners, const BoxChain& losers, int margin) {
    Decisions decisions{winners.front().get(), losers.front().get(), nullptr};
    auto outs = [](const BoxLine* line) { return line->pitching->outs; };
    if (outs(decisions.winner) < 15)
        for (const auto& line : winners)
            if (outs(line.get()) > outs(decisions.winner)) decisions.winner = line.get();
    for (const auto& line : losers)
        if (line->pitching->runsAllowed > decisions.loser->pitching->runsAllowed)
            decisions.loser = line.get();
    const BoxLine* last = winners.back().get();
    if (last != decisions.winner && margin <= 3 && outs(last) >= 3) decisions.save = last;
    return decisions;
}

// One worker: its own session, its own copies of the teams and its own totals.
class Worker {
  public:
    Worker(const Season& season, const PlayerIndex& index) : season_(season), index_(index) {
        session_.gameLogPath.clear();
        for (const SeasonTeam& entry : season.teams) {
            TeamRecord& copy = AddTeam(session_.teams.legendTeams, entry.team->name);
            CopyPlayers(*entry.team, copy);
            teams_.push_back(&copy);
        }
        players_.resize(static_cast<std::size_t>(index.Size()));
    }

    std::vector<PlayerSeason>& Players() { return players_; }

    bool Play(int gameIndex, std::uint32_t seed, std::pair<int, int> numbers, GameResult& result,
              std::string& error) {
        const ScheduledGame& scheduled = season_.schedule[gameIndex];
        const std::string& league = season_.teams[scheduled.home].league;
        const int rotation = RotationLength(season_.year);
        GameState& game = session_.game;
        ResetGame(game);
        if (!DefaultSetup(session_, *teams_[scheduled.visitor], *teams_[scheduled.home],
                          season_.designatedHitter && season_.designatedHitter(league), &error,
                          {numbers.first, rotation}, {numbers.second, rotation}))
            return false;
        OpenPlayScreen(session_);
        session_.random.Seed(seed);
        // A game abandoned still tied (two teams that cannot score) counts for neither.
        PlayToEnd(session_, ManagedSides{});
        result = {true, game.visitor.teamRuns, game.home.teamRuns};
        Collect(scheduled.visitor, game.visitor);
        Collect(scheduled.home, game.home);
        if (result.visitorRuns != result.homeRuns) Credit(scheduled, result);
        return true;
    }

  private:
    void Collect(int team, const GameSide& side) {
        for (int slot = 0; slot < 9; ++slot)
            for (const auto& line : side.boxLines[slot])
                if (PlayerSeason* entry = Entry(team, *line)) entry->batting += BattingOf(*line);
        for (const auto& line : side.boxLines[9])
            if (PlayerSeason* entry = Entry(team, *line); entry && line->pitching)
                entry->pitching += PitchingOf(*line->pitching, line == side.boxLines[9].front());
    }

    void Credit(const ScheduledGame& scheduled, const GameResult& result) {
        const bool homeWon = result.homeRuns > result.visitorRuns;
        const GameState& game = session_.game;
        const BoxChain& winners = (homeWon ? game.home : game.visitor).boxLines[9];
        const BoxChain& losers = (homeWon ? game.visitor : game.home).boxLines[9];
        if (winners.empty() || losers.empty()) return;
        const int winnerTeam = homeWon ? scheduled.home : scheduled.visitor;
        const int loserTeam = homeWon ? scheduled.visitor : scheduled.home;
        const Decisions decisions =
            Decide(winners, losers, std::abs(result.homeRuns - result.visitorRuns));
        if (PlayerSeason* entry = Entry(winnerTeam, *decisions.winner)) ++entry->pitching.wins;
        if (PlayerSeason* entry = Entry(loserTeam, *decisions.loser)) ++entry->pitching.losses;
        if (decisions.save)
            if (PlayerSeason* entry = Entry(winnerTeam, *decisions.save)) ++entry->pitching.saves;
    }

    PlayerSeason* Entry(int team, const BoxLine& line) {
        const int at = index_.Find(team, line.name);
        return at < 0 ? nullptr : &players_[static_cast<std::size_t>(at)];
    }

    const Season& season_;
    const PlayerIndex& index_;
    Session session_;
    std::vector<TeamRecord*> teams_;
    std::vector<PlayerSeason> players_;
};

}  // namespace

BattingTotals& operator+=(BattingTotals& sum, const BattingTotals& part) {
    sum.games += part.games;
    sum.atBats += part.atBats;
    sum.runs += part.runs;
    sum.hits += part.hits;
    sum.doubles += part.doubles;
    sum.triples += part.triples;
    sum.homeRuns += part.homeRuns;
    sum.rbi += part.rbi;
    sum.stolenBases += part.stolenBases;
    sum.caughtStealing += part.caughtStealing;
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

bool LeagueUsesDesignatedHitter(int year, const std::string& league) {
    return year >= 2022 || (year >= 1973 && league == "AL");
}

int RotationLength(int year) {
    return year < 1920 ? 4 : 5;
}

std::vector<std::vector<int>> SeasonLeagues(const Season& season) {
    std::vector<std::string> names;
    std::vector<std::vector<int>> leagues;
    for (int t = 0; t < static_cast<int>(season.teams.size()); ++t) {
        const auto at = std::find(names.begin(), names.end(), season.teams[t].league);
        if (at == names.end()) {
            names.push_back(season.teams[t].league);
            leagues.push_back({t});
        } else {
            leagues[static_cast<std::size_t>(at - names.begin())].push_back(t);
        }
    }
    return leagues;
}

void ScheduleSeason(Season& season, int gamesPerTeam) {
    std::vector<int> targets;
    for (const SeasonTeam& team : season.teams)
        targets.push_back(gamesPerTeam > 0 ? gamesPerTeam : team.realGames);
    season.schedule = BuildSchedule(SeasonLeagues(season), targets);
}

std::uint32_t GameSeed(std::uint32_t seasonSeed, int gameIndex) {
    return ItemSeed(seasonSeed, static_cast<std::uint32_t>(gameIndex));
}

bool PlaySeason(const Season& season, const SeasonRunOptions& options, SeasonResults& results,
                std::string* error) {
    const PlayerIndex index(season);
    const std::vector<std::pair<int, int>> numbers = GameNumbers(season);
    const int total = static_cast<int>(season.schedule.size());
    results.games.assign(season.schedule.size(), GameResult{});
    const int jobs = WorkerCount(options.jobs, total);
    std::vector<std::unique_ptr<Worker>> workers;
    for (int w = 0; w < jobs; ++w)
        workers.push_back(std::make_unique<Worker>(season, index));
    std::mutex lock;
    std::string firstError;
    const bool finished = RunParallel(total, jobs, [&](int w, long item) {
        if (options.cancel && *options.cancel) return false;
        const int i = static_cast<int>(item);
        GameResult result;
        std::string message;
        const bool played =
            workers[w]->Play(i, GameSeed(options.seed, i), numbers[i], result, message);
        const std::lock_guard<std::mutex> guard(lock);
        if (!played) {
            if (firstError.empty()) firstError = message.empty() ? "a game failed" : message;
            return false;
        }
        results.games[static_cast<std::size_t>(i)] = result;
        if (options.onGame) options.onGame(i, result);
        return true;
    });

    // Sums do not depend on which worker played which game.
    results.players.assign(static_cast<std::size_t>(index.Size()), PlayerSeason{});
    for (int t = 0; t < static_cast<int>(season.teams.size()); ++t)
        for (int p = index.first[t]; p < index.first[t + 1]; ++p)
            results.players[p] = {t, p - index.first[t], {}, {}};
    for (const auto& worker : workers) {
        for (std::size_t p = 0; p < results.players.size(); ++p) {
            const PlayerSeason& part = worker->Players()[p];
            PlayerSeason& sum = results.players[p];
            sum.batting += part.batting;
            sum.pitching += part.pitching;
        }
    }
    if (!firstError.empty() && error) *error = firstError;
    return finished || firstError.empty();
}

}  // namespace velmoro
