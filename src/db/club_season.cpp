#include "db/club_season.h"

#include "db/team_files.h"

namespace velmoro {

std::filesystem::path ClubSeasonPathFor(const std::filesystem::path& database) {
    if (database.filename() == kLegendFileName) return database.parent_path() / kClubSeasonFileName;
    std::filesystem::path file = database;
    file += kClubSeasonSuffix;
    return file;
}

std::string ClubSeasonText(const std::vector<ClubSeason>&) {
    return {};
}

Status WriteClubSeasons(const std::filesystem::path&, const std::vector<ClubSeason>&) {
    return Status::Error("not written yet");
}

Status LoadClubSeasons(const std::filesystem::path& path, std::vector<ClubSeason>& out) {
    out.clear();
    return Status::Error(path.string() + ": not read yet");
}

Status ParseClubSeasons(std::string_view, std::vector<ClubSeason>& out) {
    out.clear();
    return Status::Error("not read yet");
}

}  // namespace velmoro
