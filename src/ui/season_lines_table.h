// The season-to-date lines the season windows list: one row per player or club, the
// replay's batting and pitching columns after the row's own (name, club), sortable by
// any column with numbers and rates ordered as numbers.
#pragma once

#include <QStringList>
#include <vector>

#include "season/season_stats.h"

class QTableWidget;

namespace velmoro {

struct SeasonLine {
    QStringList lead;  // the row's own columns: a name, a club
    BattingTotals batting;
    PitchingTotals pitching;
};

// The table refilled: `leadColumns` then the lines' columns, sorted as the user last
// sorted it by a click on a heading, otherwise in the order given.
void FillSeasonLines(QTableWidget* table, const QStringList& leadColumns,
                     const std::vector<SeasonLine>& lines);

}  // namespace velmoro
