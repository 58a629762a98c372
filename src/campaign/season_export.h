// A managed season written out: spreadsheet files, or a small web site.
#pragma once

#include <filesystem>

#include "base/status.h"
#include "campaign/managed_season.h"

namespace velmoro {

// standings.csv and standings-players.csv (as the replay writes them) and games.csv
// (the schedule with its results) in `directory`, made when missing.
Status WriteSeasonCsvFiles(ManagedSeason& season, const std::filesystem::path& directory);

// index.html, standings.html, leaders.html, schedule.html, a page per club
// (club-N.html), a box score per game played (box/game-N.html) and style.css: plain
// HTML and CSS, every page reachable from the index by its links.
Status WriteSeasonSite(ManagedSeason& season, const std::filesystem::path& directory);

}  // namespace velmoro
