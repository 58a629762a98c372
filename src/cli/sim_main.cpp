// velmoro-sim: plays games between two teams of the installed databases.
#include "sim.h"

int main(int argc, char** argv) {
    velmoro::SimOptions options;
    const int parsed = velmoro::ParseSimOptions(argc, argv, options);
    if (parsed >= 0) return parsed;
    return velmoro::RunSim(options);
}
