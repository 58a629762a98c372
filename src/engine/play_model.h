// A model of play beside the classic rules. A game holds one when it plays by another
// engine: the turn then asks it for the plate appearance and the manager's plays, and
// books what it returns exactly as it books the classic plays. A game without one plays
// the classic rules.
#pragma once

#include <optional>

#include "engine/engine_kind.h"
#include "engine/running.h"

namespace velmoro {

struct Session;

class PlayModel {
  public:
    virtual ~PlayModel() = default;

    virtual EngineKind Kind() const = 0;

    // The plate appearance of the batter at the plate, played into the game: runners,
    // outs, box lines and play-by-play. `defensiveChoice` is the fielding side's choice
    // (Normal Defense or Infield In).
    virtual PlayResult PlateAppearance(Session& session, int defensiveChoice) const = 0;

    // The manager's plays. None when the play is refused (the refusal shown as the
    // classic play shows it); otherwise what it added to the score.
    virtual std::optional<PlayResult> Sacrifice(Session& session) const = 0;
    virtual std::optional<PlayResult> Steal(Session& session) const = 0;
    virtual std::optional<PlayResult> SqueezePlay(Session& session) const = 0;
};

}  // namespace velmoro
