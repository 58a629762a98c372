#include "campaign/season_text.h"

#include <fmt/format.h>

#include "setup/stat_text.h"

namespace velmoro {

namespace {

const std::string& ClubName(const ManagedSeason& season, int club) {
    return season.season().teams[club].team->name;
}

std::string LineScoreText(const std::string& name, const BoxScoreSide& side, std::size_t innings) {
    std::string out = fmt::format("{:<28}", name);
    for (std::size_t i = 0; i < innings; ++i)
        out += i < side.innings.size() ? fmt::format("{:>3}", side.innings[i]) : "  x";
    return out + fmt::format("  {:>3}{:>3}{:>3}\n", side.runs, side.hits, side.errors);
}

std::string SideText(const std::string& name, const BoxScoreSide& side) {
    std::string out = fmt::format("\n{:<28}{:>4}{:>3}{:>3}{:>3}{:>3}{:>3}{:>4}{:>3}{:>3}{:>3}\n",
                                  name, "AB", "R", "H", "2B", "3B", "HR", "RBI", "BB", "SO", "SB");
    for (const BoxScoreBatter& b : side.batters)
        out += fmt::format("  {:<26}{:>4}{:>3}{:>3}{:>3}{:>3}{:>3}{:>4}{:>3}{:>3}{:>3}\n",
                           b.name + " " + b.position, b.atBats, b.runs, b.hits, b.doubles,
                           b.triples, b.homeRuns, b.rbi, b.walks, b.strikeouts, b.stolenBases);
    out +=
        fmt::format("{:<28}{:>5}{:>3}{:>3}{:>3}{:>3}\n", "  Pitching", "IP", "H", "R", "BB", "SO");
    for (const BoxScorePitcher& p : side.pitchers)
        out += fmt::format("  {:<26}{:>5}{:>3}{:>3}{:>3}{:>3}\n",
                           p.decision.empty() ? p.name : p.name + " (" + p.decision + ")",
                           InningsText(p.outs), p.hits, p.runs, p.walks, p.strikeouts);
    return out;
}

}  // namespace

std::string SeasonStatusText(const ManagedSeason& season) {
    int played = 0;
    for (const SeasonGame& game : season.Games())
        played += game.played ? 1 : 0;
    const int today = season.Today();
    if (season.Finished())
        return fmt::format("{} season, finished: {} games played\n", season.Year(), played);
    return fmt::format("{} season, {} (day {} of {}), {} of {} games played\n", season.Year(),
                       season.DateText(today), today + 1, season.DayCount(), played,
                       season.Games().size());
}

std::string GameLineText(const ManagedSeason& season, const SeasonGame& game) {
    const std::string& visitor = ClubName(season, game.visitor);
    const std::string& home = ClubName(season, game.home);
    const std::string head =
        fmt::format("Game {:<5} {:<18}", game.id + 1, season.DateText(game.day));
    if (!game.played) return fmt::format("{} {} at {}\n", head, visitor, home);
    return fmt::format("{} {} {}, {} {}\n", head, visitor, game.visitorRuns, home, game.homeRuns);
}

std::string BoxScoreText(const ManagedSeason& season, const BoxScore& box) {
    const SeasonGame& game = box.game;
    std::string out = GameLineText(season, game);
    if (!game.played) return out;
    const std::size_t innings = std::max(box.visitor.innings.size(), box.home.innings.size());
    out += fmt::format("\n{:<28}", "");
    for (std::size_t i = 0; i < innings; ++i)
        out += fmt::format("{:>3}", i + 1);
    out += fmt::format("  {:>3}{:>3}{:>3}\n", "R", "H", "E");
    out += LineScoreText(ClubName(season, game.visitor), box.visitor, innings);
    out += LineScoreText(ClubName(season, game.home), box.home, innings);
    out += SideText(ClubName(season, game.visitor), box.visitor);
    out += SideText(ClubName(season, game.home), box.home);
    return out;
}

}  // namespace velmoro
