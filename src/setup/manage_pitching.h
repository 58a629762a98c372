// The pitching change of the side in the field: who may come in, and bringing him in.
#pragma once

#include <string>
#include <vector>

#include "db/records.h"
#include "setup/manage_substitution.h"

namespace velmoro {

struct Session;
struct GameState;

// The staff rule: a pitcher still available to `side`, who through the fourth inning must also have
// averaged more than three innings per game in his season (whole innings per game,
// remainder dropped). The same test picks the starting pitchers.
bool IsReliefCandidate(const GameState& game, Side side, const PlayerRecord& pitcher);

// `side`'s staff, lowest earned run average first, filtered by the rule.
std::vector<std::string> PitchingChangeCandidates(const GameState& game, Side side);

// OK with a highlighted pitcher of `side`: the defence's P slot, lineup entry 9 and, when the
// pitcher bats, his place in the order with a new BoxLine in that chain; a new pitching
// line at the end of chain 9, which from now on is charged with every pitch; the play
// screen's pitcher panel. NotInLineup and UnknownPlayer change nothing.
SubstitutionOutcome ApplyPitchingChange(Session& session, Side side, const std::string& name);

}  // namespace velmoro
