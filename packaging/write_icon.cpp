// Writes the program icon as PNG files, drawn by the same painter as the windows' icon,
// for the desktop entry of an installation: write_icon FOLDER SIZE...
// makes FOLDER/SIZExSIZE/velmoro.png for each size.
#include <QDir>
#include <QGuiApplication>
#include <QPixmap>

#include <cstdio>

#include "ui/pictures.h"

int main(int argc, char** argv) {
    // No display needed: the build machine may have none.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: write_icon FOLDER SIZE...\n");
        return 2;
    }
    const QIcon icon = velmoro::ProgramIcon();
    for (int i = 2; i < argc; ++i) {
        const int size = QString(argv[i]).toInt();
        const QString dir = QString("%1/%2x%2").arg(argv[1]).arg(size);
        const QPixmap pixmap = icon.pixmap(QSize(size, size));
        if (size <= 0 || !QDir().mkpath(dir) || pixmap.width() != size ||
            !pixmap.save(dir + "/velmoro.png")) {
            std::fprintf(stderr, "write_icon: cannot write the %s pixel icon in %s\n", argv[i],
                         argv[1]);
            return 1;
        }
    }
    return 0;
}
