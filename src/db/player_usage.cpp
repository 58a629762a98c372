#include "db/player_usage.h"

#include <array>

#include "db/csv_columns.h"
#include "db/season_index.h"
#include "db/team_files.h"

namespace velmoro {

namespace {

using P = PlayerUsage;
using Column = CsvColumn<P>;

constexpr Column Games(std::string_view name, int P::*number, bool mayBeEmpty = false) {
    return Column::Number(name, number, 0, kMaxSeasonGames, mayBeEmpty);
}
constexpr Column Count(std::string_view name, int P::*number, bool mayBeEmpty = false) {
    return Column::Number(name, number, 0, kMaxPlayerCount, mayBeEmpty);
}
constexpr bool kMayBeEmpty = true;

// The file's columns, in the order of the record's fields.
constexpr std::array<Column, 38> kColumns = {
    Column::Text("team", &P::team),
    Column::Text("player", &P::player),
    Column::Text("id", &P::id),
    Column::Letter("bats", &P::bats, "LRB"),
    Column::Letter("throws", &P::throws, "LR"),
    Games("games", &P::games),
    Games("games_started", &P::gamesStarted, kMayBeEmpty),
    Games("games_pitcher", &P::gamesPitcher),
    Games("games_catcher", &P::gamesCatcher),
    Games("games_first", &P::gamesFirst),
    Games("games_second", &P::gamesSecond),
    Games("games_third", &P::gamesThird),
    Games("games_short", &P::gamesShort),
    Games("games_left", &P::gamesLeft),
    Games("games_center", &P::gamesCenter),
    Games("games_right", &P::gamesRight),
    Games("games_dh", &P::gamesDh, kMayBeEmpty),
    Games("games_pinch_hitter", &P::gamesPinchHitter, kMayBeEmpty),
    Count("at_bats", &P::atBats),
    Count("hits", &P::hits),
    Count("hit_by_pitch", &P::hitByPitch, kMayBeEmpty),
    Count("sacrifice_hits", &P::sacrificeHits, kMayBeEmpty),
    Count("sacrifice_flies", &P::sacrificeFlies, kMayBeEmpty),
    Count("grounded_into_dp", &P::groundedIntoDp, kMayBeEmpty),
    Games("pitch_games", &P::pitchGames),
    Games("pitch_starts", &P::pitchStarts),
    Games("games_finished", &P::gamesFinished),
    Games("complete_games", &P::completeGames),
    Games("saves", &P::saves),
    Count("outs_pitched", &P::outsPitched),
    Count("batters_faced", &P::battersFaced, kMayBeEmpty),
    Count("hits_allowed", &P::hitsAllowed),
    Count("home_runs_allowed", &P::homeRunsAllowed),
    Count("walks_allowed", &P::walksAllowed),
    Count("strikeouts_pitched", &P::strikeoutsPitched),
    Count("hit_batsmen", &P::hitBatsmen, kMayBeEmpty),
    Count("runs_allowed", &P::runsAllowed),
    Count("earned_runs", &P::earnedRuns),
};

CsvRecordsFormat Format() {
    CsvRecordsFormat format;
    format.keyColumns = 2;  // team and player
    format.what = "a players' side file";
    format.record = "player-season";
    return format;
}

}  // namespace

std::filesystem::path PlayerUsagePathFor(const std::filesystem::path& database) {
    if (database.filename() == kLegendFileName)
        return database.parent_path() / kPlayerUsageFileName;
    std::filesystem::path file = database;
    file += kPlayerUsageSuffix;
    return file;
}

std::string PlayerUsageText(const std::vector<PlayerUsage>& players) {
    return CsvColumnsText<P>(kColumns, players);
}

Status WritePlayerUsage(const std::filesystem::path& path,
                        const std::vector<PlayerUsage>& players) {
    return WriteCsvFile(path, PlayerUsageText(players));
}

Status LoadPlayerUsage(const std::filesystem::path& path, std::vector<PlayerUsage>& out) {
    out.clear();
    return LoadCsvRecords(path, [&](std::string_view text) { return ParsePlayerUsage(text, out); });
}

Status ParsePlayerUsage(std::string_view text, std::vector<PlayerUsage>& out) {
    return ParseCsvColumns<P>(text, kColumns, Format(), out);
}

}  // namespace velmoro
