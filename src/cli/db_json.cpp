// dump and build: a team database as JSON and back.
//
// Names are byte strings. Valid UTF-8 is written as it is; every other byte is written
// as the escape \u00XX of its value, and build reads \u0080 to \u00FF back as that one
// byte, so a dump builds back into the same file byte for byte.
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include <fmt/format.h>

#include "db/team_files.h"
#include "db_commands.h"

namespace velmoro {

namespace {

using Json = nlohmann::json;

// One numeric field of a record: a member of 8 or of 16 bits.
template <class Record>
struct NumberField {
    const char* key;
    std::uint8_t Record::*small;
    std::uint16_t Record::*wide;

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

// In the order the JSON lists them, between "name" and "pitching".
const PlayerField kPlayerFields[] = {
    {"atBats", nullptr, &PlayerRecord::atBats},
    {"battingAvg", nullptr, &PlayerRecord::battingAvg},
    {"games", &PlayerRecord::games, nullptr},
    {"runs", &PlayerRecord::runs, nullptr},
    {"hits", &PlayerRecord::hits, nullptr},
    {"doubles", &PlayerRecord::doubles, nullptr},
    {"triples", &PlayerRecord::triples, nullptr},
    {"homeRuns", &PlayerRecord::homeRuns, nullptr},
    {"rbi", &PlayerRecord::rbi, nullptr},
    {"stolenBases", &PlayerRecord::stolenBases, nullptr},
    {"caughtStealing", &PlayerRecord::caughtStealing, nullptr},
    {"walks", &PlayerRecord::walks, nullptr},
    {"strikeouts", &PlayerRecord::strikeouts, nullptr},
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

void Fail(const std::string& message) {
    std::fprintf(stderr, "velmoro-db: %s\n", message.c_str());
}

// ---------------------------------------------------------------- dump

bool IsContinuation(std::string_view s, std::size_t i, unsigned char low = 0x80,
                    unsigned char high = 0xBF) {
    if (i >= s.size()) return false;
    const auto b = static_cast<unsigned char>(s[i]);
    return b >= low && b <= high;
}

// Length of the well-formed UTF-8 sequence starting at s[i], 0 when there is none
// (overlong forms, surrogates and code points above U+10FFFF included).
std::size_t Utf8SequenceLength(std::string_view s, std::size_t i) {
    const auto b = static_cast<unsigned char>(s[i]);
    if (b < 0x80) return 1;
    if (b >= 0xC2 && b <= 0xDF) return IsContinuation(s, i + 1) ? 2 : 0;
    if (b >= 0xE0 && b <= 0xEF) {
        const unsigned char low = b == 0xE0 ? 0xA0 : 0x80;
        const unsigned char high = b == 0xED ? 0x9F : 0xBF;
        return IsContinuation(s, i + 1, low, high) && IsContinuation(s, i + 2) ? 3 : 0;
    }
    if (b >= 0xF0 && b <= 0xF4) {
        const unsigned char low = b == 0xF0 ? 0x90 : 0x80;
        const unsigned char high = b == 0xF4 ? 0x8F : 0xBF;
        return IsContinuation(s, i + 1, low, high) && IsContinuation(s, i + 2) &&
                       IsContinuation(s, i + 3)
                   ? 4
                   : 0;
    }
    return 0;
}

void AppendEscapedByte(std::string& out, unsigned char b) {
    switch (b) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (b < 0x20 || b >= 0x80)
                out += fmt::format("\\u{:04x}", b);
            else
                out.push_back(static_cast<char>(b));
    }
}

void AppendJsonString(std::string& out, std::string_view s) {
    out.push_back('"');
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t length = Utf8SequenceLength(s, i);
        if (length > 1) {
            out.append(s.substr(i, length));
            i += length;
        } else {
            AppendEscapedByte(out, static_cast<unsigned char>(s[i]));
            ++i;
        }
    }
    out.push_back('"');
}

template <class Record, std::size_t N>
void AppendNumbers(std::string& out, const Record& r, const NumberField<Record> (&fields)[N]) {
    for (const auto& field : fields)
        out += fmt::format(", \"{}\": {}", field.key, field.Get(r));
}

void AppendPlayer(std::string& out, const PlayerRecord& player) {
    out += "    {\"name\": ";
    AppendJsonString(out, player.name);
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
    out += "  {\"name\": ";
    AppendJsonString(out, team.name);
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

// ---------------------------------------------------------------- JSON reading

// A strict JSON reader. nlohmann's own parser would turn \u00e9 into the two bytes of
// U+00E9; here it stays the single byte the dump escaped.
class JsonReader {
  public:
    explicit JsonReader(std::string_view text) : text_(text) {}

    bool Parse(Json& out) {
        if (text_.substr(0, 3) == "\xEF\xBB\xBF") pos_ = 3;  // a byte order mark
        if (!Value(out, 0)) return false;
        SkipSpace();
        return pos_ == text_.size() || Error("unexpected text after the end of the data");
    }

    const std::string& error() const { return error_; }

  private:
    // Deeper nesting than any team file needs; the limit keeps the stack safe.
    static constexpr int kMaxDepth = 64;

    bool Error(std::string_view what) {
        if (!error_.empty()) return false;
        std::size_t line = 1;
        std::size_t column = 1;
        for (std::size_t i = 0; i < pos_ && i < text_.size(); ++i) {
            column = text_[i] == '\n' ? 1 : column + 1;
            line += text_[i] == '\n' ? 1 : 0;
        }
        error_ = fmt::format("line {}, column {}: {}", line, column, what);
        return false;
    }

    void SkipSpace() {
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t' ||
                                       text_[pos_] == '\n' || text_[pos_] == '\r'))
            ++pos_;
    }

    bool Consume(char c) {
        SkipSpace();
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }

    bool Literal(std::string_view word, Json value, Json& out) {
        if (text_.substr(pos_, word.size()) != word) return Error("unexpected character");
        pos_ += word.size();
        out = std::move(value);
        return true;
    }

    bool Value(Json& out, int depth) {
        if (depth > kMaxDepth) return Error("nested too deeply");
        SkipSpace();
        if (pos_ >= text_.size()) return Error("the data ends too early");
        switch (text_[pos_]) {
            case '{':
                return Object(out, depth);
            case '[':
                return Array(out, depth);
            case '"': {
                std::string s;
                if (!String(s)) return false;
                out = std::move(s);
                return true;
            }
            case 't':
                return Literal("true", true, out);
            case 'f':
                return Literal("false", false, out);
            case 'n':
                return Literal("null", nullptr, out);
            default:
                return Number(out);
        }
    }

    bool Object(Json& out, int depth) {
        ++pos_;
        out = Json::object();
        if (Consume('}')) return true;
        do {
            SkipSpace();
            std::string key;
            if (pos_ >= text_.size() || text_[pos_] != '"') return Error("expected a key");
            if (!String(key)) return false;
            if (out.contains(key)) return Error(fmt::format("\"{}\" given twice", key));
            if (!Consume(':')) return Error("expected ':'");
            if (!Value(out[key], depth + 1)) return false;
        } while (Consume(','));
        return Consume('}') || Error("expected ',' or '}'");
    }

    bool Array(Json& out, int depth) {
        ++pos_;
        out = Json::array();
        if (Consume(']')) return true;
        do {
            Json item;
            if (!Value(item, depth + 1)) return false;
            out.push_back(std::move(item));
        } while (Consume(','));
        return Consume(']') || Error("expected ',' or ']'");
    }

    bool Digits() {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9')
            ++pos_;
        return pos_ > start;
    }

    bool Number(Json& out) {
        const std::size_t start = pos_;
        if (text_[pos_] == '-') ++pos_;
        if (!Digits()) return Error("unexpected character");
        bool whole = true;
        if (pos_ < text_.size() && text_[pos_] == '.') {
            ++pos_;
            whole = false;
            if (!Digits()) return Error("expected digits after '.'");
        }
        if (pos_ < text_.size() && (text_[pos_] == 'e' || text_[pos_] == 'E')) {
            ++pos_;
            whole = false;
            if (pos_ < text_.size() && (text_[pos_] == '+' || text_[pos_] == '-')) ++pos_;
            if (!Digits()) return Error("expected digits in the exponent");
        }
        const std::string literal(text_.substr(start, pos_ - start));
        if (whole && literal.size() <= 18) {
            out = std::stoll(literal);
        } else {
            out = std::strtod(literal.c_str(), nullptr);  // no whole field takes it
        }
        return true;
    }

    bool Hex4(unsigned& value) {
        if (text_.size() - pos_ < 4) return Error("expected four hex digits");
        value = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = text_[pos_++];
            const int digit = c >= '0' && c <= '9'   ? c - '0'
                              : c >= 'a' && c <= 'f' ? c - 'a' + 10
                              : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                     : -1;
            if (digit < 0) return Error("expected four hex digits");
            value = value * 16 + static_cast<unsigned>(digit);
        }
        return true;
    }

    static void AppendUtf8(std::string& out, unsigned cp) {
        if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | cp >> 6));
        } else if (cp < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | cp >> 12));
            out.push_back(static_cast<char>(0x80 | (cp >> 6 & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | cp >> 18));
            out.push_back(static_cast<char>(0x80 | (cp >> 12 & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp >> 6 & 0x3F)));
        }
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }

    // \u0000 to \u00FF are single bytes; above that, UTF-8 (surrogate pairs joined).
    bool UnicodeEscape(std::string& out) {
        unsigned cp = 0;
        if (!Hex4(cp)) return false;
        if (cp <= 0xFF) {
            out.push_back(static_cast<char>(cp));
            return true;
        }
        if (cp >= 0xDC00 && cp <= 0xDFFF) return Error("a lone low surrogate");
        if (cp >= 0xD800 && cp <= 0xDBFF) {
            unsigned low = 0;
            if (text_.substr(pos_, 2) != "\\u") return Error("a lone high surrogate");
            pos_ += 2;
            if (!Hex4(low)) return false;
            if (low < 0xDC00 || low > 0xDFFF) return Error("a lone high surrogate");
            cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
        }
        AppendUtf8(out, cp);
        return true;
    }

    bool Escape(std::string& out) {
        if (pos_ >= text_.size()) return Error("the data ends inside a string");
        const char c = text_[pos_++];
        switch (c) {
            case '"':
                out.push_back('"');
                return true;
            case '\\':
                out.push_back('\\');
                return true;
            case '/':
                out.push_back('/');
                return true;
            case 'b':
                out.push_back('\b');
                return true;
            case 'f':
                out.push_back('\f');
                return true;
            case 'n':
                out.push_back('\n');
                return true;
            case 'r':
                out.push_back('\r');
                return true;
            case 't':
                out.push_back('\t');
                return true;
            case 'u':
                return UnicodeEscape(out);
            default:
                --pos_;
                return Error("unknown escape");
        }
    }

    bool String(std::string& out) {
        ++pos_;
        while (pos_ < text_.size()) {
            const auto c = static_cast<unsigned char>(text_[pos_++]);
            if (c == '"') return true;
            if (c == '\\') {
                if (!Escape(out)) return false;
            } else if (c < 0x20) {
                --pos_;
                return Error("a control character inside a string");
            } else {
                out.push_back(static_cast<char>(c));
            }
        }
        return Error("the data ends inside a string");
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    std::string error_;
};

// ---------------------------------------------------------------- build

// Names in messages: control bytes would garble the terminal, so they become '?'.
std::string Printable(std::string name) {
    for (char& c : name) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7F) c = '?';
    }
    return name;
}

// Where in the JSON a value belongs, for messages.
struct Place {
    std::size_t team = 0;
    std::string teamName;
    std::size_t player = 0;  // 0: the team itself
    std::string playerName;

    std::string Describe(std::string_view field) const {
        std::string where = fmt::format("team {}", team);
        if (!teamName.empty()) where += fmt::format(" \"{}\"", Printable(teamName));
        if (player) where += fmt::format(", player {}", player);
        if (!playerName.empty()) where += fmt::format(" \"{}\"", Printable(playerName));
        if (field.empty()) return where;
        return where + fmt::format(", field \"{}\"", field);
    }
};

bool Refuse(const Place& place, std::string_view field, std::string_view problem) {
    Fail(fmt::format("{}: {}", place.Describe(field), problem));
    return false;
}

// Every key of the object must be one of the expected ones and each must be present:
// a misspelt key would otherwise turn a number silently into 0.
bool CheckKeys(const Json& object, const std::vector<std::string>& keys, const Place& place,
               std::string_view what) {
    if (!object.is_object()) return Refuse(place, "", std::string(what) + " must be an object");
    for (const auto& [key, value] : object.items()) {
        if (std::find(keys.begin(), keys.end(), key) == keys.end())
            return Refuse(place, key, "is not a field of " + std::string(what));
    }
    for (const auto& key : keys) {
        if (!object.contains(key)) return Refuse(place, key, "is missing");
    }
    return true;
}

bool ReadName(const Json& value, std::string& name, const Place& place) {
    if (!value.is_string()) return Refuse(place, "name", "is not a string");
    name = value.get<std::string>();
    if (name.size() > kMaxNameBytes)
        return Refuse(place, "name", fmt::format("is {} bytes long; at most 255 fit", name.size()));
    return true;
}

template <class Record, std::size_t N>
std::vector<std::string> KeysOf(const NumberField<Record> (&fields)[N]) {
    std::vector<std::string> keys;
    for (const auto& field : fields)
        keys.emplace_back(field.key);
    return keys;
}

template <class Record, std::size_t N>
bool ReadNumbers(const Json& object, Record& r, const NumberField<Record> (&fields)[N],
                 const Place& place) {
    for (const auto& field : fields) {
        const Json& value = object.at(field.key);
        const bool fits = value.is_number_integer() && value.get<long long>() >= 0 &&
                          value.get<long long>() <= static_cast<long long>(field.Max());
        if (!fits)
            return Refuse(place, field.key,
                          fmt::format("{} does not fit (a whole number from 0 to {})",
                                      value.dump(-1, ' ', false, Json::error_handler_t::replace),
                                      field.Max()));
        field.Set(r, static_cast<unsigned>(value.get<long long>()));
    }
    return true;
}

bool ReadPitching(const Json& value, PlayerRecord& player, const Place& place) {
    if (value.is_null()) return true;
    if (!CheckKeys(value, KeysOf(kPitchingFields), place, "pitching")) return false;
    player.pitching = std::make_unique<PitchingLine>();
    return ReadNumbers(value, *player.pitching, kPitchingFields, place);
}

bool ReadPlayer(const Json& value, TeamRecord& team, Place& place) {
    if (value.is_object() && value.contains("name") && value["name"].is_string())
        place.playerName = value["name"].get<std::string>();
    std::vector<std::string> keys = KeysOf(kPlayerFields);
    keys.insert(keys.begin(), "name");
    keys.emplace_back("pitching");
    if (!CheckKeys(value, keys, place, "a player")) return false;
    PlayerRecord& player = team.AddPlayer(PlayerRecord());
    return ReadName(value["name"], player.name, place) &&
           ReadNumbers(value, player, kPlayerFields, place) &&
           ReadPitching(value["pitching"], player, place);
}

bool ReadTeam(const Json& value, TeamList& teams, Place& place) {
    if (value.is_object() && value.contains("name") && value["name"].is_string())
        place.teamName = value["name"].get<std::string>();
    if (!CheckKeys(value, {"name", "players"}, place, "a team")) return false;
    TeamRecord& team = AddTeam(teams, "");
    if (!ReadName(value["name"], team.name, place)) return false;
    const Json& players = value["players"];
    if (!players.is_array()) return Refuse(place, "players", "is not an array");
    for (const Json& player : players) {
        ++place.player;
        place.playerName.clear();
        if (!ReadPlayer(player, team, place)) return false;
    }
    return true;
}

bool ReadTeams(const Json& root, TeamList& teams) {
    if (!root.is_array()) {
        Fail("the JSON must be an array of teams");
        return false;
    }
    Place place;
    for (const Json& team : root) {
        place = Place{place.team + 1, "", 0, ""};
        if (!ReadTeam(team, teams, place)) return false;
    }
    return true;
}

}  // namespace

int RunDump(const std::string& file) {
    std::string bytes;
    if (!ReadFileBytes(file, bytes)) {
        Fail(fmt::format("cannot read {}", file));
        return 1;
    }
    TeamList teams;
    std::string error;
    if (!ParseTeamList(bytes, teams, &error)) {
        Fail(fmt::format("{} is not a whole team database: {}", file, error));
        return 1;
    }
    const std::string json = TeamListJson(teams);
    if (std::fwrite(json.data(), 1, json.size(), stdout) != json.size() ||
        std::fflush(stdout) != 0) {
        Fail("cannot write to standard output");
        return 1;
    }
    return 0;
}

int RunBuild(const std::string& jsonFile, const std::string& outFile, bool filter) {
    std::string text;
    if (!ReadFileBytes(jsonFile, text)) {
        Fail(fmt::format("cannot read {}", jsonFile));
        return 1;
    }
    JsonReader reader(text);
    Json root;
    if (!reader.Parse(root)) {
        Fail(fmt::format("{}: {}", jsonFile, reader.error()));
        return 1;
    }
    TeamList teams;
    if (!ReadTeams(root, teams)) return 1;
    std::string error;
    if (!WriteTeamList(teams, outFile, filter, &error)) {
        Fail(error);
        return 1;
    }
    return 0;
}

}  // namespace velmoro
