// A team list as JSON and back (db_json.h). The library reads and writes the JSON text;
// this file maps it onto the records and refuses what a database file cannot keep.
#include "cli/db_json.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <charconv>
#include <deque>
#include <memory>
#include <utility>
#include <vector>

#include <fmt/format.h>

#include "base/text.h"
#include "db/team_files.h"

namespace velmoro {

namespace {

using Json = nlohmann::json;

// One numeric field of a record: a member of 8 or of 16 bits.
template <class Record>
struct NumberField {
    const char* key;
    std::uint8_t Record::*small;
    std::uint16_t Record::*wide;
    bool batting = false;  // one of the numbers the file keeps only for a player with at-bats

    unsigned Get(const Record& r) const { return small ? r.*small : r.*wide; }
    unsigned Max() const { return small ? 0xFFu : 0xFFFFu; }
    void Set(Record& r, unsigned value) const {
        if (small)
            r.*small = static_cast<std::uint8_t>(value);
        else
            r.*wide = static_cast<std::uint16_t>(value);
    }
};

using PlayerField = NumberField<PlayerRecord>;
using PitchingField = NumberField<PitchingLine>;

// In the order of the file, which is the order the JSON lists them in.
const PlayerField kPlayerFields[] = {
    {"atBats", nullptr, &PlayerRecord::atBats},
    {"battingAvg", nullptr, &PlayerRecord::battingAvg, true},
    {"games", &PlayerRecord::games, nullptr, true},
    {"runs", &PlayerRecord::runs, nullptr, true},
    {"hits", &PlayerRecord::hits, nullptr, true},
    {"doubles", &PlayerRecord::doubles, nullptr, true},
    {"triples", &PlayerRecord::triples, nullptr, true},
    {"homeRuns", &PlayerRecord::homeRuns, nullptr, true},
    {"rbi", &PlayerRecord::rbi, nullptr, true},
    {"stolenBases", &PlayerRecord::stolenBases, nullptr, true},
    {"caughtStealing", &PlayerRecord::caughtStealing, nullptr, true},
    {"walks", &PlayerRecord::walks, nullptr, true},
    {"strikeouts", &PlayerRecord::strikeouts, nullptr, true},
    {"positions", &PlayerRecord::positions, nullptr},
};

const PitchingField kPitchingFields[] = {
    {"eraX100", nullptr, &PitchingLine::eraX100},
    {"wins", &PitchingLine::wins, nullptr},
    {"losses", &PitchingLine::losses, nullptr},
    {"saves", &PitchingLine::saves, nullptr},
    {"games", &PitchingLine::games, nullptr},
    {"shutouts", &PitchingLine::shutouts, nullptr},
    {"earnedRuns", &PitchingLine::earnedRuns, nullptr},
    {"inningsPitched", nullptr, &PitchingLine::inningsPitched},
    {"walks", nullptr, &PitchingLine::walks},
    {"strikeouts", nullptr, &PitchingLine::strikeouts},
    {"oppAvgX1000", nullptr, &PitchingLine::oppAvgX1000},
};

// ---------------------------------------------------------------- names

// A name as a JSON string; bytes that are not UTF-8 show as U+FFFD.
std::string Quoted(std::string_view bytes) {
    return Json(std::string(bytes)).dump(-1, ' ', false, Json::error_handler_t::replace);
}

std::string Readable(std::string_view bytes) {
    return Json::parse(Quoted(bytes)).get<std::string>();
}

std::string Hex(std::string_view bytes) {
    std::string hex;
    for (const char byte : bytes)
        hex += fmt::format("{:02x}", static_cast<unsigned char>(byte));
    return hex;
}

bool FromHex(std::string_view hex, std::string& bytes) {
    if (hex.size() % 2 != 0) return false;
    bytes.clear();
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        unsigned byte = 0;
        const char* end = hex.data() + i + 2;
        if (std::from_chars(hex.data() + i, end, byte, 16).ptr != end) return false;
        bytes.push_back(static_cast<char>(byte));
    }
    return true;
}

// ---------------------------------------------------------------- dump

void AppendName(std::string& out, const std::string& name) {
    out += "{\"name\": " + Quoted(name);
    if (Readable(name) != name) out += ", \"nameBytes\": \"" + Hex(name) + "\"";
}

template <class Record, std::size_t N>
void AppendNumbers(std::string& out, const Record& r, const NumberField<Record> (&fields)[N]) {
    for (const auto& field : fields)
        out += fmt::format(", \"{}\": {}", field.key, field.Get(r));
}

void AppendPlayer(std::string& out, const PlayerRecord& player) {
    out += "    ";
    AppendName(out, player.name);
    AppendNumbers(out, player, kPlayerFields);
    out += ", \"pitching\": ";
    if (!player.pitching) {
        out += "null}";
        return;
    }
    std::string line;
    AppendNumbers(line, *player.pitching, kPitchingFields);
    out += "{" + line.substr(2) + "}}";
}

void AppendTeam(std::string& out, const TeamRecord& team) {
    out += "  ";
    AppendName(out, team.name);
    if (team.players.empty()) {
        out += ", \"players\": []}";
        return;
    }
    out += ", \"players\": [\n";
    for (std::size_t i = 0; i < team.players.size(); ++i) {
        AppendPlayer(out, *team.players[i]);
        out += i + 1 < team.players.size() ? ",\n" : "\n";
    }
    out += "  ]}";
}

// ---------------------------------------------------------------- build

// Builds the document from the library's parser events and keeps two things the
// library's own document loses: a key given twice (its value becomes "discarded",
// which no JSON text yields) and the text of a number that is not a whole number
// (held as bytes, which no JSON text yields either), so that a message shows 1e2 as
// it was written.
class DocumentBuilder final : public nlohmann::json_sax<Json> {
  public:
    Json document;
    std::string error;

    bool null() override { return Put(nullptr); }
    bool boolean(bool value) override { return Put(value); }
    bool number_integer(number_integer_t value) override { return Put(value); }
    bool number_unsigned(number_unsigned_t value) override { return Put(value); }
    bool number_float(number_float_t, const string_t& text) override {
        return Put(Json::binary(std::vector<std::uint8_t>(text.begin(), text.end())));
    }
    bool string(string_t& value) override { return Put(std::move(value)); }
    bool binary(binary_t& value) override { return Put(Json::binary(value)); }

    bool start_object(std::size_t) override { return Open(Json::object()); }
    bool key(string_t& key) override {
        Json& object = *open_.back();
        duplicate_ = object.contains(key);
        if (duplicate_) object[key] = Json(Json::value_t::discarded);
        key_ = std::move(key);
        return true;
    }
    bool end_object() override { return Close(); }
    bool start_array(std::size_t) override { return Open(Json::array()); }
    bool end_array() override { return Close(); }

    bool parse_error(std::size_t, const std::string&, const Json::exception& e) override {
        // "[json.exception.parse_error.101] parse error at line 2, column 7: ..."; the
        // text it quotes may hold the stray bytes themselves.
        const std::string_view what = e.what();
        error = Readable(what.substr(what.find("] ") + 2));
        if (error.find("UTF-8") != std::string::npos)
            error +=
                "; a name that is not UTF-8 is written as \"nameBytes\": two hex digits a byte";
        return false;
    }

  private:
    // Deeper than any team list; the limit keeps the messages' dumps off the stack's end.
    static constexpr std::size_t kMaxDepth = 16;

    Json& Slot() {
        if (open_.empty()) return document;
        Json& parent = *open_.back();
        if (parent.is_array()) return parent.emplace_back();
        if (std::exchange(duplicate_, false)) return spare_.emplace_back();
        return parent[key_];
    }
    bool Put(Json value) {
        Slot() = std::move(value);
        return true;
    }
    bool Open(Json container) {
        if (open_.size() == kMaxDepth) {
            error = "the JSON is nested too deeply";
            return false;
        }
        Json& slot = Slot();
        slot = std::move(container);
        open_.push_back(&slot);
        return true;
    }
    bool Close() {
        open_.pop_back();
        return true;
    }

    std::vector<Json*> open_;  // the containers being filled, innermost last
    std::string key_;
    bool duplicate_{};
    std::deque<Json> spare_;  // the values of keys given twice, read and dropped
};

std::string ShownJson(const Json& value) {
    if (value.is_binary())
        return ShownValue(std::string(value.get_binary().begin(), value.get_binary().end()));
    return ShownValue(value.dump(-1, ' ', false, Json::error_handler_t::replace));
}

template <class Record, std::size_t N>
std::vector<std::string> KeysOf(const NumberField<Record> (&fields)[N]) {
    std::vector<std::string> keys;
    for (const auto& field : fields)
        keys.emplace_back(field.key);
    return keys;
}

const std::vector<std::string>& PlayerKeys() {
    static const std::vector<std::string> keys = [] {
        std::vector<std::string> k = KeysOf(kPlayerFields);
        k.insert(k.begin(), "name");
        k.emplace_back("pitching");
        return k;
    }();
    return keys;
}

std::string NameOf(const Json& object) {
    if (!object.is_object() || !object.contains("name") || !object["name"].is_string()) return {};
    return object["name"].get<std::string>();
}

// Reads the document into records, stopping at the first thing it refuses.
class ListReader {
  public:
    explicit ListReader(std::string& error) : error_(error) {}

    bool Teams(const Json& root, TeamList& teams) {
        if (!root.is_array()) return Refuse("the JSON must be an array of teams");
        for (const Json& team : root) {
            team_ = teams.size() + 1;
            if (!Team(team, AddTeam(teams, ""))) return false;
        }
        return true;
    }

  private:
    bool Team(const Json& value, TeamRecord& team) {
        teamName_ = NameOf(value);
        player_ = 0;
        if (!Fields(value, {"name", "players"}, "a team", true) || !Name(value, team.name))
            return false;
        const Json& players = value.at("players");
        if (!players.is_array()) return Refuse("players must be an array");
        if (players.size() > kMaxTeamPlayers)
            return Refuse(
                fmt::format("{} players; at most {} fit", players.size(), kMaxTeamPlayers));
        for (const Json& player : players) {
            ++player_;
            if (!Player(player, team.AddPlayer(PlayerRecord()))) return false;
        }
        return true;
    }

    bool Player(const Json& value, PlayerRecord& player) {
        playerName_ = NameOf(value);
        if (!Fields(value, PlayerKeys(), "a player", true) || !Name(value, player.name) ||
            !Numbers(value, player, kPlayerFields, ""))
            return false;
        for (const auto& field : kPlayerFields) {
            if (field.batting && player.atBats == 0 && field.Get(player) != 0)
                return Refuse(
                    fmt::format("{} {} cannot be kept: the file holds no batting numbers for a "
                                "player with 0 atBats",
                                field.key, field.Get(player)));
        }
        return Pitching(value.at("pitching"), player);
    }

    bool Pitching(const Json& value, PlayerRecord& player) {
        const bool pitcher = player.HasPosition(Pitcher);
        if (value.is_null() && pitcher)
            return Refuse(
                fmt::format("pitching cannot be null: positions {} include Pitcher, "
                            "and the file holds a pitching line for every Pitcher",
                            player.positions));
        if (value.is_null()) return true;
        if (!pitcher)
            return Refuse(fmt::format(
                "pitching cannot be kept: positions {} do not include Pitcher", player.positions));
        static const std::vector<std::string> keys = KeysOf(kPitchingFields);
        if (!Fields(value, keys, "pitching", false)) return false;
        player.pitching = std::make_unique<PitchingLine>();
        return Numbers(value, *player.pitching, kPitchingFields, "pitching.");
    }

    // Every key one of the expected ones, each given once, none missing: a misspelt key
    // would otherwise turn a number silently into 0.
    bool Fields(const Json& object, const std::vector<std::string>& keys, std::string_view what,
                bool named) {
        if (!object.is_object()) return Refuse(fmt::format("{} must be an object", what));
        for (const auto& [key, value] : object.items()) {
            if (value.is_discarded())
                return Refuse(fmt::format("\"{}\" is given twice", ShownValue(key)));
            const bool known = std::find(keys.begin(), keys.end(), key) != keys.end() ||
                               (named && key == "nameBytes");
            if (!known)
                return Refuse(fmt::format("\"{}\" is not a field of {}", ShownValue(key), what));
        }
        for (const auto& key : keys) {
            if (!object.contains(key)) return Refuse(fmt::format("\"{}\" is missing", key));
        }
        return true;
    }

    // "name" is what a reader sees; "nameBytes", when given, the exact bytes.
    bool Name(const Json& object, std::string& name) {
        const Json& readable = object.at("name");
        if (!readable.is_string()) return Refuse("name must be a string");
        name = readable.get<std::string>();
        if (object.contains("nameBytes")) {
            const Json& bytes = object.at("nameBytes");
            if (!bytes.is_string() || !FromHex(bytes.get<std::string>(), name))
                return Refuse("nameBytes must be a string of two hex digits a byte");
            if (Readable(name) != readable.get<std::string>())
                return Refuse(fmt::format("name \"{}\" does not match nameBytes",
                                          ShownValue(readable.get<std::string>())));
        }
        if (name.size() > kMaxNameBytes)
            return Refuse(
                fmt::format("name is {} bytes long; at most {} fit", name.size(), kMaxNameBytes));
        return true;
    }

    template <class Record, std::size_t N>
    bool Numbers(const Json& object, Record& r, const NumberField<Record> (&fields)[N],
                 std::string_view prefix) {
        for (const auto& field : fields) {
            const Json& value = object.at(field.key);
            const bool fits = value.is_number_integer() && value.get<long long>() >= 0 &&
                              value.get<long long>() <= static_cast<long long>(field.Max());
            if (!fits)
                return Refuse(fmt::format("{} does not fit {}{} (0..{})", ShownJson(value), prefix,
                                          field.key, field.Max()));
            field.Set(r, value.get<unsigned>());
        }
        return true;
    }

    // "team 2 "1930 Cubs", player 3 "Hack Wilson": PROBLEM"
    bool Refuse(std::string_view problem) {
        error_.clear();
        if (team_) {
            error_ = fmt::format("team {}", team_);
            if (!teamName_.empty()) error_ += fmt::format(" \"{}\"", ShownValue(teamName_));
        }
        if (player_) {
            error_ += fmt::format(", player {}", player_);
            if (!playerName_.empty()) error_ += fmt::format(" \"{}\"", ShownValue(playerName_));
        }
        error_ += (team_ ? ": " : "") + std::string(problem);
        return false;
    }

    std::string& error_;
    std::size_t team_ = 0;
    std::string teamName_;
    std::size_t player_ = 0;
    std::string playerName_;
};

}  // namespace

std::string TeamListJson(const TeamList& teams) {
    if (teams.empty()) return "[]\n";
    std::string out = "[\n";
    for (std::size_t i = 0; i < teams.size(); ++i) {
        AppendTeam(out, *teams[i]);
        out += i + 1 < teams.size() ? ",\n" : "\n";
    }
    out += "]\n";
    return out;
}

bool TeamListFromJson(std::string_view text, TeamList& teams, std::string& error) {
    teams.clear();
    DocumentBuilder builder;
    if (!Json::sax_parse(WithoutByteOrderMark(text), &builder)) {
        error = builder.error;
        return false;
    }
    if (ListReader(error).Teams(builder.document, teams)) return true;
    teams.clear();
    return false;
}

}  // namespace velmoro
