#include "ui/team_lines_dialog.h"

#include <QTableWidget>
#include <QVBoxLayout>

#include "season/season.h"
#include "ui/season_lines_table.h"

namespace velmoro {

namespace {

QString Text(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

TeamLinesDialog::TeamLinesDialog(const Season& season, const SeasonResults& results, int team,
                                 QWidget* parent)
    : QDialog(parent), table_(new QTableWidget(this)) {
    const TeamRecord& record = *season.teams[team].team;
    setWindowTitle(Text(record.name));
    std::vector<SeasonLine> lines;
    for (const PlayerSeason& p : results.players) {
        if (p.team != team || (p.batting.games == 0 && p.pitching.games == 0)) continue;
        lines.push_back({{Text(record.players[p.player]->name)}, p.batting, p.pitching});
    }
    FillSeasonLines(table_, {"Player"}, lines);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    resize(900, 520);
}

}  // namespace velmoro
