#include "setup/manage_pitching.h"

#include "engine/session.h"

namespace velmoro {

namespace {

// Through the fourth inning only a pitcher who goes deep into games may come in.
constexpr int kLastInningForStarters = 4;
constexpr int kStarterInningsPerGame = 3;

bool GoesDeepIntoGames(const PlayerRecord& pitcher) {
    const PitchingLine* line = pitcher.pitching.get();
    return line && line->games != 0 && line->inningsPitched / line->games > kStarterInningsPerGame;
}

}  // namespace

bool IsReliefCandidate(const GameState& game, Side side, const PlayerRecord& pitcher) {
    if (!IsAvailableSubstitute(game, side, pitcher) || !pitcher.HasPosition(Pitcher)) return false;
    return game.inning > kLastInningForStarters || GoesDeepIntoGames(pitcher);
}

std::vector<std::string> PitchingChangeCandidates(const GameState& game, Side side) {
    std::vector<std::string> names;
    for (const PlayerRecord* pitcher : game.SideOf(side).pitchingStaff) {
        if (pitcher && IsReliefCandidate(game, side, *pitcher)) names.push_back(pitcher->name);
    }
    return names;
}

SubstitutionOutcome ApplyPitchingChange(Session& session, Side which, const std::string& name) {
    GameState& game = session.game;
    GameSide& side = game.SideOf(which);
    PlayerRecord* incoming = FindPlayer(side.team, name);
    if (!incoming) return SubstitutionOutcome::UnknownPlayer;
    const int index = LineupIndexOfPosition(game, which, PitcherPosition);
    if (index >= 10) return SubstitutionOutcome::NotInLineup;

    side.defense[PitcherSlot] = incoming;
    side.lineup[kPitcherEntry] = incoming;
    side.lineup[index] = incoming;
    if (index < 9) {
        // He bats where the pitcher he relieves batted, booked at that man's position.
        BoxChain& chain = side.boxLines[index];
        const int position = chain.empty() ? int{PitcherPosition} : int{chain.back()->position};
        AppendBoxLine(chain, *incoming, position, false);
    }
    session.Screen().ShowPitcher(*incoming);
    // A reliever's pitching line carries no position of its own.
    AppendBoxLine(side.boxLines[kPitcherEntry], *incoming, 0, true);
    return SubstitutionOutcome::Applied;
}

}  // namespace velmoro
