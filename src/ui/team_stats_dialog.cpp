#include "ui/team_stats_dialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "setup/manage_stats.h"
#include "ui/ui_context.h"
#include "ui/window_captions.h"
#include "ui/wizard_panels.h"

namespace velmoro {

namespace {

template <std::size_t N>
QStringList Headings(const std::array<const char*, N>& headings) {
    QStringList list;
    for (const char* heading : headings)
        list << heading;
    return list;
}

// The formatted line keeps its padding; the tabs become the table's columns.
QStringList Cells(const StatsRow& row) {
    QStringList cells{ShownText(row.name)};
    cells << QString::fromStdString(row.line).split('\t');
    return cells;
}

QPushButton* Button(const char* text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

TeamStatsDialog::TeamStatsDialog(UiContext& context, TeamRecord& team, Side side, QWidget* parent)
    : QDialog(parent), context_(context), team_(team), side_(side) {
    setWindowTitle(kLineupCaption);
    setObjectName("teamStatsDialog");
    BuildWidgets();
    StatsOpen(context.session, team, context.statsTeam);
    context.statsTeam = &team;
    Fill();
}

void TeamStatsDialog::BuildWidgets() {
    title_ = MakeBoldLabel("teamName", this);

    group_ = new QGroupBox(this);
    table_ = new QTableWidget(kStatsPageRows, 0, group_);
    table_->setObjectName("statsTable");
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->verticalHeader()->setVisible(false);
    table_->verticalHeader()->setDefaultSectionSize(20);
    auto* groupLayout = new QVBoxLayout(group_);
    groupLayout->addWidget(table_);

    previous_ = Button("Previous", "previous", this);
    next_ = Button("Next", "next", this);
    switch_ = Button("Pitching", "switchView", this);
    auto* cancel = Button("Cancel", "cancel", this);
    connect(previous_, &QPushButton::clicked, this, [this] { PreviousPage(); });
    connect(next_, &QPushButton::clicked, this, [this] { NextPage(); });
    connect(switch_, &QPushButton::clicked, this, [this] { SwitchView(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(previous_);
    buttons->addWidget(next_);
    buttons->addStretch();
    buttons->addWidget(switch_);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title_);
    layout->addWidget(group_);
    layout->addLayout(buttons);
    resize(760, 640);
}

void TeamStatsDialog::Fill() {
    Session& session = context_.session;
    const bool hitting = view_ == View::Hitting;
    group_->setTitle(hitting ? "Hitting" : "Pitching");
    switch_->setText(hitting ? "Pitching" : "Hitting");
    const QStringList headings = hitting ? Headings(kHittingHeadings) : Headings(kPitchingHeadings);
    table_->setColumnCount(static_cast<int>(headings.size()));
    table_->setHorizontalHeaderLabels(headings);
    if (hitting) {
        ShowPage(HittingStatsPage(team_, session.statsPageStart), headings.size());
    } else {
        const GameSide& side = session.game.SideOf(side_);
        ShowPage(PitchingStatsPage(side, session.statsPageStart), headings.size());
    }
}

void TeamStatsDialog::ShowPage(const StatsPage& page, int columns) {
    title_->setText(ShownText(page.title));
    table_->clearContents();
    for (int r = 0; r < static_cast<int>(page.rows.size()); ++r) {
        const QStringList cells = Cells(page.rows[r]);
        for (int c = 0; c < columns && c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            if (c > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(r, c, item);
        }
    }
    table_->resizeColumnsToContents();
    table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    ShowButton(previous_, page.showPrevious);
    ShowButton(next_, page.showNext);
}

void TeamStatsDialog::ShowButton(QPushButton* button, bool show) {
    button->setVisible(show);
    button->setEnabled(show);
}

void TeamStatsDialog::NextPage() {
    StatsNextPage(context_.session);
    Fill();
}

void TeamStatsDialog::PreviousPage() {
    StatsPreviousPage(context_.session);
    Fill();
}

void TeamStatsDialog::SwitchView() {
    StatsSwitchView(context_.session);
    view_ = view_ == View::Hitting ? View::Pitching : View::Hitting;
    Fill();
}

}  // namespace velmoro
