// Reading LegendDB and CustomDB images into team lists.
#include <cerrno>
#include <cstdio>

#include <fmt/format.h>

#include "base/text.h"
#include "db/error_out.h"
#include "db/file_write.h"
#include "db/image_reader.h"
#include "db/team_files.h"

namespace velmoro {

namespace {

constexpr std::size_t kPitchingBytes = 16;
constexpr std::size_t kBattingBytes = 13;
// The longest a team's head (name, player count) and a player can be.
constexpr std::size_t kMaxTeamHeadBytes = 1 + kMaxNameBytes + 1;
constexpr std::size_t kMaxPlayerBytes = 1 + kMaxNameBytes + 2 + kBattingBytes + 1 + kPitchingBytes;

std::uint16_t WordAt(const unsigned char* bytes) {
    return static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8);
}

void DecodeBattingLine(const unsigned char* b, PlayerRecord& p) {
    p.battingAvg = WordAt(b);
    p.games = b[2];
    p.runs = b[3];
    p.hits = b[4];
    p.doubles = b[5];
    p.triples = b[6];
    p.homeRuns = b[7];
    p.rbi = b[8];
    p.stolenBases = b[9];
    p.caughtStealing = b[10];
    p.walks = b[11];
    p.strikeouts = b[12];
}

void DecodePitchingLine(const unsigned char* b, PitchingLine& l) {
    l.eraX100 = WordAt(b);
    l.wins = b[2];
    l.losses = b[3];
    l.saves = b[4];
    l.games = b[5];
    l.shutouts = b[6];
    l.earnedRuns = b[7];
    l.inningsPitched = WordAt(b + 8);
    l.walks = WordAt(b + 10);
    l.strikeouts = WordAt(b + 12);
    l.oppAvgX1000 = WordAt(b + 14);
}

template <typename Cursor>
bool ReadPlayer(Cursor& in, PlayerRecord& p) {
    const unsigned char* atBats = in.Name(p.name) ? in.Take(2) : nullptr;
    if (!atBats) return false;
    p.atBats = WordAt(atBats);
    if (p.atBats != 0) {
        const unsigned char* batting = in.Take(kBattingBytes);
        if (!batting) return false;
        DecodeBattingLine(batting, p);
    }
    const unsigned char* positions = in.Take(1);
    if (!positions) return false;
    p.positions = *positions;
    if (!p.HasPosition(Pitcher)) return true;
    const unsigned char* pitching = in.Take(kPitchingBytes);
    if (!pitching) return false;
    p.pitching = std::make_unique<PitchingLine>();
    DecodePitchingLine(pitching, *p.pitching);
    return true;
}

std::string CutOffMessage(const ImageReader& in, std::size_t teamIndex, const TeamRecord& team,
                          std::size_t playerCount) {
    std::string where =
        fmt::format("the data ends after {} bytes, inside team {}", in.BytesSeen(), teamIndex + 1);
    if (!team.name.empty()) where += fmt::format(" \"{}\"", ShownValue(team.name));
    if (!team.players.empty()) {
        const PlayerRecord& last = *team.players.back();
        where += fmt::format(", at player {} of {}", team.players.size(), playerCount);
        if (!last.name.empty()) where += fmt::format(" \"{}\"", ShownValue(last.name));
    }
    return where;
}

// One team block; false when the image ends inside it. Each piece is parsed from a
// stretch of the image long enough for the longest piece there can be, unless the
// image ends sooner.
bool ReadTeam(ImageReader& image, TeamRecord& team, std::uint8_t& playerCount) {
    ImageCursor in = image.Window(kMaxTeamHeadBytes);
    const unsigned char* count = in.Name(team.name) ? in.Take(1) : nullptr;
    image.Advance(in);
    playerCount = count ? *count : 0;
    if (!count) return false;
    team.players.reserve(playerCount);
    for (int i = 0; i < playerCount; ++i) {
        if (in.Left() < kMaxPlayerBytes) {
            image.Advance(in);
            in = image.Window(kMaxPlayerBytes);
        }
        PlayerRecord& player = *team.players.emplace_back(std::make_unique<PlayerRecord>());
        if (in.Left() >= kMaxPlayerBytes) {
            UncheckedImageCursor whole{in.at, in.end};  // the longest player fits
            ReadPlayer(whole, player);
            in.at = whole.at;
        } else if (!ReadPlayer(in, player)) {
            image.Advance(in);
            return false;
        }
    }
    image.Advance(in);
    return true;
}

// Parses the whole image; `out` gets its teams only when all of it reads.
bool ParseImage(ImageReader& in, TeamList& out, std::string* error) {
    TeamList teams;
    std::unique_ptr<TeamRecord> team;  // the team the image ends inside, if any
    std::uint8_t playerCount = 0;
    while (!in.AtEnd()) {
        team = std::make_unique<TeamRecord>();
        if (!ReadTeam(in, *team, playerCount)) break;
        teams.push_back(std::move(team));
    }
    if (in.ReadError()) return false;  // the caller names the file
    if (team) {
        SetError(error, CutOffMessage(in, teams.size(), *team, playerCount));
        return false;
    }
    for (auto& parsed : teams)
        out.push_back(std::move(parsed));
    return true;
}

}  // namespace

bool ParseTeamList(std::string_view bytes, TeamList& out, std::string* error) {
    ImageReader in(bytes);
    return ParseImage(in, out, error);
}

bool ReadTeamFile(const std::filesystem::path& path, TeamList& out, std::string* error) {
    std::FILE* file = std::fopen(path.string().c_str(), "rb");
    if (!file) {
        SetError(error, SystemReason(errno));
        return false;
    }
    std::setvbuf(file, nullptr, _IONBF, 0);  // the reader has its own buffer
    ImageReader in(file);
    const bool parsed = ParseImage(in, out, error);
    std::fclose(file);
    if (in.ReadError())
        SetError(error, fmt::format("reading stopped at byte {}: {}", in.BytesSeen(),
                                    SystemReason(in.ReadErrno())));
    return parsed;
}

}  // namespace velmoro
