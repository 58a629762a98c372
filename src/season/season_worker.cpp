#include "season/season_worker.h"

#include <array>
#include <cstdlib>

#include "base/seed_mix.h"

#include "engine/session.h"
#include "engine/turns.h"
#include "manager/bullpen.h"
#include "manager/play_to_end.h"
#include "realistic/realistic_game.h"
#include "realistic/running_game.h"
#include "season/pitching_decisions.h"
#include "season/season_usage.h"
#include "setup/default_setup.h"

namespace velmoro {

BattingTotals BattingOf(const BoxLine& line, bool started) {
    BattingTotals total;
    total.games = 1;
    total.starts = started ? 1 : 0;
    total.plateAppearances = line.atBats + line.walks;
    total.atBats = line.atBats;
    total.runs = line.runs;
    total.hits = line.hits;
    total.doubles = line.doubles;
    total.triples = line.triples;
    total.homeRuns = line.homeRuns;
    total.rbi = line.rbi;
    total.stolenBases = line.stolenBases;
    total.walks = line.walks;
    // A batter's strikeouts are not in his box line (saved games keep that field as it
    // is): the worker counts them from the play.
    return total;
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

std::vector<PitcherOuting> Outings(const BoxChain& pitchers) {
    std::vector<PitcherOuting> outings;
    for (const auto& line : pitchers)
        outings.push_back({line->pitching->outs, line->pitching->runsAllowed});
    return outings;
}

namespace {

// The batter up and the pitcher he faces, to tell after a turn whether he struck out.
struct AtBat {
    Side side = Side::Visitors;
    std::string batter;
    const BoxPitching* pitcher = nullptr;
    int strikeouts = 0;
};

// The pinch hitter who batted for a pitcher leaves for a reliever of his club's bullpen.
class BullpenDisplay : public Display {
  public:
    BullpenDisplay(Session& session, std::array<Bullpen*, 2> pens)
        : session_(session), pens_(pens) {}
    void ForcedSubstitution(Side side) override {
        Bullpen* pen = pens_[side == Side::Home];
        if (!pen || !pen->ReplacePinchHitter(session_, side)) Display::ForcedSubstitution(side);
    }

  private:
    Session& session_;
    std::array<Bullpen*, 2> pens_;
};

AtBat AtBatOf(GameState& game) {
    const BoxPitching* pitcher = CurrentPitcherLine(game).pitching.get();
    return {game.battingSide, CurrentLine(game.Batting(), game.batterIndex).name, pitcher,
            pitcher->strikeouts};
}

}  // namespace

PlayerIndex::PlayerIndex(const Season& season) {
    int next = 0;
    for (const SeasonTeam& entry : season.teams) {
        first_.push_back(next);
        auto& names = byName_.emplace_back();
        for (const auto& player : entry.team->players)
            names.emplace(player->name, next++ - first_.back());
    }
    first_.push_back(next);
}

int PlayerIndex::Find(int team, const std::string& name) const {
    const auto it = byName_[team].find(name);
    return it == byName_[team].end() ? -1 : first_[team] + it->second;
}

std::vector<std::pair<int, int>> GameNumbers(const Season& season) {
    std::vector<int> played(season.teams.size(), 0);
    std::vector<std::pair<int, int>> numbers;
    for (const ScheduledGame& game : season.schedule)
        numbers.emplace_back(played[game.visitor]++, played[game.home]++);
    return numbers;
}

SeasonWorker::SeasonWorker(const Season& season, const PlayerIndex& index)
    : season_(season), index_(index), session_(std::make_unique<Session>()) {
    session_->gameLogPath.clear();
    for (const SeasonTeam& entry : season.teams) {
        TeamRecord& copy = AddTeam(session_->teams.legendTeams, entry.team->name);
        CopyPlayers(*entry.team, copy);
        teams_.push_back(&copy);
    }
    players_.resize(static_cast<std::size_t>(index.Size()));
}

SeasonWorker::~SeasonWorker() = default;

bool SeasonWorker::SetUp(int gameIndex, std::pair<int, int> numbers, std::string& error) {
    const ScheduledGame& scheduled = season_.schedule[gameIndex];
    const std::string& league = season_.teams[scheduled.home].league;
    const bool designatedHitter = season_.designatedHitter && season_.designatedHitter(league);
    TeamRecord& visitors = *teams_[scheduled.visitor];
    TeamRecord& home = *teams_[scheduled.home];
    if (season_.usage) {
        const ClubPlan* plans[2] = {&season_.usage->plans[scheduled.visitor],
                                    &season_.usage->plans[scheduled.home]};
        if (PlannedSetup(*session_, visitors, home, designatedHitter, plans,
                         season_.usage->games[gameIndex].data(), &error))
            return true;
        ResetGame(session_->game);
    }
    const int rotation = RotationLength(season_.year);
    return DefaultSetup(*session_, visitors, home, designatedHitter, &error,
                        {numbers.first, rotation}, {numbers.second, rotation});
}

Status SeasonWorker::Play(int gameIndex, std::uint32_t seed, std::pair<int, int> numbers,
                          GameResult& result) {
    const ScheduledGame& scheduled = season_.schedule[gameIndex];
    GameState& game = session_->game;
    ResetGame(game);
    std::string error;
    if (!SetUp(gameIndex, numbers, error)) return Status::Error(error);
    OpenPlayScreen(*session_);
    SetEngine(*session_, engine_, realistic_);
    session_->random.Seed(seed);
    const int teamOf[] = {scheduled.visitor, scheduled.home};
    // Each club's bullpen, when it has a plan, draws from the game's own seeds.
    std::array<std::unique_ptr<Bullpen>, 2> pens;
    if (season_.usage)
        for (int s = 0; s < 2; ++s)
            pens[s] = std::make_unique<Bullpen>(season_.usage->plans[teamOf[s]],
                                                ItemSeed(seed, static_cast<std::uint32_t>(s)));
    BullpenDisplay display(*session_, {pens[0].get(), pens[1].get()});
    session_->SetDisplay(&display);
    // The realistic engine's replays also bring in the bench and run and bunt as the
    // players did; the classic engine's keep the plans their recorded runs rely on.
    const auto* realistic = dynamic_cast<const RealisticGame*>(game.model.get());
    AtBat up = AtBatOf(game);
    PlayHooks hooks;
    hooks.afterTurn = [&](int) {
        if (up.pitcher->strikeouts > up.strikeouts)
            if (PlayerSeason* entry = Entry(teamOf[up.side == Side::Home], up.batter))
                ++entry->batting.strikeouts;
        if (IsGameOver(game)) return true;
        if (Bullpen* pen = pens[game.FieldingSide() == Side::Home].get())
            pen->ChangePitcher(*session_, game.FieldingSide());
        if (Bullpen* pen = pens[game.battingSide == Side::Home].get()) {
            pen->PinchHitForPitcher(*session_, game.battingSide);
            if (realistic) pen->PinchHitForStarter(*session_, game.battingSide);
        }
        up = AtBatOf(game);
        return true;
    };
    std::uint64_t running = ItemSeed(seed, 2);
    if (realistic)
        hooks.choose = [&](int) {
            running = SplitMix64(running);
            const double draw = static_cast<double>(running >> 11) * 0x1.0p-53;
            TurnDecision decision;
            decision.offense = RunningGameChoice(*realistic, game, draw);
            return decision;
        };
    // A game abandoned still tied (two teams that cannot score) counts for neither.
    PlayToEnd(*session_, ManagedSides{}, hooks);
    session_->SetDisplay(nullptr);
    result = {true, game.visitor.teamRuns, game.home.teamRuns};
    Collect(scheduled.visitor, game.visitor);
    Collect(scheduled.home, game.home);
    if (result.visitorRuns != result.homeRuns) Credit(scheduled.visitor, scheduled.home, result);
    return OkStatus();
}

void SeasonWorker::Collect(int team, const GameSide& side) {
    for (int slot = 0; slot < 9; ++slot)
        for (const auto& line : side.boxLines[slot])
            if (PlayerSeason* entry = Entry(team, line->name))
                entry->batting += BattingOf(*line, line == side.boxLines[slot].front());
    for (const auto& line : side.boxLines[kPitcherEntry])
        if (PlayerSeason* entry = Entry(team, line->name); entry && line->pitching)
            entry->pitching +=
                PitchingOf(*line->pitching, line == side.boxLines[kPitcherEntry].front());
}

void SeasonWorker::Credit(int visitorTeam, int homeTeam, const GameResult& result) {
    const bool homeWon = result.homeRuns > result.visitorRuns;
    const GameState& game = session_->game;
    const BoxChain& winners = (homeWon ? game.home : game.visitor).boxLines[kPitcherEntry];
    const BoxChain& losers = (homeWon ? game.visitor : game.home).boxLines[kPitcherEntry];
    if (winners.empty() || losers.empty()) return;
    const int winnerTeam = homeWon ? homeTeam : visitorTeam;
    const int loserTeam = homeWon ? visitorTeam : homeTeam;
    const PitchingDecisions decisions = DecidePitching(
        Outings(winners), Outings(losers), std::abs(result.homeRuns - result.visitorRuns));
    if (PlayerSeason* entry = Entry(winnerTeam, winners[decisions.winner]->name))
        ++entry->pitching.wins;
    if (PlayerSeason* entry = Entry(loserTeam, losers[decisions.loser]->name))
        ++entry->pitching.losses;
    if (decisions.save >= 0)
        if (PlayerSeason* entry = Entry(winnerTeam, winners[decisions.save]->name))
            ++entry->pitching.saves;
}

PlayerSeason* SeasonWorker::Entry(int team, const std::string& name) {
    const int at = index_.Find(team, name);
    return at < 0 ? nullptr : &players_[static_cast<std::size_t>(at)];
}

}  // namespace velmoro
