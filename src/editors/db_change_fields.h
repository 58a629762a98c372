// The number fields of a player as the editors show them ("%d") and as the database
// change window reads them back: one table of the fields, their labels and what each
// can hold.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "base/status.h"
#include "db/records.h"

namespace velmoro {

// AVG, G, AB, R, H, 2B, 3B, HR, RBI, BB, K, SB, CS.
inline constexpr int kBattingFieldCount = 13;
// ERA, W, L, S, G, Sho, ER, IP, BB, K, BAVG.
inline constexpr int kPitchingFieldCount = 11;

using BattingFields = std::array<std::string, kBattingFieldCount>;
using PitchingFields = std::array<std::string, kPitchingFieldCount>;

// A number field: the label the window shows, the name a message gives it, the
// largest value its record field keeps (the smallest is 0) and how the number reads.
struct NumberField {
    const char* label;
    const char* name;
    int highest;
    const char* reading = "";
};

inline constexpr const char* kThousandths = " (thousandths: 312 is .312)";
inline constexpr const char* kHundredths = " (hundredths: 345 is 3.45)";

// An average above 1000 would show as ".1250". Hits are a byte, with one exception
// (HitsRange).
inline constexpr std::array<NumberField, kBattingFieldCount> kBattingFields{{
    {"AVG", "AVG", 1000, kThousandths},
    {"G", "G", 255},
    {"AB", "AB", 65535},
    {"R", "R", 255},
    {"H", "H", 255},
    {"2B", "2B", 255},
    {"3B", "3B", 255},
    {"HR", "HR", 255},
    {"RBI", "RBI", 255},
    {"BB", "BB", 255},
    {"K", "K", 255},
    {"SB", "SB", 255},
    {"CS", "CS", 255},
}};

inline constexpr std::array<NumberField, kPitchingFieldCount> kPitchingFields{{
    {"ERA", "ERA", 65535, kHundredths},
    {"W", "W", 255},
    {"L", "L", 255},
    {"S", "S", 255},
    {"G", "Pitching G", 255},
    {"Sho", "Sho", 255},
    {"ER", "ER", 255},
    {"IP", "IP", 65535},
    {"BB", "Pitching BB", 65535},
    {"K", "Pitching K", 65535},
    {"BAVG", "BAVG", 1000, kThousandths},
}};

// The hits a player of `atBats` can hold: a byte, but with more than 500 at-bats a
// stored value below 10 reads 256 more (EffectiveHits), so 10 to 265.
struct FieldRange {
    int lowest;
    int highest;
};
FieldRange HitsRange(int atBats);

// Hits are shown through EffectiveHits.
BattingFields BattingFieldTexts(const PlayerRecord& player);
// All empty when the player has no pitching line.
PitchingFields PitchingFieldTexts(const PlayerRecord& player);

// Reads the fields into the player's batting numbers (or a pitching line): an empty
// field is 0; anything but a whole number in its field's range is refused with
// "AB must be a whole number from 0 to 65535.", and then nothing is stored.
Status ReadBattingFields(const BattingFields& fields, PlayerRecord& player);
Status ReadPitchingFields(const PitchingFields& fields, PitchingLine& line);

}  // namespace velmoro
