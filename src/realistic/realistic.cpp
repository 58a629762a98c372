#include "realistic/realistic.h"

#include "db/records.h"
#include "engine/session.h"

namespace velmoro {

class RealisticData {};

std::shared_ptr<const RealisticData> LoadRealisticData(const TeamDatabase&,
                                                       const std::filesystem::path&) {
    return std::make_shared<RealisticData>();
}

void SetEngine(Session&, EngineKind, std::shared_ptr<const RealisticData>) {}

EngineKind EngineOf(const GameState&) {
    return EngineKind::Classic;
}

}  // namespace velmoro
