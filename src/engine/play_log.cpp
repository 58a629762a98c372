#include "engine/play_log.h"

#include <charconv>

#include "db/file_write.h"
#include "engine/game_state.h"
#include "engine/session.h"

namespace velmoro {

namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr std::size_t kLabelWidth = 25;

// Plays are logged on every turn, so numbers are appended without any stream.
void AppendNumber(std::string& out, long long value) {
    char buffer[24];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

// "%-25s": padded with blanks to 25 bytes (names are byte strings), longer labels whole.
void AppendPadded(std::string& out, std::string_view label) {
    out.append(label);
    if (label.size() < kLabelWidth) out.append(kLabelWidth - label.size(), ' ');
}

void AppendHeading(std::string& log, std::string_view heading, int inning) {
    log.append("\r\n");
    log.append(heading);
    AppendNumber(log, inning);
    log.append(".\r\n");
}

// Third out: the heading of the half-inning that follows, left out when that out ended
// the game.
void LogHalfInningChange(Session& session) {
    GameState& game = session.game;
    const int visitorRuns = game.visitor.teamRuns;
    const int homeRuns = game.home.teamRuns;
    std::string caption;
    if (!game.HomeBatting()) {
        if (game.inning >= 9 && homeRuns > visitorRuns) return;
        AppendHeading(game.playLog, "Bottom of inning ", game.inning);
        caption = "INNING: ";
        AppendNumber(caption, game.inning);
        caption.append(" (bottom)");
    } else {
        if (visitorRuns != homeRuns && game.inning >= 9) return;
        AppendHeading(game.playLog, "Top of inning ", game.inning + 1);
        caption = "INNING: ";
        AppendNumber(caption, game.inning + 1);
        caption.append(" (top)");
    }
    session.Screen().ShowInningCaption(caption);
}

const char* OutsCaption(int outs) {
    if (outs == 1) return "Outs: 1";
    if (outs == 2) return "Outs: 2";
    return "Outs: 0";
}

void AppendBattingLine(std::string& out, const BoxLine& line) {
    std::string label = line.name;
    label.append(" (").append(FieldPositionAbbreviation(line.position)).append(")");
    AppendPadded(out, label);
    const int columns[] = {line.atBats, line.runs,    EffectiveHits(line), line.rbi,
                           line.walks,  line.doubles, line.triples,        line.homeRuns};
    for (int column = 0; column < 8; ++column) {
        if (column > 0) out.push_back('\t');
        AppendNumber(out, columns[column]);
    }
    out.append(kCrLf);
}

void AppendPitchingLine(std::string& out, const BoxLine& line) {
    const BoxPitching none;
    const BoxPitching& pitching = line.pitching ? *line.pitching : none;
    AppendPadded(out, line.name);
    AppendNumber(out, pitching.outs / 3);
    out.push_back('.');
    AppendNumber(out, pitching.outs % 3);
    for (int value : {int{pitching.runsAllowed}, int{pitching.hitsAllowed},
                      int{pitching.strikeouts}, int{pitching.walks}}) {
        out.push_back('\t');
        AppendNumber(out, value);
    }
    out.append(kCrLf);
}

void AppendBoxScore(std::string& out, const GameSide& side) {
    const std::string teamName = side.team ? side.team->name : std::string();
    out.append(teamName).append(" Hitting Stats\r\n\r\n");
    AppendPadded(out, "Name");
    out.append("AB\tR\tH\tRBI\tBB\t2B\t3B\tHR\r\n");
    for (int slot = 0; slot < 9; ++slot) {
        for (const auto& line : side.boxLines[slot])
            AppendBattingLine(out, *line);
    }
    out.append("\r\n").append(teamName).append(" Pitching Stats\r\n\r\n");
    AppendPadded(out, "Name");
    out.append("IP\tER\tH\tK\tBB\r\n");
    for (const auto& line : side.boxLines[kPitcherEntry])
        AppendPitchingLine(out, *line);
}

}  // namespace

void LogPlay(Session& session, std::string_view name, std::string_view text, int runs,
             std::string_view suffix) {
    if (session.silent) return;
    GameState& game = session.game;
    std::string& log = game.playLog;
    log.append(name).push_back(' ');
    log.append(text);
    if (runs != 0) {
        log.push_back(' ');
        AppendNumber(log, runs);
        log.push_back(' ');
        const bool oneRun = runs == 1 && suffix.find("runs") != std::string_view::npos;
        log.append(oneRun ? std::string_view("run scored") : suffix);
    }
    log.append(kCrLf);
    if (game.outs == 3) LogHalfInningChange(session);
    ShowPlayLog(session);
}

void ShowPlayLog(Session& session) {
    GameState& game = session.game;
    session.Screen().ShowOutsCaption(OutsCaption(game.outs));
    session.Screen().ShowLog(game.playLog);
    session.Screen().DrawBases();
}

std::string BoxScoreText(const GameState& game) {
    std::string out;
    out.reserve(4096);
    out.append(game.visitor.team ? game.visitor.team->name : std::string()).push_back(' ');
    AppendNumber(out, game.visitor.teamRuns);
    out.append(", ").append(game.home.team ? game.home.team->name : std::string()).push_back(' ');
    AppendNumber(out, game.home.teamRuns);
    out.append("\r\n\r\n");
    AppendBoxScore(out, game.visitor);
    out.append("\r\n\r\n");
    AppendBoxScore(out, game.home);
    return out;
}

bool WriteGameLog(Session& session) {
    if (session.gameLogPath.empty()) return true;
    // Replaced whole through a temporary file, so a full disk leaves the last box score
    // as it was rather than a cut one; quickly, because a truncating rewrite or a rename
    // over the old file makes ext4 write the data out at once, and a run of thousands of
    // games would then wait on the disk after every game.
    std::string reason;
    if (WriteFileContents(session.gameLogPath, BoxScoreText(session.game), reason, Replace::Quick))
        return true;
    session.Screen().BoxScoreNotWritten(session.gameLogPath.string(), reason);
    return false;
}

}  // namespace velmoro
