#include "ui/wizard_panels.h"

#include <QLabel>
#include <QListWidget>

#include "engine/game_state.h"
#include "setup/stat_text.h"

namespace velmoro {

std::array<std::string, 12> BattingLineTexts(const PlayerRecord& player) {
    return {AverageText(player.battingAvg), CountText(player.atBats),
            CountText(player.runs),         CountText(EffectiveHits(player)),
            CountText(player.doubles),      CountText(player.triples),
            CountText(player.homeRuns),     CountText(player.rbi),
            CountText(player.walks),        CountText(player.strikeouts),
            CountText(player.stolenBases),  CountText(player.caughtStealing)};
}

std::array<std::string, 10> PitchingLineTexts(const PitchingLine& line) {
    return {EraText(line.eraX100),         CountText(line.games), CountText(line.wins),
            CountText(line.losses),        CountText(line.saves), AverageText(line.oppAvgX1000),
            CountText(line.strikeouts),    CountText(line.walks), CountText(line.shutouts),
            CountText(line.inningsPitched)};
}

QString ShownText(const std::string& name) {
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

QListWidgetItem* AddNameEntry(QListWidget* list, const std::string& name) {
    auto* item = new QListWidgetItem(ShownText(name), list);
    item->setData(Qt::UserRole, QByteArray(name.data(), static_cast<qsizetype>(name.size())));
    return item;
}

std::string EntryName(const QListWidgetItem* item) {
    if (item == nullptr) return {};
    const QByteArray bytes = item->data(Qt::UserRole).toByteArray();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

void FillNameList(QListWidget* list, const std::vector<std::string>& names) {
    for (const std::string& name : names)
        AddNameEntry(list, name);
}

QLabel* MakeBoldLabel(const char* objectName, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

}  // namespace velmoro
