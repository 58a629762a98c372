// What the two team editor windows share: lists and buttons that run a command of the
// rules and then show what it left, and a player's number fields and position boxes.
#pragma once

#include <QDialog>
#include <array>
#include <cstdint>
#include <functional>

#include "editors/db_change_fields.h"

class QCheckBox;
class QGridLayout;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace velmoro {

class EditorWindowBase : public QDialog {
    Q_OBJECT

  protected:
    EditorWindowBase(const char* title, const char* name, QWidget* parent);

    // Puts what the user typed into the rules before a command; nothing by default.
    virtual void TakeTyped() {}
    // Shows the rules' lists and fields.
    virtual void ShowRules() = 0;
    // Takes what was typed, runs a command of the rules and shows what it left.
    void Run(const std::function<void()>& command);

    // A named list whose chosen row goes to `select` of `rules`, and a named button for
    // `action`, both run as commands.
    template <class Rules>
    QListWidget* MakeList(const char* name, Rules& rules, void (Rules::*select)(int)) {
        return MakeList(name, [&rules, select](int row) { (rules.*select)(row); });
    }
    QListWidget* MakeList(const char* name, std::function<void(int)> select);
    QPushButton* MakeButton(const char* text, const char* name, std::function<void()> action);
    // "Done" or "Cancel": closes the window through reject().
    QPushButton* MakeCloseButton(const char* text, const char* name);

    // The player's number fields "batting0".. and "pitching0".., each under its label,
    // `columns` to a row of `grid` from its top, and below them a row of position boxes
    // "check0".. labelled `boxLabels`. Only shown, never typed in or ticked, unless
    // `editable`. Returns the first row below them.
    int AddPlayerFields(QGridLayout* grid, int columns, const char* const (&boxLabels)[7],
                        bool editable);
    // The numbers in their fields; box i ticked when `positions` holds `boxBits[i]`.
    void ShowPlayer(const BattingFields& batting, const PitchingFields& pitching, int positions,
                    const std::uint8_t (&boxBits)[7]);

    std::array<QLineEdit*, kBattingFieldCount> batting_{};
    std::array<QLineEdit*, kPitchingFieldCount> pitching_{};
    std::array<QCheckBox*, 7> positions_{};
};

}  // namespace velmoro
