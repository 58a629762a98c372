// Outcome tables, draw classification and the generator.
#include <gtest/gtest.h>

#include "engine/plate_appearance.h"
#include "engine/random.h"
#include "engine_support.h"

namespace velmoro::testing {
namespace {

PlayerRecord SeasonLine(int atBats, int hits, int doubles, int triples, int homeRuns, int walks,
                        int strikeouts, int average) {
    PlayerRecord player("Batter");
    player.atBats = static_cast<std::uint16_t>(atBats);
    player.hits = static_cast<std::uint8_t>(hits);
    player.doubles = static_cast<std::uint8_t>(doubles);
    player.triples = static_cast<std::uint8_t>(triples);
    player.homeRuns = static_cast<std::uint8_t>(homeRuns);
    player.walks = static_cast<std::uint8_t>(walks);
    player.strikeouts = static_cast<std::uint8_t>(strikeouts);
    player.battingAvg = static_cast<std::uint16_t>(average);
    return player;
}

OutcomeTable Limits(std::uint32_t hr, std::uint32_t triple, std::uint32_t dbl, std::uint32_t single,
                    std::uint32_t walk, std::uint32_t strikeout, std::uint32_t fly) {
    return {single, dbl, triple, hr, walk, strikeout, fly};
}

TEST(OutcomeTable, BuiltFromTheSeasonLineAndThePitchersEra) {
    const PlayerRecord regular = SeasonLine(500, 150, 30, 5, 30, 50, 100, 300);
    const PlayerRecord nobody = SeasonLine(0, 0, 0, 0, 0, 0, 0, 0);
    const struct {
        const char* name;
        const PlayerRecord& batter;
        int era;
        OutcomeTable expected;
    } cases[] = {
        {"ERA 4.00, factor 0", regular, 400, Limits(54, 63, 117, 271, 361, 542, 771)},
        {"ERA 3.00", regular, 300, Limits(49, 57, 106, 248, 331, 498, 749)},
        {"ERA 5.50", regular, 550, Limits(61, 71, 132, 307, 409, 615, 807)},
        {"ERA 0 counts as 2.60", regular, 0, BuildOutcomeTable(regular, 260)},
        {"ERA 3.97 truncates to adj 0", regular, 397, Limits(54, 63, 117, 271, 361, 542, 771)},
        {"ERA 4.03 truncates to adj 0", regular, 403, Limits(54, 63, 117, 271, 361, 542, 771)},
        // No plate appearances: one is assumed, and the empty single limit becomes 50.
        {"no plate appearances", nobody, 300, Limits(0, 0, 0, 50, 50, 50, 525)},
        // avg - adj <= 0 would divide by zero or flip the sign: the line is used unscaled.
        {".000 hitter, adj 0", nobody, 400, Limits(0, 0, 0, 50, 50, 50, 525)},
        {"ERA 14.00 against .250", SeasonLine(500, 125, 20, 5, 10, 50, 100, 250), 1400,
         BuildOutcomeTable(SeasonLine(500, 125, 20, 5, 10, 50, 100, 250), 400)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(BuildOutcomeTable(c.batter, c.era), c.expected);
    }
    // 3.96 and 4.04 are the first ERAs off adj 0; a .100 hitter shows the step.
    const PlayerRecord weak = SeasonLine(500, 50, 5, 1, 2, 50, 200, 100);
    EXPECT_EQ(BuildOutcomeTable(weak, 403), BuildOutcomeTable(weak, 397));
    EXPECT_LT(BuildOutcomeTable(weak, 396).strikeoutLimit,
              BuildOutcomeTable(weak, 400).strikeoutLimit);
    EXPECT_GT(BuildOutcomeTable(weak, 404).strikeoutLimit,
              BuildOutcomeTable(weak, 400).strikeoutLimit);
}

TEST(OutcomeTable, LimitsStayWithinTheDrawScale) {
    // avg - adj of 1: the factor multiplies every rate by 250, far beyond 1000.
    const PlayerRecord hitter = SeasonLine(500, 125, 20, 5, 10, 50, 100, 250);
    const OutcomeTable extreme = BuildOutcomeTable(hitter, 400 + 4 * 249);
    for (std::uint32_t limit :
         {extreme.homeRunLimit, extreme.tripleLimit, extreme.doubleLimit, extreme.singleLimit,
          extreme.walkLimit, extreme.strikeoutLimit, extreme.flyBallLimit}) {
        EXPECT_LE(limit, 1000u);
    }
    EXPECT_EQ(extreme.flyBallLimit, 1000u);
    // Extra-base hits above the hits make the single rate negative: the single limit
    // falls below 0 and is held at 0, not wrapped into a huge unsigned number.
    EXPECT_EQ(BuildOutcomeTable(SeasonLine(3, 0, 1, 1, 1, 0, 0, 0), 400),
              Limits(333, 666, 999, 0, 0, 0, 500));
    // Hits stored as 6 with more than 500 at-bats are 262.
    const OutcomeTable wrapped = BuildOutcomeTable(SeasonLine(704, 6, 24, 5, 8, 49, 63, 372), 400);
    EXPECT_EQ(wrapped.singleLimit - wrapped.doubleLimit, (262u - 24 - 5 - 8) * 1000 / 753);
}

TEST(OutcomeTable, DrawsAreClassifiedAtTheLimits) {
    const OutcomeTable table = Limits(54, 63, 117, 271, 361, 542, 771);
    const struct {
        std::uint32_t draw;
        PlateResult result;
    } cases[] = {
        {0, PlateResult::HomeRun},   {53, PlateResult::HomeRun},     {54, PlateResult::Triple},
        {63, PlateResult::Double},   {117, PlateResult::Single},     {270, PlateResult::Single},
        {271, PlateResult::Walk},    {361, PlateResult::Strikeout},  {542, PlateResult::FlyBall},
        {770, PlateResult::FlyBall}, {771, PlateResult::GroundBall}, {999, PlateResult::GroundBall},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ClassifyDraw(table, c.draw), c.result) << c.draw;
    // Limits summed above 999: the later results can no longer come up.
    const OutcomeTable full = Limits(0, 0, 0, 400, 700, 1000, 1000);
    for (std::uint32_t draw = 700; draw < 1000; ++draw) {
        ASSERT_EQ(ClassifyDraw(full, draw), PlateResult::Strikeout);
    }
}

TEST(Random, LinearCongruentialSequenceSeededOnce) {
    Random unseeded;
    EXPECT_EQ(unseeded.Next(), 41);
    EXPECT_EQ(unseeded.Next(), 18467);
    EXPECT_EQ(unseeded.Next(), 6334);
    EXPECT_FALSE(unseeded.IsSeeded());

    Random fixed;
    fixed.SetFixedSeed(12345);
    fixed.SeedOnce();
    Random reference;
    reference.Seed(12345);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(fixed.Next(), reference.Next());
    fixed.SeedOnce();  // a later plate appearance does not reseed
    EXPECT_EQ(fixed.Next(), reference.Next());

    Random clock;
    clock.SeedOnce();
    EXPECT_TRUE(clock.IsSeeded());
}

TEST(PlateAppearance, SeedsAtTheFirstAppearanceOnly) {
    Session session;
    TeamList teams;
    SetUpGame(session, MakeTeam(teams, "V", 0), MakeTeam(teams, "H", 1), false);
    session.random.SetFixedSeed(99);
    session.random.Next();  // a strategy before the first plate appearance
    EXPECT_FALSE(session.random.IsSeeded());
    PlayPlateAppearance(session);
    Random reference;
    reference.Seed(99);
    reference.Next();
    EXPECT_EQ(session.random.State(), reference.State());
}

}  // namespace
}  // namespace velmoro::testing
