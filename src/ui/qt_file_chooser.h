// The open and save choosers for saved games and season files, over the platform's file
// dialog.
#pragma once

#include <QString>

#include "platform/file_chooser.h"

class QFileDialog;
class QWidget;

namespace velmoro {

inline constexpr const char* kSavedGameChooserTitle = "Saved Game Name";
inline constexpr const char* kSavedGameFilter = "Baseball Game (*.gam)";
inline constexpr const char* kAllFilesFilter = "All Files (*.*)";
inline constexpr const char* kSeasonChooserTitle = "Season File";
inline constexpr const char* kSeasonFilter = "Baseball Season (*.vsn)";

class QtFileChooser : public FileChooser {
  public:
    explicit QtFileChooser(QWidget* fallbackParent = nullptr) : fallbackParent_(fallbackParent) {}

    std::optional<std::string> ChooseOpen() override;
    std::optional<std::string> ChooseSave() override;
    std::optional<std::string> ChooseSeasonOpen() override;
    std::optional<std::string> ChooseSeasonSave() override;

    // The dialog as shown: title, the two filters (saved games first), suffix "gam",
    // no question of its own before a file is replaced (the save command asks). Public
    // so that its settings can be checked.
    static void Configure(QFileDialog& dialog, bool saving);
    // The season files' dialog: its title, season files first, suffix "vsn". A new season
    // is never written over a file, so the dialog does not offer to replace one: the
    // season says that the file exists.
    static void ConfigureSeason(QFileDialog& dialog, bool saving);

  private:
    std::optional<std::string> Choose(bool saving, bool season);

    QWidget* fallbackParent_;
};

}  // namespace velmoro
