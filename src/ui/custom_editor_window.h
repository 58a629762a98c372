// The custom team editor window "Create Team": widgets over CustomTeamEditor.
#pragma once

#include <array>

#include "editors/editor_state.h"
#include "ui/editor_window_base.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace velmoro {

struct UiContext;

class CustomEditorWindow : public EditorWindowBase {
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
    void ShowRules() override;

    CustomTeamEditor editor_;
    QListWidget* years_ = nullptr;
    QListWidget* clubs_ = nullptr;
    QListWidget* sourcePlayers_ = nullptr;
    QLineEdit* searchText_ = nullptr;
    QComboBox* selector_ = nullptr;
    QLineEdit* newTeamName_ = nullptr;
    QGroupBox* card_ = nullptr;
    QGroupBox* customGroup_ = nullptr;
    std::array<QLabel*, 7> counts_{};
    QListWidget* customPlayers_ = nullptr;
    bool closing_ = false;
};

}  // namespace velmoro
