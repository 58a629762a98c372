// The open and save file choosers for saved games.
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
};

}  // namespace velmoro
