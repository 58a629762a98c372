#include "ui/editor_window_base.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "ui/editor_lists.h"

namespace velmoro {

EditorWindowBase::EditorWindowBase(const char* title, const char* name, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(title);
    setObjectName(name);
}

void EditorWindowBase::Run(const std::function<void()>& command) {
    TakeTyped();
    command();
    ShowRules();
}

QListWidget* EditorWindowBase::MakeList(const char* name, std::function<void(int)> select) {
    return MakeCommandList(
        name, [this, select](int row) { Run([&] { select(row); }); }, this);
}

QPushButton* EditorWindowBase::MakeButton(const char* text, const char* name,
                                          std::function<void()> action) {
    return MakeCommandButton(
        text, name, [this, action] { Run(action); }, this);
}

QPushButton* EditorWindowBase::MakeCloseButton(const char* text, const char* name) {
    return MakeCommandButton(
        text, name, [this] { reject(); }, this);
}

int EditorWindowBase::AddPlayerFields(QGridLayout* grid, int columns,
                                      const char* const (&boxLabels)[7], bool editable) {
    QWidget* parent = grid->parentWidget();
    const auto makeField = [&](const char* prefix, int i) {
        auto* field = new QLineEdit(parent);
        field->setObjectName(QString("%1%2").arg(prefix).arg(i));
        if (!editable) {
            field->setReadOnly(true);
            field->setFocusPolicy(Qt::NoFocus);
        }
        return field;
    };
    const int battingRows = (kBattingFieldCount + columns - 1) / columns;
    const int pitchingRows = (kPitchingFieldCount + columns - 1) / columns;
    for (int i = 0; i < kBattingFieldCount; ++i) {
        batting_[i] = makeField("batting", i);
        grid->addWidget(LabelledField(kBattingFields[i].label, batting_[i], parent), i / columns,
                        i % columns);
    }
    for (int i = 0; i < kPitchingFieldCount; ++i) {
        pitching_[i] = makeField("pitching", i);
        grid->addWidget(LabelledField(kPitchingFields[i].label, pitching_[i], parent),
                        battingRows + i / columns, i % columns);
    }
    const int boxRow = battingRows + pitchingRows;
    auto* boxes = new QHBoxLayout;
    for (int i = 0; i < 7; ++i) {
        positions_[i] = new QCheckBox(boxLabels[i], parent);
        positions_[i]->setObjectName(QString("check%1").arg(i));
        if (!editable) {
            positions_[i]->setAttribute(Qt::WA_TransparentForMouseEvents);
            positions_[i]->setFocusPolicy(Qt::NoFocus);
        }
        boxes->addWidget(positions_[i]);
    }
    grid->addLayout(boxes, boxRow, 0, 1, columns);
    return boxRow + 1;
}

void EditorWindowBase::ShowPlayer(const BattingFields& batting, const PitchingFields& pitching,
                                  int positions, const std::uint8_t (&boxBits)[7]) {
    ShowFieldTexts(batting_, batting);
    ShowFieldTexts(pitching_, pitching);
    for (int i = 0; i < 7; ++i)
        positions_[i]->setChecked((positions & boxBits[i]) != 0);
}

}  // namespace velmoro
