// The one game in progress: teams, lineups, defences, per-game lines, score and log.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "db/records.h"
#include "engine/bases.h"
#include "engine/side.h"

namespace velmoro {

class PlayModel;

// A pitcher's numbers in this game. Each count keeps the low bits of its width, as
// the box score and saved games have always shown them.
struct BoxPitching {
    std::uint16_t outs = 0;        // outs recorded while he was on the mound
    std::uint8_t runsAllowed = 0;  // every run scored while he was on the mound
    std::uint8_t hitsAllowed = 0;
    std::uint16_t strikeouts = 0;
    std::uint16_t walks = 0;  // intentional walks included

    bool operator==(const BoxPitching&) const = default;

    // Pooled like the season records: every game makes and frees a side's worth.
    static void* operator new(std::size_t size) { return AllocateRecord<BoxPitching>(size); }
    static void operator delete(void* block, std::size_t size) noexcept {
        FreeRecord<BoxPitching>(block, size);
    }
};

// A player's numbers in this game, with the widths of the season line they are shown
// beside. Batting average, games played and the season's pitching line are not kept.
struct BoxLine {
    std::string name;
    std::uint16_t atBats = 0;
    std::uint8_t runs = 0;
    std::uint8_t hits = 0;  // read through EffectiveHits
    std::uint8_t doubles = 0;
    std::uint8_t triples = 0;
    std::uint8_t homeRuns = 0;
    std::uint8_t rbi = 0;
    std::uint8_t stolenBases = 0;
    std::uint8_t caughtStealing = 0;  // no play counts it; saved games carry it
    std::uint8_t walks = 0;           // intentional walks included
    std::uint8_t strikeouts = 0;      // no play counts it; saved games carry it
    // The FieldPosition he took when he entered the game (not a PositionFlags set).
    std::uint8_t position = 0;
    // The pitchers' lines (chain 9) only.
    std::unique_ptr<BoxPitching> pitching;

    BoxLine() = default;
    explicit BoxLine(std::string playerName) : name(std::move(playerName)) {}

    static void* operator new(std::size_t size) { return AllocateRecord<BoxLine>(size); }
    static void operator delete(void* block, std::size_t size) noexcept {
        FreeRecord<BoxLine>(block, size);
    }
};

inline int EffectiveHits(const BoxLine& line) {
    return EffectiveHits(line.hits, line.atBats);
}

// Every player who held one batting slot in this game, the starter first and the
// player in the slot now last. Chain 9 holds the side's pitchers in pitching order.
using BoxChain = std::vector<std::unique_ptr<BoxLine>>;

// Position numbers carried in BoxLines and saved games.
enum FieldPosition : int {
    PinchHitter = 0,
    PitcherPosition = 1,
    CatcherPosition = 2,
    FirstBasePosition = 3,
    SecondBasePosition = 4,
    ThirdBasePosition = 5,
    ShortstopPosition = 6,
    LeftFieldPosition = 7,
    CenterFieldPosition = 8,
    RightFieldPosition = 9,
    DesignatedHitterPosition = 10,
};

// Defence array slots: shortstop stands before third base.
enum DefenseSlot : int {
    PitcherSlot = 0,
    CatcherSlot = 1,
    FirstBaseSlot = 2,
    SecondBaseSlot = 3,
    ShortstopSlot = 4,
    ThirdBaseSlot = 5,
    LeftFieldSlot = 6,
    CenterFieldSlot = 7,
    RightFieldSlot = 8,
    DesignatedHitterSlot = 9,
};

// "ph", "p", ... "dh"; empty for numbers outside 0..10.
const char* FieldPositionAbbreviation(int fieldPosition);

// Defence slot of a position number 1..10, or -1.
int DefenseSlotOfPosition(int fieldPosition);

// Cumulative thresholds on a scale of 0..1000 for one batting slot.
struct OutcomeTable {
    std::uint32_t singleLimit = 0;
    std::uint32_t doubleLimit = 0;
    std::uint32_t tripleLimit = 0;
    std::uint32_t homeRunLimit = 0;
    std::uint32_t walkLimit = 0;
    std::uint32_t strikeoutLimit = 0;
    std::uint32_t flyBallLimit = 0;

    bool operator==(const OutcomeTable&) const = default;
};

inline constexpr int kStaffSize = 40;
inline constexpr int kMaxStaffPitchers = 29;

// The entry of a side's lineup and of its box lines that holds its pitcher; entries
// 0..8 are the batting order.
inline constexpr int kPitcherEntry = 9;

// One side's share of the game.
struct GameSide {
    TeamRecord* team = nullptr;
    // Entries 0..8 the batting order, kPitcherEntry the pitcher on the mound.
    std::array<PlayerRecord*, 10> lineup{};
    std::array<OutcomeTable, 9> outcomes{};
    // Players with a pitching line, at most 29, lowest eraX100 first.
    std::array<PlayerRecord*, kStaffSize> pitchingStaff{};
    std::array<BoxChain, 10> boxLines;
    // P, C, 1B, 2B, SS, 3B, LF, CF, RF, DH.
    std::array<PlayerRecord*, 10> defense{};
    int nextBatter = 0;
    int teamRuns = 0;
    int hits = 0;
    int errors = 0;
    // Runs per inning 1..9; -1 for a half-inning not played yet.
    std::array<int, 9> lineScore{};
};

struct GameState {
    GameSide visitor;
    GameSide home;

    // The side at bat. During set-up it names the side whose lineup is being filled.
    Side battingSide = Side::Visitors;
    // Whether the outcome tables and the BoxLines of this game have been made.
    bool hasBattingOutcomes = false;
    bool hasBattingBoxLines = false;

    int batterIndex = 0;
    int inning = 1;
    int outs = 0;
    int halfInningRuns = 0;
    // Whether the game is played with a designated hitter (his defence slot is
    // DesignatedHitterSlot, his position DesignatedHitterPosition).
    bool designatedHitter = false;
    int pinchHitterMustLeave = 0;
    // Occupied bases, a set of Base bits.
    int bases = Base::None;
    std::array<int, 3> runnerQueue{};
    std::string playLog;

    // The model the game plays by when it is not the classic rules (none: classic). It
    // is read-only and shared by the game's copies.
    std::shared_ptr<const PlayModel> model;

    GameSide& SideOf(Side side) { return side == Side::Home ? home : visitor; }
    const GameSide& SideOf(Side side) const { return side == Side::Home ? home : visitor; }
    GameSide& Batting() { return SideOf(battingSide); }
    const GameSide& Batting() const { return SideOf(battingSide); }
    GameSide& Fielding() { return SideOf(FieldingSide()); }
    const GameSide& Fielding() const { return SideOf(FieldingSide()); }
    Side FieldingSide() const { return OtherSide(battingSide); }
    bool HomeBatting() const { return battingSide == Side::Home; }
};

// The player who holds a batting slot now: the last BoxLine of the slot's chain.
BoxLine& CurrentLine(GameSide& side, int slot);

// The pitcher on the mound of the side in the field: the last BoxLine of its chain 9.
BoxLine& CurrentPitcherLine(GameState& game);

// Counters of a new game: empty line scores but the visitors' first inning (0),
// "Top of inning 1\r\n", the visitors at bat, everything else zero.
void ResetCounters(GameState& game);

// Once at program start.
void InitGameState(GameState& game);

// Ends the game: counters, no outcome tables, empty lineups and defences, no BoxLines,
// the classic rules. Teams, pitching staffs and designatedHitter keep their values.
void ResetGame(GameState& game);

// A new game with the finished game's starters; substitutions are undone.
void PrepareReplay(GameState& game);

// One fresh BoxLine per slot (slot 9 with a BoxPitching). With players the lines take
// the lineup's names and the starters' position numbers. Leaves the visitors at bat.
void MakeBoxLines(GameState& game, bool withPlayers);

void FreeBoxLines(GameState& game);

// Defence entries from the position numbers of each slot's first BoxLine.
void RebuildDefense(GameState& game);

// The game as it stands, for playing on elsewhere: everything but the play-by-play,
// which the copy starts empty. The copy points at the same teams and players (a game
// never changes them) and has BoxLines of its own, reusing those `to` already holds.
void CopyGameState(const GameState& from, GameState& to);

// First lineup entry 0..9 that is this very player, or -1 (none never matches).
int LineupIndexOfPlayer(const GameSide& side, const PlayerRecord* player);

}  // namespace velmoro
