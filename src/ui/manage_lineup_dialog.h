// The "Velmoro Baseball Lineup" window of a game in progress: substitutions of the side
// at bat (normal and forced) and the pitching change of the side in the field.
#pragma once

#include <QDialog>
#include <vector>

#include "engine/side.h"

class QComboBox;
class QLabel;
class QListWidget;

namespace velmoro {

struct UiContext;
class StatsPanel;
class StartersPanel;

class ManageLineupDialog : public QDialog {
  public:
    enum class Mode { Substitution, PitchingChange };

    // Works on `side`: the side at bat for substitutions, the side in the field for the
    // pitching change.
    ManageLineupDialog(UiContext& context, Side side, Mode mode, QWidget* parent = nullptr);

    // The first choice had nobody to offer: the message has been shown and the window
    // must not be opened.
    bool ClosedAtOpening() const { return closedAtOpening_; }
    // OK brought somebody in.
    bool Changed() const { return changed_; }

  private:
    void BuildWidgets();
    void OpenSubstitution();
    void OpenPitchingChange();
    void ChooseReplacePosition(int entry);
    void HighlightCandidate();
    void ShowPitchingPanel(bool show);
    void Confirm();
    void Close(bool accepted);

    UiContext& context_;
    Side side_;
    Mode mode_;
    std::vector<int> choices_;
    int replacePosition_ = 0;
    bool closedAtOpening_ = false;
    bool changed_ = false;

    QLabel* title_ = nullptr;
    QComboBox* whoToReplace_ = nullptr;
    QLabel* caption_ = nullptr;
    QListWidget* candidates_ = nullptr;
    StatsPanel* batting_ = nullptr;
    StatsPanel* pitching_ = nullptr;
    StartersPanel* inGame_ = nullptr;
};

}  // namespace velmoro
