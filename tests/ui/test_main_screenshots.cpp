// Writes the README's pictures of the real windows to docs/: the main menu, the readme,
// a game in progress and the game-over window. Runs only with
// VELMORO_SCREENSHOTS=1, so the suite never touches the checkout.
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QtTest>

#include "engine/turns.h"
#include "support/ui_harness.h"
#include "ui/game_over_window.h"
#include "ui/main_window.h"
#include "ui/play_screen.h"
#include "ui/readme_window.h"
#include "ui/text_view_files.h"

using namespace velmoro;
using namespace velmoro::testing;

class ScreenshotTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void windows();

  private:
    static void Save(QWidget& window, const char* name);
};

void ScreenshotTest::init() {
    if (!qEnvironmentVariableIsSet("VELMORO_SCREENSHOTS"))
        QSKIP("set VELMORO_SCREENSHOTS=1 to write docs/*.png");
}

void ScreenshotTest::Save(QWidget& window, const char* name) {
    window.show();
    QCoreApplication::processEvents();
    const QString path = QDir(VELMORO_DOCS_DIR).filePath(name);
    QVERIFY2(window.grab().save(path), qPrintable(path));
}

void ScreenshotTest::windows() {
    QDir().mkpath(VELMORO_DOCS_DIR);
    UiHarness harness(7);
    harness.session.gameLogPath = QDir::temp().filePath("velmoro-shot-GameLog").toStdString();
    MainWindow menu(harness.context);
    menu.resize(760, 400);
    Save(menu, "main_menu.png");

    const auto readme = ReadTextPrefix(
        QDir(VELMORO_DOCS_DIR).filePath("../resources/velmoro.txt").toStdString(), kReadmeLimit);
    QVERIFY(readme);
    ReadmeWindow readmeWindow(*readme, nullptr);
    Save(readmeWindow, "readme.png");

    QVERIFY(harness.SetUpGame());
    PlayScreen screen(harness.context);
    GameState& game = harness.session.game;
    screen.resize(screen.sizeHint().expandedTo(QSize(900, 620)));
    while (game.inning < 4 || game.bases == 0 || game.outs == 0)
        QTest::mouseClick(screen.PitchButton(), Qt::LeftButton);
    Save(screen, "play_screen.png");

    ModalWatcher<GameOverWindow> over([](GameOverWindow* window) {
        Save(*window, "game_over.png");
        window->reject();
    });
    while (!over.Fired()) {
        if (!IsGameOver(game)) QTest::mouseClick(screen.PitchButton(), Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    QFile::remove(QString::fromStdString(harness.session.gameLogPath.string()));
}

QTEST_MAIN(ScreenshotTest)
#include "test_main_screenshots.moc"
