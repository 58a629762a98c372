// The contents of a ".gam" file as read, before any name is looked up.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine_kind.h"

namespace velmoro {

// One BoxLine as the file holds it. Batting slots use all twelve numbers (the last is
// the FieldPosition); pitchers use the first five (outs, runs, hits, strikeouts, walks).
struct SavedBoxLine {
    std::string name;
    std::array<int, 12> numbers{};
};

struct SavedSide {
    std::string teamName;
    std::array<std::vector<SavedBoxLine>, 10> chains;
    int nextBatter = 0;
    int teamRuns = 0;
    int hits = 0;
    int errors = 0;
    std::array<int, 9> lineScore{};
};

struct SavedGameData {
    SavedSide visitor;
    SavedSide home;
    bool homeAtBat = false;
    int bases = 0;
    // The word after the bases, 0 in every file a classic game writes (it once meant
    // nothing), marks the engine: 0 classic, 1 realistic. A reader refuses any other
    // mark, so a file made for an engine it lacks is never played on the wrong one.
    EngineKind engine = EngineKind::Classic;
    std::array<int, 3> runnerQueue{};
    int inning = 1;
    int outs = 0;
    int halfInningRuns = 0;
    // CR LF line ends, as the game keeps it in memory.
    std::string playLog;
};

inline constexpr int kRealisticEngineMark = 1;

// No game comes near this many runs, hits or errors; a saved game beyond it was not
// written by a game, and the counters could overflow when it goes on.
inline constexpr int kCountLimit = 1000000;

// Parses the file's bytes (lines ending in LF, CR LF or CR CR LF). False for a file
// that is cut short, holds something other than a number where one belongs, or a
// number that does not fit its field or is beyond what a game reaches; `error` then
// says where ("line 76: the outs: 4 is not in 0..3"). Whether the numbers agree with
// each other is checked on the game state they make (GameStateProblem).
bool ParseSavedGame(std::string_view bytes, SavedGameData& out, std::string* error = nullptr);

}  // namespace velmoro
