// How velmoro-sim tells the user what went wrong.
#include <cstdio>
#include <string>

#include "cli/sim.h"
#include "db/captions.h"

namespace velmoro {

void ShowSimMessage(const std::string& text) {
    const std::string line = std::string(kCaption) + ": " + text + "\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
}

void ReportSimError(const std::string& text) {
    std::fprintf(stderr, "velmoro-sim: %s\n", text.c_str());
}

}  // namespace velmoro
