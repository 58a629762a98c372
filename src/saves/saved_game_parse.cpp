// Reading the text of a ".gam" file into plain values.
#include "saves/saved_game_parse.h"

#include <fmt/format.h>

#include <algorithm>
#include <cstdint>

#include "base/text.h"
#include "engine/game_state.h"
#include "engine/invariants.h"

namespace velmoro {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

// The numbers are read as the format "%d" reads them: white space (line ends included)
// may stand before a number, but each comma must follow its number directly. The first
// failure is kept with the line it happened on.
class Cursor {
  public:
    explicit Cursor(std::string_view text) : text_(text) {}

    // One line without its line end.
    bool ReadLine(std::string& line, std::string_view what) {
        if (pos_ >= text_.size()) return Fail(fmt::format("the file ends before {}", what));
        const std::size_t end = text_.find('\n', pos_);
        std::string_view body =
            text_.substr(pos_, end == std::string_view::npos ? end : end - pos_);
        pos_ = end == std::string_view::npos ? text_.size() : end + 1;
        if (end != std::string_view::npos) {
            for (int i = 0; i < 2 && !body.empty() && body.back() == '\r'; ++i)
                body.remove_suffix(1);
        }
        line.assign(body);
        return true;
    }

    // `what` names the number, `owner` (when given) whose it is: "runs of NAME".
    bool ReadInt(int& value, int low, int high, std::string_view what,
                 std::string_view owner = {}) {
        while (pos_ < text_.size() && (IsBlank(text_[pos_]) || text_[pos_] == '\n'))
            ++pos_;
        if (pos_ >= text_.size()) {
            return Fail(fmt::format("the file ends before {}", Name(what, owner)));
        }
        const std::size_t numberStart = pos_;
        bool negative = false;
        if (text_[pos_] == '-' || text_[pos_] == '+') negative = text_[pos_++] == '-';
        // However many digits follow, the number stops growing beyond any int, so that
        // it fails every range below.
        constexpr std::int64_t kBeyondInt = std::int64_t{1} << 32;
        std::int64_t number = 0;
        const std::size_t digitsStart = pos_;
        while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') {
            number = std::min(number * 10 + (text_[pos_] - '0'), kBeyondInt);
            ++pos_;
        }
        if (pos_ == digitsStart) {
            return Fail(fmt::format("{}: expected a number", Name(what, owner)));
        }
        if (negative) number = -number;
        if (number < low || number > high) {
            const std::string_view shown =
                text_.substr(numberStart, std::min<std::size_t>(pos_ - numberStart, 20));
            return Fail(fmt::format("{}: {}{} is not in {}..{}", Name(what, owner), shown,
                                    pos_ - numberStart > 20 ? "..." : "", low, high));
        }
        value = static_cast<int>(number);
        return true;
    }

    bool Expect(char c, std::string_view what, std::string_view owner) {
        if (pos_ >= text_.size() || text_[pos_] != c)
            return Fail(fmt::format("{}: expected '{}'", Name(what, owner), c));
        ++pos_;
        return true;
    }

    // The rest of the current line must be blank. Only that line is consumed, so a
    // name or log line that follows keeps its leading blanks.
    bool EndLine(std::string_view what, std::string_view owner = {}) {
        while (pos_ < text_.size() && IsBlank(text_[pos_]))
            ++pos_;
        if (pos_ >= text_.size() || text_[pos_] != '\n')
            return Fail(fmt::format("{}: more than the line should hold", Name(what, owner)));
        ++pos_;
        return true;
    }

    std::string_view Rest() const { return text_.substr(pos_); }

    // "line N: what went wrong", N counted from 1 where the failure was found.
    const std::string& Error() const { return error_; }

  private:
    // Composed only for the message, so reading a good file formats nothing.
    static std::string Name(std::string_view what, std::string_view owner) {
        return owner.empty() ? std::string(what) : fmt::format("{} of {}", what, ShownValue(owner));
    }

    bool Fail(std::string message) {
        const std::size_t at = std::min(pos_, text_.size());
        const auto line =
            std::count(text_.begin(), text_.begin() + static_cast<long>(at), '\n') + 1;
        error_ = fmt::format("line {}: {}", line, message);
        return false;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    std::string error_;
};

constexpr int kByte = 255;
constexpr int kWord = 65535;

struct Field {
    const char* name;
    int low;
    int high;
};

// A batting slot's line: atBats, the eleven byte counts, then the position.
constexpr std::array<Field, 12> kBatterFields{{{"at-bats", 0, kWord},
                                               {"runs", 0, kByte},
                                               {"hits", 0, kByte},
                                               {"doubles", 0, kByte},
                                               {"triples", 0, kByte},
                                               {"home runs", 0, kByte},
                                               {"runs batted in", 0, kByte},
                                               {"stolen bases", 0, kByte},
                                               {"caught stealing", 0, kByte},
                                               {"walks", 0, kByte},
                                               {"strikeouts", 0, kByte},
                                               {"position", 0, 10}}};
// A pitcher's line; runs and hits allowed are 8-bit fields.
constexpr std::array<Field, 5> kPitcherFields{{{"outs recorded", 0, kWord},
                                               {"runs allowed", 0, kByte},
                                               {"hits allowed", 0, kByte},
                                               {"strikeouts", 0, kWord},
                                               {"walks", 0, kWord}}};

template <std::size_t N>
bool ReadCommaList(Cursor& in, const std::array<Field, N>& fields, int* values,
                   std::string_view owner) {
    for (std::size_t i = 0; i < N; ++i) {
        if (i > 0 && !in.Expect(',', fields[i].name, owner)) return false;
        if (!in.ReadInt(values[i], fields[i].low, fields[i].high, fields[i].name, owner))
            return false;
    }
    return true;
}

bool ReadBoxLine(Cursor& in, bool pitcher, SavedBoxLine& line, bool& more) {
    if (!in.ReadLine(line.name, "a player's name")) return false;
    const std::string_view owner = line.name;
    const bool numbersRead = pitcher ? ReadCommaList(in, kPitcherFields, line.numbers.data(), owner)
                                     : ReadCommaList(in, kBatterFields, line.numbers.data(), owner);
    int flag = 0;
    if (!numbersRead || !in.ReadInt(flag, 0, 1, "the continuation flag", owner) ||
        !in.EndLine("the continuation flag", owner)) {
        return false;
    }
    more = flag == 1;
    return true;
}

bool ReadChains(Cursor& in, SavedSide& side) {
    for (int slot = 0; slot < 10; ++slot) {
        bool more = true;
        while (more) {
            SavedBoxLine& line = side.chains[slot].emplace_back();
            if (!ReadBoxLine(in, slot == kPitcherEntry, line, more)) return false;
        }
    }
    return true;
}

constexpr const char* kEngineMarkName = "the engine (0 classic, 1 realistic)";

bool ReadCounters(Cursor& in, SavedGameData& game) {
    int homeAtBat = 0;
    int engine = 0;
    const bool ok = in.ReadInt(homeAtBat, 0, 1, "the side at bat") &&
                    in.ReadInt(game.visitor.nextBatter, 0, 8, "the visitors' next batter") &&
                    in.ReadInt(game.home.nextBatter, 0, 8, "the home team's next batter") &&
                    in.ReadInt(game.visitor.teamRuns, 0, kCountLimit, "the visitors' runs") &&
                    in.ReadInt(game.home.teamRuns, 0, kCountLimit, "the home team's runs") &&
                    in.ReadInt(game.visitor.hits, 0, kCountLimit, "the visitors' hits") &&
                    in.ReadInt(game.home.hits, 0, kCountLimit, "the home team's hits") &&
                    in.ReadInt(game.visitor.errors, 0, kCountLimit, "the visitors' errors") &&
                    in.ReadInt(game.home.errors, 0, kCountLimit, "the home team's errors") &&
                    in.ReadInt(game.bases, 0, 7, "the bases") &&
                    in.ReadInt(engine, 0, kRealisticEngineMark, kEngineMarkName);
    game.homeAtBat = homeAtBat == 1;
    game.engine = engine == kRealisticEngineMark ? EngineKind::Realistic : EngineKind::Classic;
    return ok;
}

// Whether the queue agrees with the bases is the game state's own rule, checked once
// the whole game is read.
bool ReadRunners(Cursor& in, SavedGameData& game) {
    constexpr std::array<Field, 3> kQueueFields{
        {{"place 1", 0, 9}, {"place 2", 0, 9}, {"place 3", 0, 9}}};
    return ReadCommaList(in, kQueueFields, game.runnerQueue.data(), "the runner queue") &&
           in.ReadInt(game.inning, 1, kInningLimit, "the inning") &&
           in.ReadInt(game.outs, 0, 3, "the outs") &&
           in.ReadInt(game.halfInningRuns, 0, kCountLimit, "the runs of the half-inning");
}

// Every inning's runs, or -1 for a half-inning not played yet.
bool ReadLineScore(Cursor& in, std::array<int, 9>& score, std::string_view owner) {
    constexpr const char* kNames[] = {"inning 1", "inning 2", "inning 3", "inning 4", "inning 5",
                                      "inning 6", "inning 7", "inning 8", "inning 9"};
    std::array<Field, 9> innings{};
    for (std::size_t i = 0; i < innings.size(); ++i)
        innings[i] = {kNames[i], -1, kCountLimit};
    return ReadCommaList(in, innings, score.data(), owner);
}

// Every line of the play-by-play ends in CR LF in memory, whichever of the accepted
// line ends the file has.
std::string PlayLogFromFile(std::string_view rest) {
    std::string log;
    log.reserve(rest.size());
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        if (end == std::string_view::npos) {
            log.append(rest);
            break;
        }
        std::string_view body = rest.substr(0, end);
        for (int i = 0; i < 2 && !body.empty() && body.back() == '\r'; ++i)
            body.remove_suffix(1);
        log.append(body);
        log.append("\r\n");
        rest.remove_prefix(end + 1);
    }
    return log;
}

}  // namespace

bool ParseSavedGame(std::string_view bytes, SavedGameData& out, std::string* error) {
    SavedGameData game;
    Cursor in(WithoutByteOrderMark(bytes));
    auto fail = [&](std::string message) {
        if (error) *error = std::move(message);
        return false;
    };
    const bool read = in.ReadLine(game.visitor.teamName, "the visitors' team") &&
                      in.ReadLine(game.home.teamName, "the home team") &&
                      ReadChains(in, game.visitor) && ReadChains(in, game.home) &&
                      ReadCounters(in, game) && ReadRunners(in, game) &&
                      ReadLineScore(in, game.visitor.lineScore, "the visitors' line score") &&
                      ReadLineScore(in, game.home.lineScore, "the home team's line score") &&
                      in.EndLine("the home team's line score");
    if (!read) return fail(in.Error());
    // The play-by-play runs to the end of the file and every one of its lines ends in a
    // line end, so a log without one was cut short.
    const std::string_view log = in.Rest();
    if (log.empty()) return fail("the play-by-play is missing");
    if (log.back() != '\n') return fail("the play-by-play is cut short");
    game.playLog = PlayLogFromFile(log);
    out = std::move(game);
    return true;
}

}  // namespace velmoro
