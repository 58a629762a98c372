// A season's standings in a tree: a heading for each league, then its clubs in order,
// each beside its real record and rank. The replay and the managed season show them.
#pragma once

#include <QStringList>
#include <Qt>

class QTreeWidget;
class QTreeWidgetItem;

namespace velmoro {

struct Season;
struct SeasonResults;

// A club's row holds its index into the season's teams under this role, in column 0.
inline constexpr int kStandingsTeamRole = Qt::UserRole;

// The columns set once on an empty tree.
void SetUpStandingsTree(QTreeWidget* tree);

// The tree refilled from the games played so far.
void FillStandingsTree(QTreeWidget* tree, const Season& season, const SeasonResults& results);

// The club a row names; -1 for a league's heading or none.
int StandingsTeam(const QTreeWidgetItem* item);

}  // namespace velmoro
