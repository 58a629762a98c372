#include "cli/progress.h"

#ifdef _WIN32
#include <io.h>
#define isatty _isatty
#define fileno _fileno
#else
#include <unistd.h>
#endif

#include <cstdio>

namespace velmoro {

ProgressBar::ProgressBar(std::string label, std::size_t total, bool enabled)
    : label_(std::move(label)), total_(total), active_(enabled && isatty(fileno(stderr))) {}

// A run that stops early (a failure, an exception) ends the line where the bar stands:
// only Finish draws it full.
ProgressBar::~ProgressBar() {
    if (active_) std::fputc('\n', stderr);
}

void ProgressBar::Update(std::size_t done) {
    if (!active_ || total_ == 0) return;
    const int percent = static_cast<int>(done * 100 / total_);
    if (percent == lastPercent_) return;
    lastPercent_ = percent;
    constexpr int kWidth = 40;
    const int filled = percent * kWidth / 100;
    std::fprintf(stderr, "\r%s [%-*s] %3d%%", label_.c_str(), kWidth,
                 std::string(static_cast<std::size_t>(filled), '#').c_str(), percent);
    std::fflush(stderr);
}

void ProgressBar::Finish() {
    if (!active_) return;
    Update(total_);
    std::fputc('\n', stderr);
    active_ = false;
}

}  // namespace velmoro
