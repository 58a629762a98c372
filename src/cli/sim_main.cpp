// velmoro-sim: plays games between two teams of the installed databases.
#include "cli/program_frame.h"
#include "cli/sim.h"

int main(int argc, char** argv) {
    velmoro::StartProgram("velmoro-sim");
    velmoro::SimOptions options;
    if (const velmoro::ExitCode parsed = velmoro::ParseSimOptions(argc, argv, options))
        return velmoro::FinishProgram("velmoro-sim", *parsed);
    return velmoro::FinishProgram("velmoro-sim", velmoro::RunSim(options));
}
