// The custom team editor window "Create Team": widgets over CustomTeamEditor.
#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "editors/editor_state.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace velmoro {

struct UiContext;

class CustomEditorWindow : public QDialog {
    Q_OBJECT

  public:
    CustomEditorWindow(UiContext& context, QWidget* parent = nullptr);

    // "Done", closing the window and Escape: the unsaved-changes question, then close.
    void reject() override;

    const CustomTeamEditor& Rules() const { return editor_; }

  private:
    QWidget* MakeFindGroup();
    QWidget* MakeSelectorGroup();
    QWidget* MakeCard();
    QWidget* MakeCustomGroup();
    QListWidget* MakeList(const char* name, void (CustomTeamEditor::*select)(int));
    QPushButton* MakeButton(const char* text, const char* name, std::function<void()> action);
    // Runs a command of the rules and shows what it left.
    void Run(const std::function<void()>& command);
    void Refresh();

    CustomTeamEditor editor_;
    QListWidget* years_ = nullptr;
    QListWidget* clubs_ = nullptr;
    QListWidget* sourcePlayers_ = nullptr;
    QLineEdit* searchText_ = nullptr;
    QComboBox* selector_ = nullptr;
    QLineEdit* newTeamName_ = nullptr;
    QGroupBox* card_ = nullptr;
    std::array<QLineEdit*, kBattingFieldCount> batting_{};
    std::array<QLineEdit*, kPitchingFieldCount> pitching_{};
    std::array<QCheckBox*, 7> positions_{};
    QGroupBox* customGroup_ = nullptr;
    std::array<QLabel*, 7> counts_{};
    QListWidget* customPlayers_ = nullptr;
    bool closing_ = false;
};

}  // namespace velmoro
