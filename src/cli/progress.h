// A progress bar on stderr, drawn only when stderr is a terminal.
#pragma once

#include <cstddef>
#include <string>

namespace velmoro {

class ProgressBar {
  public:
    // `enabled` false draws nothing (the --quiet switch); a stderr that is not a
    // terminal draws nothing either.
    ProgressBar(std::string label, std::size_t total, bool enabled = true);
    ~ProgressBar();
    void Update(std::size_t done);
    // The bar drawn full and its line ended: for a run that did all its work.
    void Finish();

  private:
    std::string label_;
    std::size_t total_;
    bool active_;
    int lastPercent_ = -1;
};

}  // namespace velmoro
