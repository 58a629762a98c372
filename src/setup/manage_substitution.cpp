#include "setup/manage_substitution.h"

#include "engine/session.h"

namespace velmoro {

namespace {

struct PositionEntry {
    const char* entry;
    const char* caption;
    int bit;
};

// Indexed by FieldPosition. The three outfield positions share one bit; the
// designated hitter's bit is the one that marks a player without a field position.
constexpr PositionEntry kPositions[] = {
    {"Batter", "Select A Pinch Hitter", 0},
    {"Pitcher", "Select A Pitcher", Pitcher},
    {"Catcher", "Select A Catcher", Catcher},
    {"First Base", "Select A First Baseman", FirstBase},
    {"Second Base", "Select A Second Baseman", SecondBase},
    {"Third Base", "Select A Third Baseman", ThirdBase},
    {"Shortstop", "Select A Shortstop", Shortstop},
    {"Left Field", "Select A Left Fielder", Outfield},
    {"Center Field", "Select A Center Fielder", Outfield},
    {"Right Field", "Select A Right Fielder", Outfield},
    {"Designated Hitter", "Select A Designated Hitter", NoPosition},
};

bool IsFieldPosition(int fieldPosition) {
    return fieldPosition >= PinchHitter && fieldPosition <= DesignatedHitterPosition;
}

// Whether a player may bat for the batter due up and then stay in the game at the
// batter's position (the designated hitter's position takes anybody).
bool CanTakeOverSlot(const PlayerRecord& player, int slotBit) {
    return player.HasPosition(static_cast<std::uint8_t>(slotBit)) || slotBit == NoPosition;
}

void AddPitcherCandidates(const GameState& game, Side side, SubstituteCandidates& result) {
    for (const PlayerRecord* pitcher : game.SideOf(side).pitchingStaff) {
        if (pitcher && IsAvailableSubstitute(game, side, *pitcher) &&
            pitcher->HasPosition(Pitcher)) {
            result.names.push_back(pitcher->name);
            ++result.count;
        }
    }
}

void AddRosterCandidates(const GameState& game, Side side, int replacePosition,
                         SubstituteCandidates& result) {
    const TeamRecord* team = game.SideOf(side).team;
    if (!team) return;
    const int mask = PositionBit(replacePosition);
    const int slotBit = PositionBit(SlotPosition(game, side, game.batterIndex));
    for (const auto& player : team->players) {
        if (!IsAvailableSubstitute(game, side, *player)) continue;
        const bool fits = player->HasPosition(static_cast<std::uint8_t>(mask));
        const bool listed = fits || (mask == NoPosition && game.designatedHitter) || mask == 0;
        if (!listed) continue;
        result.names.push_back(player->name);
        if (fits || mask == NoPosition || (mask == 0 && CanTakeOverSlot(*player, slotBit))) {
            ++result.count;
        }
    }
}

// The new pitcher of the side: lineup entry 9 and his own pitching line, to which
// every later pitching event of the side is booked.
void MakeSidePitcher(GameSide& side, PlayerRecord& pitcher, int fieldPosition) {
    side.lineup[kPitcherEntry] = &pitcher;
    AppendBoxLine(side.boxLines[kPitcherEntry], pitcher, fieldPosition, true);
}

void RefreshBattingPanels(Session& session, Side side) {
    GameState& game = session.game;
    if (side != game.battingSide) return;
    Display& screen = session.Screen();
    screen.ShowLineup();
    if (const PlayerRecord* batter = game.Batting().lineup[game.batterIndex]) {
        screen.ShowHitter(*batter);
    }
}

}  // namespace

int PositionBit(int fieldPosition) {
    return IsFieldPosition(fieldPosition) ? kPositions[fieldPosition].bit : 0;
}

std::string ReplaceEntryText(int fieldPosition) {
    return IsFieldPosition(fieldPosition) ? kPositions[fieldPosition].entry : "";
}

std::string ReplaceCaption(int fieldPosition) {
    return IsFieldPosition(fieldPosition) ? kPositions[fieldPosition].caption : "";
}

bool IsAvailableSubstitute(const GameState& game, Side side, const PlayerRecord& player) {
    return IsAvailableSubstitute(game, side, player.name);
}

bool IsAvailableSubstitute(const GameState& game, Side side, std::string_view name) {
    for (const BoxChain& chain : game.SideOf(side).boxLines) {
        for (const auto& line : chain) {
            if (line->name == name) return false;
        }
    }
    return true;
}

int LineupIndexOfPosition(const GameState& game, Side side, int fieldPosition) {
    const auto& lineup = game.SideOf(side).lineup;
    const PlayerRecord* player = nullptr;
    if (fieldPosition == PinchHitter) {
        if (game.batterIndex >= 0 && game.batterIndex < 10) player = lineup[game.batterIndex];
    } else if (int slot = DefenseSlotOfPosition(fieldPosition); slot >= 0) {
        player = game.SideOf(side).defense[slot];
    }
    if (!player) return 10;
    for (int index = 0; index < 10; ++index) {
        if (lineup[index] == player) return index;
    }
    return 10;
}

int SlotPosition(const GameState& game, Side side, int slot) {
    if (slot < 0 || slot >= 10) return PinchHitter;
    const BoxChain& chain = game.SideOf(side).boxLines[slot];
    return chain.empty() ? int{PinchHitter} : int{chain.front()->position};
}

bool ForcedReplacementDue(const GameState& game, Side side) {
    const int position = game.pinchHitterMustLeave;
    const int slot = DefenseSlotOfPosition(position);
    if (slot < 0) return false;
    const GameSide& team = game.SideOf(side);
    const int index = LineupIndexOfPlayer(team, team.defense[slot]);
    if (index < 0) return false;
    const BoxChain& chain = team.boxLines[index];
    return !chain.empty() && chain.back()->position == PinchHitter;
}

std::vector<int> ReplaceChoices(const GameState& game, Side side) {
    if (ForcedReplacementDue(game, side)) return {game.pinchHitterMustLeave};
    std::vector<int> choices{PinchHitter};
    const int slotPosition = SlotPosition(game, side, game.batterIndex);
    if (slotPosition >= PitcherPosition && slotPosition <= DesignatedHitterPosition) {
        choices.push_back(slotPosition);
    }
    return choices;
}

SubstituteCandidates SubstitutionCandidates(const Session& session, Side side,
                                            int replacePosition) {
    SubstituteCandidates result;
    if (replacePosition == PitcherPosition) {
        AddPitcherCandidates(session.game, side, result);
    } else {
        AddRosterCandidates(session.game, side, replacePosition, result);
    }
    return result;
}

BoxLine& AppendBoxLine(BoxChain& chain, const PlayerRecord& player, int fieldPosition,
                       bool pitching) {
    auto line = std::make_unique<BoxLine>(player.name);
    line->position = static_cast<std::uint8_t>(fieldPosition);
    if (pitching) line->pitching = std::make_unique<BoxPitching>();
    chain.push_back(std::move(line));
    return *chain.back();
}

SubstitutionOutcome ApplySubstitution(Session& session, Side which, int replacePosition,
                                      const std::string& name) {
    GameState& game = session.game;
    GameSide& side = game.SideOf(which);
    PlayerRecord* incoming = FindPlayer(side.team, name);
    if (!incoming) return SubstitutionOutcome::UnknownPlayer;
    const int index = LineupIndexOfPosition(game, which, replacePosition);
    if (index >= 10) return SubstitutionOutcome::NotInLineup;

    // A pinch hitter takes over the batter's fielding slot whether he can play it or
    // not; one who cannot is booked as a pinch hitter and must leave after batting.
    // The flag always follows the latest player sent up, so a second pinch hitter
    // who can field is not forced out for the first one.
    bool bookedAsPinchHitter = false;
    if (replacePosition == PinchHitter) {
        const int slotPosition = SlotPosition(game, which, game.batterIndex);
        bookedAsPinchHitter = !CanTakeOverSlot(*incoming, PositionBit(slotPosition));
        game.pinchHitterMustLeave = bookedAsPinchHitter ? slotPosition : 0;
        replacePosition = slotPosition;
    } else {
        game.pinchHitterMustLeave = 0;
    }

    if (int slot = DefenseSlotOfPosition(replacePosition); slot >= 0) {
        side.defense[slot] = incoming;
    }
    side.lineup[index] = incoming;
    AppendBoxLine(side.boxLines[index], *incoming,
                  bookedAsPinchHitter ? PinchHitter : SlotPosition(game, which, index),
                  index == kPitcherEntry);

    // Whoever comes in to pitch is the side's pitcher from now on, whatever other
    // positions he can also play; otherwise the pitcher who left would go on being
    // charged with every pitch.
    if (replacePosition == PitcherPosition && incoming->HasPosition(Pitcher) &&
        index != kPitcherEntry) {
        MakeSidePitcher(side, *incoming, PitcherPosition);
    }
    RefreshBattingPanels(session, which);
    return SubstitutionOutcome::Applied;
}

}  // namespace velmoro
