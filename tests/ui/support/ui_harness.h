// What a window test needs around the windows: a session with the scripted prompter and
// chooser, a game set up over the test league, and a watcher that answers a modal
// window once it is open (QDialog::exec() does not return until someone does).
#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <string>

#include "engine/session.h"
#include "setup/default_setup.h"
#include "support/scripted_file_chooser.h"
#include "support/scripted_prompter.h"
#include "support/test_league.h"
#include "ui/ui_context.h"

namespace velmoro::testing {

struct UiHarness {
    Session session;
    ScriptedPrompter prompter;
    ScriptedFileChooser chooser;
    UiContext context{session, prompter, chooser};

    explicit UiHarness(std::uint32_t seed = 20240611) { session.random.SetFixedSeed(seed); }

    // Both test teams with every default of the wizard; false (and `error`) when not.
    bool SetUpGame(bool designatedHitter = false, std::string* error = nullptr) {
        LoadTestLeague(session);
        TeamRecord* visitors = LookupTeam(session.teams.legendTeams, kTestVisitors);
        TeamRecord* home = LookupTeam(session.teams.legendTeams, kTestHome);
        std::string ignored;
        return visitors && home &&
               DefaultSetup(session, *visitors, *home, designatedHitter, error ? error : &ignored);
    }
};

// Runs `action` on the first modal window of type T that opens while the watcher
// lives; gives up after `timeoutMs`. Fired() tells whether it ran.
template <typename T>
class ModalWatcher {
  public:
    explicit ModalWatcher(std::function<void(T*)> action, int timeoutMs = 20000)
        : action_(std::move(action)), timeoutMs_(timeoutMs) {
        clock_.start();
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start();
    }

    bool Fired() const { return fired_; }

  private:
    void Poll() {
        if (auto* window = dynamic_cast<T*>(QApplication::activeModalWidget())) {
            timer_.stop();
            fired_ = true;
            action_(window);
        } else if (clock_.elapsed() > timeoutMs_) {
            timer_.stop();
        }
    }

    std::function<void(T*)> action_;
    int timeoutMs_;
    QElapsedTimer clock_;
    QTimer timer_;
    bool fired_ = false;
};

}  // namespace velmoro::testing
