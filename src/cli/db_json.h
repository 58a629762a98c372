// A team list as JSON and back: what `velmoro-db dump` prints and `build` reads.
//
// An array of teams {"name", "players"}; a player is {"name", the fourteen numbers of
// the file in file order, "pitching"}, and "pitching" is null or the pitching line's
// eleven numbers. Names are bytes and JSON text is UTF-8: a name that is not UTF-8 is
// written readable in "name" (each stray byte shown as U+FFFD) and exactly in
// "nameBytes", two hex digits a byte, which is what is read back. So a dump builds back
// into the same file, byte for byte.
#pragma once

#include <string>
#include <string_view>

#include "db/records.h"

namespace velmoro {

// The JSON of a list, one player a line.
std::string TeamListJson(const TeamList& teams);

// Reads a list written by TeamListJson (or by hand). Only what a database file keeps
// is accepted: a key given twice, a key that is not a field, a missing field, a value
// of the wrong type or past its field's width, batting numbers of a player with 0
// at-bats, a Pitcher without a pitching line or a pitching line of a player who is no
// Pitcher is refused. On failure `teams` is empty and `error` names the team, the
// player and the field.
bool TeamListFromJson(std::string_view text, TeamList& teams, std::string& error);

}  // namespace velmoro
