#include "import/lahman_club_files.h"

#include <cctype>
#include <system_error>

#include <fmt/format.h>

#include "db/error_out.h"
#include "db/team_files.h"

namespace velmoro {
namespace {

std::string BattingLine(const PlayerRecord& p) {
    if (p.atBats == 0) return "NO_HIT_STATS";
    return fmt::format(".{:03d} {} {} {} {} {} {} {} {} {} {} {} {}", p.battingAvg, p.games,
                       p.atBats, p.runs, EffectiveHits(p), p.doubles, p.triples, p.homeRuns, p.rbi,
                       p.walks, p.strikeouts, p.stolenBases, p.caughtStealing);
}

// 345 of scale 100 as "3.45"; averages below one as ".245", the way box scores print them.
std::string Fraction(unsigned scaled, unsigned scale, int digits) {
    std::string whole = scaled / scale == 0 && scale == 1000 ? "" : std::to_string(scaled / scale);
    return fmt::format("{}.{:0{}d}", whole, scaled % scale, digits);
}

std::string PitchingText(const PlayerRecord& p) {
    if (!p.pitching) return "NO_PITCH_STATS";
    const PitchingLine& l = *p.pitching;
    return fmt::format("{} {} {} {} {} {} {}.0 {} {} {} {}", Fraction(l.eraX100, 100, 2), l.wins,
                       l.losses, l.saves, l.games, l.shutouts, l.inningsPitched, l.earnedRuns,
                       l.walks, l.strikeouts, Fraction(l.oppAvgX1000, 1000, 3));
}

std::string PositionsText(std::uint8_t bits) {
    // "LF" stands for the outfield: "CF" would hide a catcher's "C".
    static constexpr std::pair<std::uint8_t, const char*> kWords[] = {
        {Pitcher, "P"},    {Catcher, "C"},    {FirstBase, "1B"}, {SecondBase, "2B"},
        {ThirdBase, "3B"}, {Shortstop, "SS"}, {Outfield, "LF"},
    };
    std::string text;
    for (const auto& [bit, word] : kWords) {
        if (!(bits & bit)) continue;
        if (!text.empty()) text += ' ';
        text += word;
    }
    return text.empty() ? "DH" : text;
}

}  // namespace

std::string ClubFileName(std::string_view teamName) {
    std::string name;
    for (char c : TeamClubName(teamName))
        name += c == ' ' ? '_' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return name;
}

std::string ClubFileText(const TeamRecord& team) {
    std::string text = team.name + "\n";
    for (const auto& p : team.players)
        text += p->name + "\n" + BattingLine(*p) + "\n" + PitchingText(*p) + "\n" +
                PositionsText(p->positions) + "\n\n";
    return text;
}

bool WriteClubFiles(const TeamList& teams, const std::filesystem::path& dir, std::string* error) {
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    for (const auto& team : teams) {
        std::filesystem::path path = dir / ClubFileName(team->name);
        if (!ReplaceFileContents(path, ClubFileText(*team), error)) return false;
    }
    return true;
}

}  // namespace velmoro
