#include "ui/starters_panel.h"

#include <QGridLayout>
#include <QLabel>

#include "engine/game_state.h"
#include "ui/wizard_panels.h"

namespace velmoro {

namespace {

constexpr const char* kNotApplicable = "Not Applicable";
constexpr std::array<const char*, 10> kSlotLabels{"P",  "C",  "1B", "2B", "SS",
                                                  "3B", "LF", "CF", "RF", "DH"};

}  // namespace

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
