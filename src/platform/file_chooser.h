// The open and save file choosers for saved games and season files.
#pragma once

#include <optional>
#include <string>

namespace velmoro {

class FileChooser {
  public:
    virtual ~FileChooser() = default;
    // The chosen path, or none when the user cancelled.
    virtual std::optional<std::string> ChooseOpen() = 0;
    virtual std::optional<std::string> ChooseSave() = 0;
    // The same for season files (.vsn); a chooser without a filter of its own offers
    // the saved games' dialogs.
    virtual std::optional<std::string> ChooseSeasonOpen() { return ChooseOpen(); }
    virtual std::optional<std::string> ChooseSeasonSave() { return ChooseSave(); }
};

}  // namespace velmoro
