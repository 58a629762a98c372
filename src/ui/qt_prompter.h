// Message boxes of the desktop program.
#pragma once

#include "platform/prompter.h"

class QWidget;

namespace velmoro {

class QtPrompter : public Prompter {
  public:
    // Boxes are centred over the active window, or over `fallbackParent` when none.
    explicit QtPrompter(QWidget* fallbackParent = nullptr) : fallbackParent_(fallbackParent) {}

    void Inform(const std::string& text, const std::string& caption) override;
    bool AskYesNo(const std::string& text, const std::string& caption) override;

  private:
    QWidget* Parent() const;

    QWidget* fallbackParent_;
};

}  // namespace velmoro
