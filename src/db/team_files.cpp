#include "db/team_files.h"

#include <cstdio>
#include <random>
#include <system_error>

#include <fmt/format.h>

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
        SetError(error, fmt::format("team name \"{}...\" is {} bytes long; at most 255 fit",
                                    PrintableName(team.name.substr(0, 40)), team.name.size()));
        return false;
    }
    if (written > kMaxTeamPlayers) {
        SetError(error, fmt::format("team \"{}\" has {} players; at most 255 fit",
                                    PrintableName(team.name), written));
        return false;
    }
    for (const auto& player : team.players) {
        if (filter && !IsQualifyingPlayer(*player)) continue;
        if (player->name.size() > kMaxNameBytes) {
            SetError(error,
                     fmt::format("team \"{}\": player name \"{}...\" is {} bytes long; at most "
                                 "255 fit",
                                 PrintableName(team.name),
                                 PrintableName(player->name.substr(0, 40)), player->name.size()));
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

std::filesystem::path TemporaryPathBeside(const std::filesystem::path& path) {
    static std::mt19937_64 generator{std::random_device{}()};
    std::filesystem::path temp = path;
    temp += fmt::format(".tmp{:016x}", generator());
    return temp;
}

bool WriteWholeFile(const std::filesystem::path& path, std::string_view bytes) {
    std::FILE* file = std::fopen(path.string().c_str(), "wb");
    if (!file) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool closed = std::fclose(file) == 0;
    return written && closed;
}

bool LoadInto(TeamList& list, TeamDatabase& db, const std::filesystem::path& path) {
    if (!list.empty()) return true;
    if (!ReadTeamFile(path, list)) return false;
    // The loader leaves the cursors on the tail it appended to.
    if (!list.empty()) {
        db.currentTeam = list.back().get();
        const PlayerList& players = list.back()->players;
        db.currentPlayer = players.empty() ? db.currentPlayer : players.back().get();
    }
    return true;
}

}  // namespace

bool ReadFileBytes(const std::filesystem::path& path, std::string& out) {
    std::FILE* file = std::fopen(path.string().c_str(), "rb");
    if (!file) return false;
    std::string bytes;
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    if (!ec) bytes.reserve(static_cast<std::size_t>(size));
    char buffer[1 << 16];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, got);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) return false;
    out = std::move(bytes);
    return true;
}

bool LoadLegendDatabase(TeamDatabase& db, const std::filesystem::path& directory) {
    return LoadInto(db.legendTeams, db, DataFileToRead(directory, kLegendFileName));
}

bool LoadCustomDatabase(TeamDatabase& db, const std::filesystem::path& directory) {
    return LoadInto(db.customTeams, db, DataFileToRead(directory, kCustomFileName));
}

bool IsQualifyingPlayer(const PlayerRecord& player) {
    const bool batter = player.games >= 10 && player.atBats > 0;
    const bool pitcher =
        player.HasPosition(Pitcher) && player.pitching && player.pitching->games > 10;
    return batter || pitcher;
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
    if (!SerializeTeamList(list, filter, bytes, error)) return false;
    if (ReplaceFileContents(path, bytes)) return true;
    SetError(error, fmt::format("cannot write {}", path.string()));
    return false;
}

bool ReplaceFileContents(const std::filesystem::path& path, std::string_view bytes) {
    const std::filesystem::path temp = TemporaryPathBeside(path);
    std::error_code ec;
    if (!WriteWholeFile(temp, bytes)) {
        std::filesystem::remove(temp, ec);
        return false;
    }
    // Keep the old file's permissions: a read-only-for-others database stays so.
    const auto status = std::filesystem::status(path, ec);
    if (!ec && std::filesystem::exists(status))
        std::filesystem::permissions(temp, status.permissions(), ec);
    std::filesystem::rename(temp, path, ec);
    if (!ec) return true;
    std::filesystem::remove(temp, ec);
    return false;
}

}  // namespace velmoro
