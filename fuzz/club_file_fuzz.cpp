// The season import's club files.
//
// Input: up to three club files separated by NUL bytes, read as the season's first
// three clubs into the demo league (whose team names they may reuse); the other clubs
// of the season are missing, as a partial season folder has them.
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "import/import_season.h"

using namespace velmoro;

namespace {

constexpr std::size_t kClubs = 3;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto files = fuzz::SplitOnNul(fuzz::Bytes(data, size), kClubs);
    const std::filesystem::path dir = fuzz::ScratchDir() / "season";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directory(dir);
    for (std::size_t i = 0; i < files.size(); ++i)
        fuzz::WriteFile(dir / kSeasonClubFiles[i], files[i]);

    TeamDatabase db;
    db.legendTeams = fuzz::DemoLeague();
    const std::size_t before = db.legendTeams.size();
    const SeasonImportResult result = ImportSeasonTeams(db, dir);
    fuzz::Check(result.newTeams >= 0 && result.replacedTeams >= 0 &&
                    result.newTeams + result.replacedTeams <= static_cast<int>(files.size()),
                "only files that are there count as teams read");
    fuzz::Check(db.legendTeams.size() == before + static_cast<std::size_t>(result.newTeams),
                "each new team is added once");
    for (const auto& team : db.legendTeams) {
        fuzz::Check(team->name.size() <= kClubFileTeamNameMax, "team names keep their limit");
        for (const auto& player : team->players) {
            fuzz::Check(player->name.size() <= kClubFilePlayerNameMax,
                        "player names keep their limit");
        }
    }
    fuzz::CheckImageReadsBack(db.legendTeams);
    return 0;
}
