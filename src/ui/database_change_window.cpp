#include "ui/database_change_window.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "db/team_files.h"
#include "ui/editor_lists.h"
#include "ui/ui_context.h"
#include "ui/window_captions.h"

namespace velmoro {

namespace {

constexpr const char* kCheckLabels[7] = {"Pitcher", "Catcher", "First",   "Second",
                                         "Third",   "Short",   "Outfield"};

}  // namespace

DatabaseChangeWindow::DatabaseChangeWindow(UiContext& context, QWidget* parent)
    : EditorWindowBase(kDatabaseChangeCaption, "databaseChange", parent),
      rules_(context.session.teams, context.prompter, context.session.installDirectory) {
    sourceYears_ = MakeList("sourceYears", rules_, &DatabaseChange::SelectSourceYear);
    sourceClubs_ = MakeList("sourceClubs", rules_, &DatabaseChange::SelectSourceClub);
    players_ = MakeList("players", rules_, &DatabaseChange::SelectPlayer);
    destinationYears_ =
        MakeList("destinationYears", rules_, &DatabaseChange::SelectDestinationYear);
    destinationClubs_ =
        MakeList("destinationClubs", rules_, &DatabaseChange::SelectDestinationClub);
    sourceYears_->setMaximumWidth(70);
    destinationYears_->setMaximumWidth(70);

    auto* layout = new QGridLayout(this);
    layout->addWidget(MakeListGroup("Select Source Team", {sourceYears_, sourceClubs_, players_}),
                      0, 0);
    layout->addWidget(
        MakeListGroup("Select Destination Team", {destinationYears_, destinationClubs_}), 0, 1);
    layout->addWidget(MakeStatsGroup(), 1, 0, 1, 2);
    layout->addWidget(MakeButtons(), 2, 0, 1, 2);
    rules_.Open();
    ShowRules();
}

QWidget* DatabaseChangeWindow::MakeListGroup(const char* title,
                                             std::initializer_list<QListWidget*> lists) {
    static constexpr const char* kHeadings[3] = {"Year", "Team", "Player"};
    auto* group = new QGroupBox(title, this);
    auto* grid = new QGridLayout(group);
    int column = 0;
    for (QListWidget* list : lists) {
        grid->addWidget(new QLabel(kHeadings[column], group), 0, column);
        grid->addWidget(list, 1, column);
        ++column;
    }
    return group;
}

QWidget* DatabaseChangeWindow::MakeStatsGroup() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    teamName_ = new QLineEdit(box);
    teamName_->setObjectName("teamName");
    teamName_->setMaxLength(static_cast<int>(kMaxNameBytes));
    playerName_ = new QLineEdit(box);
    playerName_->setObjectName("playerName");
    playerName_->setMaxLength(static_cast<int>(kMaxNameBytes));
    grid->addWidget(new QLabel("Team Name", box), 0, 0);
    grid->addWidget(teamName_, 0, 1);
    grid->addWidget(MakeButton("New Team", "newTeam", [this] { rules_.NewTeam(); }), 0, 2);
    grid->addWidget(MakeButton("Delete Team", "deleteTeam", [this] { rules_.DeleteTeam(); }), 0, 3);
    grid->addWidget(new QLabel("Player Name", box), 1, 0);
    grid->addWidget(playerName_, 1, 1);

    auto* stats = new QGroupBox("Player Stats", box);
    // Every number and box here can be changed; the commands read them back.
    AddPlayerFields(new QGridLayout(stats), kBattingFieldCount, kCheckLabels, true);
    grid->addWidget(stats, 2, 0, 1, 4);
    return box;
}

QWidget* DatabaseChangeWindow::MakeButtons() {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->addWidget(MakeButton("Move Player", "movePlayer", [this] { rules_.MovePlayer(); }));
    row->addWidget(MakeButton("New Player", "newPlayer", [this] { rules_.NewPlayer(); }));
    row->addWidget(MakeButton("Delete Player", "deletePlayer", [this] { rules_.DeletePlayer(); }));
    row->addStretch();
    row->addWidget(MakeButton("Save", "save", [this] { rules_.Save(); }));
    row->addWidget(MakeCloseButton("Cancel", "cancel"));
    return box;
}

void DatabaseChangeWindow::TakeTyped() {
    DbChangeFields& f = rules_.fields;
    f.teamName = FromQt(teamName_->text());
    f.playerName = FromQt(playerName_->text());
    for (int i = 0; i < kBattingFieldCount; ++i)
        f.batting[i] = FromQt(batting_[i]->text());
    for (int i = 0; i < kPitchingFieldCount; ++i)
        f.pitching[i] = FromQt(pitching_[i]->text());
    f.positions = 0;
    for (int i = 0; i < 7; ++i) {
        if (positions_[i]->isChecked()) f.positions |= kDbChangeCheckBits[i];
    }
}

void DatabaseChangeWindow::ShowRules() {
    MirrorList(rules_.sourceYears, sourceYears_);
    MirrorList(rules_.sourceClubs, sourceClubs_);
    MirrorList(rules_.players, players_);
    MirrorList(rules_.destinationYears, destinationYears_);
    MirrorList(rules_.destinationClubs, destinationClubs_);
    const DbChangeFields& f = rules_.fields;
    teamName_->setText(ToQt(f.teamName));
    playerName_->setText(ToQt(f.playerName));
    ShowPlayer(f.batting, f.pitching, f.positions, kDbChangeCheckBits);
}

}  // namespace velmoro
