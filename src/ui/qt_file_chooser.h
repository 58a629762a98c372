// The open and save choosers for saved games, over the platform's file dialog.
#pragma once

#include <QString>

#include "platform/file_chooser.h"

class QFileDialog;
class QWidget;

namespace velmoro {

inline constexpr const char* kSavedGameChooserTitle = "Saved Game Name";
inline constexpr const char* kSavedGameFilter = "Baseball Game (*.gam)";
inline constexpr const char* kAllFilesFilter = "All Files (*.*)";

class QtFileChooser : public FileChooser {
  public:
    explicit QtFileChooser(QWidget* fallbackParent = nullptr) : fallbackParent_(fallbackParent) {}

    std::optional<std::string> ChooseOpen() override;
    std::optional<std::string> ChooseSave() override;

    // The dialog as shown: title, the two filters (saved games first), suffix "gam",
    // no question of its own before a file is replaced (the save command asks). Public
    // so that its settings can be checked.
    static void Configure(QFileDialog& dialog, bool saving);

  private:
    std::optional<std::string> Choose(bool saving);

    QWidget* fallbackParent_;
};

}  // namespace velmoro
