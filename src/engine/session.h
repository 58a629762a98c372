// Everything one run of the program keeps: the team lists, the game and the random
// source. `main` makes one and hands it on by reference.
#pragma once

#include <filesystem>

#include "db/records.h"
#include "engine/display.h"
#include "engine/game_state.h"
#include "engine/random.h"

namespace velmoro {

struct Session {
    TeamDatabase teams;
    GameState game;
    Random random;
    // First row of the statistics views, shared by both views and both sides.
    int statsPageStart = 0;
    // Where the data files live and where EndGame writes the box score (an empty
    // path writes none).
    std::filesystem::path installDirectory{"."};
    std::filesystem::path gameLogPath{"GameLog"};
    // A silent session plays on a copy of a game only for its outcome: it grows no
    // play-by-play and writes no GameLog. What it shows goes to its display as always
    // (none unless one is set).
    bool silent = false;

    Session() { InitGameState(game); }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    Display& Screen() { return *display_; }
    void SetDisplay(Display* display) { display_ = display ? display : &silent_; }

  private:
    Display silent_;
    Display* display_ = &silent_;
};

}  // namespace velmoro
