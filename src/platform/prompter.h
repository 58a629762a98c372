// Message boxes and questions, as the program's windows show them and tests script them.
#pragma once

#include <string>

namespace velmoro {

class Prompter {
  public:
    virtual ~Prompter() = default;
    // A message box with an OK button.
    virtual void Inform(const std::string& text, const std::string& caption) = 0;
    // A question with Yes and No; true for Yes.
    virtual bool AskYesNo(const std::string& text, const std::string& caption) = 0;
};

}  // namespace velmoro
