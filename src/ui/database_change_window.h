// The maintenance window "Velmoro Baseball  Database Change": widgets over
// DatabaseChange.
#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "editors/db_change_rules.h"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace velmoro {

struct UiContext;

class DatabaseChangeWindow : public QDialog {
    Q_OBJECT

  public:
    DatabaseChangeWindow(UiContext& context, QWidget* parent = nullptr);

    const DatabaseChange& Rules() const { return rules_; }

  private:
    QWidget* MakeListGroup(const char* title, std::initializer_list<QListWidget*> lists);
    QWidget* MakeStatsGroup();
    QWidget* MakeButtons();
    QListWidget* MakeList(const char* name, void (DatabaseChange::*select)(int));
    QPushButton* MakeButton(const char* text, const char* name, std::function<void()> action);
    // Takes what the user typed, runs the command, and shows what it left.
    void Run(const std::function<void()>& command);
    void Pull();
    void Push();

    DatabaseChange rules_;
    QListWidget* sourceYears_ = nullptr;
    QListWidget* sourceClubs_ = nullptr;
    QListWidget* players_ = nullptr;
    QListWidget* destinationYears_ = nullptr;
    QListWidget* destinationClubs_ = nullptr;
    QLineEdit* teamName_ = nullptr;
    QLineEdit* playerName_ = nullptr;
    std::array<QLineEdit*, kBattingFieldCount> batting_{};
    std::array<QLineEdit*, kPitchingFieldCount> pitching_{};
    std::array<QCheckBox*, 7> checks_{};
};

}  // namespace velmoro
