#include "setup/lineup.h"

#include <array>

#include "engine/game_state.h"

namespace velmoro {

namespace {

struct SlotText {
    const char* title;
    const char* word;
};

// Indexed by defence slot, P C 1B 2B SS 3B LF CF RF DH. No word is given for the
// designated hitter anywhere else, so the message names the position in full.
constexpr std::array<SlotText, 10> kSlotTexts{{
    {"Select A Starting Pitcher", "pitcher"},
    {"Select A Starting Catcher", "catcher"},
    {"Select A Starting First Baseman", "first base"},
    {"Select A Starting Second Baseman", "second base"},
    {"Select A Starting Shortstop", "shortstop"},
    {"Select A Starting Third Baseman", "third base"},
    {"Select A Starting Left Fielder", "outfield"},
    {"Select A Starting Center Fielder", "outfield"},
    {"Select A Starting Right Fielder", "outfield"},
    {"Select A Designated Hitter", "designated hitter"},
}};

// The staff's first 30 places are the only ones the pitcher's page looks at.
constexpr int kStaffPlacesShown = 30;
constexpr int kInfieldBits = FirstBase | SecondBase | ThirdBase | Shortstop;

// A starting pitcher: at least four innings per game on average.
bool IsStarter(const PlayerRecord& player) {
    if (!player.HasPosition(Pitcher) || !player.pitching) return false;
    const PitchingLine& line = *player.pitching;
    return line.games > 0 && line.inningsPitched / line.games > 3;
}

std::vector<std::string> StartingPitchers(const GameState& game) {
    // During set-up the side at bat is the side being set up.
    const GameSide& side = game.SideOf(game.battingSide);
    std::vector<std::string> names;
    for (int i = 0; i < kStaffPlacesShown; ++i) {
        const PlayerRecord* player = side.pitchingStaff[i];
        if (player && IsStarter(*player)) names.push_back(player->name);
    }
    return names;
}

std::vector<std::string> FreePlayersFor(const GameState& game, const SetupState& setup,
                                        int positionMask) {
    std::vector<std::string> names;
    const TeamRecord* team = TeamBeingSetUp(game, setup);
    if (!team) return names;
    const bool designatedHitterPage =
        game.designatedHitter && setup.selectingPosition == kDesignatedHitterPage;
    for (const auto& player : team->players) {
        const bool plays = (player->positions & positionMask) != 0 || designatedHitterPage;
        if (plays && IsPlayerFree(game, setup, player.get())) names.push_back(player->name);
    }
    return names;
}

}  // namespace

TeamRecord* TeamBeingSetUp(const GameState& game, const SetupState& setup) {
    return game.SideOf(setup.setupSide).team;
}

int SlotBeingChosen(const SetupState& setup) {
    switch (setup.selectingPosition) {
        case Pitcher:
            return PitcherSlot;
        case Catcher:
            return CatcherSlot;
        case FirstBase:
            return FirstBaseSlot;
        case SecondBase:
            return SecondBaseSlot;
        case Shortstop:
            return ShortstopSlot;
        case ThirdBase:
            return ThirdBaseSlot;
        case kDesignatedHitterPage:
            return DesignatedHitterSlot;
        case Outfield:
            if (setup.selectingOutfielder == kLeftField) return LeftFieldSlot;
            if (setup.selectingOutfielder == kCenterField) return CenterFieldSlot;
            if (setup.selectingOutfielder == kRightField) return RightFieldSlot;
            return -1;
        default:
            return -1;
    }
}

std::string LineupPageTitle(const SetupState& setup) {
    const int slot = SlotBeingChosen(setup);
    return slot < 0 ? std::string() : kSlotTexts[slot].title;
}

std::string PositionWord(const SetupState& setup) {
    const int slot = SlotBeingChosen(setup);
    return slot < 0 ? std::string() : kSlotTexts[slot].word;
}

std::string NoPlayersMessage(const SetupState& setup) {
    return "There are no players left to play " + PositionWord(setup) + ".\nPlease try again.";
}

bool IsPlayerFree(const GameState& game, const SetupState& setup, const PlayerRecord* player) {
    if (!player) return false;
    const int chosen = SlotBeingChosen(setup);
    const auto& defense = game.SideOf(setup.setupSide).defense;
    for (int slot = 0; slot < static_cast<int>(defense.size()); ++slot) {
        if (slot == chosen || !defense[slot]) continue;
        if (defense[slot]->name == player->name) return false;
    }
    return true;
}

std::vector<std::string> LineupCandidates(const GameState& game, const SetupState& setup) {
    const int selecting = setup.selectingPosition;
    std::vector<std::string> names =
        selecting == Pitcher ? StartingPitchers(game) : FreePlayersFor(game, setup, selecting);
    if (names.empty()) names = FreePlayersFor(game, setup, selecting | kInfieldBits);
    return names;
}

PlayerRecord* SelectLineupCandidate(GameState& game, const SetupState& setup,
                                    const std::string& name) {
    PlayerRecord* player = FindPlayer(TeamBeingSetUp(game, setup), name);
    const int slot = SlotBeingChosen(setup);
    if (!player || slot < 0) return nullptr;
    GameSide& side = game.SideOf(setup.setupSide);
    side.defense[slot] = player;
    if (slot == PitcherSlot) {
        if (game.designatedHitter) side.defense[DesignatedHitterSlot] = nullptr;
        side.lineup[kPitcherEntry] = player;
    }
    return player;
}

bool AdvanceLineupPage(const GameState& game, SetupState& setup) {
    switch (setup.selectingPosition) {
        case Pitcher:
            setup.selectingPosition = Catcher;
            setup.selectingOutfielder = kLeftField;
            return false;
        case Catcher:
            setup.selectingPosition = FirstBase;
            return false;
        case FirstBase:
            setup.selectingPosition = SecondBase;
            return false;
        case SecondBase:
            setup.selectingPosition = Shortstop;
            return false;
        case Shortstop:
            setup.selectingPosition = ThirdBase;
            return false;
        case ThirdBase:
            setup.selectingPosition = Outfield;
            setup.selectingOutfielder = kLeftField;
            return false;
        case Outfield:
            if (setup.selectingOutfielder == kLeftField) {
                setup.selectingOutfielder = kCenterField;
                return false;
            }
            if (setup.selectingOutfielder == kCenterField) {
                setup.selectingOutfielder = kRightField;
                return false;
            }
            setup.selectingOutfielder = kLeftField;
            if (game.designatedHitter) {
                setup.selectingPosition = kDesignatedHitterPage;
                return false;
            }
            setup.selectingPosition = 0;
            return true;
        default:
            setup.selectingPosition = 0;
            return true;
    }
}

}  // namespace velmoro
