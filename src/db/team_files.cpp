#include "db/team_files.h"

#include <cerrno>
#include <cstdio>
#include <system_error>

#include <fmt/format.h>

#include "base/text.h"
#include "db/error_out.h"
#include "db/install_dir.h"

namespace velmoro {

namespace {

// --- writing ---

void PutByte(std::string& out, unsigned value) {
    out.push_back(static_cast<char>(value & 0xFF));
}

void PutWord(std::string& out, std::uint16_t value) {
    PutByte(out, value);
    PutByte(out, value >> 8);
}

void PutName(std::string& out, const std::string& name) {
    PutByte(out, static_cast<unsigned>(name.size()));
    out += name;
}

void PutBattingLine(std::string& out, const PlayerRecord& p) {
    PutWord(out, p.battingAvg);
    for (std::uint8_t count : {p.games, p.runs, p.hits, p.doubles, p.triples, p.homeRuns, p.rbi,
                               p.stolenBases, p.caughtStealing, p.walks, p.strikeouts})
        PutByte(out, count);
}

// A Pitcher without a line gets sixteen zero bytes: the loader reads a line for every
// Pitcher, and leaving it out would shift every byte after it.
void PutPitchingLine(std::string& out, const PitchingLine* line) {
    const PitchingLine l = line ? *line : PitchingLine();
    PutWord(out, l.eraX100);
    for (std::uint8_t count : {l.wins, l.losses, l.saves, l.games, l.shutouts, l.earnedRuns})
        PutByte(out, count);
    for (std::uint16_t count : {l.inningsPitched, l.walks, l.strikeouts, l.oppAvgX1000})
        PutWord(out, count);
}

void PutPlayer(std::string& out, const PlayerRecord& p) {
    PutName(out, p.name);
    PutWord(out, p.atBats);
    if (p.atBats != 0) PutBattingLine(out, p);
    PutByte(out, p.positions);
    if (p.HasPosition(Pitcher)) PutPitchingLine(out, p.pitching.get());
}

// Checks that every length and count of the team fits its byte.
bool CheckTeamFits(const TeamRecord& team, std::size_t written, bool filter, std::string* error) {
    if (team.name.size() > kMaxNameBytes) {
        SetError(error, fmt::format("team name \"{}\" is {} bytes long; at most 255 fit",
                                    ShownValue(team.name, 40), team.name.size()));
        return false;
    }
    if (written > kMaxTeamPlayers) {
        SetError(error, fmt::format("team \"{}\" has {} players; at most 255 fit",
                                    ShownValue(team.name), written));
        return false;
    }
    for (const auto& player : team.players) {
        if (filter && !IsQualifyingPlayer(*player)) continue;
        if (player->name.size() > kMaxNameBytes) {
            SetError(error, fmt::format("team \"{}\": player name \"{}\" is {} bytes long; at most "
                                        "255 fit",
                                        ShownValue(team.name), ShownValue(player->name, 40),
                                        player->name.size()));
            return false;
        }
    }
    return true;
}

std::size_t WrittenPlayers(const TeamRecord& team, bool filter) {
    if (!filter) return team.players.size();
    std::size_t count = 0;
    for (const auto& player : team.players)
        count += IsQualifyingPlayer(*player) ? 1 : 0;
    return count;
}

bool LoadInto(TeamList& list, const std::filesystem::path& path, bool missingIsFine,
              std::string* error) {
    if (!list.empty()) return true;
    std::string reason;
    if (!ReadTeamFile(path, list, &reason)) {
        std::error_code ec;
        const bool missing = !std::filesystem::exists(path, ec) && !ec;
        if (!(missingIsFine && missing))
            SetError(error,
                     fmt::format("{}: {}", ShownValue(path.string(), kShownPathBytes), reason));
        return false;
    }
    return true;
}

// Keeps a file that does not read whole under the first free name NAME.damaged,
// NAME.damaged.1, ... beside it: a hard link where the file system has them (no bytes
// copied, and the copy cannot be half written), a copy elsewhere. Nothing to keep
// (no file, a whole database, a device) is success with `kept` left alone.
bool KeepDamagedCopy(const std::filesystem::path& path, std::filesystem::path* kept,
                     std::string* error) {
    std::filesystem::path target;
    std::string reason;
    if (!ResolveWriteTarget(path, target, reason)) {
        SetError(error, CannotWriteMessage(path, reason));
        return false;
    }
    std::error_code ec;
    if (!std::filesystem::is_regular_file(target, ec)) return true;
    TeamList whole;
    if (ReadTeamFile(target, whole)) return true;
    for (int number = 0; number < 1000; ++number) {
        std::filesystem::path copy = target;
        copy += number == 0 ? std::string(".damaged") : fmt::format(".damaged.{}", number);
        std::filesystem::create_hard_link(target, copy, ec);
        if (ec && ec != std::errc::file_exists)
            std::filesystem::copy_file(target, copy, std::filesystem::copy_options::none, ec);
        if (ec == std::errc::file_exists) continue;
        if (ec) {
            SetError(error, fmt::format("{} does not read whole and cannot be kept as {}: {}",
                                        ShownValue(path.string(), kShownPathBytes),
                                        ShownValue(copy.string(), kShownPathBytes), ec.message()));
            return false;
        }
        if (kept) *kept = copy;
        return true;
    }
    SetError(error, fmt::format("{} does not read whole and there are too many copies of it "
                                "already; nothing was written",
                                ShownValue(path.string(), kShownPathBytes)));
    return false;
}

// SerializeTeamList for a write to `path`: the message names the file.
bool Serialize(const TeamList& list, const std::filesystem::path& path, bool filter,
               std::string& bytes, std::string* error) {
    std::string reason;
    if (SerializeTeamList(list, filter, bytes, &reason)) return true;
    SetError(error, CannotWriteMessage(path, reason));
    return false;
}

}  // namespace

Status ReadFileBytes(const std::filesystem::path& path, std::string& out) {
    errno = 0;
    std::FILE* file = std::fopen(path.string().c_str(), "rb");
    if (!file) return Status::Error(SystemReason(errno ? errno : EIO));
    std::string bytes;
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    if (!ec) bytes.reserve(static_cast<std::size_t>(size));
    char buffer[1 << 16];
    std::size_t got = 0;
    errno = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, got);
    const int failure = std::ferror(file) ? (errno ? errno : EIO) : 0;
    std::fclose(file);
    if (failure) return Status::Error(SystemReason(failure));
    out = std::move(bytes);
    return OkStatus();
}

bool LoadLegendDatabase(TeamDatabase& db, const std::filesystem::path& directory,
                        std::string* error) {
    return LoadInto(db.legendTeams, DataFileToRead(directory, kLegendFileName), false, error);
}

bool LoadCustomDatabase(TeamDatabase& db, const std::filesystem::path& directory,
                        std::string* error) {
    return LoadInto(db.customTeams, DataFileToRead(directory, kCustomFileName), true, error);
}

bool LoadGameDatabases(TeamDatabase& db, const std::filesystem::path& directory,
                       std::string* customError, std::string* legendError) {
    LoadCustomDatabase(db, directory, customError);
    return LoadLegendDatabase(db, directory, legendError);
}

bool IsQualifyingPlayer(const PlayerRecord& player) {
    const bool batter = player.games >= 10 && player.atBats > 0;
    const bool pitcher =
        player.HasPosition(Pitcher) && player.pitching && player.pitching->games > 10;
    return batter || pitcher;
}

std::size_t UnqualifiedPlayerCount(const TeamList& list) {
    std::size_t count = 0;
    for (const auto& team : list)
        count += team->players.size() - WrittenPlayers(*team, true);
    return count;
}

bool SerializeTeamList(const TeamList& list, bool filter, std::string& out, std::string* error) {
    std::string bytes;
    for (const auto& team : list) {
        const std::size_t written = WrittenPlayers(*team, filter);
        if (!CheckTeamFits(*team, written, filter, error)) return false;
        PutName(bytes, team->name);
        PutByte(bytes, static_cast<unsigned>(written));
        for (const auto& player : team->players) {
            if (!filter || IsQualifyingPlayer(*player)) PutPlayer(bytes, *player);
        }
    }
    out = std::move(bytes);
    return true;
}

bool WriteTeamList(const TeamList& list, const std::filesystem::path& path, bool filter,
                   std::string* error) {
    std::string bytes;
    return Serialize(list, path, filter, bytes, error) && ReplaceFileContents(path, bytes, error);
}

bool SaveTeamDatabase(const TeamList& list, const std::filesystem::path& path, bool filter,
                      std::filesystem::path* kept, std::string* error) {
    // The list is checked first: a list that cannot be stored keeps no copy.
    std::string bytes;
    if (!Serialize(list, path, filter, bytes, error)) return false;
    return KeepDamagedCopy(path, kept, error) && ReplaceFileContents(path, bytes, error);
}

std::string KeptDamagedMessage(const std::filesystem::path& file,
                               const std::filesystem::path& kept) {
    return fmt::format("{} could not be read whole; it is kept as {}.",
                       ShownValue(file.string(), kShownPathBytes),
                       ShownValue(kept.string(), kShownPathBytes));
}

}  // namespace velmoro
