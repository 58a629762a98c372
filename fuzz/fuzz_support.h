// Shared pieces of the libFuzzer harnesses: a scratch folder of the process's own for
// readers that only take paths, the demo league as the database a game is played on,
// and a way to stop loudly when a property does not hold.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "db/team_files.h"
#include "import/demo_league.h"

namespace velmoro::fuzz {

inline std::string_view Bytes(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// A broken property: libFuzzer saves the input when the process aborts.
[[noreturn]] inline void Fail(const char* what) {
    std::fprintf(stderr, "fuzz property failed: %s\n", what);
    std::abort();
}

inline void Check(bool holds, const char* what) {
    if (!holds) Fail(what);
}

// Made once per process under $TMPDIR (scripts/fuzz.sh points that at its own scratch
// folder, so a run that crashes leaves nothing behind in /tmp).
inline const std::filesystem::path& ScratchDir() {
    static const std::filesystem::path dir = [] {
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/velmoro-fuzz-XXXXXX";
        if (!mkdtemp(pattern.data())) Fail("cannot make a scratch folder");
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(ScratchDir(), ignored);
        });
        return std::filesystem::path(pattern);
    }();
    return dir;
}

inline void WriteFile(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) Fail("cannot write a scratch file");
}

// Inputs that carry several files hold them one after the other, separated by a NUL
// byte; at most `parts` of them (the last part keeps any further NULs).
inline std::vector<std::string_view> SplitOnNul(std::string_view bytes, std::size_t parts) {
    std::vector<std::string_view> out;
    while (out.size() + 1 < parts) {
        const std::size_t nul = bytes.find('\0');
        if (nul == std::string_view::npos) break;
        out.push_back(bytes.substr(0, nul));
        bytes.remove_prefix(nul + 1);
    }
    out.push_back(bytes);
    return out;
}

// The demo league's database image, made once: parsing it is cheaper than building
// the league again for every input.
inline const std::string& DemoLeagueImage() {
    static const std::string image = [] {
        std::string out;
        if (!SerializeTeamList(MakeDemoLeague(), false, out)) Fail("demo league image");
        return out;
    }();
    return image;
}

inline TeamList DemoLeague() {
    TeamList teams;
    if (!ParseTeamList(DemoLeagueImage(), teams)) Fail("demo league does not read back");
    return teams;
}

// A database image that cannot be written is fine; one that is written must read back
// as the same list, byte for byte.
inline void CheckImageReadsBack(const TeamList& teams) {
    std::string image;
    std::string error;
    if (!SerializeTeamList(teams, false, image, &error)) {
        Check(!error.empty(), "a refused database image says why");
        return;
    }
    TeamList back;
    Check(ParseTeamList(image, back, &error), "a written database image reads back");
    Check(back.size() == teams.size(), "a written database image keeps every team");
    std::string again;
    Check(SerializeTeamList(back, false, again) && again == image,
          "a database image read back writes the same bytes");
}

}  // namespace velmoro::fuzz
