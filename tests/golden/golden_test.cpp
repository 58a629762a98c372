// Recorded runs of velmoro-sim and velmoro-db: each case of tests/data/golden/cases.list
// runs in a fresh folder holding the demo league, and what it prints and the files it
// writes must equal the recorded <case>.out, <case>.err and <case>.<file> byte for byte,
// on Windows as on Linux. VELMORO_RECORD_GOLDEN=1 records them again instead.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "support/program_runner.h"
#include "support/temp_dir.h"

namespace velmoro::testing {
namespace {

namespace fs = std::filesystem;

const fs::path kData = VELMORO_TEST_DATA_DIR;
const fs::path kGolden = kData / "golden";

// One line of the list: NAME EXIT PROGRAM ARGS... where an argument "@PATH" copies
// tests/data/PATH into the folder and stands for its bare name.
struct Case {
    std::string name;
    int exitCode = 0;
    std::string program;
    std::vector<std::string> args;
};

void PrintTo(const Case& c, std::ostream* out) {
    *out << c.name;
}

std::vector<Case> ReadCases() {
    std::vector<Case> cases;
    std::ifstream in(kGolden / "cases.list");
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::vector<std::string> words = SplitArguments(line);
        if (words.size() < 3 || words[0][0] == '#') continue;
        cases.push_back({words[0], std::atoi(words[1].c_str()), words[2],
                         std::vector<std::string>(words.begin() + 3, words.end())});
    }
    return cases;
}

std::map<std::string, std::string> Files(const fs::path& dir) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(dir)) {
        if (entry.is_regular_file())
            files[entry.path().filename().string()] = Contents(entry.path());
    }
    return files;
}

// The demo league, made once by the program itself.
const std::map<std::string, std::string>& DemoLeague() {
    static const std::map<std::string, std::string> files = [] {
        TempDir dir;
        const ProgramRun run =
            RunProgram(BuildProgram("velmoro-db"), {"demo", "-o", "LegendDB"}, dir.path());
        EXPECT_EQ(run.exitCode, 0) << run.err;
        return Files(dir.path());
    }();
    return files;
}

class Golden : public ::testing::TestWithParam<Case> {};

TEST_P(Golden, OutputAndFilesAsRecorded) {
    const Case& c = GetParam();
    TempDir dir;
    for (const auto& [name, bytes] : DemoLeague())
        WriteBytes(dir / name, bytes);
    std::vector<std::string> args;
    for (const std::string& arg : c.args) {
        if (arg.size() > 1 && arg[0] == '@') {
            const fs::path source = kData / arg.substr(1);
            fs::copy_file(source, dir / source.filename().string());
            args.push_back(source.filename().string());
        } else {
            args.push_back(arg);
        }
    }
    const std::map<std::string, std::string> before = Files(dir.path());
    const ProgramRun run = RunProgram(BuildProgram(c.program), args, dir.path());
    EXPECT_EQ(run.exitCode, c.exitCode) << run.err;

    // What the run produced: its streams (when not empty) and every new or changed file.
    std::map<std::string, std::string> produced;
    if (!run.out.empty()) produced[c.name + ".out"] = run.out;
    if (!run.err.empty()) produced[c.name + ".err"] = run.err;
    for (const auto& [name, bytes] : Files(dir.path())) {
        const auto old = before.find(name);
        if (old == before.end() || old->second != bytes) produced[c.name + "." + name] = bytes;
    }
    std::map<std::string, std::string> recorded;
    for (const auto& entry : fs::directory_iterator(kGolden)) {
        const std::string file = entry.path().filename().string();
        if (file.rfind(c.name + ".", 0) == 0) recorded[file] = Contents(entry.path());
    }
    if (const char* record = std::getenv("VELMORO_RECORD_GOLDEN"); record && *record == '1') {
        for (const auto& [file, bytes] : recorded)
            fs::remove(kGolden / file);
        for (const auto& [file, bytes] : produced)
            WriteBytes(kGolden / file, bytes);
        return;
    }
    for (const auto& [file, bytes] : produced) {
        const auto expected = recorded.find(file);
        if (expected == recorded.end()) {
            ADD_FAILURE() << file << " is not recorded; it reads:\n" << bytes.substr(0, 2000);
        } else if (expected->second != bytes) {
            // Where the run went another way: the line and the bytes from there on.
            const std::string& want = expected->second;
            const auto at =
                std::mismatch(want.begin(), want.end(), bytes.begin(), bytes.end()).first -
                want.begin();
            ADD_FAILURE() << file << " differs in line "
                          << std::count(want.begin(), want.begin() + at, '\n') + 1
                          << ":\n  recorded: " << want.substr(at, 120)
                          << "\n  now:      " << bytes.substr(at, 120);
        }
    }
    for (const auto& [file, bytes] : recorded) {
        EXPECT_TRUE(produced.count(file)) << file << " is recorded but was not written";
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, Golden, ::testing::ValuesIn(ReadCases()),
                         [](const ::testing::TestParamInfo<Case>& info) {
                             return info.param.name;
                         });

}  // namespace
}  // namespace velmoro::testing
