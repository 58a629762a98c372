#include "ui/team_lines_dialog.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

#include "season/season.h"
#include "setup/stat_text.h"

namespace velmoro {

namespace {

QString Text(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QStringList Cells(const std::string& name, const PlayerSeason& p) {
    const BattingTotals& b = p.batting;
    const PitchingTotals& t = p.pitching;
    QStringList cells{Text(name)};
    for (int value : {b.games, b.starts, b.plateAppearances, b.atBats, b.runs, b.hits, b.doubles,
                      b.triples, b.homeRuns, b.rbi, b.stolenBases, b.walks, b.strikeouts})
        cells << QString::number(value);
    cells << (b.atBats ? Text(PctText(double(b.hits) / b.atBats)) : QString());
    cells << QString::number(t.games) << QString::number(t.starts) << Text(InningsText(t.outs));
    for (int value : {t.wins, t.losses, t.saves})
        cells << QString::number(value);
    cells << Text(EraText(t.runs, t.outs));
    return cells;
}

}  // namespace

TeamLinesDialog::TeamLinesDialog(const Season& season, const SeasonResults& results, int team,
                                 QWidget* parent)
    : QDialog(parent), table_(new QTableWidget(this)) {
    const TeamRecord& record = *season.teams[team].team;
    setWindowTitle(Text(record.name));
    const QStringList columns{"Player", "G",  "GS",  "PA", "AB", "R",  "H",   "2B",
                              "3B",     "HR", "RBI", "SB", "BB", "SO", "AVG", "GP",
                              "GS",     "IP", "W",   "L",  "SV", "ERA"};
    table_->setColumnCount(columns.size());
    table_->setHorizontalHeaderLabels(columns);
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (const PlayerSeason& p : results.players) {
        if (p.team != team || (p.batting.games == 0 && p.pitching.games == 0)) continue;
        const QStringList cells = Cells(record.players[p.player]->name, p);
        const int row = table_->rowCount();
        table_->insertRow(row);
        for (int c = 0; c < cells.size(); ++c)
            table_->setItem(row, c, new QTableWidgetItem(cells[c]));
    }
    table_->resizeColumnsToContents();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    resize(900, 520);
}

}  // namespace velmoro
