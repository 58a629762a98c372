#include "ui/wizard_lineup_page.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>
#include <QWizard>

#include "db/captions.h"
#include "setup/lineup.h"
#include "ui/starters_panel.h"
#include "ui/stats_panel.h"
#include "ui/ui_context.h"
#include "ui/wizard_page_ids.h"
#include "ui/wizard_panels.h"

namespace velmoro {

WizardLineupPage::WizardLineupPage(UiContext& context, QWidget* parent)
    : QWizardPage(parent), context_(context) {
    // The window keeps the program's name; the page says which position it asks for.
    setWindowTitle(kCaption);
    title_ = new QLabel(this);
    title_->setObjectName("title");
    heading_ = MakeBoldLabel("heading", this);
    heading_->setAlignment(Qt::AlignCenter);
    candidates_ = new QListWidget(this);
    candidates_->setObjectName("candidates");
    batting_ = MakeBattingPanel(this);
    pitching_ = MakePitchingPanel(this);
    starters_ = new StartersPanel(this);

    auto* grid = new QGridLayout;
    grid->addWidget(candidates_, 0, 0, 2, 1);
    grid->addWidget(batting_, 0, 1);
    grid->addWidget(pitching_, 0, 2);
    grid->addWidget(starters_, 1, 1, 1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title_);
    layout->addWidget(heading_);
    layout->addLayout(grid);

    connect(candidates_, &QListWidget::currentRowChanged, this,
            &WizardLineupPage::OnSelectionChanged);
}

void WizardLineupPage::initializePage() {
    Session& session = context_.session;
    side_ = context_.setup.setupSide;
    pitcherPage_ = context_.setup.selectingPosition == Pitcher;
    nextPage_ = -1;
    const std::vector<std::string> names = LineupCandidates(session.game, context_.setup);
    {
        const QSignalBlocker blocker(candidates_);
        candidates_->clear();
        FillNameList(candidates_, names);
    }
    if (names.empty()) {
        context_.prompter.Inform(NoPlayersMessage(context_.setup), kCaption);
        // Posted, as the wizard is still switching to this page.
        if (QWizard* owner = wizard()) QTimer::singleShot(0, owner, &QWizard::reject);
        emit completeChanged();
        return;
    }
    SetUpWindow();
}

void WizardLineupPage::SetUpWindow() {
    Session& session = context_.session;
    starters_->Show(session.game.SideOf(side_).defense, session.game.designatedHitter == 1);
    const TeamRecord* team = TeamBeingSetUp(session.game, context_.setup);
    heading_->setText(team ? ShownText(team->name) : QString());
    title_->setText(QString::fromStdString(LineupPageTitle(context_.setup)));
    pitching_->setVisible(pitcherPage_);
    // The best candidate is chosen at once; Next simply accepts it.
    candidates_->setCurrentRow(0);
    emit completeChanged();
}

void WizardLineupPage::OnSelectionChanged(int row) {
    if (row < 0) return;
    Session& session = context_.session;
    const PlayerRecord* chosen =
        SelectLineupCandidate(session.game, context_.setup, EntryName(candidates_->item(row)));
    if (!chosen) {
        batting_->ClearValues();
        if (pitcherPage_) pitching_->ClearValues();
        return;
    }
    const PlayerRecord& player = *chosen;
    batting_->SetValues(BattingLineTexts(player));
    if (pitcherPage_ && player.pitching) pitching_->SetValues(PitchingLineTexts(*player.pitching));
    starters_->Show(session.game.SideOf(side_).defense, session.game.designatedHitter == 1);
}

bool WizardLineupPage::isComplete() const {
    return candidates_->count() > 0;
}

bool WizardLineupPage::validatePage() {
    Session& session = context_.session;
    if (AdvanceLineupPage(session.game, context_.setup)) {
        nextPage_ = BattingOrderPageId(side_);
    } else {
        const int slot = SlotBeingChosen(context_.setup);
        nextPage_ = slot < 0 ? BattingOrderPageId(side_) : LineupPageId(side_, slot);
    }
    return true;
}

int WizardLineupPage::nextId() const {
    // Until Next is pressed the wizard only asks whether another page follows: one does.
    return nextPage_ >= 0 ? nextPage_ : BattingOrderPageId(side_);
}

}  // namespace velmoro
