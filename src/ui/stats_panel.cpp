#include "ui/stats_panel.h"

#include <QGridLayout>
#include <QLabel>

namespace velmoro {

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

}  // namespace velmoro
