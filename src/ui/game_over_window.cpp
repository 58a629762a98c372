#include "ui/game_over_window.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/pictures.h"
#include "ui/text_view_files.h"
#include "ui/window_captions.h"

namespace velmoro {

GameOverWindow::GameOverWindow(const std::filesystem::path& gameLogPath, QWidget* parent)
    : QDialog(parent),
      log_(new QPlainTextEdit(this)),
      replay_(new QPushButton("Replay Game", this)),
      cancel_(new QPushButton("Cancel", this)) {
    setWindowTitle(kGameLogCaption);
    setWindowIcon(ProgramIcon());
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);

    auto* title = new QLabel("Game Over", this);
    title->setAlignment(Qt::AlignCenter);
    QFont titleFont = fixed;
    titleFont.setBold(true);
    titleFont.setPointSizeF(fixed.pointSizeF() * 1.5);
    title->setFont(titleFont);

    log_->setReadOnly(true);
    log_->setFont(fixed);
    log_->setLineWrapMode(QPlainTextEdit::NoWrap);
    log_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The box score separates its columns with tabs: eight characters each.
    log_->setTabStopDistance(QFontMetricsF(fixed).horizontalAdvance(' ') * 8);
    // A game whose box score cannot be read still offers the replay.
    if (const auto text = ReadTextPrefix(gameLogPath, kGameLogLimit)) log_->setPlainText(*text);

    replay_->setDefault(true);
    connect(replay_, &QPushButton::clicked, this, [this] { done(1); });
    connect(cancel_, &QPushButton::clicked, this, [this] { done(0); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(replay_);
    buttons->addWidget(cancel_);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(log_, 1);
    layout->addLayout(buttons);
    const QFontMetrics metrics(fixed);
    // Wide enough for the box score's name column and eight tabbed columns.
    resize(metrics.horizontalAdvance('M') * 100, metrics.lineSpacing() * 36);
}

void GameOverWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    replay_->setFocus();
}

}  // namespace velmoro
