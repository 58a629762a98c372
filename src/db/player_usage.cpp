#include "db/player_usage.h"

#include "db/team_files.h"

namespace velmoro {

std::filesystem::path PlayerUsagePathFor(const std::filesystem::path& database) {
    if (database.filename() == kLegendFileName)
        return database.parent_path() / kPlayerUsageFileName;
    std::filesystem::path file = database;
    file += kPlayerUsageSuffix;
    return file;
}

std::string PlayerUsageText(const std::vector<PlayerUsage>&) {
    return {};
}

Status WritePlayerUsage(const std::filesystem::path&, const std::vector<PlayerUsage>&) {
    return Status::Error("not written yet");
}

Status LoadPlayerUsage(const std::filesystem::path& path, std::vector<PlayerUsage>& out) {
    out.clear();
    return Status::Error(path.string() + ": not read yet");
}

Status ParsePlayerUsage(std::string_view, std::vector<PlayerUsage>& out) {
    out.clear();
    return Status::Error("not read yet");
}

}  // namespace velmoro
