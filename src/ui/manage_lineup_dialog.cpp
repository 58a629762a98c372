#include "ui/manage_lineup_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "setup/manage_pitching.h"
#include "setup/manage_substitution.h"
#include "ui/starters_panel.h"
#include "ui/stats_panel.h"
#include "ui/ui_context.h"
#include "ui/window_captions.h"
#include "ui/wizard_panels.h"

namespace velmoro {

namespace {

QWidget* Column(QWidget* parent, std::initializer_list<QWidget*> widgets) {
    auto* column = new QWidget(parent);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* widget : widgets)
        layout->addWidget(widget);
    layout->addStretch();
    return column;
}

}  // namespace

ManageLineupDialog::ManageLineupDialog(UiContext& context, Side side, Mode mode, QWidget* parent)
    : QDialog(parent), context_(context), side_(side), mode_(mode) {
    setWindowTitle(kLineupCaption);
    setObjectName("manageLineupDialog");
    BuildWidgets();
    const GameState& game = context_.session.game;
    const GameSide& team = game.SideOf(side_);
    if (team.team) title_->setText(ShownText(team.team->name));
    inGame_->Show(team.defense, game.designatedHitter);
    if (mode_ == Mode::Substitution) {
        OpenSubstitution();
    } else {
        OpenPitchingChange();
    }
}

void ManageLineupDialog::BuildWidgets() {
    title_ = MakeBoldLabel("teamName", this);

    whoToReplace_ = new QComboBox(this);
    whoToReplace_->setObjectName("whoToReplace");
    caption_ = new QLabel(this);
    caption_->setObjectName("candidateCaption");
    candidates_ = new QListWidget(this);
    candidates_->setObjectName("candidates");
    candidates_->setSelectionMode(QAbstractItemView::SingleSelection);
    candidates_->setMinimumWidth(180);
    batting_ = MakeBattingPanel(this);
    pitching_ = MakePitchingPanel(this);
    inGame_ = new StartersPanel(this);
    inGame_->setTitle("Players In Game");

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { Confirm(); });
    connect(buttons, &QDialogButtonBox::rejected, this, [this] { Close(false); });

    auto* choose =
        Column(this, {new QLabel("Who To Replace", this), whoToReplace_, caption_, candidates_});
    auto* row = new QHBoxLayout;
    row->addWidget(choose);
    row->addWidget(Column(this, {batting_, pitching_}));
    row->addWidget(Column(this, {inGame_}));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title_);
    layout->addLayout(row);
    layout->addWidget(buttons);

    connect(candidates_, &QListWidget::currentRowChanged, this, [this] { HighlightCandidate(); });
}

void ManageLineupDialog::OpenSubstitution() {
    choices_ = ReplaceChoices(context_.session.game, side_);
    for (int position : choices_)
        whoToReplace_->addItem(ShownText(ReplaceEntryText(position)));
    whoToReplace_->setCurrentIndex(0);
    connect(whoToReplace_, &QComboBox::currentIndexChanged, this,
            [this](int entry) { ChooseReplacePosition(entry); });
    ChooseReplacePosition(0);
}

void ManageLineupDialog::ChooseReplacePosition(int entry) {
    if (entry < 0 || entry >= static_cast<int>(choices_.size())) return;
    replacePosition_ = choices_[entry];
    caption_->setText(ShownText(ReplaceCaption(replacePosition_)));
    const SubstituteCandidates found =
        SubstitutionCandidates(context_.session, side_, replacePosition_);
    QSignalBlocker quiet(candidates_);
    candidates_->clear();
    FillNameList(candidates_, found.names);
    if (found.count == 0) {
        context_.prompter.Inform(kNoReplacementsMessage, kVelmoroErrorCaption);
        Close(false);
        return;
    }
    ShowPitchingPanel(replacePosition_ == PitcherPosition);
    candidates_->setCurrentRow(0);
    HighlightCandidate();
}

void ManageLineupDialog::OpenPitchingChange() {
    replacePosition_ = PitcherPosition;
    whoToReplace_->addItem(ShownText(ReplaceEntryText(PitcherPosition)));
    caption_->setText(ShownText(ReplaceCaption(PitcherPosition)));
    ShowPitchingPanel(true);
    // An empty list is no error: OK then simply does nothing.
    QSignalBlocker quiet(candidates_);
    FillNameList(candidates_, PitchingChangeCandidates(context_.session.game, side_));
    if (candidates_->count() > 0) {
        candidates_->setCurrentRow(0);
        HighlightCandidate();
    }
}

void ManageLineupDialog::HighlightCandidate() {
    const GameState& game = context_.session.game;
    PlayerRecord* player =
        FindPlayer(game.SideOf(side_).team, EntryName(candidates_->currentItem()));
    if (!player) return;
    batting_->SetValues(BattingLineTexts(*player));
    ShowPitchingPanel(replacePosition_ == PitcherPosition);
    if (replacePosition_ == PitcherPosition && player->pitching) {
        pitching_->SetValues(PitchingLineTexts(*player->pitching));
    }
}

void ManageLineupDialog::ShowPitchingPanel(bool show) {
    pitching_->setVisible(show);
}

void ManageLineupDialog::Confirm() {
    QListWidgetItem* chosen = candidates_->currentItem();
    if (!chosen || !chosen->isSelected()) return;
    const std::string name = EntryName(chosen);
    const SubstitutionOutcome outcome =
        mode_ == Mode::Substitution
            ? ApplySubstitution(context_.session, side_, replacePosition_, name)
            : ApplyPitchingChange(context_.session, side_, name);
    if (outcome == SubstitutionOutcome::NotInLineup) {
        context_.prompter.Inform(kReplacementErrorMessage, kVelmoroErrorCaption);
    }
    changed_ = outcome == SubstitutionOutcome::Applied;
    Close(changed_);
}

void ManageLineupDialog::Close(bool accepted) {
    if (!isVisible()) {
        closedAtOpening_ = true;
        return;
    }
    accepted ? accept() : reject();
}

}  // namespace velmoro
