// What every window of the program works on.
#pragma once

#include <memory>

#include "engine/engine_kind.h"
#include "engine/session.h"
#include "platform/file_chooser.h"
#include "platform/prompter.h"
#include "setup/setup_state.h"

namespace velmoro {

class RealisticData;

struct UiContext {
    Session& session;
    Prompter& prompter;
    FileChooser& chooser;
    // `velmoro --maintenance`: the team page shows its "DB Change" button.
    bool maintenance = false;
    // The team the statistics views showed last; only compared, never followed, as it
    // may have been deleted since.
    const TeamRecord* statsTeam = nullptr;
    // Where the new game wizard's lineup pages stand.
    SetupState setup{};
    // The engine the new game wizard chose for its game.
    EngineKind engine = EngineKind::Classic;
    // The realistic engine's data, loaded the first time a game or season plays on it
    // (RealisticSource) and kept for the run.
    std::shared_ptr<const RealisticData> realistic{};
};

}  // namespace velmoro
