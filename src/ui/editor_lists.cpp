#include "editor_lists.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "db/db_change_list.h"

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
