// The desktop program: the main menu over one session.
#include <QApplication>
#include <QCommandLineParser>

#include "db/captions.h"
#include "db/install_dir.h"
#include "engine/session.h"
#include "ui/main_window.h"
#include "ui/pictures.h"
#include "ui/qt_file_chooser.h"
#include "ui/qt_prompter.h"
#include "ui/ui_context.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(velmoro::kCaption);
    QApplication::setWindowIcon(velmoro::ProgramIcon());

    QCommandLineParser parser;
    parser.setApplicationDescription("Velmoro Baseball, a baseball game simulator.");
    parser.addHelpOption();
    const QCommandLineOption maintenance("maintenance",
                                         "Show the database maintenance button on the team page.");
    parser.addOption(maintenance);
    parser.process(app);

    velmoro::Session session;
    session.installDirectory = velmoro::InstallDirectory();
    velmoro::QtPrompter prompter;
    if (const velmoro::Status moved = velmoro::MoveOldUserDataDirectory(); !moved)
        prompter.Inform(moved.message(), velmoro::kErrorCaption);
    velmoro::QtFileChooser chooser;
    velmoro::UiContext context{session, prompter, chooser, parser.isSet(maintenance)};

    velmoro::MainWindow window(context);
    window.show();
    return QApplication::exec();
}
