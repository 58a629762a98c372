// Reading a ".gam" file back into the game in progress.
#include <fmt/format.h>

#include "db/error_out.h"
#include "db/team_files.h"
#include "engine/game_state.h"
#include "engine/invariants.h"
#include "engine/message_text.h"
#include "engine/session.h"
#include "saves/game_engine.h"
#include "saves/saved_game.h"
#include "saves/saved_game_parse.h"
#include "setup/team_prep.h"

namespace velmoro {

namespace {

// The database players a side's BoxLines name, chain by chain.
struct ResolvedSide {
    TeamRecord* team = nullptr;
    std::array<std::vector<PlayerRecord*>, 10> players;
};

bool ResolvePlayers(TeamRecord& team, const SavedSide& saved, ResolvedSide& out,
                    std::string& missing) {
    ResolvedSide resolved;
    resolved.team = &team;
    for (int slot = 0; slot < 10; ++slot) {
        for (const SavedBoxLine& line : saved.chains[slot]) {
            PlayerRecord* player = FindPlayer(&team, line.name);
            if (!player) {
                missing = line.name;
                return false;
            }
            resolved.players[slot].push_back(player);
        }
    }
    out = std::move(resolved);
    return true;
}

// The file names a team without saying which list it came from. LegendDB is asked
// first; a custom team of the same name is used when the historical team lacks one
// of the players, so a game between custom teams loads again.
bool ResolveSide(const TeamDatabase& db, const SavedSide& saved, ResolvedSide& out,
                 std::string* error) {
    bool teamFound = false;
    std::string firstMissing;
    for (const TeamList* list : {&db.legendTeams, &db.customTeams}) {
        for (const auto& team : *list) {
            if (team->name != saved.teamName) continue;
            std::string missing;
            if (ResolvePlayers(*team, saved, out, missing)) return true;
            if (!teamFound) firstMissing = missing;
            teamFound = true;
        }
    }
    SetError(error, teamFound ? fmt::format("team \"{}\" has no player \"{}\"",
                                            ShownValue(saved.teamName), ShownValue(firstMissing))
                              : fmt::format("no team \"{}\" in LegendDB or CustomDB",
                                            ShownValue(saved.teamName)));
    return false;
}

void FillBatterLine(BoxLine& line, const std::array<int, 12>& n) {
    line.atBats = static_cast<std::uint16_t>(n[0]);
    line.runs = static_cast<std::uint8_t>(n[1]);
    line.hits = static_cast<std::uint8_t>(n[2]);
    line.doubles = static_cast<std::uint8_t>(n[3]);
    line.triples = static_cast<std::uint8_t>(n[4]);
    line.homeRuns = static_cast<std::uint8_t>(n[5]);
    line.rbi = static_cast<std::uint8_t>(n[6]);
    line.stolenBases = static_cast<std::uint8_t>(n[7]);
    line.caughtStealing = static_cast<std::uint8_t>(n[8]);
    line.walks = static_cast<std::uint8_t>(n[9]);
    line.strikeouts = static_cast<std::uint8_t>(n[10]);
    line.position = static_cast<std::uint8_t>(n[11]);
}

void FillPitcherLine(BoxLine& line, const std::array<int, 12>& n) {
    if (!line.pitching) line.pitching = std::make_unique<BoxPitching>();
    BoxPitching& p = *line.pitching;
    p.outs = static_cast<std::uint16_t>(n[0]);
    p.runsAllowed = static_cast<std::uint8_t>(n[1]);
    p.hitsAllowed = static_cast<std::uint8_t>(n[2]);
    p.strikeouts = static_cast<std::uint16_t>(n[3]);
    p.walks = static_cast<std::uint16_t>(n[4]);
}

void FillChains(GameSide& side, const SavedSide& saved, const ResolvedSide& resolved) {
    for (int slot = 0; slot < 10; ++slot) {
        BoxChain& chain = side.boxLines[slot];
        const auto& lines = saved.chains[slot];
        chain.resize(1);
        if (!chain[0]) chain[0] = std::make_unique<BoxLine>();
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (i > 0) chain.push_back(std::make_unique<BoxLine>());
            BoxLine& line = *chain[i];
            if (slot < 9) {
                FillBatterLine(line, lines[i].numbers);
            } else {
                FillPitcherLine(line, lines[i].numbers);
            }
            line.name = resolved.players[slot][i]->name;
        }
        side.lineup[slot] = resolved.players[slot].back();
    }
}

// The file holds no defence. Every player who took over a batting slot holds that
// slot's place in the field, a pinch hitter booked as "ph" included (he took the
// starter's place until he is replaced). The pitcher on the mound, the last of chain
// 9, stands at P whatever the batting slots say.
void RebuildDefenseFromChains(GameSide& side) {
    side.defense.fill(nullptr);
    for (int slot = 0; slot < 9; ++slot) {
        const BoxChain& chain = side.boxLines[slot];
        int position = chain.back()->position;
        if (position == PinchHitter) position = chain.front()->position;
        const int defenseSlot = DefenseSlotOfPosition(position);
        if (defenseSlot >= 0) side.defense[defenseSlot] = side.lineup[slot];
    }
    side.defense[PitcherSlot] = side.lineup[kPitcherEntry];
}

bool AnyDesignatedHitter(const GameSide& side) {
    for (int slot = 0; slot < 9; ++slot) {
        for (const auto& line : side.boxLines[slot]) {
            if (line->position == DesignatedHitterPosition) return true;
        }
    }
    return false;
}

void CopyCounters(GameState& game, const SavedGameData& data) {
    const std::pair<GameSide*, const SavedSide*> sides[] = {{&game.visitor, &data.visitor},
                                                            {&game.home, &data.home}};
    for (const auto& [side, saved] : sides) {
        side->nextBatter = saved->nextBatter;
        side->teamRuns = saved->teamRuns;
        side->hits = saved->hits;
        side->errors = saved->errors;
        side->lineScore = saved->lineScore;
    }
    game.battingSide = data.homeAtBat ? Side::Home : Side::Visitors;
    game.batterIndex = game.Batting().nextBatter;
    game.bases = data.bases;
    game.runnerQueue = data.runnerQueue;
    game.inning = data.inning;
    game.outs = data.outs;
    game.halfInningRuns = data.halfInningRuns;
    game.playLog = data.playLog;
    game.pinchHitterMustLeave = 0;
}

void ApplySavedGame(GameState& game, const SavedGameData& data, const ResolvedSide& visitors,
                    const ResolvedSide& home) {
    game.visitor.team = visitors.team;
    game.home.team = home.team;
    MakeBoxLines(game, false);
    FillChains(game.visitor, data.visitor, visitors);
    FillChains(game.home, data.home, home);
    RebuildDefenseFromChains(game.visitor);
    RebuildDefenseFromChains(game.home);
    game.designatedHitter = AnyDesignatedHitter(game.visitor) || AnyDesignatedHitter(game.home);
    // A starting pitcher who does not bat is found at lineup entry 9 when the lines of a
    // game are made, so his chain-9 line carries "p"; a replay rebuilds the defence
    // from it.
    if (game.designatedHitter) {
        game.visitor.boxLines[kPitcherEntry].front()->position = PitcherPosition;
        game.home.boxLines[kPitcherEntry].front()->position = PitcherPosition;
    }
    game.hasBattingBoxLines = true;
    game.hasBattingOutcomes = false;
    CopyCounters(game, data);
}

bool ReadAndResolve(Session& session, const std::filesystem::path& path, SavedGameData& data,
                    ResolvedSide& visitors, ResolvedSide& home, std::string* error) {
    if (path.empty()) {
        SetError(error, "no file was chosen");
        return false;
    }
    // As New Game does: a missing CustomDB only means there are no custom teams.
    if (!LoadGameDatabases(session.teams, session.installDirectory)) {
        SetError(error, "Database Load failed");
        return false;
    }
    std::string bytes;
    if (Status read = ReadFileBytes(path, bytes); !read) {
        SetError(error, read.message());
        return false;
    }
    return ParseSavedGame(bytes, data, error) &&
           ResolveSide(session.teams, data.visitor, visitors, error) &&
           ResolveSide(session.teams, data.home, home, error);
}

}  // namespace

Status ReadSavedGame(Session& session, const std::filesystem::path& path,
                     const RealisticDataSource& realistic) {
    SavedGameData data;
    ResolvedSide visitors;
    ResolvedSide home;
    std::string error;
    const bool readable = ReadAndResolve(session, path, data, visitors, home, &error);
    // Whatever the file held, the previous game is over; a file that cannot be read
    // leaves nothing half-loaded behind for the next New Game or Load.
    ResetGame(session.game);
    if (!readable) return Status::Error(error);
    ApplySavedGame(session.game, data, visitors, home);
    // Every number fits its field; whether they make a game the turns can go on with
    // (runners on the bases they name, runs that add up) is the game state's rule.
    if (const std::string problem = GameStateProblem(session.game); !problem.empty()) {
        ResetGame(session.game);
        return Status::Error(problem);
    }
    PlayOnEngine(session, data.engine, realistic);
    return OkStatus();
}

Status LoadSavedGame(Session& session, const std::filesystem::path& path,
                     const RealisticDataSource& realistic) {
    if (Status read = ReadSavedGame(session, path, realistic); !read.ok()) return read;
    // Sorting moves the records, so the lineups and the defence keep naming the
    // players the file named.
    PrepareSide(session, Side::Visitors);
    PrepareSide(session, Side::Home);
    return OkStatus();
}

}  // namespace velmoro
