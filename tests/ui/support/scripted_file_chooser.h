// A FileChooser for window tests: hands out scripted paths (none = the user cancelled)
// and counts how often each chooser was shown.
#pragma once

#include <deque>
#include <optional>
#include <string>

#include "platform/file_chooser.h"

namespace velmoro::testing {

class ScriptedFileChooser : public FileChooser {
  public:
    using Choice = std::optional<std::string>;

    void QueueOpen(Choice choice) { open_.push_back(std::move(choice)); }
    void QueueSave(Choice choice) { save_.push_back(std::move(choice)); }

    // An exhausted script behaves like a user who cancels.
    Choice ChooseOpen() override {
        ++openCount;
        return Take(open_);
    }
    Choice ChooseSave() override {
        ++saveCount;
        return Take(save_);
    }

    int openCount = 0;
    int saveCount = 0;

  private:
    static Choice Take(std::deque<Choice>& queue) {
        if (queue.empty()) return std::nullopt;
        Choice choice = std::move(queue.front());
        queue.pop_front();
        return choice;
    }

    std::deque<Choice> open_;
    std::deque<Choice> save_;
};

}  // namespace velmoro::testing
