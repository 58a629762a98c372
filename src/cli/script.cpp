// The velmoro-sim script: one turn's choices "O D" per line.
#include <charconv>
#include <string>

#include "base/text.h"
#include "cli/sim.h"
#include "db/team_files.h"

namespace velmoro {

namespace {

constexpr int kLastOffensiveChoice = 3;
constexpr int kLastDefensiveChoice = 2;

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

// A whole number from 0 to `last`, nothing else.
bool ParseChoice(std::string_view word, int last, int& choice) {
    const char* end = word.data() + word.size();
    const auto [ptr, ec] = std::from_chars(word.data(), end, choice);
    return ec == std::errc() && ptr == end && choice >= 0 && choice <= last;
}

// Blank: "0 0"; otherwise exactly two choices separated by blanks.
bool ParseLine(std::string_view line, ScriptTurn& turn) {
    std::string_view words[3];
    int count = 0;
    std::size_t pos = 0;
    while (count < 3) {
        while (pos < line.size() && IsSpace(line[pos]))
            ++pos;
        if (pos >= line.size()) break;
        const std::size_t start = pos;
        while (pos < line.size() && !IsSpace(line[pos]))
            ++pos;
        words[count++] = line.substr(start, pos - start);
    }
    turn = {};
    if (count == 0) return true;
    return count == 2 && ParseChoice(words[0], kLastOffensiveChoice, turn.offensive) &&
           ParseChoice(words[1], kLastDefensiveChoice, turn.defensive);
}

}  // namespace

int ParseScript(std::string_view text, std::vector<ScriptTurn>& turns, std::string& error) {
    text = WithoutByteOrderMark(text);
    std::vector<ScriptTurn> parsed;
    for (std::size_t number = 1; !text.empty(); ++number) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ScriptTurn turn;
        if (!ParseLine(line, turn)) {
            error = "line " + std::to_string(number) +
                    ": expected \"O D\" with O 0..3 and D 0..2, not \"" + ShownValue(line) + "\"";
            return kSimUsage;
        }
        parsed.push_back(turn);
    }
    turns.insert(turns.end(), parsed.begin(), parsed.end());
    return kSimOk;
}

int ReadScript(const std::filesystem::path& path, std::vector<ScriptTurn>& turns,
               std::string& error) {
    const std::string shown = ShownValue(path.string(), kShownPathBytes);
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        error = "the script " + shown + " is a folder, not a file";
        return kSimFailed;
    }
    std::string text;
    if (Status read = ReadFileBytes(path, text); !read) {
        error = "cannot read the script " + shown + ": " + read.message();
        return kSimFailed;
    }
    if (int code = ParseScript(text, turns, error); code != kSimOk) {
        error = "the script " + shown + " " + error;
        return code;
    }
    return kSimOk;
}

}  // namespace velmoro
