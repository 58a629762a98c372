#include "db/records.h"

#include <gtest/gtest.h>

namespace velmoro {
namespace {

PlayerRecord WithPositions(std::string name, std::uint8_t positions) {
    PlayerRecord p(std::move(name));
    p.positions = positions;
    return p;
}

TEST(Records, FindTeamIsExactAndMovesTheCursor) {
    TeamDatabase db;
    db.currentTeam = reinterpret_cast<TeamRecord*>(&db);  // something stale
    EXPECT_EQ(FindTeam(db, db.legendTeams, "1927 Yankees"), nullptr);
    EXPECT_EQ(db.currentTeam, nullptr);

    AddTeam(db.legendTeams, "1927 Yankees");
    TeamRecord& second = AddTeam(db.legendTeams, "1927 Yankees");  // a duplicate name
    (void)second;
    EXPECT_EQ(FindTeam(db, db.legendTeams, "1927 yankees"), nullptr);
    EXPECT_EQ(FindTeam(db, db.legendTeams, "1927 Yankees "), nullptr);
    EXPECT_EQ(FindTeam(db, db.legendTeams, "1927 Yankees"), db.legendTeams[0].get());
    EXPECT_EQ(db.currentTeam, db.legendTeams[0].get()) << "the first of a name wins";
}

TEST(Records, FindPlayerTakesTheFirstOfANameAndNoTeamFindsNone) {
    TeamRecord team("T");
    PlayerRecord& first = team.AddPlayer(PlayerRecord("Smith"));
    team.AddPlayer(PlayerRecord("Smith"));
    EXPECT_EQ(FindPlayer(nullptr, "Smith"), nullptr);
    EXPECT_EQ(FindPlayer(&team, "Smith"), &first);
    EXPECT_EQ(FindPlayer(&team, "smith"), nullptr);
}

TEST(Records, PartialNameSearchIgnoresCase) {
    TeamRecord team("T");
    team.AddPlayer(PlayerRecord("Lou Gehrig"));
    struct {
        const char* text;
        bool found;
    } cases[] = {{"GEHR", true}, {"u g", true},      {"lOu GeHrIg", true},
                 {"", true},     {"Gehrigs", false}, {"Ruth", false}};
    for (const auto& c : cases)
        EXPECT_EQ(FindPlayerByPartialName(team, c.text), c.found) << c.text;
    EXPECT_FALSE(FindPlayerByPartialName(TeamRecord("Empty"), ""));
    EXPECT_EQ(SelectMatchingPlayerItem({"Babe Ruth", "Lou Gehrig", "Gehringer"}, "gehr"), 1);
    EXPECT_EQ(SelectMatchingPlayerItem({"Babe Ruth"}, "cobb"), -1);
}

TEST(Records, EffectiveHitsRestoresOneWrapAboveFiveHundredAtBats) {
    struct {
        int stored;
        int atBats;
        int read;
    } cases[] = {{9, 501, 265}, {9, 500, 9}, {10, 600, 10},
                 {1, 600, 257}, {0, 0, 0},   {255, 700, 255}};
    for (const auto& c : cases) {
        PlayerRecord p;
        p.hits = static_cast<std::uint8_t>(c.stored);
        p.atBats = static_cast<std::uint16_t>(c.atBats);
        EXPECT_EQ(EffectiveHits(p), c.read) << c.stored << " hits in " << c.atBats;
    }
}

TEST(Records, PlayableTeamNeedsNinePlayersThreeOutfieldersAndEveryPosition) {
    auto team = [](std::initializer_list<std::uint8_t> positions) {
        TeamRecord t("T");
        int i = 0;
        for (auto bits : positions)
            t.AddPlayer(WithPositions("p" + std::to_string(i++), bits));
        return t;
    };
    TeamRecord full = team({Pitcher, Catcher, FirstBase, SecondBase, ThirdBase, Shortstop, Outfield,
                            Outfield, Outfield});
    const TeamRecord twoOutfielders = team({Pitcher, Catcher, FirstBase, SecondBase, ThirdBase,
                                            Shortstop, Outfield, Outfield, NoPosition});
    const TeamRecord pitcherInOutfield = team({Pitcher | Outfield, Catcher, FirstBase, SecondBase,
                                               ThirdBase, Shortstop, Outfield, Outfield, 0});
    const TeamRecord noCatcher = team({Pitcher, FirstBase, FirstBase, SecondBase, ThirdBase,
                                       Shortstop, Outfield, Outfield, Outfield});
    const TeamRecord eightDoingAll = team({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
    EXPECT_TRUE(IsTeamPlayable(&full));
    EXPECT_FALSE(IsTeamPlayable(&twoOutfielders));
    EXPECT_TRUE(IsTeamPlayable(&pitcherInOutfield));
    EXPECT_FALSE(IsTeamPlayable(&noCatcher));
    EXPECT_FALSE(IsTeamPlayable(&eightDoingAll));
    EXPECT_FALSE(IsTeamPlayable(nullptr));

    TeamDatabase db;
    AddTeam(db.customTeams, "Bad");
    EXPECT_FALSE(AnyPlayableCustomTeam(db));
    db.customTeams.push_back(std::make_unique<TeamRecord>(std::move(full)));
    EXPECT_TRUE(AnyPlayableCustomTeam(db));
}

TEST(Records, YearAndClubOfATeamName) {
    EXPECT_EQ(TeamYear("1927 Yankees"), "1927");
    EXPECT_EQ(TeamClubName("1927 Yankees"), "Yankees");
    EXPECT_EQ(TeamClubName("1927 "), "");
    EXPECT_EQ(TeamYear("Me"), "Me");
}

TEST(Records, CopiedPlayerOwnsItsOwnPitchingLine) {
    PlayerRecord a("A");
    a.pitching = std::make_unique<PitchingLine>();
    a.pitching->wins = 20;
    PlayerRecord b(a);
    b.pitching->wins = 1;
    EXPECT_EQ(a.pitching->wins, 20);
    EXPECT_FALSE(SamePlayer(a, b));
    b = a;
    EXPECT_TRUE(SamePlayer(a, b));
    EXPECT_NE(a.pitching.get(), b.pitching.get());
}

}  // namespace
}  // namespace velmoro
