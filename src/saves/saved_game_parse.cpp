// Reading the text of a ".gam" file into plain values.
#include "saves/saved_game_parse.h"

#include <bit>
#include <cstdint>
#include <limits>

namespace velmoro {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

// The numbers are read as the format "%d" reads them: white space (line ends included)
// may stand before a number, but each comma must follow its number directly.
class Cursor {
  public:
    explicit Cursor(std::string_view text) : text_(text) {}

    // One line without its line end; false at the end of the text.
    bool ReadLine(std::string& line) {
        if (pos_ >= text_.size()) return false;
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

    bool ReadInt(int& value, int low, int high) {
        while (pos_ < text_.size() && (IsBlank(text_[pos_]) || text_[pos_] == '\n'))
            ++pos_;
        bool negative = false;
        if (pos_ < text_.size() && (text_[pos_] == '-' || text_[pos_] == '+')) {
            negative = text_[pos_++] == '-';
        }
        std::int64_t number = 0;
        const std::size_t digitsStart = pos_;
        while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') {
            number = number * 10 + (text_[pos_++] - '0');
            if (number > std::numeric_limits<int>::max()) return false;
        }
        if (pos_ == digitsStart) return false;
        if (negative) number = -number;
        if (number < low || number > high) return false;
        value = static_cast<int>(number);
        return true;
    }

    bool Expect(char c) {
        if (pos_ >= text_.size() || text_[pos_] != c) return false;
        ++pos_;
        return true;
    }

    // The rest of the current line must be blank. Only that line is consumed, so a
    // name or log line that follows keeps its leading blanks.
    bool EndLine() {
        while (pos_ < text_.size() && IsBlank(text_[pos_]))
            ++pos_;
        return Expect('\n');
    }

    std::string_view Rest() const { return text_.substr(pos_); }

  private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

constexpr int kAny = std::numeric_limits<int>::max();
constexpr int kByte = 255;
constexpr int kWord = 65535;

struct Range {
    int low;
    int high;
};

// Fields of a batting slot's line: atBats, the eleven byte counts, then the position.
constexpr std::array<Range, 12> kBatterRanges{{{0, kWord},
                                               {0, kByte},
                                               {0, kByte},
                                               {0, kByte},
                                               {0, kByte},
                                               {0, kByte},
                                               {0, kByte},
                                               {0, kByte},
                                               {0, kByte},
                                               {0, kByte},
                                               {0, kByte},
                                               {0, 10}}};
// Outs, runs allowed (8 bits), hits allowed (8 bits), strikeouts, walks.
constexpr std::array<Range, 5> kPitcherRanges{
    {{0, kWord}, {0, kByte}, {0, kByte}, {0, kWord}, {0, kWord}}};

template <std::size_t N>
bool ReadCommaList(Cursor& in, const std::array<Range, N>& ranges, int* values) {
    for (std::size_t i = 0; i < N; ++i) {
        if (i > 0 && !in.Expect(',')) return false;
        if (!in.ReadInt(values[i], ranges[i].low, ranges[i].high)) return false;
    }
    return true;
}

bool ReadBoxLine(Cursor& in, bool pitcher, SavedBoxLine& line, bool& more) {
    if (!in.ReadLine(line.name)) return false;
    const bool numbersRead = pitcher ? ReadCommaList(in, kPitcherRanges, line.numbers.data())
                                     : ReadCommaList(in, kBatterRanges, line.numbers.data());
    int flag = 0;
    if (!numbersRead || !in.ReadInt(flag, 0, 1) || !in.EndLine()) return false;
    more = flag == 1;
    return true;
}

bool ReadChains(Cursor& in, SavedSide& side) {
    for (int slot = 0; slot < 10; ++slot) {
        bool more = true;
        while (more) {
            SavedBoxLine& line = side.chains[slot].emplace_back();
            if (!ReadBoxLine(in, slot == 9, line, more)) return false;
        }
    }
    return true;
}

bool ReadCounters(Cursor& in, SavedGameData& game) {
    int homeAtBat = 0;
    const bool ok =
        in.ReadInt(homeAtBat, 0, 1) && in.ReadInt(game.visitor.nextBatter, 0, 8) &&
        in.ReadInt(game.home.nextBatter, 0, 8) && in.ReadInt(game.visitor.teamRuns, 0, kAny) &&
        in.ReadInt(game.home.teamRuns, 0, kAny) && in.ReadInt(game.visitor.hits, 0, kAny) &&
        in.ReadInt(game.home.hits, 0, kAny) && in.ReadInt(game.visitor.errors, 0, kAny) &&
        in.ReadInt(game.home.errors, 0, kAny) && in.ReadInt(game.bases, 0, 7) &&
        in.ReadInt(game.reserved, -kAny, kAny);
    game.homeAtBat = homeAtBat == 1;
    return ok;
}

// The runner queue names a batting slot plus one per runner, as many as `bases` shows.
bool ReadRunners(Cursor& in, SavedGameData& game) {
    constexpr std::array<Range, 3> kQueueRanges{{{0, 9}, {0, 9}, {0, 9}}};
    if (!ReadCommaList(in, kQueueRanges, game.runnerQueue.data())) return false;
    int runners = 0;
    for (int place : game.runnerQueue)
        runners += place != 0 ? 1 : 0;
    if (runners != std::popcount(static_cast<unsigned>(game.bases))) return false;
    return in.ReadInt(game.inning, 1, kAny) && in.ReadInt(game.outs, 0, 3) &&
           in.ReadInt(game.halfInningRuns, 0, kAny);
}

bool ReadLineScore(Cursor& in, std::array<int, 9>& score) {
    constexpr Range kInning{-1, kAny};
    constexpr std::array<Range, 9> kInnings{kInning, kInning, kInning, kInning, kInning,
                                            kInning, kInning, kInning, kInning};
    return ReadCommaList(in, kInnings, score.data());
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

bool ParseSavedGame(std::string_view bytes, SavedGameData& out) {
    SavedGameData game;
    Cursor in(bytes);
    if (!in.ReadLine(game.visitor.teamName) || !in.ReadLine(game.home.teamName)) return false;
    if (!ReadChains(in, game.visitor) || !ReadChains(in, game.home)) return false;
    if (!ReadCounters(in, game) || !ReadRunners(in, game)) return false;
    if (!ReadLineScore(in, game.visitor.lineScore) || !ReadLineScore(in, game.home.lineScore)) {
        return false;
    }
    if (!in.EndLine()) return false;
    // The play-by-play runs to the end of the file and every one of its lines ends in a
    // line end, so a log without one was cut short.
    const std::string_view log = in.Rest();
    if (log.empty() || log.back() != '\n') return false;
    game.playLog = PlayLogFromFile(log);
    out = std::move(game);
    return true;
}

}  // namespace velmoro
