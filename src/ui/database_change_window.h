// The maintenance window "Velmoro Baseball  Database Change": widgets over
// DatabaseChange.
#pragma once

#include <initializer_list>

#include "editors/db_change_rules.h"
#include "ui/editor_window_base.h"

class QLineEdit;
class QListWidget;

namespace velmoro {

struct UiContext;

class DatabaseChangeWindow : public EditorWindowBase {
    Q_OBJECT

  public:
    DatabaseChangeWindow(UiContext& context, QWidget* parent = nullptr);

    const DatabaseChange& Rules() const { return rules_; }

  private:
    QWidget* MakeListGroup(const char* title, std::initializer_list<QListWidget*> lists);
    QWidget* MakeStatsGroup();
    QWidget* MakeButtons();
    // What the fields and boxes hold, read into the rules before every command.
    void TakeTyped() override;
    void ShowRules() override;

    DatabaseChange rules_;
    QListWidget* sourceYears_ = nullptr;
    QListWidget* sourceClubs_ = nullptr;
    QListWidget* players_ = nullptr;
    QListWidget* destinationYears_ = nullptr;
    QListWidget* destinationClubs_ = nullptr;
    QLineEdit* teamName_ = nullptr;
    QLineEdit* playerName_ = nullptr;
};

}  // namespace velmoro
