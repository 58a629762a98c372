// What the database change window's Save writes to LegendDB: the qualifying players,
// without ever leaving a team empty or making a team that could play unable to.
#pragma once

#include <cstddef>
#include <string>

#include "db/records.h"

namespace velmoro {

struct LegendSavePlan {
    TeamList teams;                  // copies, as they are written
    std::size_t droppedPlayers = 0;  // not qualifying, left out
    std::size_t droppedTeams = 0;    // without players, left out
};

// Every team with its qualifying players (IsQualifyingPlayer). A team keeps all its
// players when the filter would leave it none, or would leave a team that could play
// unable to; a team without players is left out, as it could never be played.
LegendSavePlan PlanLegendSave(const TeamList& teams);

// The question before a Save that leaves players or teams out ("2 players do not
// qualify and will not be written. Save anyway?"); empty when nothing is left out.
std::string LegendSaveQuestion(const LegendSavePlan& plan);

}  // namespace velmoro
