#include "manager/manager.h"

namespace velmoro {

TurnDecision DecideTurn(Session&, bool, bool, ManagerKind) {
    return {};
}

std::string MakeBetweenTurnMoves(Session&, int, ManagerKind) {
    return {};
}

std::string ReplaceForcedPinchHitter(Session&, int) {
    return {};
}

}  // namespace velmoro
