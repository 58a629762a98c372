// Mirroring the rules' name lists and fields into Qt widgets.
#pragma once

#include <QString>
#include <string>

class QComboBox;
class QLineEdit;
class QListWidget;
class QWidget;

namespace velmoro {

class NameList;

QString ToQt(const std::string& text);
std::string FromQt(const QString& text);

// Shows the list's entries and selection without emitting selection signals.
void MirrorList(const NameList& names, QListWidget* list);
void MirrorCombo(const NameList& names, QComboBox* combo);

// A one-line field with its label above it, laid out in a small column.
QWidget* LabelledField(const char* label, QLineEdit* field, QWidget* parent);

}  // namespace velmoro
