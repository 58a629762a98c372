#include "ui/wizard_team_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "db/captions.h"
#include "setup/team_page.h"
#include "ui/custom_editor.h"
#include "ui/engine_choice.h"
#include "ui/management_dialogs.h"
#include "ui/ui_context.h"
#include "ui/window_captions.h"
#include "ui/wizard_page_ids.h"
#include "ui/wizard_panels.h"

namespace velmoro {

namespace {

Side SideOfIndex(int sideIndex) {
    return sideIndex == 0 ? Side::Visitors : Side::Home;
}

QString SideName(int sideIndex) {
    return sideIndex == 0 ? "team1" : "team2";
}

}  // namespace

WizardTeamPage::WizardTeamPage(UiContext& context, QWidget* parent)
    : QWizardPage(parent), context_(context) {
    setWindowTitle(kNewGameCaption);
    auto* layout = new QVBoxLayout(this);
    auto* sides = new QHBoxLayout;
    sides->addWidget(MakeSideGroup(0));
    sides->addWidget(MakeSideGroup(1));
    layout->addLayout(sides);

    designatedHitter_ = new QCheckBox("Use a designated hitter", this);
    designatedHitter_->setObjectName("designatedHitter");
    customTeam_ = new QPushButton("Custom Team", this);
    customTeam_->setObjectName("customTeam");
    databaseChange_ = new QPushButton("DB Change", this);
    databaseChange_->setObjectName("databaseChange");
    engine_ = MakeEngineBox(EngineKind::Classic, this);
    auto* engineLabel = new QLabel("&Engine", this);
    engineLabel->setBuddy(engine_);
    auto* row = new QHBoxLayout;
    row->addWidget(designatedHitter_);
    row->addSpacing(20);
    row->addWidget(engineLabel);
    row->addWidget(engine_);
    row->addStretch();
    row->addWidget(customTeam_);
    row->addWidget(databaseChange_);
    layout->addLayout(row);

    noTeamsNote_ = new QLabel(kNoTeamsNote, this);
    noTeamsNote_->setObjectName("noTeamsNote");
    noTeamsNote_->setWordWrap(true);
    noTeamsNote_->hide();
    layout->addWidget(noTeamsNote_);

    connect(customTeam_, &QPushButton::clicked, this, &WizardTeamPage::OnCustomTeam);
    connect(databaseChange_, &QPushButton::clicked, this, &WizardTeamPage::OnDatabaseChange);
}

QWidget* WizardTeamPage::MakeSideGroup(int sideIndex) {
    auto* group = new QGroupBox(sideIndex == 0 ? "Select Team 1" : "Select Team 2", this);
    auto* grid = new QGridLayout(group);
    auto* years = new QListWidget(group);
    auto* teams = new QListWidget(group);
    auto* roster = new QPushButton("Roster", group);
    years->setObjectName(SideName(sideIndex) + "Years");
    teams->setObjectName(SideName(sideIndex) + "Teams");
    roster->setObjectName(SideName(sideIndex) + "Roster");
    years->setMaximumWidth(90);
    grid->addWidget(new QLabel("Year", group), 0, 0);
    grid->addWidget(new QLabel("Team", group), 0, 1);
    grid->addWidget(years, 1, 0);
    grid->addWidget(teams, 1, 1);
    grid->addWidget(roster, 2, 1, Qt::AlignRight);
    yearLists_[sideIndex] = years;
    teamLists_[sideIndex] = teams;
    rosterButtons_[sideIndex] = roster;

    connect(years, &QListWidget::currentRowChanged, this,
            [this, sideIndex](int row) { OnYearChanged(sideIndex, row); });
    connect(teams, &QListWidget::currentRowChanged, this,
            [this, sideIndex](int row) { OnTeamChanged(sideIndex, row); });
    connect(roster, &QPushButton::clicked, this, [this, sideIndex] { OnRoster(sideIndex); });
    return group;
}

void WizardTeamPage::initializePage() {
    // The database change window is a maintenance tool; normal runs never reach it.
    databaseChange_->setVisible(context_.maintenance);
    databaseChange_->setEnabled(context_.maintenance);
    designatedHitter_->setChecked(false);
    ShowEngine(engine_, EngineKind::Classic);
    // Teams of an earlier run must not count as chosen when the lists offer none.
    ForgetTeamChoices(context_.session);
    FillYearLists();
    const std::string notice = OpeningNotice(context_.session.teams);
    if (!notice.empty()) context_.prompter.Inform(notice, kCaption);
    SelectFirstYears();
}

void WizardTeamPage::FillYearLists() {
    const std::vector<std::string> years = YearEntries(context_.session.teams);
    for (int side = 0; side < 2; ++side) {
        const QSignalBlocker yearBlocker(yearLists_[side]);
        const QSignalBlocker teamBlocker(teamLists_[side]);
        yearLists_[side]->clear();
        teamLists_[side]->clear();
        FillNameList(yearLists_[side], years);
    }
}

void WizardTeamPage::SelectFirstYears() {
    for (int side = 0; side < 2; ++side) {
        if (yearLists_[side]->count() > 0) yearLists_[side]->setCurrentRow(0);
    }
    UpdateCompleteness();
}

void WizardTeamPage::OnYearChanged(int sideIndex, int row) {
    QListWidget* teams = teamLists_[sideIndex];
    {
        const QSignalBlocker blocker(teams);
        teams->clear();
    }
    if (row < 0) return;
    const TeamEntries entries =
        TeamEntriesOfYear(context_.session.teams, EntryName(yearLists_[sideIndex]->item(row)));
    {
        const QSignalBlocker blocker(teams);
        FillNameList(teams, entries.names);
    }
    const std::string notice = YearChoiceNotice(SideOfIndex(sideIndex), entries);
    if (!notice.empty()) context_.prompter.Inform(notice, kCaption);
    if (teams->count() > 0) teams->setCurrentRow(0);
}

void WizardTeamPage::OnTeamChanged(int sideIndex, int row) {
    if (row < 0) return;
    // The preparation leaves the pitching staff alone for a team without players: the
    // staff of the club chosen before must not stand for this one.
    context_.session.game.SideOf(SideOfIndex(sideIndex)).pitchingStaff.fill(nullptr);
    ChooseTeam(context_.session, SideOfIndex(sideIndex), ResolveSide(sideIndex));
    UpdateCompleteness();
}

TeamRecord* WizardTeamPage::ResolveSide(int sideIndex) const {
    const QListWidgetItem* year = yearLists_[sideIndex]->currentItem();
    const QListWidgetItem* club = teamLists_[sideIndex]->currentItem();
    if (year == nullptr || club == nullptr) return nullptr;
    return ResolveTeamChoice(context_.session.teams, EntryName(year), EntryName(club));
}

void WizardTeamPage::OnRoster(int sideIndex) {
    TeamRecord* team = ResolveSide(sideIndex);
    if (team == nullptr) return;
    ChooseRosterTeam(context_.session, SideOfIndex(sideIndex), team);
    RunTeamStatsDialog(context_, this, *team, SideOfIndex(sideIndex));
}

void WizardTeamPage::OnCustomTeam() {
    RunCustomTeamEditor(context_, this);
    RebuildAfterEditor();
}

void WizardTeamPage::OnDatabaseChange() {
    RunDatabaseChangeDialog(context_, this);
    RebuildAfterEditor();
}

void WizardTeamPage::RebuildAfterEditor() {
    // The editor may have deleted or renamed the teams chosen so far.
    ForgetTeamChoices(context_.session);
    FillYearLists();
    SelectFirstYears();
}

void WizardTeamPage::UpdateCompleteness() {
    const bool complete = isComplete();
    noTeamsNote_->setVisible(!complete);
    for (int side = 0; side < 2; ++side)
        rosterButtons_[side]->setEnabled(teamLists_[side]->currentItem() != nullptr);
    emit completeChanged();
}

bool WizardTeamPage::isComplete() const {
    const GameState& game = context_.session.game;
    return teamLists_[0]->currentItem() != nullptr && teamLists_[1]->currentItem() != nullptr &&
           game.visitor.team != nullptr && game.home.team != nullptr;
}

bool WizardTeamPage::validatePage() {
    context_.engine = ChosenEngine(engine_);
    return StoreTeamChoices(context_.session, context_.setup, ResolveSide(0), ResolveSide(1),
                            designatedHitter_->isChecked());
}

int WizardTeamPage::nextId() const {
    return LineupPageId(Side::Visitors, PitcherSlot);
}

}  // namespace velmoro
