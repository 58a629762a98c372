#include "ui/qt_file_chooser.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>

namespace velmoro {

void QtFileChooser::Configure(QFileDialog& dialog, bool saving) {
    dialog.setWindowTitle(kSavedGameChooserTitle);
    dialog.setNameFilters({kSavedGameFilter, kAllFilesFilter});
    dialog.selectNameFilter(kSavedGameFilter);
    dialog.setDefaultSuffix("gam");
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // The save command asks before a file is replaced, through the program's own
    // message box, so the dialog must not ask as well. A name that does not exist is
    // passed on to the reader, which reports the failed load.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setFileMode(QFileDialog::AnyFile);
}

void QtFileChooser::ConfigureSeason(QFileDialog& dialog, bool saving) {
    dialog.setWindowTitle(kSeasonChooserTitle);
    dialog.setNameFilters({kSeasonFilter, kAllFilesFilter});
    dialog.selectNameFilter(kSeasonFilter);
    dialog.setDefaultSuffix("vsn");
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
}

std::optional<std::string> QtFileChooser::Choose(bool saving, bool season) {
    QWidget* parent = QApplication::activeModalWidget();
    if (!parent) parent = QApplication::activeWindow();
    if (!parent) parent = fallbackParent_;
    QFileDialog dialog(parent);
    if (season)
        ConfigureSeason(dialog, saving);
    else
        Configure(dialog, saving);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    // Paths go to the core as the platform's own bytes.
    return QFile::encodeName(dialog.selectedFiles().front()).toStdString();
}

std::optional<std::string> QtFileChooser::ChooseOpen() {
    return Choose(false, false);
}
std::optional<std::string> QtFileChooser::ChooseSave() {
    return Choose(true, false);
}
std::optional<std::string> QtFileChooser::ChooseSeasonOpen() {
    return Choose(false, true);
}
std::optional<std::string> QtFileChooser::ChooseSeasonSave() {
    return Choose(true, true);
}

}  // namespace velmoro
