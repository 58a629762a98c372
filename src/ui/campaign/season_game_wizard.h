// A managed club's game of the season set up through the new game wizard: the teams of
// the schedule, each lineup page on the player the season's own set-up starts there
// (the rotation's starter on the pitcher's), the default order; every choice
// changeable as in any game.
#pragma once

#include <array>
#include <string>

#include "base/status.h"

class QWidget;

namespace velmoro {

struct Session;
struct UiContext;
class ManagedSeason;

// Who the season's own set-up starts, by side (visitors first) and defence slot.
using SeasonStarters = std::array<std::array<std::string, 10>, 2>;

// The session's game made ready for the wizard's first lineup page: the clubs of game
// `gameId` from the LegendDB of the season's folder, the designated hitter as the
// league plays; `starters` whom the season's set-up of the game starts.
Status PrepareSeasonGame(UiContext& context, ManagedSeason& season, int gameId,
                         SeasonStarters& starters);

// The wizard from the visitors' pitcher page on, each lineup page on its starter when
// the page offers him; true after Finish.
bool RunSeasonGameWizard(UiContext& context, QWidget* parent, const SeasonStarters& starters);

// The set-up game plays on the season's engine.
void UseSeasonEngine(Session& session, const ManagedSeason& season);

}  // namespace velmoro
