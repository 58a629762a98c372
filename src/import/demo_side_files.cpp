// The demo league's side files, invented from its players' records: who started where,
// how the staff was used and the counts the records leave out. Each club's starts at
// every place add up to its games, and its totals are the sums of its players.
#include <algorithm>
#include <array>
#include <cstdint>

#include "base/seed_mix.h"
#include "import/demo_league.h"

namespace velmoro {
namespace {

// The roster's shape (demo_league.cpp): nine regulars at C, 1B, 2B, SS, 3B, LF, CF,
// RF and DH, four on the bench, five starters, a closer, seven relievers.
constexpr std::size_t kRegulars = 9, kBench = 4, kStarters = 5;
constexpr std::size_t kFirstPitcher = kRegulars + kBench, kCloser = kFirstPitcher + kStarters;

class SideRandom {
  public:
    explicit SideRandom(std::uint64_t seed) : state_(seed) {}
    int Range(int lo, int hi) {
        const std::uint64_t z = SplitMix64(state_);
        state_ += kSplitMixStep;
        return lo + static_cast<int>(z % static_cast<std::uint64_t>(hi - lo + 1));
    }

  private:
    std::uint64_t state_;
};

// The nine places of a lineup, each with the position bit that may take it.
enum Place { C, B1, B2, SS, B3, LF, CF, RF, DH, kPlaces };
constexpr std::array<std::uint8_t, kPlaces> kPlaceBits = {
    Catcher, FirstBase, SecondBase, Shortstop, ThirdBase, Outfield, Outfield, Outfield, 0};
constexpr std::array<int PlayerUsage::*, kPlaces> kPlaceGames = {
    &PlayerUsage::gamesCatcher, &PlayerUsage::gamesFirst, &PlayerUsage::gamesSecond,
    &PlayerUsage::gamesShort,   &PlayerUsage::gamesThird, &PlayerUsage::gamesLeft,
    &PlayerUsage::gamesCenter,  &PlayerUsage::gamesRight, &PlayerUsage::gamesDh};

bool CanPlay(const PlayerRecord& p, Place place) {
    return place == DH || (p.positions & kPlaceBits[place]) != 0;
}

// Starts at each place: the regular most of them, the bench the rest, as far as each
// man's games go; whatever is left goes to anyone able (the DH takes anyone).
void HitterStarts(SideRandom& rng, const TeamRecord& team, int games,
                  std::vector<PlayerUsage>& out) {
    std::vector<int> left;
    for (std::size_t i = 0; i < kFirstPitcher; ++i)
        left.push_back(team.players[i]->games);
    auto give = [&](std::size_t i, Place place, int starts) {
        starts = std::min(starts, left[i]);
        left[i] -= starts;
        out[i].*kPlaceGames[place] += starts;
        out[i].gamesStarted += starts;
        return starts;
    };
    for (int place = 0; place < kPlaces; ++place) {
        const auto at = static_cast<Place>(place);
        int needed =
            games - give(static_cast<std::size_t>(place), at, games * rng.Range(82, 96) / 100);
        for (int pass = 0; pass < 2 && needed > 0; ++pass)
            for (std::size_t i = pass ? 0 : kRegulars; i < kFirstPitcher && needed > 0; ++i)
                if (CanPlay(*team.players[i], at)) needed -= give(i, at, needed);
    }
}

// Hitters: starts, then the games off the bench as pinch hitter; the counts the
// records leave out. Games at a place are the starts there, so a club's games at
// every place add up to its games.
void HitterLines(SideRandom& rng, const TeamRecord& team, int games,
                 std::vector<PlayerUsage>& out) {
    for (std::size_t i = 0; i < kFirstPitcher; ++i) {
        out[i].gamesStarted = 0;
        out[i].gamesDh = 0;
    }
    HitterStarts(rng, team, games, out);
    for (std::size_t i = 0; i < kFirstPitcher; ++i) {
        const PlayerRecord& p = *team.players[i];
        PlayerUsage& u = out[i];
        u.gamesPinchHitter = p.games - u.gamesStarted;
        u.hitByPitch = p.atBats * rng.Range(3, 12) / 1000;
        u.sacrificeHits = p.atBats * rng.Range(0, 6) / 1000;
        u.sacrificeFlies = p.atBats * rng.Range(5, 12) / 1000;
        u.groundedIntoDp = p.atBats * rng.Range(10, 25) / 1000;
        const int r = rng.Range(1, 100);
        u.bats = r <= 58 ? 'R' : r <= 90 ? 'L' : 'B';
        u.throws = u.bats == 'L' && rng.Range(1, 2) == 1 ? 'L' : 'R';
    }
}

// The staff: the five starters take the club's games by their own games, spot starts
// by relievers fill any gap; relievers finish games, the closer most.
void PitcherLines(SideRandom& rng, const TeamRecord& team, int games,
                  std::vector<PlayerUsage>& out) {
    int left = games;
    for (std::size_t i = kFirstPitcher; i < kCloser; ++i) {
        out[i].pitchStarts = std::min(out[i].pitchGames, left / static_cast<int>(kCloser - i));
        left -= out[i].pitchStarts;
    }
    for (std::size_t i = kFirstPitcher; left > 0 && i < team.players.size(); ++i) {
        const int more = std::min(left, out[i].pitchGames - out[i].pitchStarts);
        out[i].pitchStarts += more;
        left -= more;
    }
    for (std::size_t i = kFirstPitcher; i < team.players.size(); ++i) {
        const PitchingLine& line = *team.players[i]->pitching;
        PlayerUsage& u = out[i];
        u.gamesStarted = u.pitchStarts;
        u.completeGames = u.pitchStarts * rng.Range(0, 8) / 100;
        const int relief = u.pitchGames - u.pitchStarts;
        u.gamesFinished = i == kCloser
                              ? std::max<int>(line.saves, relief * rng.Range(75, 90) / 100)
                              : std::max<int>(line.saves, relief * rng.Range(10, 35) / 100);
        u.outsPitched = line.inningsPitched * 3;
        const int avg = std::clamp<int>(line.oppAvgX1000, 150, 350);
        u.hitsAllowed = u.outsPitched * avg / (1000 - avg);
        u.homeRunsAllowed = u.hitsAllowed * rng.Range(8, 13) / 100;
        u.walksAllowed = line.walks;
        u.strikeoutsPitched = line.strikeouts;
        u.hitBatsmen = u.outsPitched * rng.Range(5, 15) / 1000;
        u.battersFaced = u.outsPitched + u.hitsAllowed + u.walksAllowed + u.hitBatsmen;
        u.earnedRuns = line.earnedRuns;
        u.runsAllowed = line.earnedRuns + line.earnedRuns * rng.Range(4, 12) / 100;
        u.throws = rng.Range(1, 100) <= 70 ? 'R' : 'L';
        u.bats = rng.Range(1, 100) <= 85 ? u.throws : (u.throws == 'R' ? 'L' : 'R');
    }
}

// The part every player's line shares: his names, games and record's counts.
PlayerUsage RecordCounts(const TeamRecord& team, const PlayerRecord& p) {
    PlayerUsage u;
    u.team = team.name;
    u.player = p.name;
    u.games = p.games;
    u.atBats = p.atBats;
    u.hits = EffectiveHits(p);
    u.hitByPitch = u.sacrificeHits = u.sacrificeFlies = u.groundedIntoDp = 0;
    u.battersFaced = u.hitBatsmen = 0;
    u.gamesDh = u.gamesPinchHitter = 0;
    if (p.pitching) {
        u.games = std::max<int>(p.games, p.pitching->games);
        u.pitchGames = u.gamesPitcher = p.pitching->games;
        u.saves = p.pitching->saves;
    }
    return u;
}

int DemoClubGames(const TeamRecord& team) {
    for (const SeasonRecord& s : MakeDemoStandings())
        if (s.team == team.name) return s.games;
    return 0;
}

}  // namespace

std::vector<PlayerUsage> MakeDemoPlayerUsage() {
    SideRandom rng(0x5645'4C4D'5553'4147ULL);
    std::vector<PlayerUsage> all;
    for (const auto& team : MakeDemoLeague()) {
        std::vector<PlayerUsage> lines;
        for (const auto& p : team->players)
            lines.push_back(RecordCounts(*team, *p));
        const int games = DemoClubGames(*team);
        HitterLines(rng, *team, games, lines);
        PitcherLines(rng, *team, games, lines);
        all.insert(all.end(), lines.begin(), lines.end());
    }
    return all;
}

std::vector<ClubSeason> MakeDemoClubSeasons() {
    SideRandom rng(0x5645'4C4D'434C'5542ULL);
    const TeamList league = MakeDemoLeague();
    const std::vector<PlayerUsage> usage = MakeDemoPlayerUsage();
    std::vector<ClubSeason> clubs;
    std::size_t line = 0;
    for (const auto& team : league) {
        ClubSeason c{team->name, std::stoi(team->name), "VBL", DemoClubGames(*team)};
        c.homeGames = c.games / 2;
        c.strikeouts = c.stolenBases = c.caughtStealing = c.hitByPitch = c.sacrificeFlies = 0;
        for (const auto& p : team->players) {
            const PlayerUsage& u = usage[line++];
            c.runs += p->runs, c.atBats += u.atBats, c.hits += u.hits, c.doubles += p->doubles;
            c.triples += p->triples, c.homeRuns += p->homeRuns, c.walks += p->walks;
            c.strikeouts += p->strikeouts, c.stolenBases += p->stolenBases;
            c.caughtStealing += p->caughtStealing, c.hitByPitch += u.hitByPitch;
            c.sacrificeFlies += u.sacrificeFlies, c.runsAllowed += u.runsAllowed;
            c.earnedRuns += u.earnedRuns, c.outsPitched += u.outsPitched;
            c.hitsAllowed += u.hitsAllowed, c.homeRunsAllowed += u.homeRunsAllowed;
            c.walksAllowed += u.walksAllowed, c.strikeoutsPitched += u.strikeoutsPitched;
        }
        c.errors = rng.Range(70, 120);
        c.doublePlays = rng.Range(120, 170);
        c.battingParkFactor = rng.Range(95, 105);
        c.pitchingParkFactor = c.battingParkFactor + rng.Range(-1, 1);
        clubs.push_back(std::move(c));
    }
    return clubs;
}

}  // namespace velmoro
