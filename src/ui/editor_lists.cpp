#include "ui/editor_lists.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "editors/db_change_list.h"

namespace velmoro {

QString ToQt(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string FromQt(const QString& text) {
    return text.toUtf8().toStdString();
}

void MirrorList(const NameList& names, QListWidget* list) {
    const QSignalBlocker blocker(list);
    bool same = list->count() == names.Count();
    for (int row = 0; same && row < names.Count(); ++row)
        same = list->item(row)->text() == ToQt(names.At(row));
    // Rebuilt only when the entries changed, so the list keeps its scroll position.
    if (!same) {
        list->clear();
        for (const std::string& name : names.Entries())
            list->addItem(ToQt(name));
    }
    list->setCurrentRow(names.Selected());
    if (!names.HasSelection()) list->clearSelection();
}

void MirrorCombo(const NameList& names, QComboBox* combo) {
    const QSignalBlocker blocker(combo);
    combo->clear();
    for (const std::string& name : names.Entries())
        combo->addItem(ToQt(name));
    combo->setCurrentIndex(names.Selected());
}

QListWidget* MakeCommandList(const char* name, std::function<void(int)> onRow, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    QObject::connect(list, &QListWidget::currentRowChanged, list, std::move(onRow));
    return list;
}

QPushButton* MakeCommandButton(const char* text, const char* name, std::function<void()> onClick,
                               QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, button, std::move(onClick));
    return button;
}

QWidget* LabelledField(const char* label, QLineEdit* field, QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(1);
    column->addWidget(new QLabel(label, box));
    column->addWidget(field);
    field->setMaximumWidth(52);
    box->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    return box;
}

}  // namespace velmoro
