// The saved game reader, then up to 200 turns of the loaded game.
//
// Input: the ".gam" file's bytes, then optionally a NUL byte and one byte per step
// (taken in turn, again from the first when they run out; none means every turn is
// "Normal Play"). A byte b below 0xC0 plays a turn with offensive choice b % 4 and
// defensive choice (b / 4) % 3; 0xC0 to 0xDF sends in a substitute for the side at bat
// (who to replace b & 1, candidate (b >> 1) & 15), 0xE0 and above changes the pitcher
// of the side in the field (candidate b & 31). The bytes also seed the random source.
// The game is played on the demo league, with one custom team beside it so that
// custom games load too. VELMORO_FUZZ_TRACE=1 prints the state after every turn.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/invariants.h"
#include "engine/session.h"
#include "engine/turns.h"
#include "fuzz_support.h"
#include "saves/saved_game.h"
#include "setup/manage_pitching.h"
#include "setup/manage_substitution.h"

using namespace velmoro;

namespace {

constexpr int kMaxTurns = 200;

// The forced substitution brings in the first candidate who can take the position, as
// a user who just presses OK would.
class FuzzDisplay : public Display {
  public:
    explicit FuzzDisplay(Session& session) : session_(session) {}
    void ForcedSubstitution(Side side) override {
        const std::vector<int> choices = ReplaceChoices(session_.game, side);
        if (choices.empty()) return;
        const SubstituteCandidates candidates = SubstitutionCandidates(session_, side, choices[0]);
        if (candidates.count > 0)
            ApplySubstitution(session_, side, choices[0], candidates.names[0]);
    }

  private:
    Session& session_;
};

// One step of the input's list: a turn, a substitution or a pitching change.
void PlayStep(Session& session, unsigned char step) {
    GameState& game = session.game;
    if (step < 0xC0) {
        PlayTurn(session, step % 4, (step / 4) % 3);
    } else if (step < 0xE0) {
        const Side side = game.battingSide;
        const std::vector<int> choices = ReplaceChoices(game, side);
        if (choices.empty()) return;
        const int position = choices[(step & 1) % choices.size()];
        const SubstituteCandidates candidates = SubstitutionCandidates(session, side, position);
        if (candidates.count <= 0) return;
        ApplySubstitution(session, side, position,
                          candidates.names[((step >> 1) & 15) % candidates.count]);
    } else {
        const Side side = game.FieldingSide();
        const std::vector<std::string> candidates = PitchingChangeCandidates(game, side);
        if (!candidates.empty())
            ApplyPitchingChange(session, side, candidates[(step & 31) % candidates.size()]);
    }
}

// A custom team like one the editor makes: players of two demo clubs under a new name.
TeamList CustomTeams(const TeamList& legend) {
    TeamList custom;
    TeamRecord& team = AddTeam(custom, "Fuzz All-Stars");
    for (const auto* source : {legend.front().get(), legend.back().get()}) {
        for (const auto& player : source->players)
            team.AddPlayer(*player);
    }
    return custom;
}

void PrepareSession(Session& session) {
    session.installDirectory = fuzz::ScratchDir();
    session.gameLogPath = fuzz::ScratchDir() / "GameLog";
    // Loaded lists are not read again from the (empty) install folder.
    session.teams.legendTeams = fuzz::DemoLeague();
    session.teams.customTeams = CustomTeams(session.teams.legendTeams);
}

void Trace(const char* what, const GameState& game) {
    static const bool on = std::getenv("VELMORO_FUZZ_TRACE") != nullptr;
    if (!on) return;
    std::fprintf(stderr, "%s: inning %d side %d outs %d bases %d queue %d,%d,%d runs %d-%d\n", what,
                 game.inning, SideNumber(game.battingSide), game.outs, game.bases,
                 game.runnerQueue[0], game.runnerQueue[1], game.runnerQueue[2],
                 game.visitor.teamRuns, game.home.teamRuns);
}

// Loads `path` into a fresh session; when it loads, returns its saved-game text.
bool LoadAndSave(const std::filesystem::path& path, std::string& text) {
    Session session;
    PrepareSession(session);
    if (!LoadSavedGame(session, path)) return false;
    fuzz::Check(SavedGameText(session.game, text), "a loaded game can be saved");
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = fuzz::SplitOnNul(fuzz::Bytes(data, size), 2);
    const std::string_view file = parts[0], turns = parts.size() > 1 ? parts[1] : "";
    const std::filesystem::path path = fuzz::ScratchDir() / "fuzz.gam";
    fuzz::WriteFile(path, file);

    Session session;
    PrepareSession(session);
    FuzzDisplay display(session);
    session.SetDisplay(&display);
    std::uint32_t seed = 1;
    for (unsigned char c : turns)
        seed = seed * 31 + c;
    session.random.SetFixedSeed(seed);
    if (!LoadSavedGame(session, path)) {
        Trace("refused", session.game);
        std::string text;
        fuzz::Check(!SavedGameText(session.game, text), "a refused file leaves no game behind");
        return 0;
    }

    // Saved again, the loaded game reads back into the very same file.
    std::string saved;
    fuzz::Check(SavedGameText(session.game, saved), "a loaded game can be saved");
    fuzz::WriteFile(path, saved);
    std::string again;
    fuzz::Check(LoadAndSave(path, again), "a saved game loads again");
    fuzz::Check(again == saved, "a loaded game saves back to the same bytes");

    OpenPlayScreen(session);
    GameState& game = session.game;
    Trace("loaded", game);
    for (int turn = 0; turn < kMaxTurns && !IsGameOver(game); ++turn) {
        PlayStep(session,
                 turns.empty() ? 0 : static_cast<unsigned char>(turns[turn % turns.size()]));
        Trace("turn", game);
        fuzz::Check(GameStateProblem(game).empty(), "no turn leaves an unsound game");
    }
    // Whatever the turns reached, a game still going on is saved and loaded again.
    if (!IsGameOver(game)) {
        fuzz::Check(SavedGameText(game, saved), "a game in progress can be saved");
        fuzz::WriteFile(path, saved);
        fuzz::Check(LoadAndSave(path, again) && again == saved,
                    "a game in progress loads back as it was saved");
    }
    return 0;
}
