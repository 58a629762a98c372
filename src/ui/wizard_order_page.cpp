#include "ui/wizard_order_page.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>
#include <filesystem>

#include "db/install_dir.h"
#include "db/player_usage.h"
#include "db/team_files.h"
#include "setup/batting_order.h"
#include "setup/club_lineup.h"
#include "ui/ui_context.h"
#include "ui/window_captions.h"
#include "ui/wizard_page_ids.h"
#include "ui/wizard_panels.h"

namespace velmoro {

namespace {

constexpr int kBatters = 9;
const QStringList kColumns{"Name", "AVG", "AB", "R", "H",  "2B", "3B",
                           "HR",   "RBI", "BB", "K", "SB", "CS"};

QTableWidget* MakeBattingTable(QWidget* parent) {
    auto* table = new QTableWidget(kBatters, static_cast<int>(kColumns.size()), parent);
    table->setObjectName("battingTable");
    table->setHorizontalHeaderLabels(kColumns);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Tall enough for the whole order: the table never scrolls.
    int height = table->horizontalHeader()->sizeHint().height() + 2 * table->frameWidth();
    for (int row = 0; row < kBatters; ++row)
        height += table->verticalHeader()->sectionSize(row);
    table->setMinimumHeight(height);
    return table;
}

}  // namespace

WizardOrderPage::WizardOrderPage(UiContext& context, Side side, QWidget* parent)
    : QWizardPage(parent), context_(context), side_(side) {
    setWindowTitle(kLineupCaption);
    title_ = new QLabel("Set Batting Order", this);
    title_->setObjectName("title");
    heading_ = MakeBoldLabel("heading", this);
    heading_->setAlignment(Qt::AlignCenter);
    order_ = new QListWidget(this);
    order_->setObjectName("order");
    order_->setMaximumWidth(200);
    up_ = new QPushButton("Up", this);
    up_->setObjectName("up");
    down_ = new QPushButton("Down", this);
    down_->setObjectName("down");
    club_ = new QPushButton("Club's Lineup", this);
    club_->setObjectName("clubLineup");
    table_ = MakeBattingTable(this);
    auto* group = new QGroupBox("Batting", this);
    (new QVBoxLayout(group))->addWidget(table_);

    auto* grid = new QGridLayout;
    grid->addWidget(order_, 0, 0, 1, 2);
    grid->addWidget(up_, 1, 0);
    grid->addWidget(down_, 1, 1);
    grid->addWidget(club_, 2, 0, 1, 2);
    grid->addWidget(group, 0, 2, 3, 1);
    grid->setColumnStretch(2, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title_);
    layout->addWidget(heading_);
    layout->addLayout(grid);

    connect(order_, &QListWidget::currentRowChanged, this, [this] { RefreshTable(); });
    connect(up_, &QPushButton::clicked, this, &WizardOrderPage::MoveUp);
    connect(down_, &QPushButton::clicked, this, &WizardOrderPage::MoveDown);
    connect(club_, &QPushButton::clicked, this, &WizardOrderPage::FillClubLineup);
}

void WizardOrderPage::initializePage() {
    // The page is entered once per side, so the default order is built afresh from the
    // defence just chosen; the home page never shows the visitors' order.
    side_ = context_.setup.setupSide;
    FillDefaultOrder();
}

void WizardOrderPage::FillDefaultOrder() {
    Session& session = context_.session;
    title_->setText("Set Batting Order");
    DefaultBattingOrder(session.game, side_);
    ShowOrder();
}

void WizardOrderPage::FillClubLineup() {
    Session& session = context_.session;
    std::vector<PlayerUsage> rows;
    const std::filesystem::path file =
        PlayerUsagePathFor(DataFileToRead(session.installDirectory, kLegendFileName));
    Status filled = LoadPlayerUsage(file, rows);
    if (filled) filled = velmoro::FillClubLineup(session.game, side_, rows);
    if (!filled) {
        context_.prompter.Inform(filled.message(), kCaption);
        return;
    }
    ShowOrder();
}

void WizardOrderPage::ShowOrder() {
    Session& session = context_.session;
    const auto& lineup = session.game.SideOf(side_).lineup;
    {
        const QSignalBlocker blocker(order_);
        order_->clear();
        for (int entry = 0; entry < kBatters; ++entry)
            AddNameEntry(order_, lineup[entry] ? lineup[entry]->name : std::string());
    }
    order_->setCurrentRow(0);
    RefreshTable();
    const TeamRecord* team = session.game.SideOf(side_).team;
    heading_->setText(team ? ShownText(team->name) : QString());
}

void WizardOrderPage::RefreshTable() {
    const auto& lineup = context_.session.game.SideOf(side_).lineup;
    for (int row = 0; row < kBatters; ++row) {
        const PlayerRecord* batter = lineup[row];
        table_->setItem(row, 0, new QTableWidgetItem(batter ? ShownText(batter->name) : ""));
        if (batter == nullptr) continue;
        const auto texts = BattingLineTexts(*batter);
        for (std::size_t column = 0; column < texts.size(); ++column) {
            auto* item = new QTableWidgetItem(QString::fromStdString(texts[column]));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(row, static_cast<int>(column) + 1, item);
        }
    }
}

void WizardOrderPage::MoveUp() {
    const int position = order_->currentRow();
    if (position >= 0 && MoveBatterUp(context_.session.game, side_, position))
        MoveEntry(position, position - 1);
}

void WizardOrderPage::MoveDown() {
    const int position = order_->currentRow();
    if (position >= 0 && MoveBatterDown(context_.session.game, side_, position))
        MoveEntry(position, position + 1);
}

void WizardOrderPage::MoveEntry(int from, int to) {
    {
        const QSignalBlocker blocker(order_);
        order_->insertItem(to, order_->takeItem(from));
    }
    order_->setCurrentRow(to);
    RefreshTable();
}

bool WizardOrderPage::validatePage() {
    if (side_ == Side::Visitors) {
        SwitchToHomeSide(context_.session, context_.setup);
    } else {
        FinishSetup(context_.session);
    }
    return true;
}

int WizardOrderPage::nextId() const {
    return side_ == Side::Visitors ? LineupPageId(Side::Home, PitcherSlot) : -1;
}

}  // namespace velmoro
