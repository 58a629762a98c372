// Mirroring the rules' name lists and fields into Qt widgets.
#pragma once

#include <QLineEdit>
#include <QString>
#include <array>
#include <cstddef>
#include <functional>
#include <string>

#include "editors/db_change_fields.h"

class QComboBox;
class QListWidget;
class QPushButton;
class QWidget;

namespace velmoro {

class NameList;

QString ToQt(const std::string& text);
std::string FromQt(const QString& text);

// Shows the list's entries and selection without emitting selection signals.
void MirrorList(const NameList& names, QListWidget* list);
void MirrorCombo(const NameList& names, QComboBox* combo);

// A named list that reports the row the user chose, and a named button for a command;
// neither is a default button, so Enter in a field never presses one by accident.
QListWidget* MakeCommandList(const char* name, std::function<void(int)> onRow, QWidget* parent);
QPushButton* MakeCommandButton(const char* text, const char* name, std::function<void()> onClick,
                               QWidget* parent);

// A one-line field with its label above it, laid out in a small column.
QWidget* LabelledField(const char* label, QLineEdit* field, QWidget* parent);

// Puts each text into its field.
template <std::size_t N>
void ShowFieldTexts(const std::array<QLineEdit*, N>& fields,
                    const std::array<std::string, N>& texts) {
    for (std::size_t i = 0; i < N; ++i)
        fields[i]->setText(ToQt(texts[i]));
}

}  // namespace velmoro
