// In-game substitutions of the side at bat: pinch hitters, replacements of the batter
// due up, and the forced replacement of a pinch hitter who cannot field his position.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "db/records.h"
#include "engine/game_state.h"

namespace velmoro {

struct Session;
struct GameState;

inline constexpr const char* kVelmoroErrorCaption = "Velmoro Error";
inline constexpr const char* kNoReplacementsMessage =
    "This player or position cannot be substituted for because there are no replacements "
    "left at that position.";
inline constexpr const char* kReplacementErrorMessage = "Player replacement error";

// PositionFlags bit a player must carry to take a FieldPosition: 0 for the pinch
// hitter (0) and for numbers outside 0..10, 0x80 for the designated hitter.
int PositionBit(int fieldPosition);

// "Batter", "Pitcher", ... "Designated Hitter": the "Who To Replace" entries.
std::string ReplaceEntryText(int fieldPosition);

// "Select A Pinch Hitter", "Select A Pitcher", ...: the caption over the candidates.
std::string ReplaceCaption(int fieldPosition);

// False when somebody of this name has appeared for `side` in this game, in any of its
// ten BoxLine chains: a player who left never comes back.
bool IsAvailableSubstitute(const GameState& game, Side side, const PlayerRecord& player);
bool IsAvailableSubstitute(const GameState& game, Side side, std::string_view name);

// The lineup index (0..9) of the player now at a position of `side`'s defence (for 0,
// the batter due up), or 10 when he is not in its lineup.
int LineupIndexOfPosition(const GameState& game, Side side, int fieldPosition);

// The position of a batting slot's starter, the first BoxLine of `side`'s chain; 0 when
// the chain is empty.
int SlotPosition(const GameState& game, Side side, int slot);

// Whether the forced mode applies: `pinchHitterMustLeave` names a position, and
// `side`'s player there is still a pinch hitter (booked with position 0). A flag left
// over from the other side's half-inning never forces out a regular fielder.
bool ForcedReplacementDue(const GameState& game, Side side);

// The "Who To Replace" entries of `side` as position numbers: in the forced mode only
// the position the pinch hitter took over; otherwise 0 ("Batter") and, when the batter
// due up started at a position, that position.
std::vector<int> ReplaceChoices(const GameState& game, Side side);

// Candidates for one choice, in the order they are offered. `count` is how many of
// them could also take over the position: 0 means nobody may come in.
struct SubstituteCandidates {
    std::vector<std::string> names;
    int count = 0;
};

SubstituteCandidates SubstitutionCandidates(const Session& session, Side side, int replacePosition);

enum class SubstitutionOutcome { Applied, NotInLineup, UnknownPlayer };

// OK with a highlighted candidate of `side`: lineup, defence, the new BoxLine, the
// pitcher on the mound when one comes in, `pinchHitterMustLeave`, and (for the side at
// bat) the play screen's lineup and batter panels. NotInLineup and UnknownPlayer change
// nothing.
SubstitutionOutcome ApplySubstitution(Session& session, Side side, int replacePosition,
                                      const std::string& name);

// Appends a fresh BoxLine to a chain (with a zeroed BoxPitching when asked) and
// returns it.
BoxLine& AppendBoxLine(BoxChain& chain, const PlayerRecord& player, int fieldPosition,
                       bool pitching);

}  // namespace velmoro
