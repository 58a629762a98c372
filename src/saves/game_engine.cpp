#include "saves/game_engine.h"

#include "db/install_dir.h"
#include "db/team_files.h"
#include "engine/session.h"
#include "setup/team_prep.h"

namespace velmoro {

std::shared_ptr<const RealisticData> LoadSessionRealisticData(const Session& session) {
    return LoadRealisticData(session.teams,
                             DataFileToRead(session.installDirectory, kLegendFileName));
}

void PlayOnEngine(Session& session, EngineKind kind, const RealisticDataSource& source) {
    std::shared_ptr<const RealisticData> data;
    if (kind == EngineKind::Realistic) data = source ? source() : LoadSessionRealisticData(session);
    SetEngine(session, kind, std::move(data));
}

void PrepareReplayOnSameEngine(Session& session, const RealisticDataSource& source) {
    const EngineKind kind = EngineOf(session.game);
    PrepareReplayGame(session);
    PlayOnEngine(session, kind, source);
}

}  // namespace velmoro
