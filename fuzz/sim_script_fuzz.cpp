// velmoro-sim's --script reader: "O D" per turn.
#include <cstdint>
#include <string>
#include <vector>

#include <fmt/format.h>

#include "fuzz_support.h"
#if __has_include("cli/sim.h")
#include "cli/sim.h"
#else
#include "cli/sim.h"
#endif

using namespace velmoro;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<ScriptTurn> turns;
    std::string error;
    if (ParseScript(fuzz::Bytes(data, size), turns, error) != 0) {
        fuzz::Check(!error.empty(), "a refused script says why");
        return 0;
    }
    std::string text;
    for (const ScriptTurn& turn : turns) {
        fuzz::Check(turn.offensive >= 0 && turn.offensive <= 3 && turn.defensive >= 0 &&
                        turn.defensive <= 2,
                    "every turn is a pair of choices the play screen offers");
        text += fmt::format("{} {}\n", turn.offensive, turn.defensive);
    }
    // Written out again, the turns read back as they were.
    std::vector<ScriptTurn> again;
    fuzz::Check(ParseScript(text, again, error) == 0 && again.size() == turns.size(),
                "a written script reads back");
    for (std::size_t i = 0; i < turns.size(); ++i) {
        fuzz::Check(
            again[i].offensive == turns[i].offensive && again[i].defensive == turns[i].defensive,
            "a written script keeps every turn");
    }
    return 0;
}
