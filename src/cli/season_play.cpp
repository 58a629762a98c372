// velmoro-season play: the next game of a club the user manages, played as velmoro-sim
// plays a game (the script's choices, or the computer manager), then recorded.
#include <fmt/format.h>

#include <cstdio>

#include "campaign/season_text.h"
#include "cli/progress.h"
#include "cli/season_commands.h"
#include "cli/sim.h"
#include "db/install_dir.h"
#include "db/team_files.h"
#include "engine/session.h"
#include "engine/turns.h"
#include "manager/play_to_end.h"

namespace velmoro {

namespace {

class PlayDisplay : public ManagerDisplay {
  public:
    using ManagerDisplay::ManagerDisplay;
    void ShowMessage(const std::string& text, const std::string& /*caption*/) override {
        std::fprintf(stderr, "Velmoro Baseball: %s\n", text.c_str());
    }
};

// The computer's games of the days before the managed club's next game, and that day's.
Status PlayDaysBefore(ManagedSeason& season, bool quiet) {
    SeasonSimOptions options;
    options.toEnd = true;
    options.stopAtManagedGame = true;
    std::unique_ptr<ProgressBar> progress;
    options.progress = [&](int done, int total) {
        if (!progress)
            progress = std::make_unique<ProgressBar>("Days before", static_cast<std::size_t>(total),
                                                     !quiet);
        progress->Update(static_cast<std::size_t>(done));
    };
    SimOutcome outcome;
    Status played = season.Sim(options, outcome);
    if (progress && played) progress->Finish();
    return played;
}

Status SetUp(const ManagedSeason& season, int gameId, Session& session) {
    SeasonGameSetup setup;
    if (Status known = season.SetupOf(gameId, setup); !known) return known;
    session.installDirectory = season.Directory();
    session.gameLogPath.clear();
    std::string error;
    if (!LoadLegendDatabase(session.teams, season.Directory(), &error)) return Status::Error(error);
    std::shared_ptr<const RealisticData> realistic;
    if (setup.engine == EngineKind::Realistic)
        realistic =
            LoadRealisticData(session.teams, DataFileToRead(season.Directory(), kLegendFileName));
    return SetUpSeasonGame(session, setup, realistic);
}

PlayHooks Hooks(const std::vector<ScriptTurn>& script, GameState& game, GameTally& tally,
                ManagerNotes& notes) {
    PlayHooks hooks;
    hooks.choose = [&script](int turn) {
        if (turn >= static_cast<int>(script.size())) return TurnDecision{};
        return TurnDecision{script[turn].offensive, script[turn].defensive, {}};
    };
    hooks.afterTurn = [&](int) {
        for (const ManagerNote& note : notes)
            std::fprintf(stderr, "Manager: %s: %s\n", SideName(note.side), note.text.c_str());
        notes.clear();
        tally.Count(game);
        if (!IsGameOver(game)) tally.Watch(game);
        return true;
    };
    return hooks;
}

// Plays game `gameId` and records it; its play-by-play on standard output.
int PlayGame(ManagedSeason& season, int gameId, const SeasonPlayCommand& command,
             const std::vector<ScriptTurn>& script) {
    const SeasonGame scheduled = season.Games()[gameId];
    const ManagedSides managed{command.manager && season.Manages(scheduled.visitor),
                               command.manager && season.Manages(scheduled.home),
                               command.manager.value_or(ManagerKind::Book)};
    Session session;
    PlayDisplay display(session, managed);
    session.SetDisplay(&display);
    if (Status set = SetUp(season, gameId, session); !set) {
        ReportSeasonError(set.message());
        return kSeasonFailed;
    }
    OpenPlayScreen(session);
    session.random.Seed(GameSeed(season.Seed(), gameId));
    GameTally tally;
    tally.Watch(session.game);
    ManagerNotes notes;
    PlayToEnd(session, managed, Hooks(script, session.game, tally, notes), &notes);
    if (Status recorded = season.RecordGame(gameId, session.game, &tally); !recorded) {
        ReportSeasonError(recorded.message());
        return kSeasonFailed;
    }
    const std::string& log = session.game.playLog;
    std::fwrite(log.data(), 1, log.size(), stdout);
    return kSeasonOk;
}

}  // namespace

int RunSeasonPlay(const SeasonPlayCommand& command) {
    std::vector<ScriptTurn> script;
    std::string error;
    if (command.script)
        if (int code = ReadScript(*command.script, script, error); code != kSimOk) {
            ReportSeasonError(error);
            return code;
        }
    auto season = OpenSeasonOrSay(command.file, command.directory);
    if (!season) return kSeasonFailed;
    if (season->ManagedClubs().empty()) {
        ReportSeasonError(command.file.string() + ": the season has no club you manage");
        return kSeasonUsage;
    }
    if (Status played = PlayDaysBefore(*season, command.quiet); !played) {
        ReportSeasonError(played.message());
        return kSeasonFailed;
    }
    const std::optional<int> next = season->NextManagedGame();
    if (!next) {
        ReportSeasonError(command.file.string() + ": your clubs have played every game");
        return kSeasonFailed;
    }
    if (int code = PlayGame(*season, *next, command, script); code != kSeasonOk) return code;
    std::printf("%s", ("Recorded: " + GameLineText(*season, season->Games()[*next])).c_str());
    return kSeasonOk;
}

}  // namespace velmoro
