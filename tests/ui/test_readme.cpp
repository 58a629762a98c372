// The readme window over velmoro.txt: the 5000-byte limit, both kinds of line ends,
// and the message instead of a window when the file is missing.
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QtTest>
#include <fstream>

#include "support/ui_harness.h"
#include "ui/readme_window.h"

using namespace velmoro;
using namespace velmoro::testing;

class ReadmeTest : public QObject {
    Q_OBJECT

  private slots:
    void showsTheFileAsLines_data();
    void showsTheFileAsLines();
    void missingFileIsReported();
};

void ReadmeTest::showsTheFileAsLines_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("shown");
    QTest::newRow("unix line ends")
        << QByteArray("Velmoro\nplay ball\n\nend") << "Velmoro\nplay ball\n\nend";
    QTest::newRow("dos line ends")
        << QByteArray("Velmoro\r\nplay ball\r\n\r\nend") << "Velmoro\nplay ball\n\nend";
    QTest::newRow("empty file") << QByteArray() << "";
    const QByteArray line = QByteArray(99, 'a') + '\n';
    QTest::newRow("longer than 5000 bytes") << line.repeated(60) << QString(line.repeated(50));
    // A character cut by the limit is left out rather than shown broken.
    QTest::newRow("limit inside a character")
        << QByteArray(4999, 'b') + "\xc3\xa9tail" << QString(QByteArray(4999, 'b'));
}

void ReadmeTest::showsTheFileAsLines() {
    QFETCH(QByteArray, file);
    QFETCH(QString, shown);
    QTemporaryDir dir;
    std::ofstream(dir.filePath("velmoro.txt").toStdString(), std::ios::binary)
        .write(file.data(), file.size());
    UiHarness harness;
    harness.session.installDirectory = dir.path().toStdString();
    QString text;
    int lines = 0;
    ModalWatcher<ReadmeWindow> reader([&](ReadmeWindow* window) {
        text = window->TextField()->toPlainText();
        lines = window->TextField()->document()->blockCount();
        QCOMPARE(window->windowTitle(), QString("Corvane Velmoro Baseball Readme File"));
        QVERIFY(window->TextField()->isReadOnly());
        window->findChild<QPushButton*>()->click();
    });
    ShowReadme(harness.context, nullptr);
    QVERIFY(reader.Fired());
    QCOMPARE(text, shown);
    QCOMPARE(lines, int(shown.count('\n')) + 1);
    QVERIFY(harness.prompter.messages.empty());
}

void ReadmeTest::missingFileIsReported() {
    QTemporaryDir dir;
    UiHarness harness;
    harness.session.installDirectory = dir.path().toStdString();
    ModalWatcher<ReadmeWindow> reader([](ReadmeWindow* window) { window->reject(); }, 200);
    ShowReadme(harness.context, nullptr);
    QTest::qWait(250);
    QVERIFY(!reader.Fired());
    QCOMPARE(harness.prompter.messages.size(), size_t(1));
    const auto& message = harness.prompter.messages.front();
    QCOMPARE(message.caption, std::string("Velmoro Baseball Error"));
    const QStringList lines = QString::fromStdString(message.text).split('\n');
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines[0], QString("The readme file, velmoro.txt, is missing."));
    QVERIFY(lines[1].contains('@'));
}

QTEST_MAIN(ReadmeTest)
#include "test_readme.moc"
