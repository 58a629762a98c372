// Writing a game in progress as a ".gam" text file.
#include <fmt/format.h>
#include <fmt/ranges.h>

#include <string_view>

#include "db/file_write.h"
#include "engine/game_state.h"
#include "realistic/realistic.h"
#include "saves/saved_game.h"
#include "saves/saved_game_parse.h"

namespace velmoro {

namespace {

// A name holding a line end would split into two lines and could not be read back.
bool FitsOnOneLine(std::string_view name) {
    return name.find_first_of("\r\n") == std::string_view::npos;
}

bool SideCanBeSaved(const GameSide& side) {
    if (!side.team || !FitsOnOneLine(side.team->name)) return false;
    for (const BoxChain& chain : side.boxLines) {
        if (chain.empty()) return false;
        for (const auto& line : chain) {
            if (!line || !FitsOnOneLine(line->name)) return false;
        }
    }
    return true;
}

void AppendBatterLine(std::string& text, const BoxLine& line) {
    fmt::format_to(std::back_inserter(text), "{}\n{},{},{},{},{},{},{},{},{},{},{},{}\n", line.name,
                   line.atBats, line.runs, line.hits, line.doubles, line.triples, line.homeRuns,
                   line.rbi, line.stolenBases, line.caughtStealing, line.walks, line.strikeouts,
                   line.position);
}

void AppendPitcherLine(std::string& text, const BoxLine& line) {
    const BoxPitching none{};
    const BoxPitching& p = line.pitching ? *line.pitching : none;
    fmt::format_to(std::back_inserter(text), "{}\n{},{},{},{},{}\n", line.name, p.outs,
                   p.runsAllowed, p.hitsAllowed, p.strikeouts, p.walks);
}

void AppendSide(std::string& text, const GameSide& side) {
    for (int slot = 0; slot < 10; ++slot) {
        const BoxChain& chain = side.boxLines[slot];
        for (std::size_t i = 0; i < chain.size(); ++i) {
            if (slot < 9) {
                AppendBatterLine(text, *chain[i]);
            } else {
                AppendPitcherLine(text, *chain[i]);
            }
            text += i + 1 < chain.size() ? "1\n" : "0\n";
        }
    }
}

void AppendLineScore(std::string& text, const std::array<int, 9>& score) {
    fmt::format_to(std::back_inserter(text), "{}\n", fmt::join(score, ","));
}

void AppendCounters(std::string& text, const GameState& game) {
    const int counters[] = {
        game.HomeBatting() ? 1 : 0,
        game.visitor.nextBatter,
        game.home.nextBatter,
        game.visitor.teamRuns,
        game.home.teamRuns,
        game.visitor.hits,
        game.home.hits,
        game.visitor.errors,
        game.home.errors,
        game.bases,
        // The engine mark: the 0 a classic game's file has always carried here.
        EngineOf(game) == EngineKind::Realistic ? kRealisticEngineMark : 0,
    };
    for (int value : counters)
        fmt::format_to(std::back_inserter(text), "{}\n", value);
    fmt::format_to(std::back_inserter(text), "{}\n{}\n{}\n{}\n", fmt::join(game.runnerQueue, ","),
                   game.inning, game.outs, game.halfInningRuns);
}

// Saved games carry the bytes a Windows text-mode writer produces on every platform,
// so a file moves between machines unchanged: each "\n" goes to disk as "\r\n", and
// the play-by-play's own "\r\n" therefore as "\r\r\n".
std::string WithDiskLineEnds(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

}  // namespace

bool SavedGameText(const GameState& game, std::string& out) {
    if (!SideCanBeSaved(game.visitor) || !SideCanBeSaved(game.home)) return false;
    std::string text;
    text += game.visitor.team->name + "\n";
    text += game.home.team->name + "\n";
    AppendSide(text, game.visitor);
    AppendSide(text, game.home);
    AppendCounters(text, game);
    AppendLineScore(text, game.visitor.lineScore);
    AppendLineScore(text, game.home.lineScore);
    text += game.playLog;
    out = WithDiskLineEnds(text);
    return true;
}

Status WriteSavedGame(const GameState& game, const std::filesystem::path& path) {
    std::string bytes;
    if (!SavedGameText(game, bytes))
        return Status::Error(
            CannotWriteMessage(path, "no game under way, or a name holds a line end"));
    std::string error;
    if (!ReplaceFileContents(path, bytes, &error)) return Status::Error(error);
    return OkStatus();
}

}  // namespace velmoro
