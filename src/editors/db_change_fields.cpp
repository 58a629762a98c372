#include "editors/db_change_fields.h"

#include <climits>

namespace velmoro {

namespace {

std::string Num(int value) {
    return std::to_string(value);
}

std::uint8_t Low8(std::string_view text) {
    return static_cast<std::uint8_t>(static_cast<unsigned>(ParseFieldNumber(text)));
}

std::uint16_t Low16(std::string_view text) {
    return static_cast<std::uint16_t>(static_cast<unsigned>(ParseFieldNumber(text)));
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

}  // namespace

BattingFields BattingFieldTexts(const PlayerRecord& p) {
    return {Num(p.battingAvg),    Num(p.games),          Num(p.atBats),
            Num(p.runs),          Num(EffectiveHits(p)), Num(p.doubles),
            Num(p.triples),       Num(p.homeRuns),       Num(p.rbi),
            Num(p.walks),         Num(p.strikeouts),     Num(p.stolenBases),
            Num(p.caughtStealing)};
}

PitchingFields PitchingFieldTexts(const PlayerRecord& player) {
    if (!player.pitching) return {};
    const PitchingLine& l = *player.pitching;
    return {Num(l.eraX100), Num(l.wins),       Num(l.losses),     Num(l.saves),
            Num(l.games),   Num(l.shutouts),   Num(l.earnedRuns), Num(l.inningsPitched),
            Num(l.walks),   Num(l.strikeouts), Num(l.oppAvgX1000)};
}

int ParseFieldNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > INT_MAX) value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

void ReadBattingFields(const BattingFields& f, PlayerRecord& p) {
    p.battingAvg = Low16(f[0]);
    p.games = Low8(f[1]);
    p.atBats = Low16(f[2]);
    p.runs = Low8(f[3]);
    p.hits = Low8(f[4]);
    p.doubles = Low8(f[5]);
    p.triples = Low8(f[6]);
    p.homeRuns = Low8(f[7]);
    p.rbi = Low8(f[8]);
    p.walks = Low8(f[9]);
    p.strikeouts = Low8(f[10]);
    p.stolenBases = Low8(f[11]);
    p.caughtStealing = Low8(f[12]);
}

PitchingLine ReadPitchingFields(const PitchingFields& f) {
    PitchingLine l;
    l.eraX100 = Low16(f[0]);
    l.wins = Low8(f[1]);
    l.losses = Low8(f[2]);
    l.saves = Low8(f[3]);
    l.games = Low8(f[4]);
    l.shutouts = Low8(f[5]);
    l.earnedRuns = Low8(f[6]);
    l.inningsPitched = Low16(f[7]);
    l.walks = Low16(f[8]);
    l.strikeouts = Low16(f[9]);
    l.oppAvgX1000 = Low16(f[10]);
    return l;
}

}  // namespace velmoro
