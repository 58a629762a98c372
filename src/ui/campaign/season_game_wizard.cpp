#include "ui/campaign/season_game_wizard.h"

#include <QListWidget>

#include "campaign/managed_season.h"
#include "db/install_dir.h"
#include "db/team_files.h"
#include "engine/session.h"
#include "realistic/realistic.h"
#include "setup/batting_order.h"
#include "setup/team_page.h"
#include "ui/new_game_wizard.h"
#include "ui/ui_context.h"
#include "ui/wizard_page_ids.h"
#include "ui/wizard_panels.h"

namespace velmoro {

namespace {

// The starters the season's own set-up picks, found on copies of the two clubs.
Status FindStarters(const TeamRecord& visitors, const TeamRecord& home,
                    const SeasonGameSetup& setup, SeasonStarters& starters) {
    Session scratch;
    scratch.silent = true;
    scratch.gameLogPath.clear();
    CopyPlayers(visitors, AddTeam(scratch.teams.legendTeams, visitors.name));
    CopyPlayers(home, AddTeam(scratch.teams.legendTeams, home.name));
    if (Status set = SetUpSeasonGame(scratch, setup); !set) return set;
    for (Side side : kBothSides)
        for (int slot = 0; slot < kLineupPagesPerSide; ++slot)
            if (const PlayerRecord* player = scratch.game.SideOf(side).defense[slot])
                starters[side == Side::Home ? 1 : 0][slot] = player->name;
    return OkStatus();
}

// On a lineup page: the slot's starter chosen, when the page offers him.
void ChooseStarter(QWizard& wizard, int id, const SeasonStarters& starters) {
    for (Side side : kBothSides) {
        const int slot = id - LineupPageId(side, 0);
        if (slot < 0 || slot >= kLineupPagesPerSide) continue;
        auto* list = wizard.page(id)->findChild<QListWidget*>("candidates");
        const std::string& starter = starters[side == Side::Home ? 1 : 0][slot];
        for (int row = 0; list && row < list->count(); ++row)
            if (EntryName(list->item(row)) == starter) list->setCurrentRow(row);
    }
}

}  // namespace

Status PrepareSeasonGame(UiContext& context, ManagedSeason& season, int gameId,
                         SeasonStarters& starters) {
    SeasonGameSetup setup;
    if (Status known = season.SetupOf(gameId, setup); !known) return known;
    Session& session = context.session;
    std::string error;
    if (!LoadLegendDatabase(session.teams, season.Directory(), &error))
        return Status::Error("Database Load failed\n" + error);
    TeamRecord* visitors = LookupTeam(session.teams.legendTeams, setup.visitor);
    TeamRecord* home = LookupTeam(session.teams.legendTeams, setup.home);
    for (const auto& [team, name] : {std::pair{visitors, &setup.visitor}, {home, &setup.home}})
        if (!team) return Status::Error("no club \"" + *name + "\" in LegendDB");
    if (Status found = FindStarters(*visitors, *home, setup, starters); !found) return found;
    ResetGame(session.game);
    ResetSetup(context.setup);
    StoreTeamChoices(session, context.setup, visitors, home, setup.designatedHitter);
    return OkStatus();
}

bool RunSeasonGameWizard(UiContext& context, QWidget* parent, const SeasonStarters& starters) {
    NewGameWizard wizard(context, parent);
    wizard.setStartId(LineupPageId(Side::Visitors, PitcherSlot));
    // A page is filled before the wizard says it changed pages: the starter then
    // replaces the page's first candidate.
    QObject::connect(&wizard, &QWizard::currentIdChanged, &wizard,
                     [&](int id) { ChooseStarter(wizard, id, starters); });
    return wizard.exec() == QDialog::Accepted;
}

void UseSeasonEngine(Session& session, const ManagedSeason& season) {
    std::shared_ptr<const RealisticData> data;
    if (season.Engine() == EngineKind::Realistic)
        data =
            LoadRealisticData(session.teams, DataFileToRead(season.Directory(), kLegendFileName));
    SetEngine(session, season.Engine(), std::move(data));
}

}  // namespace velmoro
