// A game ready for in-game management: two small teams set up with every default
// choice, the play screen's opening done, the visitors at bat.
#pragma once

#include <string>
#include <vector>

#include "engine/session.h"
#include "engine/turns.h"
#include "setup/default_setup.h"

namespace velmoro::manage_test {

inline PlayerRecord& AddPlayer(TeamRecord& team, const std::string& name, int avg, int positions) {
    PlayerRecord player(name);
    player.battingAvg = static_cast<std::uint16_t>(avg);
    player.positions = static_cast<std::uint8_t>(positions);
    return team.AddPlayer(std::move(player));
}

inline PlayerRecord& AddArm(TeamRecord& team, const std::string& name, int avg, int era, int games,
                            int innings, int positions = Pitcher) {
    PlayerRecord& p = AddPlayer(team, name, avg, positions);
    p.pitching = std::make_unique<PitchingLine>();
    p.pitching->eraX100 = static_cast<std::uint16_t>(era);
    p.pitching->games = static_cast<std::uint8_t>(games);
    p.pitching->inningsPitched = static_cast<std::uint16_t>(innings);
    return p;
}

// Batting averages make the default set-up predictable: "Ace" starts, the
// specialists take their positions, "Slugger" is the designated hitter when there is
// one. The batting order is P (or DH), C, 1B, 2B, SS, 3B, LF, CF, RF.
inline void FillTeam(TeamRecord& team) {
    AddPlayer(team, "Slugger", 400, NoPosition);
    AddPlayer(team, "Catch", 260, Catcher);
    AddPlayer(team, "First", 300, FirstBase);
    AddPlayer(team, "Second", 280, SecondBase);
    AddPlayer(team, "Short", 250, Shortstop);
    AddPlayer(team, "Third", 270, ThirdBase);
    AddPlayer(team, "Left", 295, Outfield);
    AddPlayer(team, "Center", 290, Outfield);
    AddPlayer(team, "Right", 285, Outfield);
    AddPlayer(team, "Bench", 230, Outfield | FirstBase);
    AddPlayer(team, "Util", 220, SecondBase | Shortstop | ThirdBase);
    AddArm(team, "Ace", 100, 250, 30, 240);
    AddArm(team, "Deep", 120, 300, 30, 200);
    AddArm(team, "Reliever", 90, 200, 60, 80);
    AddArm(team, "NoGames", 80, 400, 0, 0);
    AddArm(team, "TwoWay", 210, 350, 30, 150, Pitcher | Outfield);
}

struct ManagedGame {
    Session session;
    TeamRecord visitors{"1960 Visitors"};
    TeamRecord home{"1960 Home"};
    bool ready = false;

    explicit ManagedGame(bool designatedHitter) {
        FillTeam(visitors);
        FillTeam(home);
        std::string error;
        ready = DefaultSetup(session, visitors, home, designatedHitter, &error);
        if (ready) OpenPlayScreen(session);
        session.game.dialogSide = kVisitors;
    }

    GameState& game() { return session.game; }
    GameSide& side() { return session.game.Side(session.game.dialogSide); }
    PlayerRecord* player(const std::string& name) { return FindPlayer(side().team, name); }
    // Names of a chain, starter first, with their position numbers.
    std::vector<std::pair<std::string, int>> chain(int slot) {
        std::vector<std::pair<std::string, int>> lines;
        for (const auto& line : side().boxLines[slot])
            lines.emplace_back(line->name, line->positions);
        return lines;
    }
    // The batter due up is the one in `slot`.
    void batterAt(int slot) {
        session.game.batterIndex = slot;
        session.game.Batting().nextBatter = slot;
    }
};

}  // namespace velmoro::manage_test
