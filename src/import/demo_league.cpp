// The fictional league. Each club keeps a roster of 26 whose talents carry from one
// season to the next; each season draws fresh lines around those talents.
#include "import/demo_league.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "base/seed_mix.h"

namespace velmoro {
namespace {

// splitmix64's sequence: tiny, well mixed, and the same on every standard library (unlike
// std::uniform_int_distribution), which keeps the shipped file byte-stable.
class DemoRandom {
  public:
    explicit DemoRandom(std::uint64_t seed) : state_(seed) {}

    std::uint64_t Next() {
        const std::uint64_t z = SplitMix64(state_);
        state_ += kSplitMixStep;
        return z;
    }

    // Inclusive range.
    int Range(int lo, int hi) {
        return lo + static_cast<int>(Next() % static_cast<std::uint64_t>(hi - lo + 1));
    }

    // Roughly bell-shaped around the middle of the range.
    int Bell(int lo, int hi) { return (Range(lo, hi) + Range(lo, hi) + Range(lo, hi)) / 3; }

    bool Chance(int percent) { return Range(1, 100) <= percent; }

  private:
    std::uint64_t state_;
};

constexpr std::array kClubNames = {
    "Harbor Hawks",     "Copper Valley Miners", "Lakeside Loons", "Granite City Owls",
    "Riverport Barges", "Summit Peaks",         "Prairie Comets", "Bayside Mariners",
};

constexpr std::array kFirstNames = {
    "Abel",     "Ansel",   "Barrett",  "Beau",    "Calder", "Cass",    "Dario",   "Deacon",
    "Elias",    "Emmett",  "Fennick",  "Flint",   "Gideon", "Hollis",  "Ignacio", "Jasper",
    "Joaquin",  "Kellan",  "Lazaro",   "Linus",   "Marek",  "Milo",    "Nico",    "Oren",
    "Pascal",   "Quincy",  "Rafferty", "Remy",    "Rollo",  "Silas",   "Soren",   "Tadeo",
    "Teodor",   "Ulric",   "Vance",    "Wendell", "Wilder", "Yannick", "Zane",    "Corbin",
    "Dashiell", "Everett", "Griffin",  "Hale",    "Idris",  "Jory",    "Keaton",  "Lorne",
};

constexpr std::array kLastNames = {
    "Abernath",  "Baldessari",  "Blackwood",    "Brannigan",   "Calloway",   "Castellan",
    "Delacroix", "Dunmore",     "Ellery",       "Farrowby",    "Fenwright",  "Galvano",
    "Greystoke", "Halvorsen",   "Ingledew",     "Jarrow",      "Kestrel",    "Lindqvist",
    "Lowmoor",   "Marchetti",   "Merriweather", "Northcote",   "Okonkwo",    "Pellham",
    "Quarrier",  "Ravensdale",  "Redfield",     "Saltonstall", "Santerre",   "Stroud",
    "Thackeray", "Tolliver",    "Underhill",    "Valcourt",    "Vintner",    "Wainscott",
    "Westerly",  "Whitcombe",   "Yardley",      "Zelinski",    "Ashgrove",   "Brightwater",
    "Coldbrook", "Dravencourt", "Esterhaz",     "Foxhollow",   "Gallowmere", "Hartigan",
    "Ironside",  "Juniper",     "Kilbride",     "Larkspur",    "Mossgrave",  "Nightingale",
    "Oakhurst",  "Pemberly",
};

enum class Role { Regular, Bench, Starter, Reliever, Closer };

struct Talent {
    Role role = Role::Regular;
    std::uint8_t positions = 0;
    int avg = 0;     // thousandths
    int power = 0;   // home runs per 1000 at-bats
    int eye = 0;     // walks per 1000 at-bats
    int whiff = 0;   // strikeouts per 1000 at-bats
    int speed = 0;   // stolen bases per 1000 at-bats
    int era = 0;     // earned run average times 100
    int kPer9 = 0;   // strikeouts per nine innings, times 10
    int bbPer9 = 0;  // walks per nine innings, times 10
};

struct DemoPlayer {
    std::string name;
    Talent talent;
};

// The shape of every roster: nine regulars (the last one the designated hitter),
// four on the bench, five starters, a closer and seven relievers.
struct Slot {
    Role role;
    std::uint8_t positions;
};

constexpr std::array<Slot, 26> kRosterShape = {{
    {Role::Regular, Catcher},
    {Role::Regular, FirstBase},
    {Role::Regular, SecondBase},
    {Role::Regular, Shortstop},
    {Role::Regular, ThirdBase},
    {Role::Regular, Outfield},
    {Role::Regular, Outfield},
    {Role::Regular, Outfield},
    {Role::Regular, FirstBase},
    {Role::Bench, Catcher},
    {Role::Bench, SecondBase | Shortstop | ThirdBase},
    {Role::Bench, Outfield},
    {Role::Bench, FirstBase | ThirdBase | Outfield},
    {Role::Starter, Pitcher},
    {Role::Starter, Pitcher},
    {Role::Starter, Pitcher},
    {Role::Starter, Pitcher},
    {Role::Starter, Pitcher},
    {Role::Closer, Pitcher},
    {Role::Reliever, Pitcher},
    {Role::Reliever, Pitcher},
    {Role::Reliever, Pitcher},
    {Role::Reliever, Pitcher},
    {Role::Reliever, Pitcher},
    {Role::Reliever, Pitcher},
    {Role::Reliever, Pitcher},
}};

bool IsPitcherRole(Role role) {
    return role != Role::Regular && role != Role::Bench;
}

std::uint8_t ExtraPositions(DemoRandom& rng, std::uint8_t primary) {
    if (primary == Shortstop && rng.Chance(50)) return SecondBase | ThirdBase;
    if (primary == SecondBase && rng.Chance(30)) return Shortstop;
    if (primary == ThirdBase && rng.Chance(35)) return FirstBase;
    if (primary == Outfield && rng.Chance(20)) return FirstBase;
    return 0;
}

Talent HitterTalent(DemoRandom& rng, Slot slot) {
    Talent t;
    t.role = slot.role;
    t.positions = slot.positions | ExtraPositions(rng, slot.positions);
    bool bench = slot.role == Role::Bench;
    bool slugger = (slot.positions & (FirstBase | Outfield)) != 0;
    bool middle = (slot.positions & (Catcher | SecondBase | Shortstop)) != 0;
    t.avg = bench ? rng.Bell(210, 265) : rng.Bell(238, 312);
    t.power = slugger ? rng.Bell(28, 72) : (middle ? rng.Bell(8, 34) : rng.Bell(18, 55));
    t.eye = rng.Bell(55, 150);
    t.whiff = rng.Bell(120, 300);
    t.speed = middle || (slot.positions & Outfield) ? rng.Bell(5, 70) : rng.Bell(0, 18);
    if (slot.positions & Catcher) t.speed = rng.Range(0, 6);
    return t;
}

Talent PitcherTalent(DemoRandom& rng, Slot slot) {
    Talent t;
    t.role = slot.role;
    t.positions = Pitcher;
    t.era = slot.role == Role::Starter ? rng.Bell(285, 510) : rng.Bell(240, 490);
    t.kPer9 = rng.Bell(60, 115);
    t.bbPer9 = rng.Bell(20, 42);
    // Pitchers at the plate, for games without a designated hitter.
    t.avg = rng.Bell(80, 190);
    t.eye = rng.Bell(20, 60);
    t.whiff = rng.Bell(330, 450);
    return t;
}

std::string FreshName(DemoRandom& rng, std::set<std::string>& used) {
    for (;;) {
        std::string name = kFirstNames[rng.Range(0, kFirstNames.size() - 1)];
        name += ' ';
        name += kLastNames[rng.Range(0, kLastNames.size() - 1)];
        if (used.insert(name).second) return name;
    }
}

DemoPlayer NewPlayer(DemoRandom& rng, Slot slot, std::set<std::string>& used) {
    DemoPlayer p;
    p.name = FreshName(rng, used);
    p.talent = IsPitcherRole(slot.role) ? PitcherTalent(rng, slot) : HitterTalent(rng, slot);
    return p;
}

int Per1000(int count, int rate) {
    return (count * rate + 500) / 1000;
}

// A batting line of `atBats` around the talent; hits may be forced for the league's
// record-breaker.
void FillBatting(DemoRandom& rng, const Talent& t, int atBats, int forcedHits, PlayerRecord& p) {
    int hits =
        forcedHits > 0 ? forcedHits : Per1000(atBats, std::max(40, t.avg + rng.Range(-22, 22)));
    int homeRuns = std::min(hits / 3, Per1000(atBats, std::max(0, t.power + rng.Range(-8, 8))));
    int doubles = std::min(hits - homeRuns, Per1000(hits, rng.Range(150, 240)));
    int triples =
        std::min(hits - homeRuns - doubles, Per1000(hits, t.speed / 4 + rng.Range(0, 15)));
    int walks = Per1000(atBats, t.eye + rng.Range(-15, 15));
    int strikeouts = Per1000(atBats, t.whiff + rng.Range(-20, 20));
    int stolen = Per1000(atBats, t.speed + rng.Range(0, 8));
    int runs = homeRuns + Per1000(hits - homeRuns + walks, rng.Range(250, 330));
    int rbi = homeRuns + Per1000(homeRuns, rng.Range(350, 700)) +
              Per1000(hits - homeRuns, rng.Range(200, 300));
    int games = std::min(162, atBats * 100 / rng.Range(340, 400) + 1);
    p.atBats = static_cast<std::uint16_t>(atBats);
    p.battingAvg = static_cast<std::uint16_t>((hits * 1000 + atBats / 2) / atBats);
    p.games = static_cast<std::uint8_t>(games);
    p.runs = static_cast<std::uint8_t>(runs);
    p.hits = static_cast<std::uint8_t>(hits);  // wraps past 255, as the file stores it
    p.doubles = static_cast<std::uint8_t>(doubles);
    p.triples = static_cast<std::uint8_t>(triples);
    p.homeRuns = static_cast<std::uint8_t>(homeRuns);
    p.rbi = static_cast<std::uint8_t>(rbi);
    p.stolenBases = static_cast<std::uint8_t>(stolen);
    p.caughtStealing = static_cast<std::uint8_t>(Per1000(stolen, rng.Range(180, 380)));
    p.walks = static_cast<std::uint8_t>(walks);
    p.strikeouts = static_cast<std::uint8_t>(strikeouts);
}

struct PitchingShape {
    int games;
    int innings;
    int decisions;
    int saves;
    int shutouts;
};

PitchingShape DrawShape(DemoRandom& rng, Role role) {
    if (role == Role::Starter) {
        int games = rng.Range(27, 33);
        int innings = games * rng.Range(52, 66) / 10;
        return {games, innings, games * rng.Range(60, 80) / 100, 0,
                rng.Chance(30) ? rng.Range(1, 3) : 0};
    }
    int games = rng.Range(42, 74);
    int innings = games * rng.Range(9, 14) / 10;
    int saves = role == Role::Closer ? rng.Range(24, 46) : (rng.Chance(30) ? rng.Range(1, 4) : 0);
    return {games, innings, rng.Range(3, 12), saves, 0};
}

PitchingLine MakePitchingLine(DemoRandom& rng, const Talent& t) {
    PitchingShape s = DrawShape(rng, t.role);
    int era = std::max(120, t.era + rng.Range(-55, 55));
    int earnedRuns = (era * s.innings + 450) / 900;
    PitchingLine line;
    line.eraX100 = static_cast<std::uint16_t>((earnedRuns * 900 + s.innings / 2) / s.innings);
    // Better pitchers win more of their decisions: .650 at 2.50, .400 at 5.00.
    int winShare = std::clamp(900 - line.eraX100 / 10 * 10, 300, 700);
    line.wins = static_cast<std::uint8_t>(Per1000(s.decisions, winShare + rng.Range(-60, 60)));
    line.losses = static_cast<std::uint8_t>(s.decisions - line.wins);
    line.saves = static_cast<std::uint8_t>(s.saves);
    line.games = static_cast<std::uint8_t>(s.games);
    line.shutouts = static_cast<std::uint8_t>(s.shutouts);
    line.earnedRuns = static_cast<std::uint8_t>(earnedRuns);
    line.inningsPitched = static_cast<std::uint16_t>(s.innings);
    line.walks = static_cast<std::uint16_t>(s.innings * (t.bbPer9 + rng.Range(-4, 4)) / 90);
    line.strikeouts = static_cast<std::uint16_t>(s.innings * (t.kPer9 + rng.Range(-6, 6)) / 90);
    line.oppAvgX1000 = static_cast<std::uint16_t>(175 + line.eraX100 / 5 + rng.Range(-12, 12));
    return line;
}

int HitterAtBats(DemoRandom& rng, Role role) {
    return role == Role::Regular ? rng.Bell(470, 640) : rng.Bell(90, 300);
}

PlayerRecord SeasonLine(DemoRandom& rng, const DemoPlayer& who, int forcedHits) {
    PlayerRecord p(who.name);
    const Talent& t = who.talent;
    p.positions = t.positions;
    if (!IsPitcherRole(t.role)) {
        int atBats = forcedHits > 0 ? 684 : HitterAtBats(rng, t.role);
        FillBatting(rng, t, atBats, forcedHits, p);
        return p;
    }
    p.pitching = std::make_unique<PitchingLine>(MakePitchingLine(rng, t));
    int atBats = t.role == Role::Starter ? rng.Range(38, 66) : rng.Range(0, 4);
    if (atBats > 0) {
        FillBatting(rng, t, atBats, 0, p);
        p.games = p.pitching->games;  // a pitcher's games are the games he pitched
    }
    return p;
}

// Between seasons a few bench players and relievers make way for newcomers, and
// everyone's talent drifts a little.
void TurnOverRoster(DemoRandom& rng, std::vector<DemoPlayer>& roster, std::set<std::string>& used) {
    for (std::size_t i = 0; i < roster.size(); ++i) {
        Role role = roster[i].talent.role;
        bool replaceable = role == Role::Bench || role == Role::Reliever;
        if (replaceable && rng.Chance(25)) roster[i] = NewPlayer(rng, kRosterShape[i], used);
        Talent& t = roster[i].talent;
        t.avg = std::clamp(t.avg + rng.Range(-12, 12), 200, 330);
        t.era = std::clamp(t.era + rng.Range(-40, 40), 220, 560);
    }
}

}  // namespace

TeamList MakeDemoLeague() {
    DemoRandom rng(0x5645'4C4D'4F52'4F31ULL);
    std::set<std::string> used;
    TeamList league;
    for (int club = 0; club < kDemoClubs; ++club) {
        std::vector<DemoPlayer> roster;
        for (const Slot& slot : kRosterShape)
            roster.push_back(NewPlayer(rng, slot, used));
        for (int season = 0; season < kDemoSeasons; ++season) {
            if (season > 0) TurnOverRoster(rng, roster, used);
            int year = kDemoFirstSeason + season;
            TeamRecord& team = AddTeam(league, std::to_string(year) + " " + kClubNames[club]);
            // The league's record-breaker: the first club's left fielder, last season.
            for (std::size_t i = 0; i < roster.size(); ++i) {
                bool record = club == 0 && season == kDemoSeasons - 1 && i == 5;
                team.AddPlayer(SeasonLine(rng, roster[i], record ? 258 : 0));
            }
        }
    }
    return league;
}

std::vector<SeasonRecord> MakeDemoStandings() {
    // A seed of its own: the standings can change without touching the league's bytes.
    DemoRandom rng(0x5645'4C4D'5354'4E44ULL);
    constexpr int kMeetings = 22;
    constexpr int kPerDivision = kDemoClubs / 2;
    std::vector<SeasonRecord> standings(kDemoClubs * kDemoSeasons);
    for (int season = 0; season < kDemoSeasons; ++season) {
        std::array<int, kDemoClubs> strength;
        for (int& s : strength)
            s = rng.Range(35, 65);
        auto at = [&](int club) -> SeasonRecord& {
            return standings[static_cast<std::size_t>(club * kDemoSeasons + season)];
        };
        for (int club = 0; club < kDemoClubs; ++club) {
            SeasonRecord& r = at(club);
            r.team = std::to_string(kDemoFirstSeason + season) + " " + kClubNames[club];
            r.year = kDemoFirstSeason + season;
            r.league = "VBL";
            r.division = club < kPerDivision ? "East" : "West";
        }
        for (int a = 0; a < kDemoClubs; ++a)
            for (int b = a + 1; b < kDemoClubs; ++b)
                for (int game = 0; game < kMeetings; ++game) {
                    int runsA = rng.Range(0, 6) + rng.Range(0, strength[a] / 10);
                    int runsB = rng.Range(0, 6) + rng.Range(0, strength[b] / 10);
                    if (runsA == runsB)
                        ++(rng.Chance(strength[a]) ? runsA : runsB);  // extra innings
                    SeasonRecord &x = at(a), &y = at(b);
                    ++x.games, ++y.games;
                    x.runs += runsA, x.runsAllowed += runsB;
                    y.runs += runsB, y.runsAllowed += runsA;
                    ++(runsA > runsB ? x.wins : y.wins);
                    ++(runsA > runsB ? y.losses : x.losses);
                }
        for (int club = 0; club < kDemoClubs; ++club) {
            int rank = 1;
            const int first = club < kPerDivision ? 0 : kPerDivision;
            for (int other = first; other < first + kPerDivision; ++other)
                if (at(other).wins > at(club).wins ||
                    (at(other).wins == at(club).wins && other < club))
                    ++rank;
            at(club).rank = rank;
        }
    }
    return standings;
}

}  // namespace velmoro
