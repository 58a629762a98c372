// The play screen's widgets and layout.
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/diamond_view.h"
#include "ui/picture_view.h"
#include "ui/pictures.h"
#include "ui/play_screen.h"
#include "ui/ui_context.h"
#include "ui/window_captions.h"

namespace velmoro {
namespace {

QLabel* NumberBox(QWidget* parent, const char* widest) {
    auto* box = new QLabel(parent);
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(widest) + 8);
    return box;
}

QLabel* Value(QWidget* parent, const char* widest) {
    auto* value = new QLabel(parent);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setMinimumWidth(value->fontMetrics().horizontalAdvance(widest) + 4);
    return value;
}

QLabel* Heading(const QString& text, QWidget* parent, Qt::Alignment align = Qt::AlignRight) {
    auto* heading = new QLabel(text, parent);
    heading->setAlignment(align | Qt::AlignVCenter);
    return heading;
}

// Two buttons side by side under a panel.
QHBoxLayout* ButtonPair(QPushButton* manage, QPushButton* stats) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(manage);
    row->addWidget(stats);
    row->addStretch();
    return row;
}

}  // namespace

QWidget* PlayScreen::BuildScoreboard() {
    auto* board = new QGroupBox(this);
    auto* grid = new QGridLayout(board);
    grid->setHorizontalSpacing(3);
    // Columns: name, innings 1-3, gap, 4-6, gap, 7-9, gap, R H E.
    auto column = [](int index) { return 1 + index + index / 3; };
    for (int inning = 0; inning < 9; ++inning)
        grid->addWidget(Heading(QString::number(inning + 1), board, Qt::AlignCenter), 0,
                        column(inning));
    const char* totals[] = {"R", "H", "E"};
    for (int t = 0; t < 3; ++t)
        grid->addWidget(Heading(totals[t], board, Qt::AlignCenter), 0, column(9 + t));
    visitorName_ = new QLabel(board);
    homeName_ = new QLabel(board);
    for (int side = 0; side < 2; ++side) {
        QLabel* name = side == 0 ? visitorName_ : homeName_;
        name->setMinimumWidth(name->fontMetrics().horizontalAdvance("8888 Wwwwwwwwwwwwwww"));
        name->setAutoFillBackground(true);
        grid->addWidget(name, side + 1, 0);
        for (int box = 0; box < 12; ++box) {
            scoreBoxes_[side][box] = NumberBox(board, box < 9 ? "00" : "000");
            grid->addWidget(scoreBoxes_[side][box], side + 1, column(box));
        }
    }
    for (int gap : {4, 8, 12})
        grid->setColumnMinimumWidth(gap, 6);
    grid->setColumnStretch(0, 1);
    return board;
}

QWidget* PlayScreen::BuildLineupPanel() {
    auto* panel = new QWidget(this);
    auto* outer = new QVBoxLayout(panel);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* group = new QGroupBox("Hitting", panel);
    auto* grid = new QGridLayout(group);
    grid->setVerticalSpacing(1);
    const char* headings[] = {"AB", "R", "H", "RBI"};
    for (int c = 0; c < 4; ++c)
        grid->addWidget(Heading(headings[c], group), 0, c + 1);
    for (int slot = 0; slot < 9; ++slot) {
        lineupNames_[slot] = new QLabel(group);
        lineupNames_[slot]->setAutoFillBackground(true);
        lineupNames_[slot]->setMinimumWidth(
            lineupNames_[slot]->fontMetrics().horizontalAdvance("Wwwwwww Wwwwwwwwww"));
        grid->addWidget(lineupNames_[slot], slot + 1, 0);
        for (int c = 0; c < 4; ++c) {
            lineupNumbers_[slot][c] = Value(group, "000");
            grid->addWidget(lineupNumbers_[slot][c], slot + 1, c + 1);
        }
    }
    grid->setColumnStretch(0, 1);
    outer->addWidget(group, 1);
    manageHitting_ = new QPushButton("&Manage", panel);
    statsHitting_ = new QPushButton("&Team Stats", panel);
    outer->addLayout(ButtonPair(manageHitting_, statsHitting_));
    return panel;
}

QWidget* PlayScreen::BuildMatchupPanel() {
    auto* panel = new QWidget(this);
    auto* outer = new QVBoxLayout(panel);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* group = new QGroupBox("Pitcher vs. Hitter", panel);
    auto* grid = new QGridLayout(group);
    grid->setVerticalSpacing(1);
    const char* pitching[] = {"W", "L", "K", "BAVG", "ERA"};
    const char* hitting[] = {"AB", "R", "HR", "RBI", "AVG"};
    pitcherName_ = new QLabel(group);
    hitterName_ = new QLabel(group);
    grid->addWidget(pitcherName_, 0, 0, 1, 5);
    grid->addWidget(hitterName_, 3, 0, 1, 5);
    for (int c = 0; c < 5; ++c) {
        grid->addWidget(Heading(pitching[c], group), 1, c);
        grid->addWidget(pitcherValues_[c] = Value(group, "00.00"), 2, c);
        grid->addWidget(Heading(hitting[c], group), 4, c);
        grid->addWidget(hitterValues_[c] = Value(group, "00.00"), 5, c);
    }
    grid->setRowMinimumHeight(3, grid->verticalSpacing() + fontMetrics().height() * 3 / 2);
    outer->addWidget(group);
    managePitching_ = new QPushButton("&Manage", panel);
    statsPitching_ = new QPushButton("&Team Stats", panel);
    outer->addLayout(ButtonPair(managePitching_, statsPitching_));
    outer->addSpacing(fontMetrics().height() / 2);
    inningCaption_ = new QLabel(panel);
    outsCaption_ = new QLabel(panel);
    QFont bold = inningCaption_->font();
    bold.setBold(true);
    inningCaption_->setFont(bold);
    outsCaption_->setFont(bold);
    outer->addWidget(inningCaption_);
    outer->addWidget(outsCaption_);
    engineCaption_ = new QLabel(panel);
    outer->addWidget(engineCaption_);
    outer->addStretch();
    return panel;
}

QWidget* PlayScreen::BuildChoicePanel() {
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    offense_ = new QComboBox(panel);
    offense_->addItems({"Normal Play", "Sacrifice", "Steal", "Squeeze Play"});
    defense_ = new QComboBox(panel);
    defense_->addItems({"Normal Play", "Intentional Walk", "Play Infield In"});
    auto* offenseLabel = new QLabel("Hitting/Running Choices", panel);
    auto* defenseLabel = new QLabel("Pitching Choices", panel);
    offenseLabel->setBuddy(offense_);
    defenseLabel->setBuddy(defense_);
    grid->addWidget(offenseLabel, 0, 0);
    grid->addWidget(offense_, 1, 0);
    grid->addWidget(defenseLabel, 2, 0);
    grid->addWidget(defense_, 3, 0);
    managesVisitors_ = new QCheckBox("Computer manages visitors", panel);
    managesHome_ = new QCheckBox("Computer manages home", panel);
    grid->addWidget(managesVisitors_, 4, 0);
    grid->addWidget(managesHome_, 5, 0);
    pitch_ = new QPushButton("&Pitch", panel);
    save_ = new QPushButton("&Save", panel);
    quit_ = new QPushButton("&Quit", panel);
    pitch_->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(pitch_);
    buttons->addWidget(save_);
    buttons->addWidget(quit_);
    grid->addLayout(buttons, 6, 0);
    sim_ = new QPushButton("Sim to End", panel);
    auto* simRow = new QHBoxLayout;
    simRow->addWidget(sim_);
    simRow->addStretch();
    grid->addLayout(simRow, 7, 0);
    grid->setRowStretch(8, 1);
    return panel;
}

void PlayScreen::BuildWindow() {
    setWindowTitle(kPlayBallCaption);
    setWindowIcon(ProgramIcon());
    log_ = new QPlainTextEdit(this);
    log_->setReadOnly(true);
    log_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    log_->setMinimumHeight(fontMetrics().lineSpacing() * 7);
    diamond_ = new DiamondView([this] { return context_.session.game.bases; }, this);
    simTimer_ = new QTimer(this);
    simTimer_->setSingleShot(true);
    simTimer_->setInterval(0);
    auto* picture = new PictureView(PaintBaseballScene, QSize(116, 63), this);

    auto* grid = new QGridLayout(this);
    grid->addWidget(BuildScoreboard(), 0, 0, 1, 2);
    grid->addWidget(picture, 0, 2);
    grid->addWidget(BuildLineupPanel(), 1, 0);
    grid->addWidget(BuildMatchupPanel(), 1, 1);
    grid->addWidget(diamond_, 1, 2);
    grid->addWidget(log_, 2, 0, 1, 2);
    grid->addWidget(BuildChoicePanel(), 2, 2);
    // What the computer decided and why: the whole width, since a turn may bring a
    // pinch hitter, a pitching change and a play, each with its reason.
    reason_ = new QLabel(this);
    reason_->setWordWrap(true);
    reason_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    reason_->setMinimumHeight(fontMetrics().lineSpacing() * 2);
    grid->addWidget(reason_, 3, 0, 1, 3);
    grid->setRowStretch(1, 1);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(2, 2);
    setSizeGripEnabled(true);
}

}  // namespace velmoro
