// The computer manager on the play screen: the sides it manages, its choices in the
// lists before each turn, and "Sim to End".
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <initializer_list>

#include "engine/game_state.h"
#include "engine/session.h"
#include "engine/turns.h"
#include "manager/managed_sides.h"
#include "ui/play_screen.h"
#include "ui/ui_context.h"

namespace velmoro {
namespace {

// The window's manager thinks ahead; "by the book" is for velmoro-sim's comparisons.
constexpr ManagerKind kWindowManager = ManagerKind::LookAhead;

}  // namespace

ComputerManagers PlayScreen::Managers() const {
    return {managesVisitors_->isChecked(), managesHome_->isChecked()};
}

bool PlayScreen::Managed(Side side) const {
    return side == Side::Home ? managesHome_->isChecked() : managesVisitors_->isChecked();
}

void PlayScreen::PlayOneTurn() {
    Session& session = context_.session;
    turnNotes_.clear();
    holdMessages_ = ComputerPlays(session.game.battingSide);
    if (watchTurns_) watchTurns_(false);
    PlayTurn(session, std::max(0, offense_->currentIndex()), std::max(0, defense_->currentIndex()));
    if (watchTurns_) watchTurns_(true);
    holdMessages_ = false;
    ShowHeldMessages();
}

void PlayScreen::ShowHeldMessages() {
    const auto messages = std::move(heldMessages_);
    heldMessages_.clear();
    for (const auto& [text, caption] : messages)
        context_.prompter.Inform(text, caption);
}

ManagedSides PlayScreen::Sides(bool whileSimulating) const {
    const auto plays = [&](Side side) {
        return whileSimulating ? ComputerPlays(side) : Managed(side);
    };
    return {plays(Side::Visitors), plays(Side::Home), kWindowManager};
}

// Between turns: the managed sides' pitching changes and pinch hitters, then their
// choices for the coming turn, shown in the lists with the reason beside them.
void PlayScreen::PrepareTurn() {
    Session& session = context_.session;
    GameState& game = session.game;
    QStringList lines = turnNotes_;
    const ManagedSides managed = Sides(false);
    if (!IsGameOver(game) && managed.Any()) {
        ManagerNotes notes;
        const TurnDecision decision = managed.BeforeTurn(session, &notes);
        if (!notes.empty()) RefreshPlayScreen();
        for (const ManagerNote& note : notes)
            lines << QString::fromStdString(note.text);
        const Side batting = game.battingSide;
        if (Managed(batting)) offense_->setCurrentIndex(decision.offense);
        if (Managed(OtherSide(batting))) defense_->setCurrentIndex(decision.defense);
        lines << (decision.reason.empty() ? QStringLiteral("Normal Play")
                                          : QString::fromStdString(decision.reason));
    }
    reason_->setText(lines.join("; "));
    UpdateCommands();
}

void PlayScreen::ManagersChanged(Side side, bool managed) {
    // A side handed back to the user starts again from "Normal Play"; the other list
    // keeps what the user chose.
    if (!managed) {
        if (side == context_.session.game.battingSide)
            offense_->setCurrentIndex(0);
        else
            defense_->setCurrentIndex(0);
    }
    turnNotes_.clear();
    PrepareTurn();
}

void PlayScreen::UpdateCommands() {
    const bool idle = !simulating_;
    const std::initializer_list<QWidget*> commands = {
        pitch_,        save_,           sim_,           manageHitting_,
        statsHitting_, managePitching_, statsPitching_, managesVisitors_,
        managesHome_};
    for (QWidget* command : commands)
        command->setEnabled(idle);
    // The computer's choices are its own; the lists of its sides are shown, not offered.
    const Side batting = context_.session.game.battingSide;
    offense_->setEnabled(idle && !Managed(batting));
    defense_->setEnabled(idle && !Managed(OtherSide(batting)));
}

void PlayScreen::StartSim() {
    if (simulating_) return;
    simulating_ = true;
    UpdateCommands();
    simTimer_->start();
}

// One turn per tick of the event loop, so that the screen follows the game and Quit
// can stop it between two turns.
void PlayScreen::SimStep() {
    if (!simulating_) return;
    GameState& game = context_.session.game;
    const Side batting = game.battingSide;
    if (!Managed(batting)) offense_->setCurrentIndex(0);
    if (!Managed(OtherSide(batting))) defense_->setCurrentIndex(0);
    PlayOneTurn();
    if (IsGameOver(game)) StopSim();
    PrepareTurn();
    if (simulating_) simTimer_->start();
}

void PlayScreen::StopSim() {
    simTimer_->stop();
    if (!simulating_) return;
    simulating_ = false;
    UpdateCommands();
}

}  // namespace velmoro
