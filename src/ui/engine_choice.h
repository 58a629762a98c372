// The engine choice of the windows: "Classic" or "Realistic" in a drop-down list, and the
// realistic engine's data, loaded once a run.
#pragma once

#include "engine/engine_kind.h"
#include "saves/game_engine.h"

class QComboBox;
class QWidget;

namespace velmoro {

struct UiContext;

// The two engines, `chosen` shown; named "engine" for tests.
QComboBox* MakeEngineBox(EngineKind chosen, QWidget* parent);
EngineKind ChosenEngine(const QComboBox* box);
void ShowEngine(QComboBox* box, EngineKind kind);

// The data of the LegendDB in use, loaded the first time it is asked for and kept in the
// context for the rest of the run.
RealisticDataSource RealisticSource(UiContext& context);

}  // namespace velmoro
