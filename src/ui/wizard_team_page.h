// The wizard's first page: both teams by year and club, the designated hitter, the
// engine, and the way to the custom team editor.
#pragma once

#include <QWizardPage>
#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace velmoro {

struct UiContext;
struct TeamRecord;

class WizardTeamPage : public QWizardPage {
    Q_OBJECT

  public:
    WizardTeamPage(UiContext& context, QWidget* parent = nullptr);

    void initializePage() override;
    bool validatePage() override;
    bool isComplete() const override;
    int nextId() const override;

  private:
    QWidget* MakeSideGroup(int sideIndex);
    void FillYearLists();
    void SelectFirstYears();
    void OnYearChanged(int sideIndex, int row);
    void OnTeamChanged(int sideIndex, int row);
    void OnRoster(int sideIndex);
    void OnCustomTeam();
    void OnDatabaseChange();
    // After an editor: the lists again from the team lists, both choices resolved anew.
    void RebuildAfterEditor();
    TeamRecord* ResolveSide(int sideIndex) const;
    void UpdateCompleteness();

    UiContext& context_;
    std::array<QListWidget*, 2> yearLists_{};
    std::array<QListWidget*, 2> teamLists_{};
    std::array<QPushButton*, 2> rosterButtons_{};
    QCheckBox* designatedHitter_ = nullptr;
    QComboBox* engine_ = nullptr;
    QPushButton* customTeam_ = nullptr;
    QPushButton* databaseChange_ = nullptr;
    QLabel* noTeamsNote_ = nullptr;
};

}  // namespace velmoro
