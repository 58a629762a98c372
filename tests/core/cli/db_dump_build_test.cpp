// velmoro-db dump and build, run as the user runs them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "db/records.h"
#include "db/team_files.h"
#include "support/program_runner.h"

namespace velmoro {
namespace {

namespace fs = std::filesystem;

struct Outcome {
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::string Slurp(const fs::path& path) {
    std::string bytes;
    ReadFileBytes(path, bytes);
    return bytes;
}

void Spit(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

class DbCommand : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("velmoro-db-cli-" + std::to_string(std::random_device{}()));
        fs::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }

    fs::path Path(const std::string& name) const { return dir_ / name; }

    Outcome Db(const std::string& arguments) const {
        const testing::ProgramRun ran = testing::RunProgram(
            testing::BuildProgram("velmoro-db"), testing::SplitArguments(arguments), dir_);
        return Outcome{ran.exitCode, ran.out, ran.err};
    }

    Outcome Dump(const fs::path& file) const { return Db("dump \"" + file.string() + "\""); }
    Outcome Build(const fs::path& json, const fs::path& out, const std::string& extra = "") const {
        return Db("build \"" + json.string() + "\" -o \"" + out.string() + "\" " + extra);
    }

    fs::path dir_;
};

fs::path TestData(const std::string& name) {
    return fs::path(VELMORO_TEST_DATA_DIR) / "json" / name;
}

// Names with every kind of byte a name may hold, and numbers at their limits.
TeamList AwkwardLeague() {
    TeamList list;
    TeamRecord& team = AddTeam(list, "1927 Yank\xE9\x65s \xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80");
    PlayerRecord wrapped("Quote \" back \\ tab \t nl \n del \x7F ctl \x01");
    wrapped.atBats = 600;
    wrapped.hits = 1;  // 257 hits, stored wrapped
    wrapped.battingAvg = 65535;
    wrapped.strikeouts = 255;
    wrapped.positions = Outfield | NoPosition;
    team.AddPlayer(std::move(wrapped));
    PlayerRecord pitcher("Bad UTF-8 \xC0\x80 \xED\xA0\x80 \xF4\x90\x80\x80 \xFF \xE2\x82");
    pitcher.positions = Pitcher | Catcher;
    pitcher.pitching =
        std::make_unique<PitchingLine>(PitchingLine{65535, 255, 0, 7, 40, 1, 99, 65535, 1, 2, 999});
    team.AddPlayer(std::move(pitcher));
    PlayerRecord noLine("Pitcher without a line");
    noLine.positions = Pitcher;
    team.AddPlayer(std::move(noLine));
    AddTeam(list, "");
    AddTeam(list, "Empty Club");
    return list;
}

// The recorded dump holds the layout, the key order, the escapes, hits as stored and
// "nameBytes" beside names that are not UTF-8 (overlong forms, surrogates, cut sequences).
TEST_F(DbCommand, DumpWritesTheRecordedJsonThatBuildsBackByteForByte) {
    ASSERT_TRUE(WriteTeamList(AwkwardLeague(), Path("LegendDB"), false));
    const Outcome dump = Dump(Path("LegendDB"));
    ASSERT_EQ(dump.exitCode, 0) << dump.err;
    EXPECT_TRUE(dump.err.empty());
    EXPECT_EQ(dump.out, Slurp(TestData("awkward_league.json")));
    Spit(Path("league.json"), dump.out);
    const Outcome build = Build(Path("league.json"), Path("Rebuilt"));
    ASSERT_EQ(build.exitCode, 0) << build.err;
    EXPECT_EQ(Slurp(Path("Rebuilt")), Slurp(Path("LegendDB")));
}

TEST_F(DbCommand, DumpOfACutFileSaysWhereItEndsAndPrintsNothing) {
    ASSERT_TRUE(WriteTeamList(AwkwardLeague(), Path("LegendDB"), false));
    const std::string whole = Slurp(Path("LegendDB"));
    Spit(Path("Cut"), whole.substr(0, 60));
    const Outcome dump = Dump(Path("Cut"));
    EXPECT_EQ(dump.exitCode, 1);
    EXPECT_TRUE(dump.out.empty());
    EXPECT_NE(dump.err.find("60 bytes"), std::string::npos) << dump.err;
    EXPECT_NE(dump.err.find("team 1 \"1927 Yank"), std::string::npos) << dump.err;

    const Outcome missing = Dump(Path("Nowhere"));
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("Nowhere"), std::string::npos);

    Spit(Path("Empty"), "");
    const Outcome empty = Dump(Path("Empty"));
    EXPECT_EQ(empty.exitCode, 0);
    EXPECT_EQ(empty.out, "[]\n");
}

// A player's JSON: each change replaces the value of its key or, for a key the player
// does not have (or has had changed already), is added.
using Changes = std::vector<std::pair<std::string, std::string>>;
std::string PlayerJson(const std::string& name, Changes changes = {}) {
    static const Changes kFields = {
        {"atBats", "500"},    {"battingAvg", "300"}, {"games", "150"},        {"runs", "90"},
        {"hits", "150"},      {"doubles", "30"},     {"triples", "5"},        {"homeRuns", "20"},
        {"rbi", "80"},        {"stolenBases", "10"}, {"caughtStealing", "4"}, {"walks", "60"},
        {"strikeouts", "70"}, {"positions", "64"},   {"pitching", "null"}};
    std::string json = R"({"name": ")" + name + "\"";
    for (auto field : kFields) {
        const std::string& key = field.first;
        std::string& value = field.second;
        const auto change = std::find_if(changes.begin(), changes.end(),
                                         [&](const auto& c) { return c.first == key; });
        if (change != changes.end()) {
            value = change->second;
            changes.erase(change);
        }
        json += ", \"" + key + "\": " + value;
    }
    for (const auto& [key, value] : changes)
        json += ", \"" + key + "\": " + value;
    return json + "}";
}

std::string LeagueJson(const std::string& secondPlayer) {
    return R"([{"name": "Good", "players": []}, {"name": "1930 Cubs", "players": [)" +
           PlayerJson("Hack Wilson") + ", " + secondPlayer + "]}]";
}

// Each bad input: exit 1, one line naming where and why, and the target file untouched.
TEST_F(DbCommand, BuildRefusesWhatTheFileCannotKeepAndWritesNothing) {
    std::string crowd;
    for (int i = 0; i < 256; ++i)
        crowd += (i ? ", " : "") + PlayerJson("p" + std::to_string(i));
    const std::pair<std::string, std::string> pitcher = {"positions", "33"};
    const std::string cubs = "team 2 \"1930 Cubs\", player 2 ";
    const std::string w = cubs + "\"W\": ";
    struct Case {
        std::string json;  // or the name of a file under tests/data/json
        std::string says;  // after "velmoro-db: FILE: "
    };
    std::vector<Case> cases = {
        {LeagueJson(PlayerJson("Riggs Stephenson", {{"hits", "256"}})),
         cubs + "\"Riggs Stephenson\": 256 does not fit hits (0..255)"},
        {LeagueJson(PlayerJson("W", {{"atBats", "65536"}})),
         w + "65536 does not fit atBats (0..65535)"},
        {LeagueJson(PlayerJson("W", {{"games", "1.5"}})), w + "1.5 does not fit games (0..255)"},
        {LeagueJson(PlayerJson("W", {{"games", "1e2"}})), w + "1e2 does not fit games (0..255)"},
        {LeagueJson(PlayerJson("W", {{"runs", "-1"}})), w + "-1 does not fit runs (0..255)"},
        {LeagueJson(PlayerJson("W", {{"rbi", "99999999999999999999"}})),
         w + "99999999999999999999 does not fit rbi (0..255)"},
        {LeagueJson(PlayerJson("W", {{"walks", "\"12\xC3\xA9\""}})),
         w + "\"12\xC3\xA9\" does not fit walks (0..255)"},
        {LeagueJson(PlayerJson("W", {pitcher, {"pitching", R"({"eraX100": 376,
            "wins": 20, "losses": 9, "saves": 4, "games": 45, "shutouts": 2,
            "earnedRuns": 300, "inningsPitched": 271, "walks": 96, "strikeouts": 142,
            "oppAvgX1000": 65536})"}})),
         w + "300 does not fit pitching.earnedRuns (0..255)"},
        {"atbats0_drops_fields.json",
         "team 1 \"2030 Test\", player 1 \"Pitcher Only\": games 33 cannot be kept: the file "
         "holds no batting numbers for a player with 0 atBats"},
        {LeagueJson(PlayerJson("W", {pitcher})),
         w + "pitching cannot be null: positions 33 include Pitcher, and the file holds a "
             "pitching line for every Pitcher"},
        {LeagueJson(PlayerJson("W", {{"pitching", R"({"eraX100": 376})"}})),
         w + "pitching cannot be kept: positions 64 do not include Pitcher"},
        {LeagueJson(PlayerJson("W", {pitcher, {"pitching", "[]"}})),
         w + "pitching must be an object"},
        {LeagueJson(PlayerJson("W", {pitcher, {"pitching", R"({"eraX100": 1, "eraX100": 2})"}})),
         w + "\"eraX100\" is given twice"},
        {LeagueJson(PlayerJson("W", {pitcher, {"pitching", R"({"nameBytes": ""})"}})),
         w + "\"nameBytes\" is not a field of pitching"},
        {LeagueJson(PlayerJson("W", {{"homeruns", "2"}})),
         w + "\"homeruns\" is not a field of a player"},
        {LeagueJson(PlayerJson("W", {{"hits", "1"}, {"hits", "2"}})),
         w + "\"hits\" is given twice"},
        {LeagueJson(R"({"name": "W", "atBats": 1, "pitching": null})"),
         w + "\"battingAvg\" is missing"},
        {LeagueJson("[]"), "team 2 \"1930 Cubs\", player 2: a player must be an object"},
        {LeagueJson(PlayerJson(std::string(256, 'x'))),
         cubs + "\"" + std::string(80, 'x') + "\": name is 256 bytes long; at most 255 fit"},
        {LeagueJson(PlayerJson("W", {{"nameBytes", R"("5")"}})),
         w + "nameBytes must be a string of two hex digits a byte"},
        {LeagueJson(PlayerJson("W", {{"nameBytes", R"("5g")"}})),
         w + "nameBytes must be a string of two hex digits a byte"},
        {LeagueJson(PlayerJson("Jose", {{"nameBytes", R"("4a6f73e9")"}})),
         cubs + "\"Jose\": name \"Jose\" does not match nameBytes"},
        {R"([{"name": 7, "players": []}])", "team 1: name must be a string"},
        {R"([{"name": "A", "name": "B", "players": []}])", "team 1: \"name\" is given twice"},
        {R"([{"name": "Bare"}])", "team 1 \"Bare\": \"players\" is missing"},
        {R"([{"name": "Bare", "players": {}}])", "team 1 \"Bare\": players must be an array"},
        {R"([{"name": "Crowd", "players": [)" + crowd + "]}]",
         "team 1 \"Crowd\": 256 players; at most 255 fit"},
        {R"({"name": "Good", "players": []})", "the JSON must be an array of teams"},
        {"[7]", "team 1: a team must be an object"},
        {"[\n7,\n]",
         "parse error at line 3, column 1: syntax error while parsing value - unexpected ']'; "
         "expected '[', '{', or a literal"},
        {std::string(17, '[') + std::string(17, ']'), "the JSON is nested too deeply"},
        {"pitching_null.json",
         "parse error at line 24, column 25: syntax error while parsing value - invalid "
         "string: ill-formed UTF-8 byte; last read: '\"Ansel Vintn\xEF\xBF\xBD'; a name that is "
         "not UTF-8 is written as \"nameBytes\": two hex digits a byte"},
    };
    // Each batting number alone, beside 0 at-bats.
    const std::string batting[] = {"battingAvg",  "games",          "runs",     "hits",
                                   "doubles",     "triples",        "homeRuns", "rbi",
                                   "stolenBases", "caughtStealing", "walks",    "strikeouts"};
    for (const std::string& field : batting) {
        Changes zero = {{"atBats", "0"}};
        for (const std::string& other : batting)
            zero.emplace_back(other, other == field ? "7" : "0");
        cases.push_back({LeagueJson(PlayerJson("W", zero)),
                         w + field +
                             " 7 cannot be kept: the file holds no batting numbers for a "
                             "player with 0 atBats"});
    }
    const std::string old = "old contents";
    for (const auto& c : cases) {
        const bool file = c.json.ends_with(".json");
        const fs::path in = file ? TestData(c.json) : Path("in.json");
        fs::remove(Path("in.json"));
        if (!file) Spit(in, c.json);
        Spit(Path("Out"), old);
        const Outcome build = Build(in, Path("Out"));
        EXPECT_EQ(build.exitCode, 1) << c.says;
        EXPECT_EQ(build.err, "velmoro-db: " + in.string() + ": " + c.says + "\n");
        EXPECT_EQ(Slurp(Path("Out")), old) << c.says;
        EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()),
                  file ? 1 : 2)
            << c.says << ": no other file may appear";
    }
}

// Library escapes are UTF-8, "nameBytes" the exact bytes, the limits fit; --filter drops
// who does not qualify.
TEST_F(DbCommand, BuildReadsEscapesAndNameBytesAndFilters) {
    std::string full = "{\"name\": \"" + std::string(255, 'c') + "\", \"players\": [";
    for (int i = 0; i < 255; ++i)
        full += (i ? ", " : "") + PlayerJson("p");
    Spit(Path("in.json"),
         "\xEF\xBB\xBF[{\"name\": \"Jos\\u00e9 \\u20ac \\ud83d\\ude00\", \"players\": [" +
             PlayerJson("Regular") + ", " +
             PlayerJson("Jos\xEF\xBF\xBD", {{"nameBytes", R"("4A6f73E9")"}, {"games", "9"}}) +
             "]}, " + full + "]}]");
    for (const char* filter : {"", "--filter"}) {
        const Outcome build = Build(Path("in.json"), Path("Out"), filter);
        ASSERT_EQ(build.exitCode, 0) << build.err;
        TeamList back;
        ASSERT_TRUE(ReadTeamFile(Path("Out"), back));
        ASSERT_EQ(back.size(), 2u);
        EXPECT_EQ(back[0]->name, "Jos\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80");
        EXPECT_EQ(back[0]->players.back()->name, *filter ? "Regular" : "Jos\xE9");
        EXPECT_EQ(back[0]->players.size(), *filter ? 1u : 2u);
        EXPECT_EQ(back[1]->name.size(), 255u);
        EXPECT_EQ(back[1]->players.size(), 255u);
    }
}

TEST_F(DbCommand, WrongUsageExitsWithTwo) {
    EXPECT_EQ(Db("").exitCode, 2);
    EXPECT_EQ(Db("dump").exitCode, 2);
    EXPECT_EQ(Db("build x.json").exitCode, 2);
    EXPECT_EQ(Db("dump x --bogus").exitCode, 2);
}

}  // namespace
}  // namespace velmoro
