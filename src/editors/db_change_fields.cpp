#include "editors/db_change_fields.h"

#include <fmt/format.h>

#include <optional>
#include <string_view>

namespace velmoro {

namespace {

// At-bats come before hits, whose range they decide.
constexpr std::size_t kAtBatsField = 2;
constexpr std::size_t kHitsField = 4;

std::string Num(int value) {
    return std::to_string(value);
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// The whole number the text holds between blanks (0 when it holds nothing), or none.
std::optional<int> WholeNumber(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = std::min(value * 10 + (c - '0'), 1LL << 40);
    }
    return static_cast<int>(std::min(value, 1LL << 30));
}

// The values of the texts, each within its range; the error names the first that is not.
template <std::size_t N, typename Range>
Status ReadValues(const std::array<std::string, N>& texts, const std::array<NumberField, N>& table,
                  Range range, std::array<int, N>& values) {
    for (std::size_t i = 0; i < N; ++i) {
        const FieldRange allowed = range(i, values);
        const std::optional<int> value = WholeNumber(texts[i]);
        if (!value || *value < allowed.lowest || *value > allowed.highest)
            return Status::Error(fmt::format("{} must be a whole number from {} to {}{}.",
                                             table[i].name, allowed.lowest, allowed.highest,
                                             table[i].reading));
        values[i] = *value;
    }
    return OkStatus();
}

}  // namespace

FieldRange HitsRange(int atBats) {
    return atBats > 500 ? FieldRange{10, 265} : FieldRange{0, 255};
}

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

Status ReadBattingFields(const BattingFields& f, PlayerRecord& p) {
    std::array<int, kBattingFieldCount> v{};
    const auto range = [](std::size_t i, const auto& read) {
        return i == kHitsField ? HitsRange(read[kAtBatsField])
                               : FieldRange{0, kBattingFields[i].highest};
    };
    if (Status read = ReadValues(f, kBattingFields, range, v); !read) return read;
    p.battingAvg = static_cast<std::uint16_t>(v[0]);
    p.games = static_cast<std::uint8_t>(v[1]);
    p.atBats = static_cast<std::uint16_t>(v[2]);
    p.runs = static_cast<std::uint8_t>(v[3]);
    p.hits = static_cast<std::uint8_t>(v[4]);  // 256 and more read back through EffectiveHits
    p.doubles = static_cast<std::uint8_t>(v[5]);
    p.triples = static_cast<std::uint8_t>(v[6]);
    p.homeRuns = static_cast<std::uint8_t>(v[7]);
    p.rbi = static_cast<std::uint8_t>(v[8]);
    p.walks = static_cast<std::uint8_t>(v[9]);
    p.strikeouts = static_cast<std::uint8_t>(v[10]);
    p.stolenBases = static_cast<std::uint8_t>(v[11]);
    p.caughtStealing = static_cast<std::uint8_t>(v[12]);
    return OkStatus();
}

Status ReadPitchingFields(const PitchingFields& f, PitchingLine& l) {
    std::array<int, kPitchingFieldCount> v{};
    const auto range = [](std::size_t i, const auto&) {
        return FieldRange{0, kPitchingFields[i].highest};
    };
    if (Status read = ReadValues(f, kPitchingFields, range, v); !read) return read;
    l.eraX100 = static_cast<std::uint16_t>(v[0]);
    l.wins = static_cast<std::uint8_t>(v[1]);
    l.losses = static_cast<std::uint8_t>(v[2]);
    l.saves = static_cast<std::uint8_t>(v[3]);
    l.games = static_cast<std::uint8_t>(v[4]);
    l.shutouts = static_cast<std::uint8_t>(v[5]);
    l.earnedRuns = static_cast<std::uint8_t>(v[6]);
    l.inningsPitched = static_cast<std::uint16_t>(v[7]);
    l.walks = static_cast<std::uint16_t>(v[8]);
    l.strikeouts = static_cast<std::uint16_t>(v[9]);
    l.oppAvgX1000 = static_cast<std::uint16_t>(v[10]);
    return OkStatus();
}

}  // namespace velmoro
