#include "ui/campaign/season_commands.h"

#include <chrono>

#include "db/captions.h"
#include "db/install_dir.h"
#include "db/team_files.h"
#include "season/season_teams.h"
#include "ui/campaign/new_season_dialog.h"
#include "ui/campaign/season_screen.h"
#include "ui/season_choice_dialog.h"
#include "ui/season_window.h"
#include "ui/ui_context.h"
#include "ui/window_captions.h"

namespace velmoro {

namespace {

void ShowSeason(UiContext& context, QWidget* parent, std::unique_ptr<ManagedSeason> season) {
    SeasonScreen screen(context, std::move(season), parent);
    screen.exec();
}

}  // namespace

void RunSeasonMenu(UiContext& context, QWidget* parent) {
    SeasonChoiceDialog choice(parent);
    switch (choice.exec()) {
        case SeasonChoiceDialog::NewSeason:
            return NewSeasonCommand(context, parent);
        case SeasonChoiceDialog::ContinueSeason:
            return ContinueSeasonCommand(context, parent);
        case SeasonChoiceDialog::ReplaySeason:
            return RunSeasonWindow(context, parent);
        default:
            return;
    }
}

void NewSeasonCommand(UiContext& context, QWidget* parent) {
    const std::filesystem::path& directory = context.session.installDirectory;
    std::vector<SeasonRecord> index;
    std::string error;
    if (!LoadSeasonIndex(ReplayIndexPath(directory), index, &error) || index.empty()) {
        context.prompter.Inform("No season to play: " + error, kErrorCaption);
        return;
    }
    NewSeasonDialog dialog(std::move(index), parent);
    if (dialog.exec() != QDialog::Accepted) return;
    const std::optional<std::string> path = context.chooser.ChooseSeasonSave();
    if (!path) return;
    NewSeasonOptions options = dialog.Options();
    options.directory = directory;
    options.seed =
        static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count());
    std::unique_ptr<ManagedSeason> season;
    std::vector<std::string> notes;
    const Status created = ManagedSeason::Create(*path, options, season, &notes);
    std::string told;
    for (const std::string& note : notes)
        told += "Left out of the " + std::to_string(options.year) + " season: " + note + "\n";
    if (!created) {
        context.prompter.Inform(told + created.message(), kErrorCaption);
        return;
    }
    if (!told.empty()) context.prompter.Inform(told, kSeasonCaption);
    ShowSeason(context, parent, std::move(season));
}

void ContinueSeasonCommand(UiContext& context, QWidget* parent) {
    const std::optional<std::string> path = context.chooser.ChooseSeasonOpen();
    if (!path) return;
    std::unique_ptr<ManagedSeason> season;
    Status opened = ManagedSeason::Open(*path, season);
    // A season made in another installation plays on this one's rosters.
    const std::filesystem::path& here = context.session.installDirectory;
    if (opened && !std::filesystem::exists(DataFileToRead(season->Directory(), kLegendFileName)) &&
        std::filesystem::exists(DataFileToRead(here, kLegendFileName)))
        opened = season->SetDirectory(here);
    if (!opened) {
        context.prompter.Inform("Season not opened\n" + opened.message(), kErrorCaption);
        return;
    }
    ShowSeason(context, parent, std::move(season));
}

}  // namespace velmoro
