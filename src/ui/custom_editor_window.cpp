#include "ui/custom_editor_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "db/team_files.h"
#include "ui/editor_lists.h"
#include "ui/ui_context.h"

namespace velmoro {

namespace {

// The card's boxes in window order, with the bit each one shows.
constexpr const char* kCardBoxLabels[7] = {"Pitcher", "Catcher", "First",   "Second",
                                           "Short",   "Third",   "Outfield"};
constexpr std::uint8_t kCardBoxBits[7] = {Pitcher,   Catcher,   FirstBase, SecondBase,
                                          Shortstop, ThirdBase, Outfield};
constexpr const char* kCountLabels[7] = {
    "Pitcher:", "Catcher:", "First:", "Second:", "Shortstop:", "Third:", "Outfield:"};

}  // namespace

CustomEditorWindow::CustomEditorWindow(UiContext& context, QWidget* parent)
    : EditorWindowBase("Create Team", "customTeamEditor", parent),
      editor_(context.session.teams, context.prompter, context.session.installDirectory) {
    auto* grid = new QGridLayout(this);
    grid->addWidget(MakeFindGroup(), 0, 0, 2, 1);
    grid->addWidget(MakeSelectorGroup(), 0, 1);
    grid->addWidget(MakeCard(), 1, 1);
    grid->addWidget(MakeCustomGroup(), 0, 2, 2, 1);
    grid->setRowStretch(1, 1);
    editor_.Open();
    ShowRules();
}

QWidget* CustomEditorWindow::MakeFindGroup() {
    auto* group = new QGroupBox("Find Player", this);
    auto* grid = new QGridLayout(group);
    years_ = MakeList("years", editor_, &CustomTeamEditor::SelectYear);
    clubs_ = MakeList("clubs", editor_, &CustomTeamEditor::SelectClub);
    sourcePlayers_ = MakeList("sourcePlayers", editor_, &CustomTeamEditor::SelectSourcePlayer);
    years_->setMaximumWidth(70);
    grid->addWidget(new QLabel("Year", group), 0, 0);
    grid->addWidget(new QLabel("Team", group), 0, 1);
    grid->addWidget(years_, 1, 0);
    grid->addWidget(clubs_, 1, 1);
    grid->addWidget(new QLabel("Team Players", group), 2, 0, 1, 2);
    grid->addWidget(sourcePlayers_, 3, 0, 1, 2);
    grid->addWidget(MakeButton("All Teams", "allTeams", [this] { editor_.AllTeams(); }), 4, 0, 1,
                    2);
    searchText_ = new QLineEdit(group);
    searchText_->setObjectName("searchText");
    searchText_->setMaxLength(static_cast<int>(kSearchTextLimit));
    grid->addWidget(new QLabel("Search for Player", group), 5, 0, 1, 2);
    grid->addWidget(searchText_, 6, 0, 1, 2);
    QPushButton* find = MakeButton("Find Player", "findPlayer",
                                   [this] { editor_.SearchPlayer(FromQt(searchText_->text())); });
    grid->addWidget(find, 7, 0, 1, 2);
    // Enter in the search field searches; the dialog has no default button to take it.
    connect(searchText_, &QLineEdit::returnPressed, find, &QPushButton::click);
    return group;
}

QWidget* CustomEditorWindow::MakeSelectorGroup() {
    auto* group = new QGroupBox("Select Custom Team", this);
    auto* grid = new QGridLayout(group);
    selector_ = new QComboBox(group);
    selector_->setObjectName("teamSelector");
    connect(selector_, &QComboBox::currentIndexChanged, this,
            [this](int row) { Run([&] { editor_.SelectCustomTeam(row); }); });
    newTeamName_ = new QLineEdit(group);
    newTeamName_->setObjectName("newTeamName");
    newTeamName_->setMaxLength(static_cast<int>(kMaxNameBytes));
    const auto typedName = [this] { return FromQt(newTeamName_->text()); };
    grid->addWidget(selector_, 0, 0, 1, 3);
    grid->addWidget(new QLabel("New Team Name", group), 1, 0, 1, 3);
    grid->addWidget(newTeamName_, 2, 0, 1, 3);
    grid->addWidget(
        MakeButton("Rename Team", "renameTeam", [=, this] { editor_.RenameTeam(typedName()); }), 3,
        0);
    grid->addWidget(MakeButton("New Team", "newTeam", [=, this] { editor_.NewTeam(typedName()); }),
                    3, 1);
    grid->addWidget(MakeButton("Delete Team", "deleteTeam", [this] { editor_.DeleteTeam(); }), 3,
                    2);
    return group;
}

QWidget* CustomEditorWindow::MakeCard() {
    card_ = new QGroupBox(this);
    card_->setObjectName("playerCard");
    auto* grid = new QGridLayout(card_);
    // The card shows the player found; nothing on it can be changed.
    grid->setRowStretch(AddPlayerFields(grid, 7, kCardBoxLabels, false), 1);
    return card_;
}

QWidget* CustomEditorWindow::MakeCustomGroup() {
    customGroup_ = new QGroupBox(this);
    customGroup_->setObjectName("customGroup");
    auto* column = new QVBoxLayout(customGroup_);
    auto* countsBox = new QGroupBox("Position Counts", customGroup_);
    auto* countsGrid = new QGridLayout(countsBox);
    for (int i = 0; i < 7; ++i) {
        counts_[i] = new QLabel(countsBox);
        counts_[i]->setObjectName(QString("count%1").arg(i));
        countsGrid->addWidget(new QLabel(kCountLabels[i], countsBox), i % 4, (i / 4) * 2);
        countsGrid->addWidget(counts_[i], i % 4, (i / 4) * 2 + 1);
    }
    column->addWidget(countsBox);
    column->addWidget(new QLabel("Team Players", customGroup_));
    customPlayers_ = MakeList("customPlayers", editor_, &CustomTeamEditor::SelectCustomPlayer);
    column->addWidget(customPlayers_);
    auto* playerButtons = new QHBoxLayout;
    playerButtons->addWidget(
        MakeButton("Add Player", "addPlayer", [this] { editor_.AddPlayer(); }));
    playerButtons->addWidget(
        MakeButton("Delete Player", "deletePlayer", [this] { editor_.DeletePlayer(); }));
    column->addLayout(playerButtons);
    auto* closeButtons = new QHBoxLayout;
    closeButtons->addWidget(MakeButton("Save", "save", [this] { editor_.Save(); }));
    closeButtons->addWidget(MakeCloseButton("Done", "done"));
    column->addLayout(closeButtons);
    return customGroup_;
}

void CustomEditorWindow::ShowRules() {
    MirrorList(editor_.years, years_);
    MirrorList(editor_.clubs, clubs_);
    MirrorList(editor_.sourcePlayers, sourcePlayers_);
    MirrorCombo(editor_.selector, selector_);
    MirrorList(editor_.customPlayers, customPlayers_);
    const PlayerCard& card = editor_.card;
    card_->setTitle(ToQt(card.caption));
    ShowPlayer(card.batting, card.pitching, card.positions, kCardBoxBits);
    customGroup_->setTitle(ToQt(editor_.customFrameCaption));
    for (int i = 0; i < 7; ++i)
        counts_[i]->setText(QString::number(editor_.positionCounts[i]));
}

void CustomEditorWindow::reject() {
    if (closing_) return;
    closing_ = true;
    editor_.Done();
    QDialog::done(0);
}

}  // namespace velmoro
