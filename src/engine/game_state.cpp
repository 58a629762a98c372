#include "engine/game_state.h"

namespace velmoro {

namespace {

constexpr const char* kAbbreviations[] = {"ph", "p",  "c",  "1b", "2b", "3b",
                                          "ss", "lf", "cf", "rf", "dh"};
// Defence slot per position number 0..10 (third base stands after shortstop).
constexpr int kDefenseSlots[] = {-1, 0, 1, 2, 3, 5, 4, 6, 7, 8, 9};

void ResetSideCounters(GameSide& side) {
    side.nextBatter = 0;
    side.teamRuns = 0;
    side.hits = 0;
    side.errors = 0;
    side.lineScore.fill(-1);
}

std::unique_ptr<BoxLine> NewBoxLine(bool pitcherChain) {
    auto line = std::make_unique<BoxLine>();
    if (pitcherChain) line->pitching = std::make_unique<BoxPitching>();
    return line;
}

void MakeSideBoxLines(GameSide& side, bool withPlayers) {
    for (int slot = 0; slot < 10; ++slot) {
        BoxChain& chain = side.boxLines[slot];
        chain.clear();
        chain.push_back(NewBoxLine(slot == kPitcherEntry));
        if (withPlayers && side.lineup[slot]) chain.front()->name = side.lineup[slot]->name;
    }
    if (!withPlayers) return;
    for (int position = PitcherPosition; position <= DesignatedHitterPosition; ++position) {
        int index = LineupIndexOfPlayer(side, side.defense[DefenseSlotOfPosition(position)]);
        if (index >= 0)
            side.boxLines[index].front()->position = static_cast<std::uint8_t>(position);
    }
}

void RebuildSideDefense(GameSide& side) {
    for (const BoxChain& chain : side.boxLines) {
        if (chain.empty()) continue;
        int slot = DefenseSlotOfPosition(chain.front()->position);
        if (slot >= 0) side.defense[slot] = FindPlayer(side.team, chain.front()->name);
    }
}

void ReplayStarters(GameSide& side) {
    for (int slot = 0; slot < 10; ++slot) {
        const BoxChain& chain = side.boxLines[slot];
        side.lineup[slot] = chain.empty() ? nullptr : FindPlayer(side.team, chain.front()->name);
    }
}

}  // namespace

const char* FieldPositionAbbreviation(int fieldPosition) {
    if (fieldPosition < 0 || fieldPosition > 10) return "";
    return kAbbreviations[fieldPosition];
}

int DefenseSlotOfPosition(int fieldPosition) {
    if (fieldPosition < 1 || fieldPosition > 10) return -1;
    return kDefenseSlots[fieldPosition];
}

BoxLine& CurrentLine(GameSide& side, int slot) {
    return *side.boxLines[slot].back();
}

BoxLine& CurrentPitcherLine(GameState& game) {
    return CurrentLine(game.Fielding(), 9);
}

void ResetCounters(GameState& game) {
    ResetSideCounters(game.visitor);
    ResetSideCounters(game.home);
    game.visitor.lineScore[0] = 0;
    game.hasBattingBoxLines = false;
    game.playLog = "Top of inning 1\r\n";
    game.battingSide = Side::Visitors;
    game.bases = Base::None;
    game.runnerQueue.fill(0);
    game.halfInningRuns = 0;
    game.outs = 0;
    game.batterIndex = 0;
    game.inning = 1;
}

void InitGameState(GameState& game) {
    game = GameState{};
    ResetCounters(game);
}

void ResetGame(GameState& game) {
    ResetCounters(game);
    game.hasBattingOutcomes = false;
    game.model.reset();
    for (GameSide* side : {&game.visitor, &game.home}) {
        side->lineup.fill(nullptr);
        side->defense.fill(nullptr);
    }
    FreeBoxLines(game);
}

void PrepareReplay(GameState& game) {
    ResetCounters(game);
    game.hasBattingOutcomes = false;
    ReplayStarters(game.visitor);
    ReplayStarters(game.home);
    RebuildDefense(game);
    FreeBoxLines(game);
    MakeBoxLines(game, true);
}

void MakeBoxLines(GameState& game, bool withPlayers) {
    MakeSideBoxLines(game.visitor, withPlayers);
    MakeSideBoxLines(game.home, withPlayers);
    game.hasBattingBoxLines = true;
    game.battingSide = Side::Visitors;
}

void FreeBoxLines(GameState& game) {
    for (GameSide* side : {&game.visitor, &game.home}) {
        for (BoxChain& chain : side->boxLines)
            chain.clear();
    }
}

void RebuildDefense(GameState& game) {
    RebuildSideDefense(game.visitor);
    RebuildSideDefense(game.home);
}

namespace {

void CopyLine(const BoxLine& from, BoxLine& to) {
    std::unique_ptr<BoxPitching> pitching = std::move(to.pitching);
    // Field by field, so that the name and the pitching line keep their storage.
    to.name.assign(from.name);
    to.atBats = from.atBats;
    to.runs = from.runs;
    to.hits = from.hits;
    to.doubles = from.doubles;
    to.triples = from.triples;
    to.homeRuns = from.homeRuns;
    to.rbi = from.rbi;
    to.stolenBases = from.stolenBases;
    to.caughtStealing = from.caughtStealing;
    to.walks = from.walks;
    to.strikeouts = from.strikeouts;
    to.position = from.position;
    if (from.pitching) {
        if (!pitching) pitching = std::make_unique<BoxPitching>();
        *pitching = *from.pitching;
        to.pitching = std::move(pitching);
    }
}

void CopyChain(const BoxChain& from, BoxChain& to) {
    if (to.size() > from.size()) to.resize(from.size());
    for (std::size_t i = 0; i < from.size(); ++i) {
        if (i == to.size()) to.push_back(std::make_unique<BoxLine>());
        CopyLine(*from[i], *to[i]);
    }
}

void CopySide(const GameSide& from, GameSide& to) {
    to.team = from.team;
    to.lineup = from.lineup;
    to.outcomes = from.outcomes;
    to.pitchingStaff = from.pitchingStaff;
    for (std::size_t chain = 0; chain < from.boxLines.size(); ++chain)
        CopyChain(from.boxLines[chain], to.boxLines[chain]);
    to.defense = from.defense;
    to.nextBatter = from.nextBatter;
    to.teamRuns = from.teamRuns;
    to.hits = from.hits;
    to.errors = from.errors;
    to.lineScore = from.lineScore;
}

}  // namespace

void CopyGameState(const GameState& from, GameState& to) {
    CopySide(from.visitor, to.visitor);
    CopySide(from.home, to.home);
    to.battingSide = from.battingSide;
    to.hasBattingOutcomes = from.hasBattingOutcomes;
    to.hasBattingBoxLines = from.hasBattingBoxLines;
    to.batterIndex = from.batterIndex;
    to.inning = from.inning;
    to.outs = from.outs;
    to.halfInningRuns = from.halfInningRuns;
    to.designatedHitter = from.designatedHitter;
    to.pinchHitterMustLeave = from.pinchHitterMustLeave;
    to.bases = from.bases;
    to.runnerQueue = from.runnerQueue;
    to.playLog.clear();
    to.model = from.model;
}

int LineupIndexOfPlayer(const GameSide& side, const PlayerRecord* player) {
    if (!player) return -1;
    for (int index = 0; index < 10; ++index) {
        if (side.lineup[index] == player) return index;
    }
    return -1;
}

}  // namespace velmoro
