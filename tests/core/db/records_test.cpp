#include "db/records.h"

#include <gtest/gtest.h>

namespace velmoro {
namespace {

TEST(Records, LookupsAreExactAndTheFirstOfANameWins) {
    TeamDatabase db;
    TeamRecord& first = AddTeam(db.legendTeams, "1927 Yankees");
    AddTeam(db.legendTeams, "1927 Yankees");
    EXPECT_EQ(LookupTeam(db.legendTeams, "1927 yankees"), nullptr);
    EXPECT_EQ(LookupTeam(db.legendTeams, "1927 Yankees"), &first);

    PlayerRecord& smith = first.AddPlayer(PlayerRecord("Smith"));
    first.AddPlayer(PlayerRecord("Smith"));
    EXPECT_EQ(FindPlayer(&first, "Smith"), &smith);
    EXPECT_EQ(FindPlayer(&first, "smith"), nullptr);
}

TEST(Records, PartialNameSearchIgnoresCase) {
    TeamRecord team("T");
    team.AddPlayer(PlayerRecord("Lou Gehrig"));
    for (const char* text : {"GEHR", "u g", "lOu GeHrIg", ""})
        EXPECT_TRUE(FindPlayerByPartialName(team, text)) << text;
    EXPECT_FALSE(FindPlayerByPartialName(team, "Gehrigs"));
    EXPECT_FALSE(FindPlayerByPartialName(TeamRecord("Empty"), ""));
    EXPECT_EQ(SelectMatchingPlayerItem({"Babe Ruth", "Lou Gehrig", "Gehringer"}, "gehr"), 1);
    // The search field holds 98 characters: what is typed beyond them does not count.
    team.AddPlayer(PlayerRecord(std::string(98, 'a')));
    EXPECT_TRUE(FindPlayerByPartialName(team, std::string(98, 'A') + "b"));
    EXPECT_EQ(SelectMatchingPlayerItem({"x", std::string(98, 'a')}, std::string(98, 'a') + "b"), 1);
}

TEST(Records, EffectiveHitsRestoresOneWrapAboveFiveHundredAtBats) {
    struct {
        int stored, atBats, read;
    } cases[] = {{9, 501, 265}, {9, 500, 9}, {10, 600, 10}, {1, 600, 257}, {255, 700, 255}};
    for (const auto& c : cases) {
        PlayerRecord p;
        p.hits = static_cast<std::uint8_t>(c.stored);
        p.atBats = static_cast<std::uint16_t>(c.atBats);
        EXPECT_EQ(EffectiveHits(p), c.read) << c.stored << " hits in " << c.atBats;
    }
}

TEST(Records, PlayableTeamNeedsNinePlayersThreeOutfieldersAndEveryPosition) {
    const std::uint8_t O = Outfield;
    struct {
        const char* what;
        std::vector<std::uint8_t> positions;
        bool playable;
    } cases[] = {
        {"full", {Pitcher, Catcher, FirstBase, SecondBase, ThirdBase, Shortstop, O, O, O}, true},
        {"two outfielders",
         {Pitcher, Catcher, FirstBase, SecondBase, ThirdBase, Shortstop, O, O, NoPosition},
         false},
        {"pitcher counts twice",
         {Pitcher | O, Catcher, FirstBase, SecondBase, ThirdBase, Shortstop, O, O, 0},
         true},
        {"no catcher",
         {Pitcher, FirstBase, FirstBase, SecondBase, ThirdBase, Shortstop, O, O, O},
         false},
        {"eight players", std::vector<std::uint8_t>(8, 0xFF), false},
    };
    TeamDatabase db;
    for (const auto& c : cases) {
        TeamRecord& team = AddTeam(db.customTeams, c.what);
        for (auto bits : c.positions)
            team.AddPlayer(PlayerRecord("p")).positions = bits;
        EXPECT_EQ(IsTeamPlayable(&team), c.playable) << c.what;
    }
    EXPECT_FALSE(IsTeamPlayable(nullptr));
    EXPECT_TRUE(AnyPlayableCustomTeam(db));
    db.customTeams.erase(db.customTeams.begin());
    db.customTeams.erase(db.customTeams.begin() + 1);
    EXPECT_FALSE(AnyPlayableCustomTeam(db));
}

}  // namespace
}  // namespace velmoro
