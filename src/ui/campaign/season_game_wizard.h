// A managed club's game of the season set up through the new game wizard: the teams of
// the schedule, each side's starter from its rotation offered first, the default
// order; every choice changeable as in any game.
#pragma once

#include <array>
#include <string>

#include "base/status.h"

class QWidget;

namespace velmoro {

struct Session;
struct UiContext;
class ManagedSeason;
struct SeasonGameSetup;

// The session's game made ready for the wizard's first lineup page: the clubs of game
// `gameId` from the LegendDB of the season's folder, the designated hitter as the
// league plays, `starters` the pitchers the season's own set-up would start.
Status PrepareSeasonGame(UiContext& context, const ManagedSeason& season, int gameId,
                         SeasonGameSetup& setup, std::array<std::string, 2>& starters);

// The wizard from the visitors' pitcher page on, each pitcher page on its side's
// starter; true after Finish.
bool RunSeasonGameWizard(UiContext& context, QWidget* parent,
                         const std::array<std::string, 2>& starters);

// The set-up game plays on the season's engine.
void UseSeasonEngine(Session& session, const ManagedSeason& season);

}  // namespace velmoro
