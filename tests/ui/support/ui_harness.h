// What a window test needs around the windows: a session with a scripted prompter and
// file chooser, a game set up over the test league, widgets reached by name, and the
// one way to answer a modal window (QDialog::exec() returns only once someone does).
#pragma once

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/session.h"
#include "platform/file_chooser.h"
#include "support/default_game.h"
#include "support/scripted_prompter.h"
#include "ui/ui_context.h"

namespace velmoro::testing {

// Hands out the paths given, in order; once they run out, the user cancels.
struct ScriptedFileChooser : FileChooser {
    std::vector<std::optional<std::string>> opens, saves;
    int openCount = 0, saveCount = 0;

    std::optional<std::string> ChooseOpen() override { return Take(opens, openCount++); }
    std::optional<std::string> ChooseSave() override { return Take(saves, saveCount++); }
    static std::optional<std::string> Take(const std::vector<std::optional<std::string>>& paths,
                                           int at) {
        return at < int(paths.size()) ? paths[at] : std::nullopt;
    }
};

struct UiHarness {
    Session session;
    ScriptedPrompter prompter;
    ScriptedFileChooser chooser;
    UiContext context{session, prompter, chooser};

    explicit UiHarness(std::uint32_t seed = 20240611) { session.random.SetFixedSeed(seed); }

    // Both test teams with every default of the wizard; false (and `error`) when not.
    bool SetUpGame(bool designatedHitter = false, std::string* error = nullptr) {
        return DefaultGame(session, designatedHitter, error);
    }
};

// Runs `action` on the first modal window of type T that opens while the watcher
// lives; gives up after `timeoutMs`, closing whatever modal dialog is open so that a
// test fails instead of hanging. Fired() tells whether it ran.
template <typename T>
class ModalWatcher {
  public:
    explicit ModalWatcher(std::function<void(T*)> action, int timeoutMs = 20000)
        : action_(std::move(action)), deadline_(timeoutMs) {
        timer_.setInterval(2);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start();
    }

    bool Fired() const { return fired_; }

  private:
    void Poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* window = dynamic_cast<T*>(modal); window && window->isVisible()) {
            timer_.stop();
            fired_ = true;
            action_(window);
        } else if (deadline_.hasExpired()) {
            timer_.stop();
            if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
        }
    }

    std::function<void(T*)> action_;
    QDeadlineTimer deadline_;
    QTimer timer_;
    bool fired_ = false;
};

template <typename T = QWidget>
T* Child(QWidget* window, const char* name) {
    T* child = window->findChild<T*>(name);
    if (!child) qFatal("no child %s", name);
    return child;
}

inline void Click(QWidget* window, const char* name) {
    QTest::mouseClick(Child<QPushButton>(window, name), Qt::LeftButton);
}

// The push button showing `text` (mnemonic ampersands aside).
inline QPushButton* Button(QWidget* window, const QString& text) {
    for (auto* button : window->findChildren<QPushButton*>())
        if (button->text().remove('&') == text) return button;
    qFatal("no button %s", qPrintable(text));
}

inline void Type(QWidget* window, const char* field, const QString& text) {
    auto* edit = Child<QLineEdit>(window, field);
    edit->clear();
    QTest::keyClicks(edit, text);
}

inline void Pick(QWidget* window, const char* list, int row) {
    Child<QListWidget>(window, list)->setCurrentRow(row);
    QCoreApplication::processEvents();
}

inline QStringList Entries(QWidget* window, const char* list) {
    QStringList texts;
    auto* widget = Child<QListWidget>(window, list);
    for (int row = 0; row < widget->count(); ++row)
        texts << widget->item(row)->text();
    return texts;
}

}  // namespace velmoro::testing
