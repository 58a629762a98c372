#include "ui/play_screen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include "db/captions.h"
#include "engine/game_state.h"
#include "engine/session.h"
#include "engine/turns.h"
#include "manager/manager.h"
#include "realistic/realistic.h"
#include "setup/batting_order.h"
#include "setup/stat_text.h"
#include "ui/diamond_view.h"
#include "ui/engine_choice.h"
#include "ui/game_over_window.h"
#include "ui/management_dialogs.h"
#include "ui/saved_game_commands.h"
#include "ui/ui_context.h"

namespace velmoro {
namespace {

QString Text(std::string_view bytes) {
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

QString Number(int value) {
    return QString::number(value);
}

}  // namespace

PlayScreen::PlayScreen(UiContext& context, QWidget* parent, ComputerManagers managers)
    : QDialog(parent), context_(context) {
    BuildWindow();
    managesVisitors_->setChecked(managers.visitors);
    managesHome_->setChecked(managers.home);
    Connect();
    Session& session = context_.session;
    for (Side side : kBothSides)
        ScoreBoxLabel(side, ErrorsBox)->setText(Number(session.game.SideOf(side).errors));
    session.SetDisplay(this);
    engineCaption_->setText(QString("Engine: ") + EngineName(EngineOf(session.game)));
    OpenPlayScreen(session);
    savedLogSize_ = session.game.playLog.size();
    PrepareTurn();
}

PlayScreen::~PlayScreen() {
    if (&context_.session.Screen() == this) context_.session.SetDisplay(nullptr);
}

void PlayScreen::Connect() {
    connect(pitch_, &QPushButton::clicked, this, &PlayScreen::Pitch);
    connect(save_, &QPushButton::clicked, this, &PlayScreen::Save);
    connect(quit_, &QPushButton::clicked, this, &PlayScreen::Quit);
    connect(manageHitting_, &QPushButton::clicked, this, [this] { OpenTeamDialog(true, true); });
    connect(statsHitting_, &QPushButton::clicked, this, [this] { OpenTeamDialog(true, false); });
    connect(managePitching_, &QPushButton::clicked, this, [this] { OpenTeamDialog(false, true); });
    connect(statsPitching_, &QPushButton::clicked, this, [this] { OpenTeamDialog(false, false); });
    connect(managesVisitors_, &QCheckBox::toggled, this,
            [this](bool on) { ManagersChanged(Side::Visitors, on); });
    connect(managesHome_, &QCheckBox::toggled, this,
            [this](bool on) { ManagersChanged(Side::Home, on); });
    connect(sim_, &QPushButton::clicked, this, &PlayScreen::StartSim);
    connect(simTimer_, &QTimer::timeout, this, &PlayScreen::SimStep);
}

QLabel* PlayScreen::ScoreBoxLabel(Side side, int box) const {
    if (box < 1 || box > ErrorsBox) return nullptr;
    return scoreBoxes_[SideNumber(side) - 1][box - 1];
}

bool PlayScreen::IsHighlighted(const QLabel* label) {
    return label->palette().color(QPalette::WindowText) == kHighlightColour;
}

void PlayScreen::SetHighlight(QLabel* label, bool on) {
    QPalette colours = palette();
    if (on) colours.setColor(QPalette::WindowText, kHighlightColour);
    label->setPalette(colours);
}

void PlayScreen::ShowTeamNames() {
    const GameState& game = context_.session.game;
    visitorName_->setText(game.visitor.team ? Text(game.visitor.team->name) : QString());
    homeName_->setText(game.home.team ? Text(game.home.team->name) : QString());
    SetHighlight(visitorName_, !game.HomeBatting());
    SetHighlight(homeName_, game.HomeBatting());
}

void PlayScreen::ShowPitcher(const PlayerRecord& pitcher) {
    pitcherName_->setText(Text(pitcher.name));
    const PitchingLine none;
    const PitchingLine& line = pitcher.pitching ? *pitcher.pitching : none;
    pitcherValues_[0]->setText(Number(line.wins));
    pitcherValues_[1]->setText(Number(line.losses));
    pitcherValues_[2]->setText(Number(line.strikeouts));
    pitcherValues_[3]->setText(Text(AverageText(line.oppAvgX1000)));
    pitcherValues_[4]->setText(Text(EraText(line.eraX100)));
}

void PlayScreen::ShowHitter(const PlayerRecord& hitter) {
    hitterName_->setText(Text(hitter.name));
    hitterValues_[0]->setText(QString::asprintf("%3d", hitter.atBats));
    hitterValues_[1]->setText(QString::asprintf("%3d", hitter.runs));
    hitterValues_[2]->setText(QString::asprintf("%2d", hitter.homeRuns));
    hitterValues_[3]->setText(QString::asprintf("%3d", hitter.rbi));
    hitterValues_[4]->setText(Text(AverageText(hitter.battingAvg)));
}

void PlayScreen::ShowLineup() {
    GameSide& side = context_.session.game.Batting();
    for (int slot = 0; slot < 9; ++slot) {
        const bool filled = !side.boxLines[slot].empty();
        lineupNames_[slot]->setText(filled ? Text(CurrentLine(side, slot).name) : QString());
        ShowLineupRow(slot);
    }
}

void PlayScreen::ShowLineupRow(int slot) {
    if (slot < 0 || slot > 8) return;
    GameState& game = context_.session.game;
    GameSide& side = game.Batting();
    if (side.boxLines[slot].empty()) {
        for (QLabel* number : lineupNumbers_[slot])
            number->clear();
    } else {
        const BoxLine& line = CurrentLine(side, slot);
        lineupNumbers_[slot][AtBatsColumn]->setText(Number(line.atBats));
        lineupNumbers_[slot][RunsColumn]->setText(Number(line.runs));
        lineupNumbers_[slot][HitsColumn]->setText(Number(line.hits));
        lineupNumbers_[slot][RbiColumn]->setText(Number(line.rbi));
    }
    // The highlight follows the batter due up; the row he left loses it.
    for (int row = 0; row < 9; ++row)
        SetHighlight(lineupNames_[row], row == game.batterIndex);
}

void PlayScreen::DrawBases() {
    diamond_->update();
}
void PlayScreen::RefreshPlayScreen() {
    GameState& game = context_.session.game;
    ResumeBattingOrder(game);
    if (const PlayerRecord* pitcher = game.Fielding().lineup[kPitcherEntry]) ShowPitcher(*pitcher);
    inningCaption_->setText(game.HomeBatting()
                                ? QString::asprintf("Bottom of inning %d", game.inning)
                                : QString::asprintf("INNING: %d (top)", game.inning));
    ShowLog(game.playLog);
    for (Side side : kBothSides) {
        const GameSide& row = game.SideOf(side);
        for (int inning = 1; inning <= 9; ++inning) {
            const int runs = row.lineScore[inning - 1];
            ScoreBoxLabel(side, inning)->setText(runs == -1 ? QString() : Number(runs));
        }
        ScoreBoxLabel(side, RunsBox)->setText(Number(row.teamRuns));
        ScoreBoxLabel(side, HitsBox)->setText(Number(row.hits));
    }
    ShowLineup();
    if (const PlayerRecord* hitter = game.Batting().lineup[game.batterIndex]) ShowHitter(*hitter);
    outsCaption_->setText(QString::asprintf("Outs: %d", game.outs));
    ShowTeamNames();
    DrawBases();
}

void PlayScreen::ShowInningCaption(std::string_view text) {
    inningCaption_->setText(Text(text));
}

void PlayScreen::ShowOutsCaption(std::string_view text) {
    outsCaption_->setText(Text(text));
}

void PlayScreen::ShowScoreBox(Side side, int box, std::string_view text) {
    // Innings after the ninth have no box.
    if (QLabel* label = ScoreBoxLabel(side, box)) label->setText(Text(text));
}

void PlayScreen::ShowLog(const std::string& playLog) {
    QString text = Text(playLog);
    text.replace("\r\n", "\n");
    log_->setPlainText(text);
    QScrollBar* bar = log_->verticalScrollBar();
    bar->setValue(bar->maximum());
}

void PlayScreen::ResetChoices(bool offensive, bool defensive) {
    if (offensive) offense_->setCurrentIndex(0);
    if (defensive) defense_->setCurrentIndex(0);
}

void PlayScreen::ShowMessage(const std::string& text, const std::string& caption) {
    if (holdMessages_) {
        heldMessages_.emplace_back(text, caption);
        return;
    }
    context_.prompter.Inform(text, caption);
}

void PlayScreen::ForcedSubstitution(Side side) {
    Session& session = context_.session;
    ManagerNotes notes;
    if (!Sides(true).ReplaceForced(session, side, &notes)) {
        ShowMessage(kPinchHitterMustLeaveMessage, kCaption);
        ShowHeldMessages();
        RunSubstitutionDialog(context_, this, side, true);
        return;
    }
    // The computer answers without the demand; its replacement goes to the reason line.
    for (const auto& message : heldMessages_)
        turnNotes_ << Text(message.first);
    heldMessages_.clear();
    for (const ManagerNote& note : notes)
        turnNotes_ << Text(note.text);
    ShowLineup();
}

void PlayScreen::RequestGameOver() {
    // Every Pitch after the end asks again; one window at a time is enough.
    if (gameOverPending_) return;
    gameOverPending_ = true;
    QMetaObject::invokeMethod(this, &PlayScreen::GameOver, Qt::QueuedConnection);
}

void PlayScreen::Pitch() {
    PlayOneTurn();
    // A window the turn opened (the forced substitution after a third out) let the
    // diamond paint the old half-inning's runners, and the change of half-inning that
    // followed asks for no repaint of its own.
    DrawBases();
    PrepareTurn();
}

void PlayScreen::OpenTeamDialog(bool battingSide, bool management) {
    const GameState& game = context_.session.game;
    const Side side = battingSide ? game.battingSide : game.FieldingSide();
    int changed = 0;
    if (management) {
        changed = battingSide ? RunSubstitutionDialog(context_, this, side, false)
                              : RunPitchingChangeDialog(context_, this, side);
    } else if (TeamRecord* team = game.SideOf(side).team) {
        changed = RunTeamStatsDialog(context_, this, *team, side);
    }
    if (changed != 0) {
        RefreshPlayScreen();
        // A new batter or pitcher may change the computer's mind.
        PrepareTurn();
    }
}

void PlayScreen::Save() {
    if (SaveGameCommand(context_)) savedLogSize_ = context_.session.game.playLog.size();
}

bool PlayScreen::UnsavedTurns() const {
    const GameState& game = context_.session.game;
    return game.playLog.size() != savedLogSize_ && !IsGameOver(game);
}

void PlayScreen::Quit() {
    // The question must not see the game move on under it.
    const bool simulating = simulating_;
    StopSim();
    if (UnsavedTurns() && !context_.prompter.AskYesNo(kQuitUnsavedQuestion, kCaption)) {
        if (simulating) StartSim();
        return;
    }
    ResetGame(context_.session.game);
    ResetSetup(context_.setup);
    done(0);
}

void PlayScreen::GameOver() {
    gameOverPending_ = false;
    GameOverWindow window(context_.session.gameLogPath, this);
    if (window.exec() == 0) return;
    PrepareReplayOnSameEngine(context_.session, RealisticSource(context_));
    done(1);
}

void PlayScreen::reject() {
    Quit();
}

void PlayScreen::keyPressEvent(QKeyEvent* event) {
    // A stray Escape must not end the game; Quit and the window's close button do.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void RunPlayScreen(UiContext& context, QWidget* parent) {
    int result = 0;
    ComputerManagers managers;
    do {
        PlayScreen screen(context, parent, managers);
        result = screen.exec();
        managers = screen.Managers();
    } while (result != 0);
}

}  // namespace velmoro
