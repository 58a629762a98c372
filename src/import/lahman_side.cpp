#include "import/lahman_side.h"

#include <array>

#include "db/season_index.h"

namespace velmoro {

namespace {

using P = PlayerUsage;
using C = ClubSeason;
constexpr int kGames = kMaxSeasonGames;
constexpr int kCount = kMaxPlayerCount;
constexpr int kClub = kMaxClubCount;
constexpr int kNone = kNotRecorded;

constexpr std::array<SideColumn<P>, 13> kAppearances = {{
    {"G_all", &P::games, kGames},
    {"GS", &P::gamesStarted, kGames, kNone},
    {"G_p", &P::gamesPitcher, kGames},
    {"G_c", &P::gamesCatcher, kGames},
    {"G_1b", &P::gamesFirst, kGames},
    {"G_2b", &P::gamesSecond, kGames},
    {"G_3b", &P::gamesThird, kGames},
    {"G_ss", &P::gamesShort, kGames},
    {"G_lf", &P::gamesLeft, kGames},
    {"G_cf", &P::gamesCenter, kGames},
    {"G_rf", &P::gamesRight, kGames},
    {"G_dh", &P::gamesDh, kGames, kNone},
    {"G_ph", &P::gamesPinchHitter, kGames, kNone},
}};

constexpr std::array<SideColumn<P>, 6> kBatting = {{
    {"AB", &P::atBats, kCount},
    {"H", &P::hits, kCount},
    {"HBP", &P::hitByPitch, kCount, kNone},
    {"SH", &P::sacrificeHits, kCount, kNone},
    {"SF", &P::sacrificeFlies, kCount, kNone},
    {"GIDP", &P::groundedIntoDp, kCount, kNone},
}};

constexpr std::array<SideColumn<P>, 14> kPitching = {{
    {"G", &P::pitchGames, kGames},
    {"GS", &P::pitchStarts, kGames},
    {"GF", &P::gamesFinished, kGames},
    {"CG", &P::completeGames, kGames},
    {"SV", &P::saves, kGames},
    {"IPouts", &P::outsPitched, kCount},
    {"BFP", &P::battersFaced, kCount, kNone},
    {"H", &P::hitsAllowed, kCount},
    {"HR", &P::homeRunsAllowed, kCount},
    {"BB", &P::walksAllowed, kCount},
    {"SO", &P::strikeoutsPitched, kCount},
    {"HBP", &P::hitBatsmen, kCount, kNone},
    {"R", &P::runsAllowed, kCount},
    {"ER", &P::earnedRuns, kCount},
}};

constexpr std::array<SideColumn<C>, 25> kTeams = {{
    {"G", &C::games, kGames},
    {"Ghome", &C::homeGames, kGames, kNone},
    {"R", &C::runs, kClub},
    {"AB", &C::atBats, kClub},
    {"H", &C::hits, kClub},
    {"X2B", &C::doubles, kClub},
    {"X3B", &C::triples, kClub},
    {"HR", &C::homeRuns, kClub},
    {"BB", &C::walks, kClub},
    {"SO", &C::strikeouts, kClub, kNone},
    {"SB", &C::stolenBases, kClub, kNone},
    {"CS", &C::caughtStealing, kClub, kNone},
    {"HBP", &C::hitByPitch, kClub, kNone},
    {"SF", &C::sacrificeFlies, kClub, kNone},
    {"RA", &C::runsAllowed, kClub},
    {"ER", &C::earnedRuns, kClub},
    {"IPouts", &C::outsPitched, kClub},
    {"HA", &C::hitsAllowed, kClub},
    {"HRA", &C::homeRunsAllowed, kClub},
    {"BBA", &C::walksAllowed, kClub},
    {"SOA", &C::strikeoutsPitched, kClub},
    {"E", &C::errors, kClub},
    {"DP", &C::doublePlays, kClub, kNone},
    // A park without a factor is neutral.
    {"BPF", &C::battingParkFactor, kMaxParkFactor, 100, 1},
    {"PPF", &C::pitchingParkFactor, kMaxParkFactor, 100, 1},
}};

}  // namespace

std::span<const SideColumn<PlayerUsage>> AppearancesSideColumns() {
    return kAppearances;
}
std::span<const SideColumn<PlayerUsage>> BattingSideColumns() {
    return kBatting;
}
std::span<const SideColumn<PlayerUsage>> PitchingSideColumns() {
    return kPitching;
}
std::span<const SideColumn<ClubSeason>> TeamsSideColumns() {
    return kTeams;
}

char BatsLetter(std::string_view field) {
    return field == "L" || field == "R" || field == "B" ? field[0] : ' ';
}

char ThrowsLetter(std::string_view field) {
    return field == "L" || field == "R" ? field[0] : ' ';
}

}  // namespace velmoro
