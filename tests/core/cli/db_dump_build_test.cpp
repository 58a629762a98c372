// velmoro-db dump and build, run as the user runs them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
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

TEST_F(DbCommand, DumpThenBuildReproducesTheFileByteForByte) {
    ASSERT_TRUE(WriteTeamList(AwkwardLeague(), Path("LegendDB"), false));
    const Outcome dump = Dump(Path("LegendDB"));
    ASSERT_EQ(dump.exitCode, 0) << dump.err;
    EXPECT_TRUE(dump.err.empty());
    Spit(Path("league.json"), dump.out);
    const Outcome build = Build(Path("league.json"), Path("Rebuilt"));
    ASSERT_EQ(build.exitCode, 0) << build.err;
    EXPECT_EQ(Slurp(Path("Rebuilt")), Slurp(Path("LegendDB")));
    EXPECT_EQ(Dump(Path("Rebuilt")).out, dump.out);
}

TEST_F(DbCommand, DumpWritesTheDocumentedJson) {
    ASSERT_TRUE(WriteTeamList(AwkwardLeague(), Path("LegendDB"), false));
    const Outcome dump = Dump(Path("LegendDB"));
    ASSERT_EQ(dump.exitCode, 0);
    // Valid UTF-8 stays as it is; a stray byte becomes \u00XX.
    EXPECT_NE(dump.out.find("\"1927 Yank\\u00e9es \xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80\""),
              std::string::npos);
    EXPECT_NE(dump.out.find("\\u00c0\\u0080 \\u00ed\\u00a0\\u0080 \\u00f4\\u0090\\u0080\\u0080 "
                            "\\u00ff \\u00e2\\u0082\""),
              std::string::npos)
        << "overlong forms, surrogates and cut sequences are not UTF-8";
    // Every key in its place, hits as stored (not as read), the pitching line in order.
    EXPECT_NE(
        dump.out.find(R"({"name": "Quote \" back \\ tab \t nl \n del )"
                      "\x7F"
                      R"( ctl \u0001", "atBats": 600, "battingAvg": 65535, "games": 0, "runs": 0, )"
                      R"("hits": 1, "doubles": 0, "triples": 0, "homeRuns": 0, "rbi": 0, )"
                      R"("stolenBases": 0, "caughtStealing": 0, "walks": 0, "strikeouts": 255, )"
                      R"("positions": 192, "pitching": null})"),
        std::string::npos)
        << dump.out;
    EXPECT_NE(dump.out.find(R"("positions": 33, "pitching": {"eraX100": 65535, "wins": 255, )"
                            R"("losses": 0, "saves": 7, "games": 40, "shutouts": 1, )"
                            R"("earnedRuns": 99, "inningsPitched": 65535, "walks": 1, )"
                            R"("strikeouts": 2, "oppAvgX1000": 999}})"),
              std::string::npos);
    const auto json = nlohmann::json::parse(dump.out);  // must be valid JSON
    ASSERT_EQ(json.size(), 3u);
    EXPECT_EQ(json[1], (nlohmann::json{{"name", ""}, {"players", nlohmann::json::array()}}));
    EXPECT_EQ(json[0]["players"][2]["pitching"]["eraX100"], 0);
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
    EXPECT_EQ(nlohmann::json::parse(empty.out), nlohmann::json::array());
}

std::string PlayerJson(const std::string& name, const std::string& override = "") {
    std::string fields =
        R"("atBats": 500, "battingAvg": 300, "games": 150, "runs": 90, "hits": 150,
           "doubles": 30, "triples": 5, "homeRuns": 20, "rbi": 80, "stolenBases": 10,
           "caughtStealing": 4, "walks": 60, "strikeouts": 70, "positions": 64)";
    if (!override.empty()) {
        const std::string key = override.substr(0, override.find(':'));
        const std::size_t at = fields.find(key);
        if (at != std::string::npos) {
            const std::size_t end = fields.find_first_of(",", at);
            fields.replace(at, (end == std::string::npos ? fields.size() : end) - at, override);
        } else {
            fields += ", " + override;
        }
    }
    return R"({"name": ")" + name + R"(", )" + fields + R"(, "pitching": null})";
}

std::string LeagueJson(const std::string& secondPlayer) {
    return R"([{"name": "Good", "players": []}, {"name": "1930 Cubs", "players": [)" +
           PlayerJson("Hack Wilson") + ", " + secondPlayer + "]}]";
}

// Each bad input: exit 1, a message naming where, and the target file untouched.
TEST_F(DbCommand, BuildRefusesWhatDoesNotFitAndWritesNothing) {
    std::string crowd;
    for (int i = 0; i < 256; ++i)
        crowd += (i ? ", " : "") + PlayerJson("p" + std::to_string(i));
    struct Case {
        const char* what;
        std::string json;
        std::vector<std::string> mentions;
    } cases[] = {
        {"8-bit overflow",
         LeagueJson(PlayerJson("Riggs Stephenson", R"("hits": 256)")),
         {"1930 Cubs", "player 2", "Riggs Stephenson", "\"hits\"", "256"}},
        {"16-bit overflow",
         LeagueJson(PlayerJson("Kiki Cuyler", R"("atBats": 65536)")),
         {"1930 Cubs", "Kiki Cuyler", "\"atBats\""}},
        {"fraction",
         LeagueJson(PlayerJson("Woody English", R"("games": 1.5)")),
         {"Woody English", "\"games\""}},
        {"text for a number",
         LeagueJson(PlayerJson("Footsie Blair", R"("walks": "12")")),
         {"Footsie Blair", "\"walks\""}},
        {"pitching overflow",
         LeagueJson(R"({"name": "Pat Malone", "atBats": 0, "battingAvg": 0, "games": 0,
            "runs": 0, "hits": 0, "doubles": 0, "triples": 0, "homeRuns": 0, "rbi": 0,
            "stolenBases": 0, "caughtStealing": 0, "walks": 0, "strikeouts": 0, "positions": 1,
            "pitching": {"eraX100": 376, "wins": 20, "losses": 9, "saves": 4, "games": 45,
            "shutouts": 2, "earnedRuns": 300, "inningsPitched": 271, "walks": 96,
            "strikeouts": 142, "oppAvgX1000": 260}})"),
         {"Pat Malone", "\"earnedRuns\""}},
        {"misspelt key",
         LeagueJson(PlayerJson("Rogers Hornsby", R"("homeruns": 2)")),
         {"Rogers Hornsby", "homeruns"}},
        {"missing key",
         LeagueJson(R"({"name": "Danny Taylor", "atBats": 1, "pitching": null})"),
         {"Danny Taylor", "is missing"}},
        {"long name", LeagueJson(PlayerJson(std::string(256, 'x'))), {"\"name\"", "256"}},
        {"broken JSON", LeagueJson(PlayerJson("Cliff Heathcote")) + ",", {"line "}},
        {"256 players", R"([{"name": "Crowd", "players": [)" + crowd + "]}]", {"Crowd"}},
    };
    const std::string old = "old contents";
    for (const auto& c : cases) {
        Spit(Path("in.json"), c.json);
        Spit(Path("Out"), old);
        const Outcome build = Build(Path("in.json"), Path("Out"));
        EXPECT_EQ(build.exitCode, 1) << c.what;
        for (const auto& text : c.mentions)
            EXPECT_NE(build.err.find(text), std::string::npos) << c.what << ": " << build.err;
        EXPECT_EQ(std::count(build.err.begin(), build.err.end(), '\n'), 1) << build.err;
        EXPECT_EQ(Slurp(Path("Out")), old) << c.what;
        EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 2)
            << c.what << ": no other file may appear";
    }
}

TEST_F(DbCommand, BuildReadsByteEscapesAsSingleBytesAndFilters) {
    Spit(Path("in.json"),
         "[{\"name\": \"Jos\\u00e9 \xC3\xA9 \\u20ac \\ud83d\\ude00\", \"players\": [" +
             PlayerJson("Regular") + ", " + PlayerJson("Cup of coffee", R"("games": 9)") + "]}]");
    const Outcome build = Build(Path("in.json"), Path("Filtered"), "--filter");
    ASSERT_EQ(build.exitCode, 0) << build.err;
    TeamList back;
    ASSERT_TRUE(ReadTeamFile(Path("Filtered"), back));
    ASSERT_EQ(back.size(), 1u);
    EXPECT_EQ(back[0]->name, "Jos\xE9 \xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80");
    ASSERT_EQ(back[0]->players.size(), 1u);
    EXPECT_EQ(back[0]->players[0]->name, "Regular");

    ASSERT_EQ(Build(Path("in.json"), Path("All")).exitCode, 0);
    back.clear();
    ASSERT_TRUE(ReadTeamFile(Path("All"), back));
    EXPECT_EQ(back[0]->players.size(), 2u);
}

TEST_F(DbCommand, WrongUsageExitsWithTwo) {
    EXPECT_EQ(Db("").exitCode, 2);
    EXPECT_EQ(Db("dump").exitCode, 2);
    EXPECT_EQ(Db("build x.json").exitCode, 2);
    EXPECT_EQ(Db("dump x --bogus").exitCode, 2);
}

}  // namespace
}  // namespace velmoro
