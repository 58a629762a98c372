// The number fields of a player as the editors show them ("%d") and as the database
// change window reads them back.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "db/records.h"

namespace velmoro {

// AVG, G, AB, R, H, 2B, 3B, HR, RBI, BB, K, SB, CS.
inline constexpr int kBattingFieldCount = 13;
// ERA, W, L, S, G, Sho, ER, IP, BB, K, BAVG.
inline constexpr int kPitchingFieldCount = 11;

using BattingFields = std::array<std::string, kBattingFieldCount>;
using PitchingFields = std::array<std::string, kPitchingFieldCount>;

// Hits are shown through EffectiveHits.
BattingFields BattingFieldTexts(const PlayerRecord& player);
// All empty when the player has no pitching line.
PitchingFields PitchingFieldTexts(const PlayerRecord& player);

// A decimal whole number as "%d" reads it: leading blanks, an optional sign, digits;
// the first other character ends it. Empty or no digits reads 0; values beyond the
// range of int are held at its limits.
int ParseFieldNumber(std::string_view text);

// Reads the fields into the player, each stored in its own width (low bits kept).
void ReadBattingFields(const BattingFields& fields, PlayerRecord& player);
PitchingLine ReadPitchingFields(const PitchingFields& fields);

}  // namespace velmoro
