#include "campaign/game_record.h"

#include <cstdlib>

#include "engine/game_state.h"
#include "season/pitching_decisions.h"
#include "season/season_worker.h"

namespace velmoro {

namespace {

BoxScoreBatter BatterOf(const BoxLine& line, int strikeouts) {
    BoxScoreBatter batter;
    batter.name = line.name;
    batter.position = FieldPositionAbbreviation(line.position);
    batter.atBats = line.atBats, batter.runs = line.runs, batter.hits = EffectiveHits(line);
    batter.doubles = line.doubles, batter.triples = line.triples, batter.homeRuns = line.homeRuns;
    batter.rbi = line.rbi, batter.walks = line.walks, batter.strikeouts = strikeouts;
    batter.stolenBases = line.stolenBases;
    return batter;
}

BoxScorePitcher PitcherOf(const BoxLine& line) {
    const BoxPitching& pitching = *line.pitching;
    return {line.name,
            pitching.outs,
            pitching.hitsAllowed,
            pitching.runsAllowed,
            pitching.walks,
            pitching.strikeouts,
            {}};
}

class Recorder {
  public:
    Recorder(GameRecord& record, const GameTally* tally, const PlayerIndex& index)
        : record_(record), tally_(tally), index_(index) {}

    void Side(const GameState& game, int side, int club, BoxScoreSide& box) {
        const GameSide& of = game.SideOf(side == 1 ? Side::Home : Side::Visitors);
        box.innings = tally_ ? tally_->Innings(game, side) : GameTally{}.Innings(game, side);
        box.runs = of.teamRuns, box.hits = of.hits, box.errors = of.errors;
        for (int slot = 0; slot < 9; ++slot)
            for (const auto& line : of.boxLines[slot]) {
                const int strikeouts = tally_ ? tally_->StrikeoutsOf(side, line->name) : 0;
                box.batters.push_back(BatterOf(*line, strikeouts));
                if (PlayerGame* entry = Entry(club, line->name)) {
                    entry->batting += BattingOf(*line, line == of.boxLines[slot].front());
                    entry->batting.strikeouts = strikeouts;
                }
            }
        for (const auto& line : of.boxLines[kPitcherEntry]) {
            if (!line->pitching) continue;
            box.pitchers.push_back(PitcherOf(*line));
            if (PlayerGame* entry = Entry(club, line->name))
                entry->pitching += PitchingOf(*line->pitching, box.pitchers.size() == 1);
        }
    }

    // The winner, loser and save, in the box score and the pitchers' lines.
    void Decide(const GameState& game, const SeasonGame& scheduled) {
        if (scheduled.visitorRuns == scheduled.homeRuns) return;
        const bool homeWon = scheduled.homeRuns > scheduled.visitorRuns;
        BoxScoreSide& winners = homeWon ? record_.box.home : record_.box.visitor;
        BoxScoreSide& losers = homeWon ? record_.box.visitor : record_.box.home;
        if (winners.pitchers.empty() || losers.pitchers.empty()) return;
        const PitchingDecisions decisions =
            DecidePitching(Outings((homeWon ? game.home : game.visitor).boxLines[kPitcherEntry]),
                           Outings((homeWon ? game.visitor : game.home).boxLines[kPitcherEntry]),
                           std::abs(scheduled.homeRuns - scheduled.visitorRuns));
        const int winnerClub = homeWon ? scheduled.home : scheduled.visitor;
        const int loserClub = homeWon ? scheduled.visitor : scheduled.home;
        Mark(winners.pitchers[decisions.winner], winnerClub, 'W');
        Mark(losers.pitchers[decisions.loser], loserClub, 'L');
        if (decisions.save >= 0) Mark(winners.pitchers[decisions.save], winnerClub, 'S');
    }

  private:
    void Mark(BoxScorePitcher& pitcher, int club, char decision) {
        pitcher.decision.assign(1, decision);
        if (PlayerGame* entry = Entry(club, pitcher.name)) {
            PitchingTotals& line = entry->pitching;
            (decision == 'W' ? line.wins : decision == 'L' ? line.losses : line.saves) = 1;
        }
    }

    PlayerGame* Entry(int club, const std::string& name) {
        const int player = index_.Find(club, name);
        if (player < 0) return nullptr;
        for (PlayerGame& entry : record_.players)
            if (entry.player == player) return &entry;
        record_.players.push_back({player, {}, {}});
        return &record_.players.back();
    }

    GameRecord& record_;
    const GameTally* tally_;
    const PlayerIndex& index_;
};

}  // namespace

GameRecord RecordOf(const GameState& game, const SeasonGame& scheduled, const GameTally* tally,
                    const PlayerIndex& index) {
    GameRecord record;
    record.box.game = scheduled;
    record.box.game.played = true;
    record.box.game.visitorRuns = game.visitor.teamRuns;
    record.box.game.homeRuns = game.home.teamRuns;
    Recorder recorder(record, tally, index);
    recorder.Side(game, 0, scheduled.visitor, record.box.visitor);
    recorder.Side(game, 1, scheduled.home, record.box.home);
    recorder.Decide(game, record.box.game);
    return record;
}

}  // namespace velmoro
