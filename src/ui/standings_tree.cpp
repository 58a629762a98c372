#include "ui/standings_tree.h"

#include <QHeaderView>
#include <QTreeWidget>

#include "season/season_teams.h"
#include "season/standings.h"
#include "setup/stat_text.h"

namespace velmoro {

namespace {

QString Text(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QStringList RowCells(const SeasonTeam& team, const StandingRow& row) {
    return {Text(team.team->name),
            QString::number(row.wins),
            QString::number(row.losses),
            Text(PctText(row.pct)),
            Text(GamesBehindText(row.gamesBehind)),
            QString::number(row.runsScored),
            QString::number(row.runsAllowed),
            QString("%1-%2").arg(row.homeWins).arg(row.homeLosses),
            QString("%1-%2").arg(row.awayWins).arg(row.awayLosses),
            QString("%1-%2").arg(team.realWins).arg(team.realLosses),
            QString::number(team.realRank)};
}

}  // namespace

void SetUpStandingsTree(QTreeWidget* tree) {
    const QStringList columns{"Team", "W",    "L",    "Pct",      "GB",  "RS",
                              "RA",   "Home", "Away", "Real W-L", "Rank"};
    tree->setColumnCount(static_cast<int>(columns.size()));
    tree->setHeaderLabels(columns);
    tree->setRootIsDecorated(false);
    tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tree->header()->setStretchLastSection(false);
}

void FillStandingsTree(QTreeWidget* tree, const Season& season, const SeasonResults& results) {
    tree->clear();
    for (const std::vector<int>& league : SeasonLeagues(season)) {
        auto* heading = new QTreeWidgetItem(tree);
        heading->setText(0, Text(LeagueName(season.teams[league.front()].league)));
        heading->setFirstColumnSpanned(true);
        for (const StandingRow& row : LeagueStandings(season, results, league)) {
            const QStringList cells = RowCells(season.teams[row.team], row);
            auto* item = new QTreeWidgetItem(tree);
            for (int c = 0; c < cells.size(); ++c) {
                item->setText(c, cells[c]);
                if (c > 0) item->setTextAlignment(c, Qt::AlignRight);
            }
            item->setData(0, kStandingsTeamRole, row.team);
        }
    }
}

int StandingsTeam(const QTreeWidgetItem* item) {
    if (!item) return -1;
    const QVariant team = item->data(0, kStandingsTeamRole);
    return team.isValid() ? team.toInt() : -1;
}

}  // namespace velmoro
