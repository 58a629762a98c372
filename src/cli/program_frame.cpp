#include "cli/program_frame.h"

#include <cstdio>

#include "db/install_dir.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace velmoro {

void StartProgram(const char* program) {
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    if (const Status moved = MoveOldUserDataDirectory(); !moved)
        std::fprintf(stderr, "%s: %s\n", program, moved.message().c_str());
}

int FinishProgram(const char* program, int exitCode) {
    // A program that failed has said why; its output is beside the point.
    if (exitCode != 0) return exitCode;
    if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return 0;
    std::fprintf(stderr, "%s: cannot write to standard output\n", program);
    return 1;
}

}  // namespace velmoro
