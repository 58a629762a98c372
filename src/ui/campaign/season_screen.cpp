#include "ui/campaign/season_screen.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "ui/standings_tree.h"
#include "ui/window_captions.h"

namespace velmoro {

namespace {

QPushButton* MakeButton(const char* text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    return button;
}

QTreeWidget* MakeGameList(QWidget* parent) {
    auto* list = new QTreeWidget(parent);
    list->setColumnCount(4);
    list->setHeaderLabels({"Date", "Visitors", "Home", "Score"});
    list->setRootIsDecorated(false);
    // A season holds thousands of games: columns sized once they are in.
    list->setUniformRowHeights(true);
    list->header()->setResizeContentsPrecision(100);
    return list;
}

}  // namespace

SeasonScreen::SeasonScreen(UiContext& context, std::unique_ptr<ManagedSeason> season,
                           QWidget* parent)
    : QDialog(parent), context_(context), season_(std::move(season)) {
    setWindowTitle(QString("%1  %2").arg(
        kSeasonCaption, QString::fromStdString(season_->File().filename().string())));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildCommands());
    progress_ = new QProgressBar(this);
    progress_->setValue(0);
    layout->addWidget(progress_);
    BuildTabs();
    // Today's games beside the season's views.
    auto* split = new QSplitter(this);
    split->addWidget(today_);
    split->addWidget(tabs_);
    split->setStretchFactor(1, 2);
    split->setSizes({400, 700});
    layout->addWidget(split, 1);
    timer_ = new QTimer(this);
    timer_->setInterval(15);
    resize(1100, 720);
    Connect();
    Refresh();
}

SeasonScreen::~SeasonScreen() {
    cancelRequested_ = true;
    if (worker_.joinable()) worker_.join();
}

QWidget* SeasonScreen::BuildCommands() {
    auto* box = new QWidget(this);
    date_ = new QLabel(box);
    date_->setObjectName("date");
    QFont bold = date_->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    date_->setFont(bold);
    next_ = new QLabel(box);
    next_->setObjectName("nextGame");
    play_ = MakeButton("&Play Game", "playGame", box);
    simDay_ = MakeButton("Sim &Day", "simDay", box);
    simWeek_ = MakeButton("Sim &Week", "simWeek", box);
    simNext_ = MakeButton("Sim to &Next Game", "simNextGame", box);
    simEnd_ = MakeButton("Sim to &End", "simToEnd", box);
    cancel_ = MakeButton("Cancel", "cancel", box);
    auto* labels = new QVBoxLayout;
    labels->addWidget(date_);
    labels->addWidget(next_);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->addLayout(labels, 1);
    for (QPushButton* button : {play_, simDay_, simWeek_, simNext_, simEnd_, cancel_})
        row->addWidget(button);
    return box;
}

void SeasonScreen::BuildTabs() {
    tabs_ = new QTabWidget(this);
    today_ = MakeGameList(this);
    today_->setColumnHidden(0, true);  // the date is above
    standings_ = new QTreeWidget(tabs_);
    SetUpStandingsTree(standings_);
    leaders_ = new QPlainTextEdit(tabs_);
    leaders_->setReadOnly(true);
    leaders_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    schedule_ = MakeGameList(tabs_);
    clubs_ = new QTableWidget(tabs_);
    players_ = new QTableWidget(tabs_);
    tabs_->addTab(standings_, "&Standings");
    tabs_->addTab(leaders_, "&Leaders");
    tabs_->addTab(schedule_, "Sc&hedule");
    tabs_->addTab(clubs_, "&Clubs");
    tabs_->addTab(players_, "Pl&ayers");
    filled_.assign(static_cast<std::size_t>(tabs_->count()), false);
}

void SeasonScreen::Connect() {
    connect(play_, &QPushButton::clicked, this, &SeasonScreen::PlayGame);
    connect(simDay_, &QPushButton::clicked, this, [this] { StartSim(1, false, false); });
    connect(simWeek_, &QPushButton::clicked, this, [this] { StartSim(7, false, false); });
    connect(simNext_, &QPushButton::clicked, this, [this] { StartSim(0, true, false); });
    connect(simEnd_, &QPushButton::clicked, this, [this] { StartSim(0, false, true); });
    connect(cancel_, &QPushButton::clicked, this, &SeasonScreen::CancelSim);
    connect(timer_, &QTimer::timeout, this, &SeasonScreen::Drain);
    connect(tabs_, &QTabWidget::currentChanged, this, &SeasonScreen::FillTab);
    for (QTreeWidget* games : {today_, schedule_})
        connect(games, &QTreeWidget::itemActivated, this,
                [this](QTreeWidgetItem* item) { OpenGameOf(item); });
    connect(standings_, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { ShowClubPlayers(StandingsTeam(item)); });
    connect(clubs_, &QTableWidget::cellActivated, this, [this](int row) {
        if (Simulating()) return;
        const std::vector<SeasonTeam>& teams = season_->season().teams;
        const QString name = clubs_->item(row, 0)->text();
        for (int club = 0; club < static_cast<int>(teams.size()); ++club)
            if (QString::fromStdString(teams[club].team->name) == name) ShowClubPlayers(club);
    });
}

// Closing (Escape, the window's close box) waits for the games under way: each of them
// is kept.
void SeasonScreen::reject() {
    if (Simulating()) {
        CancelSim();
        worker_.join();
        FinishSim();
    }
    QDialog::reject();
}

}  // namespace velmoro
