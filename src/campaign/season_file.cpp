#include "campaign/season_file.h"

#include <fmt/format.h>
#include <fmt/ranges.h>

#include "campaign/managed_season.h"
#include "campaign/season_schema.h"
#include "campaign/sqlite_db.h"

namespace velmoro {

namespace {

std::string InningsList(const std::vector<int>& innings) {
    return fmt::format("{}", fmt::join(innings, " "));
}

std::vector<int> ParseInnings(const std::string& text) {
    std::vector<int> innings;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find(' ', at);
        if (end == std::string::npos) end = text.size();
        innings.push_back(std::atoi(text.substr(at, end - at).c_str()));
        at = end + 1;
    }
    return innings;
}

// Whether the file is a season file this program reads, before anything else touches it.
Status CheckFile(SqliteDb& db) {
    std::int64_t application = 0, version = 0;
    if (Status read = db.QueryInt("PRAGMA application_id", application); !read) return read;
    if (application != kSeasonFileApplicationId) return db.Error("not a season file");
    if (Status read = db.QueryInt("PRAGMA user_version", version); !read) return read;
    if (version > kSeasonFileVersion)
        return db.Error(fmt::format(
            "season file version {} is newer than this program reads (version {}): open it with "
            "a newer Velmoro Baseball",
            version, kSeasonFileVersion));
    if (version < 1) return db.Error("not a season file");
    // The first problem the check finds, past the line that names the database.
    SqliteStatement check;
    if (Status prepared = db.Prepare("PRAGMA quick_check(2)", check); !prepared) return prepared;
    for (bool row = true; row;) {
        if (Status stepped = check.Step(row); !stepped) return db.Error(stepped.message());
        const std::string line = row ? check.Text(0) : "";
        if (line == "ok") return OkStatus();
        if (row && line.rfind("***", 0) != 0) return db.Error("damaged: " + line);
    }
    return db.Error("damaged");
}

}  // namespace

struct SeasonFile::Statements {
    SqliteStatement begin, commit, rollback, game, batting, pitching, player, box, boxBatting,
        boxPitching;
};

SeasonFile::SeasonFile(std::unique_ptr<SqliteDb> db)
    : db_(std::move(db)), statements_(std::make_unique<Statements>()) {}

SeasonFile::~SeasonFile() = default;

Status SeasonFile::Prepare() {
    Statements& s = *statements_;
    const std::pair<SqliteStatement*, const char*> all[] = {
        {&s.begin, "BEGIN IMMEDIATE"},
        {&s.commit, "COMMIT"},
        {&s.rollback, "ROLLBACK"},
        {&s.game,
         "UPDATE games SET played = 1, visitor_runs = ?, home_runs = ?, visitor_hits = ?, "
         "home_hits = ?, visitor_errors = ?, home_errors = ?, visitor_innings = ?, "
         "home_innings = ? WHERE id = ? AND played = 0"},
        {&s.batting, "INSERT INTO batting_lines VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"},
        {&s.pitching, "INSERT INTO pitching_lines VALUES (?,?,?,?,?,?,?,?,?,?)"},
        {&s.player,
         "UPDATE players SET g = g + ?, ab = ab + ?, r = r + ?, h = h + ?, d = d + ?, t = t + ?, "
         "hr = hr + ?, rbi = rbi + ?, sb = sb + ?, bb = bb + ?, so = so + ?, p_g = p_g + ?, "
         "p_gs = p_gs + ?, p_outs = p_outs + ?, p_r = p_r + ?, p_h = p_h + ?, p_bb = p_bb + ?, "
         "p_so = p_so + ?, p_w = p_w + ?, p_l = p_l + ?, p_sv = p_sv + ?, "
         "last_pitched = max(last_pitched, ?) WHERE id = ?"},
        {&s.box,
         "SELECT day, visitor, home, played, visitor_runs, home_runs, visitor_hits, home_hits, "
         "visitor_errors, home_errors, visitor_innings, home_innings FROM games WHERE id = ?"},
        {&s.boxBatting,
         "SELECT side, name, pos, ab, r, h, d, t, hr, rbi, bb, so, sb FROM batting_lines "
         "WHERE game = ? ORDER BY side, seq"},
        {&s.boxPitching,
         "SELECT side, name, outs, h, r, bb, so, decision FROM pitching_lines WHERE game = ? "
         "ORDER BY side, seq"},
    };
    for (const auto& [statement, sql] : all)
        if (Status prepared = db_->Prepare(sql, *statement); !prepared) return prepared;
    // Commits wait for no disk (a kill loses nothing committed; a power cut at most the
    // last games, never the file), and a season's games go to the log with no copy back
    // to the file until it is closed.
    return db_->Exec("PRAGMA synchronous = NORMAL; PRAGMA wal_autocheckpoint = 8192");
}

namespace {

Status InsertMeta(SqliteDb& db, const SeasonContents& contents) {
    SqliteStatement meta;
    if (Status prepared = db.Prepare("INSERT INTO season VALUES (?, ?)", meta); !prepared)
        return prepared;
    const std::pair<const char*, std::string> rows[] = {
        {"program", "Velmoro Baseball"},
        {"year", std::to_string(contents.year)},
        {"engine", EngineName(contents.engine)},
        {"seed", std::to_string(contents.seed)},
        {"directory", contents.directory.string()},
    };
    for (const auto& [key, value] : rows)
        if (Status ran = meta.Bind(key).Bind(value).Run(); !ran) return db.Error(ran.message());
    return OkStatus();
}

Status InsertClubs(SqliteDb& db, const SeasonContents& contents) {
    SqliteStatement club, player;
    if (Status prepared = db.Prepare("INSERT INTO clubs VALUES (?,?,?,?,?,?,?,?,?,?,?)", club);
        !prepared)
        return prepared;
    if (Status prepared =
            db.Prepare("INSERT INTO players (id, club, roster, name) VALUES (?,?,?,?)", player);
        !prepared)
        return prepared;
    int id = 0;
    for (std::size_t c = 0; c < contents.clubs.size(); ++c) {
        const SeasonClub& entry = contents.clubs[c];
        const SeasonTeam& t = entry.team;
        club.Bind(static_cast<std::int64_t>(c)).Bind(entry.name).Bind(t.league).Bind(t.division);
        club.Bind(entry.managed ? 1 : 0).Bind(t.realGames).Bind(t.realWins).Bind(t.realLosses);
        club.Bind(t.realRunsScored).Bind(t.realRunsAllowed).Bind(t.realRank);
        if (Status ran = club.Run(); !ran) return db.Error(ran.message());
        for (std::size_t p = 0; p < entry.players.size(); ++p) {
            player.Bind(id++).Bind(static_cast<std::int64_t>(c)).Bind(static_cast<std::int64_t>(p));
            if (Status ran = player.Bind(entry.players[p]).Run(); !ran)
                return db.Error(ran.message());
        }
    }
    return OkStatus();
}

Status InsertGames(SqliteDb& db, const SeasonContents& contents) {
    SqliteStatement game;
    if (Status prepared =
            db.Prepare("INSERT INTO games (id, day, visitor, home, visitor_turn, home_turn) "
                       "VALUES (?,?,?,?,?,?)",
                       game);
        !prepared)
        return prepared;
    for (std::size_t g = 0; g < contents.games.size(); ++g) {
        const SeasonGame& entry = contents.games[g];
        game.Bind(entry.id).Bind(entry.day).Bind(entry.visitor).Bind(entry.home);
        if (Status ran = game.Bind(contents.turns[g].first).Bind(contents.turns[g].second).Run();
            !ran)
            return db.Error(ran.message());
    }
    return OkStatus();
}

}  // namespace

Status SeasonFile::Create(const std::filesystem::path& file, const SeasonContents& contents,
                          std::unique_ptr<SeasonFile>& out) {
    std::unique_ptr<SqliteDb> db;
    if (Status created = SqliteDb::Create(file, db); !created) return created;
    Status written = db->Exec(fmt::format(
        "PRAGMA journal_mode = WAL; PRAGMA application_id = {}; PRAGMA user_version = {}; "
        "BEGIN; {}",
        kSeasonFileApplicationId, kSeasonFileVersion, kSeasonSchema));
    if (written) written = InsertMeta(*db, contents);
    if (written) written = InsertClubs(*db, contents);
    if (written) written = InsertGames(*db, contents);
    if (written) written = db->Exec("COMMIT");
    if (!written) {
        db.reset();
        std::error_code ignored;
        std::filesystem::remove(file, ignored);
        return written;
    }
    out.reset(new SeasonFile(std::move(db)));
    return out->Prepare();
}

Status SeasonFile::Open(const std::filesystem::path& file, SeasonContents& contents,
                        std::unique_ptr<SeasonFile>& out) {
    std::unique_ptr<SqliteDb> db;
    if (Status opened = SqliteDb::Open(file, db); !opened) return opened;
    if (Status checked = CheckFile(*db); !checked) return checked;
    std::unique_ptr<SeasonFile> opened(new SeasonFile(std::move(db)));
    if (Status loaded = opened->Load(contents); !loaded) return loaded;
    if (Status prepared = opened->Prepare(); !prepared) return prepared;
    out = std::move(opened);
    return OkStatus();
}

namespace {

Status WriteBatters(SqliteStatement& insert, int game, int side, const BoxScoreSide& box) {
    int seq = 0;
    for (const BoxScoreBatter& b : box.batters) {
        insert.Bind(game).Bind(side).Bind(seq++).Bind(b.name).Bind(b.position).Bind(b.atBats);
        insert.Bind(b.runs).Bind(b.hits).Bind(b.doubles).Bind(b.triples).Bind(b.homeRuns);
        insert.Bind(b.rbi).Bind(b.walks).Bind(b.strikeouts).Bind(b.stolenBases);
        if (Status ran = insert.Run(); !ran) return ran;
    }
    return OkStatus();
}

Status WritePitchers(SqliteStatement& insert, int game, int side, const BoxScoreSide& box) {
    int seq = 0;
    for (const BoxScorePitcher& p : box.pitchers) {
        insert.Bind(game).Bind(side).Bind(seq++).Bind(p.name).Bind(p.outs).Bind(p.hits);
        insert.Bind(p.runs).Bind(p.walks).Bind(p.strikeouts).Bind(p.decision);
        if (Status ran = insert.Run(); !ran) return ran;
    }
    return OkStatus();
}

Status WritePlayer(SqliteStatement& update, const PlayerGame& p, int day) {
    const BattingTotals& b = p.batting;
    const PitchingTotals& q = p.pitching;
    for (int value :
         {b.games, b.atBats,      b.runs,  b.hits,       b.doubles, b.triples, b.homeRuns,
          b.rbi,   b.stolenBases, b.walks, b.strikeouts, q.games,   q.starts,  q.outs,
          q.runs,  q.hits,        q.walks, q.strikeouts, q.wins,    q.losses,  q.saves})
        update.Bind(value);
    return update.Bind(q.games > 0 ? day : -1).Bind(p.player).Run();
}

}  // namespace

Status SeasonFile::WriteGame(const GameRecord& record) {
    Statements& s = *statements_;
    const SeasonGame& game = record.box.game;
    if (Status begun = s.begin.Run(); !begun) return db_->Error(begun.message());
    const BoxScoreSide& v = record.box.visitor;
    const BoxScoreSide& h = record.box.home;
    s.game.Bind(v.runs).Bind(h.runs).Bind(v.hits).Bind(h.hits).Bind(v.errors).Bind(h.errors);
    s.game.Bind(InningsList(v.innings)).Bind(InningsList(h.innings)).Bind(game.id);
    Status written = s.game.Run();
    if (written) written = WriteBatters(s.batting, game.id, 0, v);
    if (written) written = WriteBatters(s.batting, game.id, 1, h);
    if (written) written = WritePitchers(s.pitching, game.id, 0, v);
    if (written) written = WritePitchers(s.pitching, game.id, 1, h);
    for (const PlayerGame& player : record.players)
        if (written) written = WritePlayer(s.player, player, game.day);
    if (written) written = s.commit.Run();
    if (written) return OkStatus();
    (void)s.rollback.Run();
    return db_->Error(fmt::format("game {} not recorded: {}", game.id + 1, written.message()));
}

Status SeasonFile::ReadBoxScore(int gameId, BoxScore& box) {
    Statements& s = *statements_;
    box = {};
    bool row = false;
    Status read = s.box.Bind(gameId).Step(row);
    if (read && !row) read = Status::Error(fmt::format("no game {}", gameId + 1));
    if (read) {
        box.game = {gameId,
                    static_cast<int>(s.box.Int(0)),
                    static_cast<int>(s.box.Int(1)),
                    static_cast<int>(s.box.Int(2)),
                    s.box.Int(3) != 0,
                    static_cast<int>(s.box.Int(4)),
                    static_cast<int>(s.box.Int(5))};
        box.visitor.runs = box.game.visitorRuns, box.home.runs = box.game.homeRuns;
        box.visitor.hits = static_cast<int>(s.box.Int(6));
        box.home.hits = static_cast<int>(s.box.Int(7));
        box.visitor.errors = static_cast<int>(s.box.Int(8));
        box.home.errors = static_cast<int>(s.box.Int(9));
        box.visitor.innings = ParseInnings(s.box.Text(10));
        box.home.innings = ParseInnings(s.box.Text(11));
    }
    s.box.Reset();
    if (!read) return db_->Error(read.message());
    return ReadBoxLines(gameId, box);
}

Status SeasonFile::ReadBoxLines(int gameId, BoxScore& box) {
    Statements& s = *statements_;
    Status read;
    s.boxBatting.Bind(gameId);
    for (bool row = true; read && row;) {
        read = s.boxBatting.Step(row);
        if (!read || !row) break;
        const SqliteStatement& q = s.boxBatting;
        BoxScoreBatter& b = (q.Int(0) ? box.home : box.visitor).batters.emplace_back();
        b.name = q.Text(1), b.position = q.Text(2);
        int column = 3;
        for (int* field : {&b.atBats, &b.runs, &b.hits, &b.doubles, &b.triples, &b.homeRuns, &b.rbi,
                           &b.walks, &b.strikeouts, &b.stolenBases})
            *field = static_cast<int>(q.Int(column++));
    }
    s.boxBatting.Reset();
    s.boxPitching.Bind(gameId);
    for (bool row = true; read && row;) {
        read = s.boxPitching.Step(row);
        if (!read || !row) break;
        const SqliteStatement& q = s.boxPitching;
        BoxScorePitcher& p = (q.Int(0) ? box.home : box.visitor).pitchers.emplace_back();
        p.name = q.Text(1), p.decision = q.Text(7);
        int column = 2;
        for (int* field : {&p.outs, &p.hits, &p.runs, &p.walks, &p.strikeouts})
            *field = static_cast<int>(q.Int(column++));
    }
    s.boxPitching.Reset();
    return read ? OkStatus() : db_->Error(read.message());
}

}  // namespace velmoro
