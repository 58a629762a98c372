// Shared by the management window tests: a game of the test league in progress, a
// display that records what the play screen was asked to show, and a way to act on
// the modal window a call opens.
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <string>
#include <vector>

#include "engine/turns.h"
#include "support/ui_harness.h"

namespace velmoro::manage_ui_test {

// What the play screen shows, with the name in the batter's lineup row at the time.
class RecordingScreen : public Display {
  public:
    explicit RecordingScreen(Session& session) : session_(session) {}

    void ShowLineup() override {
        GameState& game = session_.game;
        lineupShows.push_back(CurrentLine(game.Batting(), game.batterIndex).name);
    }
    void ShowHitter(const PlayerRecord& hitter) override { hitters.push_back(hitter.name); }
    void ShowPitcher(const PlayerRecord& pitcher) override { pitchers.push_back(pitcher.name); }
    void ShowMessage(const std::string& text, const std::string&) override {
        messages.push_back(text);
    }
    // As the play screen does: the substitution window for the side at bat.
    void ForcedSubstitution() override {
        if (forced) forced();
    }

    std::vector<std::string> lineupShows;
    std::vector<std::string> hitters;
    std::vector<std::string> pitchers;
    std::vector<std::string> messages;
    std::function<void()> forced;

    void Clear() {
        lineupShows.clear();
        hitters.clear();
        pitchers.clear();
        messages.clear();
    }

  private:
    Session& session_;
};

// The test league's two teams set up with every default, the play screen opened.
struct GameInProgress : testing::UiHarness {
    RecordingScreen screen{session};
    bool ready = SetUpGame();

    GameInProgress() {
        session.SetDisplay(&screen);
        if (ready) OpenPlayScreen(session);
        // As the play screen's "&Manage" under the hitting panel does.
        session.game.dialogSide = BattingSideNumber(session.game);
        screen.Clear();
    }
    ~GameInProgress() { session.SetDisplay(nullptr); }

    GameState& game() { return session.game; }
    GameSide& side(int number) { return session.game.Side(number); }
    PlayerRecord* player(int sideNumber, const char* name) {
        return FindPlayer(side(sideNumber).team, name);
    }
    void batterAt(int slot) {
        game().batterIndex = slot;
        game().Batting().nextBatter = slot;
    }
};

// Runs `act` on the modal window once it is open (polling, so the call that opens it
// can block in exec()).
inline void WhenModal(std::function<void(QDialog*)> act, int attempts = 200) {
    QTimer::singleShot(10, [act = std::move(act), attempts]() mutable {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog && dialog->isVisible()) {
            act(dialog);
            // A failed check returns early: close the window so the test can end.
            if (QTest::currentTestFailed() && dialog->isVisible()) dialog->reject();
        } else if (attempts > 0) {
            WhenModal(std::move(act), attempts - 1);
        }
    });
}

inline QStringList Entries(QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

inline QStringList Entries(QComboBox* box) {
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return texts;
}

inline QPushButton* ButtonNamed(QWidget* window, const QString& text) {
    for (auto* button : window->findChildren<QPushButton*>()) {
        if (button->text().remove('&') == text) return button;
    }
    return nullptr;
}

// Writes a picture of the window to docs/ when VELMORO_SCREENSHOTS is set, so that
// ordinary test runs leave the checkout as it is.
inline void SaveScreenshot(QWidget* window, const char* fileName) {
    if (qEnvironmentVariableIsEmpty("VELMORO_SCREENSHOTS")) return;
    window->grab().save(QString(VELMORO_DOCS_DIR) + "/" + fileName);
}

}  // namespace velmoro::manage_ui_test
