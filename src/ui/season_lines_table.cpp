#include "ui/season_lines_table.h"

#include <QHeaderView>
#include <QTableWidget>
#include <limits>

#include "setup/stat_text.h"

namespace velmoro {

namespace {

constexpr int kSortKeyRole = Qt::UserRole;

// A cell ordered by its number when both cells have one, by its text otherwise.
class LineItem : public QTableWidgetItem {
  public:
    using QTableWidgetItem::QTableWidgetItem;

    bool operator<(const QTableWidgetItem& other) const override {
        const QVariant mine = data(kSortKeyRole), theirs = other.data(kSortKeyRole);
        if (mine.isValid() && theirs.isValid()) return mine.toDouble() < theirs.toDouble();
        return QTableWidgetItem::operator<(other);
    }
};

struct Cell {
    QString text;
    double key = 0;
};

QString Text(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

Cell Count(int value) {
    return {QString::number(value), double(value)};
}

// The lines' cells; a rate nobody has earned sorts below every real one.
std::vector<Cell> Cells(const BattingTotals& b, const PitchingTotals& t) {
    std::vector<Cell> cells;
    for (int value : {b.games, b.starts, b.plateAppearances, b.atBats, b.runs, b.hits, b.doubles,
                      b.triples, b.homeRuns, b.rbi, b.stolenBases, b.walks, b.strikeouts})
        cells.push_back(Count(value));
    cells.push_back(b.atBats
                        ? Cell{Text(PctText(double(b.hits) / b.atBats)), double(b.hits) / b.atBats}
                        : Cell{QString(), -1});
    cells.push_back(Count(t.games));
    cells.push_back(Count(t.starts));
    cells.push_back({Text(InningsText(t.outs)), double(t.outs)});
    for (int value : {t.wins, t.losses, t.saves})
        cells.push_back(Count(value));
    cells.push_back(t.outs ? Cell{Text(EraText(t.runs, t.outs)), 27.0 * t.runs / t.outs}
                           : Cell{QString(), std::numeric_limits<double>::max()});
    return cells;
}

// A click on a heading sorts by it (again: the other way); until the first the rows keep
// the order given.
void SortOnClicks(QTableWidget* table) {
    QHeaderView* header = table->horizontalHeader();
    if (header->property("sortsOnClicks").toBool()) return;
    header->setProperty("sortsOnClicks", true);
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    header->setSortIndicator(-1, Qt::AscendingOrder);
    QObject::connect(header, &QHeaderView::sortIndicatorChanged, table,
                     [table](int column, Qt::SortOrder order) {
                         if (column >= 0) table->sortItems(column, order);
                     });
}

}  // namespace

void FillSeasonLines(QTableWidget* table, const QStringList& leadColumns,
                     const std::vector<SeasonLine>& lines) {
    const QStringList columns =
        leadColumns + QStringList{"G",  "GS", "PA",  "AB", "R",  "H",  "2B",
                                  "3B", "HR", "RBI", "SB", "BB", "SO", "AVG",
                                  "GP", "GS", "IP",  "W",  "L",  "SV", "ERA"};
    table->clear();
    table->setColumnCount(static_cast<int>(columns.size()));
    table->setHorizontalHeaderLabels(columns);
    table->setRowCount(static_cast<int>(lines.size()));
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    const int lead = static_cast<int>(leadColumns.size());
    for (int row = 0; row < static_cast<int>(lines.size()); ++row) {
        const SeasonLine& line = lines[row];
        for (int c = 0; c < lead; ++c)
            table->setItem(row, c, new LineItem(line.lead.value(c)));
        const std::vector<Cell> cells = Cells(line.batting, line.pitching);
        for (int c = 0; c < static_cast<int>(cells.size()); ++c) {
            auto* item = new LineItem(cells[c].text);
            item->setData(kSortKeyRole, cells[c].key);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(row, lead + c, item);
        }
    }
    // Sized on the first rows: a league's players are too many to measure each.
    table->horizontalHeader()->setResizeContentsPrecision(100);
    table->resizeColumnsToContents();
    SortOnClicks(table);
    const QHeaderView* header = table->horizontalHeader();
    if (header->sortIndicatorSection() >= 0)
        table->sortItems(header->sortIndicatorSection(), header->sortIndicatorOrder());
}

}  // namespace velmoro
