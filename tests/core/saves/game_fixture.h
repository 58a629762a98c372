// Games set up on the test league, and the checks the saved-game tests share.
#pragma once

#include <fmt/format.h>
#include <fmt/ranges.h>
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "db/team_files.h"
#include "engine/session.h"
#include "saves/league_fixture.h"
#include "setup/default_setup.h"

namespace velmoro::testing {

// Everything a continued game depends on, as text, so a difference shows where it is.
inline std::string Describe(const GameState& game) {
    std::string out;
    auto name = [](const PlayerRecord* p) { return p ? p->name : std::string("-"); };
    for (const GameSide* side : {&game.visitor, &game.home}) {
        out += fmt::format("team {}\n", side->team ? side->team->name : "-");
        for (const PlayerRecord* p : side->lineup)
            out += "L " + name(p) + "\n";
        for (const PlayerRecord* p : side->defense)
            out += "D " + name(p) + "\n";
        for (const PlayerRecord* p : side->pitchingStaff)
            out += p ? "S " + p->name + "\n" : "";
        for (int slot = 0; slot < 10; ++slot) {
            for (const auto& l : side->boxLines[slot]) {
                out += fmt::format("B{} {} {} {} {} {} {} {} {} {} {} {} {} {}\n", slot, l->name,
                                   l->atBats, l->runs, l->hits, l->doubles, l->triples, l->homeRuns,
                                   l->rbi, l->stolenBases, l->caughtStealing, l->walks,
                                   l->strikeouts, l->positions);
                if (l->pitching) {
                    const BoxPitching& p = *l->pitching;
                    out += fmt::format("P {} {} {} {} {}\n", p.outs, p.runsAllowed, p.hitsAllowed,
                                       p.strikeouts, p.walks);
                }
            }
        }
        out +=
            fmt::format("next {} runs {} hits {} errors {} score {}\n", side->nextBatter,
                        side->teamRuns, side->hits, side->errors, fmt::join(side->lineScore, ","));
    }
    out += fmt::format("bat {} idx {} inn {} outs {} hir {} dh {} bases {} q {} box {}\n",
                       game.battingSide, game.batterIndex, game.inning, game.outs,
                       game.halfInningRuns, game.designatedHitter, game.bases,
                       fmt::join(game.runnerQueue, ","), game.hasBattingBoxLines);
    return out + game.playLog;
}

// As ResetGame leaves a game: no lineups, defences or BoxLines, new-game counters.
inline void ExpectCleanState(const GameState& game) {
    for (const GameSide* side : {&game.visitor, &game.home}) {
        for (const PlayerRecord* p : side->lineup)
            EXPECT_EQ(p, nullptr);
        for (const PlayerRecord* p : side->defense)
            EXPECT_EQ(p, nullptr);
        for (const BoxChain& chain : side->boxLines)
            EXPECT_TRUE(chain.empty());
        EXPECT_EQ(side->teamRuns, 0);
        EXPECT_EQ(side->nextBatter, 0);
    }
    EXPECT_FALSE(game.hasBattingBoxLines);
    EXPECT_FALSE(game.hasBattingOutcomes);
    EXPECT_EQ(game.battingSide, kVisitors);
    EXPECT_EQ(game.inning, 1);
    EXPECT_EQ(game.outs, 0);
    EXPECT_EQ(game.bases, 0);
    EXPECT_EQ(game.visitor.lineScore[0], 0);
    EXPECT_EQ(game.home.lineScore[0], -1);
    EXPECT_EQ(game.playLog, "Top of inning 1\r\n");
}

inline std::string ReadBytes(const std::filesystem::path& path) {
    std::string bytes;
    EXPECT_TRUE(ReadFileBytes(path, bytes)) << path;
    return bytes;
}

inline void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// A session whose installation folder holds the test league (and custom teams).
struct Installation {
    TempDir dir;
    Installation(const TeamList& custom = {}) {
        EXPECT_TRUE(WriteLeague(dir.path(), MakeLeague(), custom));
    }
    void Attach(Session& session) const { session.installDirectory = dir.path(); }
};

// The game as the play screen finds it after the wizard: default set-up, BoxLines made.
inline void StartGame(Session& session, const std::string& visitors, const std::string& home,
                      bool dh, bool customVisitors = false, bool customHome = false) {
    LoadCustomDatabase(session.teams, session.installDirectory);
    ASSERT_TRUE(LoadLegendDatabase(session.teams, session.installDirectory));
    TeamRecord* v = LookupTeam(
        customVisitors ? session.teams.customTeams : session.teams.legendTeams, visitors);
    TeamRecord* h =
        LookupTeam(customHome ? session.teams.customTeams : session.teams.legendTeams, home);
    ASSERT_TRUE(v && h);
    std::string error;
    ASSERT_TRUE(DefaultSetup(session, *v, *h, dh, &error)) << error;
    MakeBoxLines(session.game, true);
}

inline PlayerRecord* FirstUnused(GameSide& side, std::uint8_t bits) {
    for (const auto& p : side.team->players) {
        if (!p->HasPosition(bits)) continue;
        bool used = false;
        for (const BoxChain& chain : side.boxLines) {
            for (const auto& l : chain)
                used = used || l->name == p->name;
        }
        if (!used) return p.get();
    }
    return nullptr;
}

inline BoxLine& AppendLine(BoxChain& chain, const PlayerRecord& player, int position) {
    chain.push_back(std::make_unique<BoxLine>(player.name));
    chain.back()->positions = static_cast<std::uint8_t>(position);
    return *chain.back();
}

// A pinch hitter for the batter in `slot` who stays in the game unbooked ("ph"), as
// when the forced replacement is cancelled: he holds the starter's place in the field.
inline void PinchHit(GameSide& side, int slot) {
    PlayerRecord* ph = FirstUnused(side, static_cast<std::uint8_t>(~Pitcher));
    ASSERT_NE(ph, nullptr);
    const int slotPosition = side.boxLines[slot].front()->positions;
    AppendLine(side.boxLines[slot], *ph, PinchHitter).atBats = 1;
    side.lineup[slot] = ph;
    side.defense[DefenseSlotOfPosition(slotPosition)] = ph;
}

// A pitching change as the dialog makes it: chain 9 gets the reliever, and without a
// designated hitter so does the batting slot of the pitcher he replaces.
inline void ChangePitcher(GameSide& side) {
    PlayerRecord* reliever = FirstUnused(side, Pitcher);
    ASSERT_NE(reliever, nullptr);
    for (int slot = 0; slot < 9; ++slot) {
        if (side.lineup[slot] == side.defense[PitcherSlot]) {
            AppendLine(side.boxLines[slot], *reliever, PitcherPosition);
            side.lineup[slot] = reliever;
        }
    }
    BoxLine& line = AppendLine(side.boxLines[9], *reliever, PinchHitter);
    line.pitching = std::make_unique<BoxPitching>();
    line.pitching->outs = 4;
    line.pitching->hitsAllowed = 2;
    side.lineup[9] = reliever;
    side.defense[PitcherSlot] = reliever;
}

// A game in the sixth inning whose numbers agree as a played game's do.
inline void MidGameCounters(GameState& game, bool homeAtBat) {
    game.battingSide = homeAtBat ? kHome : kVisitors;
    game.visitor.nextBatter = 3;
    game.home.nextBatter = 7;
    game.batterIndex = game.Batting().nextBatter;
    game.visitor.teamRuns = 4;
    game.home.teamRuns = 2;
    game.visitor.hits = 2;
    game.home.hits = 0;
    game.bases = 5;
    game.runnerQueue = {3, 1, 0};
    game.inning = 6;
    game.outs = 2;
    game.halfInningRuns = homeAtBat ? 0 : 1;
    game.visitor.lineScore = {0, 1, 0, 2, 0, 1, -1, -1, -1};
    game.home.lineScore = {0, 0, 2, 0, 0, homeAtBat ? 0 : -1, -1, -1, -1};
    game.playLog += "\r\nBottom of inning 5.\r\nSomebody  hit a Single.\r\n";
    BoxLine& batter = CurrentLine(game.visitor, 2);
    batter.atBats = 3;
    batter.hits = 2;
    batter.homeRuns = 1;
    batter.rbi = 2;
    game.home.boxLines[9].front()->pitching->outs = 17;
}

inline std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

}  // namespace velmoro::testing
