// The desktop program's entry point (placeholder until the main window lands).
#include <QApplication>
#include <QMessageBox>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMessageBox::information(nullptr, "Velmoro Baseball", "Velmoro Baseball");
    return 0;
}
