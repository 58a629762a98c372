#include "ui/wizard_panels.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>

#include "engine/game_state.h"
#include "setup/stat_text.h"

namespace velmoro {

namespace {

constexpr const char* kNotApplicable = "Not Applicable";
constexpr std::array<const char*, 10> kSlotLabels{"P",  "C",  "1B", "2B", "SS",
                                                  "3B", "LF", "CF", "RF", "DH"};

}  // namespace

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

StatsPanel::StatsPanel(const QString& title, const QStringList& labels, const QStringList& initial,
                       int firstColumnRows, QWidget* parent)
    : QGroupBox(title, parent) {
    auto* grid = new QGridLayout(this);
    for (int i = 0; i < labels.size(); ++i) {
        const int row = i % firstColumnRows;
        const int column = (i / firstColumnRows) * 2;
        auto* value = new QLabel(initial.value(i), this);
        value->setObjectName(title + ":" + labels[i]);
        value->setMinimumWidth(48);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setFrameShape(QFrame::StyledPanel);
        grid->addWidget(new QLabel(labels[i], this), row, column);
        grid->addWidget(value, row, column + 1);
        values_.push_back(value);
    }
    grid->setColumnMinimumWidth(2, 56);
}

void StatsPanel::ClearValues() {
    for (QLabel* value : values_)
        value->clear();
}

QString StatsPanel::Value(int index) const {
    return index >= 0 && index < static_cast<int>(values_.size()) ? values_[index]->text()
                                                                  : QString();
}

void StatsPanel::SetValue(std::size_t index, const std::string& text) {
    values_[index]->setText(QString::fromStdString(text));
}

QLabel* MakeBoldLabel(const char* objectName, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

StatsPanel* MakeBattingPanel(QWidget* parent) {
    const QStringList labels{"AVG", "AB", "R", "H", "2B", "3B", "HR", "RBI", "BB", "K", "SB", "CS"};
    QStringList initial(labels.size(), "0");
    initial[0] = ".000";
    return new StatsPanel("Batting", labels, initial, 6, parent);
}

StatsPanel* MakePitchingPanel(QWidget* parent) {
    const QStringList labels{"ERA", "G", "W", "L", "S", "BAVG", "K", "BB", "ShO", "IP"};
    QStringList initial(labels.size(), "0");
    initial[0] = "0.00";
    return new StatsPanel("Pitching", labels, initial, 5, parent);
}

StartersPanel::StartersPanel(QWidget* parent) : QGroupBox("Starters", parent) {
    auto* grid = new QGridLayout(this);
    for (int slot = 0; slot < static_cast<int>(rows_.size()); ++slot) {
        auto* row = new QLabel(this);
        row->setObjectName(QString("Starters:") + kSlotLabels[slot]);
        row->setMinimumWidth(150);
        grid->addWidget(new QLabel(kSlotLabels[slot], this), slot, 0);
        grid->addWidget(row, slot, 1);
        rows_[slot] = row;
    }
    grid->setColumnStretch(1, 1);
    rows_[DesignatedHitterSlot]->setText(kNotApplicable);
}

void StartersPanel::Show(const std::array<PlayerRecord*, 10>& defense, bool designatedHitter) {
    for (int slot = 0; slot < static_cast<int>(rows_.size()); ++slot) {
        if (defense[slot] != nullptr) {
            rows_[slot]->setText(ShownText(defense[slot]->name));
        } else if (slot == DesignatedHitterSlot) {
            rows_[slot]->setText(designatedHitter ? "" : kNotApplicable);
        } else {
            rows_[slot]->clear();
        }
    }
}

QString StartersPanel::Row(int slot) const {
    return slot >= 0 && slot < static_cast<int>(rows_.size()) ? rows_[slot]->text() : QString();
}

}  // namespace velmoro
