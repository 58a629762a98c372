#include <fmt/format.h>
#include <fmt/printf.h>

#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>
#include <vector>

#include "cli/progress.h"
#include "cli/sim.h"
#include "db/captions.h"
#include "db/file_write.h"
#include "db/install_dir.h"
#include "db/team_files.h"
#include "engine/invariants.h"
#include "engine/message_text.h"
#include "engine/play_log.h"
#include "engine/session.h"
#include "engine/turns.h"
#include "manager/play_to_end.h"
#include "saves/saved_game.h"
#include "setup/default_setup.h"
#include "setup/manage_substitution.h"
#include "setup/team_prep.h"

namespace velmoro {

namespace {

constexpr std::size_t kOutputChunk = 1 << 16;

// The message boxes on stderr; the managed sides' forced replacements made.
class SimDisplay : public ManagerDisplay {
  public:
    using ManagerDisplay::ManagerDisplay;
    void ShowMessage(const std::string& text, const std::string& /*caption*/) override {
        ShowSimMessage(text);
    }
    // Kept for the game loop, which stops the run: one message, not one per game.
    void BoxScoreNotWritten(const std::string& path, const std::string& reason) override {
        gameLogError = CannotWriteMessage(path, reason);
    }
    std::string gameLogError;
};

void WriteOut(const std::string& bytes) {
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
}

TeamRecord* ResolveTeam(TeamDatabase& db, const std::string& name) {
    static const std::string kCustomPrefix = "custom:";
    if (name.rfind(kCustomPrefix, 0) != 0) return LookupTeam(db.legendTeams, name);
    // The team page offers only custom teams that can be played.
    TeamRecord* team = LookupTeam(db.customTeams, name.substr(kCustomPrefix.size()));
    return IsTeamPlayable(team) ? team : nullptr;
}

void LoadFailed(const std::filesystem::path& file, const Status& status) {
    ShowSimMessage("Game Load failed: " + ShownValue(file.string(), kShownPathBytes) + ": " +
                   status.message());
}

struct SimGame {
    Session& session;
    SimDisplay& display;
    const ManagedSides& managed;
    const SimOptions& options;
    const std::vector<ScriptTurn>& script;
    const RealisticDataSource& realistic;
    bool first = true;
    bool saved = false;

    // What the computer managers did, on stderr, for a single game.
    void TellManagerMoves() {
        if (!display.notes) return;
        for (const ManagerNote& note : *display.notes)
            std::fprintf(stderr, "Manager: %s: %s\n", SideName(note.side), note.text.c_str());
        display.notes->clear();
    }

    // Right after turn `turn` of the first game: save, forget, load and reopen.
    int Checkpoint(int turn) {
        if (!first || options.saveAtTurn != turn || IsGameOver(session.game)) return kSimOk;
        if (const Status written = WriteSavedGame(session.game, options.saveFile); !written) {
            ReportSimError(written.message());
            return kSimFailed;
        }
        saved = true;
        ResetGame(session.game);
        if (const Status loaded = LoadSavedGame(session, options.saveFile, realistic); !loaded) {
            LoadFailed(options.saveFile, loaded);
            return kSimFailed;
        }
        OpenPlayScreen(session);
        return kSimOk;
    }

    PlayHooks Hooks(int& code) {
        PlayHooks hooks;
        if (first && !script.empty())
            hooks.choose = [this](int turn) {
                if (turn >= static_cast<int>(script.size())) return TurnDecision{};
                return TurnDecision{script[turn].offensive, script[turn].defensive, {}};
            };
        // Later games of a run play with no hook at all.
        if (!(first && options.saveAtTurn) && !display.notes) return hooks;
        hooks.afterTurn = [this, &code](int turn) {
            TellManagerMoves();
            code = Checkpoint(turn + 1);
            return code == kSimOk;
        };
        return hooks;
    }

    int Play() {
        GameState& game = session.game;
        OpenPlayScreen(session);
        if (int code = Checkpoint(0); code != kSimOk) return code;
        // A saved game that had ended gets the one press of Pitch that writes its box
        // score again, as on the play screen.
        if (IsGameOver(game)) PlayTurn(session, 0, 0);
        int code = kSimOk;
        const PlayedGame played = PlayToEnd(session, managed, Hooks(code), display.notes);
        switch (played.end) {
            case GameEnd::Stopped:
                return code;
            case GameEnd::Abandoned:
                // Ties go on without limit, but two teams that can never score would keep
                // the program busy for ever.
                ReportSimError(
                    fmt::format("game abandoned: still tied after {} innings", kInningLimit));
                return kSimFailed;
            case GameEnd::Over:
                break;
        }
        if (first && options.saveAtTurn && !saved) {
            ReportSimError(
                fmt::format("the game ended after {} turns; nothing saved", played.turns));
            return kSimFailed;
        }
        if (!display.gameLogError.empty()) {
            ReportSimError(display.gameLogError);
            return kSimFailed;
        }
        first = false;
        return kSimOk;
    }
};

// As New Game: CustomDB first, and only LegendDB failing stops the program (a damaged
// CustomDB is told and its teams are not offered).
bool LoadDatabases(Session& session, bool withCustomTeams) {
    std::string customError, legendError;
    const bool loaded =
        withCustomTeams
            ? LoadGameDatabases(session.teams, session.installDirectory, &customError, &legendError)
            : LoadLegendDatabase(session.teams, session.installDirectory, &legendError);
    if (!customError.empty()) ShowSimMessage("Database Load failed: " + customError);
    if (!loaded) ShowSimMessage("Database Load failed: " + legendError);
    return loaded;
}

// What one run plays with: its options, managers, script and the realistic engine's data.
struct SimRun {
    const SimOptions& options;
    const ManagedSides& managed;
    const std::vector<ScriptTurn>& script;
    RealisticDataSource realistic;
};

int PlayGames(Session& session, SimDisplay& display, const SimRun& run) {
    const SimOptions& options = run.options;
    SimGame player{session, display, run.managed, options, run.script, run.realistic};
    const GameState& game = session.game;
    if (options.games == 1) {
        if (int code = player.Play(); code != kSimOk) return code;
        WriteOut(game.playLog);
        return kSimOk;
    }
    ProgressBar progress("Games", static_cast<std::size_t>(options.games), !options.quiet);
    long visitorWins = 0;
    std::string out;
    for (long number = 0; number < options.games; ++number) {
        if (number > 0) PrepareReplayOnSameEngine(session, run.realistic);
        if (int code = player.Play(); code != kSimOk) return code;
        if (game.visitor.teamRuns > game.home.teamRuns) ++visitorWins;
        out += fmt::sprintf("%s %d, %s %d\n", game.visitor.team->name, game.visitor.teamRuns,
                            game.home.team->name, game.home.teamRuns);
        if (out.size() >= kOutputChunk) {
            WriteOut(out);
            out.clear();
        }
        progress.Update(static_cast<std::size_t>(number + 1));
    }
    progress.Finish();
    out +=
        fmt::sprintf("Summary: %s %d wins, %s %d wins, %d games\n", game.visitor.team->name,
                     visitorWins, game.home.team->name, options.games - visitorWins, options.games);
    WriteOut(out);
    return kSimOk;
}

// Two teams of the databases: the games, or the comparison of managers.
int PlayNewGames(Session& session, SimDisplay& display, const SimRun& run) {
    const SimOptions& options = run.options;
    const EngineKind engine = options.engine.value_or(EngineKind::Classic);
    if (!LoadDatabases(session, /*withCustomTeams=*/true)) return kSimFailed;
    TeamRecord* visitors = ResolveTeam(session.teams, options.visitors);
    TeamRecord* home = ResolveTeam(session.teams, options.home);
    for (const auto& [team, name] :
         {std::pair{visitors, &options.visitors}, {home, &options.home}}) {
        if (!team) {
            ReportSimError("no team \"" + ShownValue(*name) +
                           "\" to play (custom teams: custom:NAME)");
            return kSimUsage;
        }
    }
    if (options.comparePairs > 0)
        return RunCompareManagers(
            options, *visitors, *home,
            options.seed ? *options.seed : static_cast<std::uint32_t>(std::time(nullptr)), engine,
            engine == EngineKind::Realistic ? run.realistic() : nullptr);
    std::string error;
    if (!DefaultSetup(session, *visitors, *home, options.designatedHitter, &error)) {
        ReportSimError(error);
        return kSimFailed;
    }
    PlayOnEngine(session, engine, run.realistic);
    return PlayGames(session, display, run);
}

}  // namespace

int RunSim(const SimOptions& options) {
    std::vector<ScriptTurn> script;
    if (options.script) {
        std::string error;
        if (int code = ReadScript(*options.script, script, error); code != kSimOk) {
            ReportSimError(error);
            return code;
        }
    }
    Session session;
    const ManagedSides managed{options.managesVisitors, options.managesHome, options.managerKind};
    SimDisplay display(session, managed);
    session.SetDisplay(&display);
    ManagerNotes notes;
    if (options.games == 1) display.notes = &notes;
    session.installDirectory = options.directory ? *options.directory : InstallDirectory();
    if (options.seed) session.random.SetFixedSeed(*options.seed);
    // Loaded once, and only when a game or season plays on the realistic engine.
    std::shared_ptr<const RealisticData> realisticData;
    const SimRun run{options, managed, script, [&] {
                         if (!realisticData) realisticData = LoadSessionRealisticData(session);
                         return realisticData;
                     }};

    if (options.season) {
        SeasonCommand command = *options.season;
        command.seed =
            options.seed ? *options.seed : static_cast<std::uint32_t>(std::time(nullptr));
        if (!LoadDatabases(session, /*withCustomTeams=*/false)) return kSimFailed;
        return RunSeasonCommand(command, session.teams, session.installDirectory);
    }

    if (options.load) {
        // The desktop program's Load: the same reader and the same team preparation.
        if (const Status loaded = LoadSavedGame(session, *options.load, run.realistic); !loaded) {
            LoadFailed(*options.load, loaded);
            return kSimFailed;
        }
        // --engine plays the rest of the game on another engine than the file's.
        if (options.engine) PlayOnEngine(session, *options.engine, run.realistic);
        return PlayGames(session, display, run);
    }

    return PlayNewGames(session, display, run);
}

}  // namespace velmoro
