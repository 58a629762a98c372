// The season file's rows read into the season and written one game at a time.
#include <fmt/format.h>
#include <fmt/ranges.h>

#include "campaign/season_file.h"
#include "campaign/sqlite_db.h"

namespace velmoro {

namespace {

// Runs `sql` and calls `row` on each row; a failure names the file.
template <typename Row>
Status EachRow(SqliteDb& db, const std::string& sql, Row row) {
    SqliteStatement statement;
    if (Status prepared = db.Prepare(sql, statement); !prepared) return prepared;
    for (;;) {
        bool more = false;
        if (Status stepped = statement.Step(more); !stepped) return db.Error(stepped.message());
        if (!more) return OkStatus();
        if (Status read = row(statement); !read) return db.Error(read.message());
    }
}

Status ReadMeta(SqliteDb& db, SeasonContents& contents) {
    return EachRow(db, "SELECT key, value FROM season", [&](const SqliteStatement& row) {
        const std::string key = row.Text(0), value = row.Text(1);
        if (key == "year") contents.year = std::atoi(value.c_str());
        if (key == "seed") contents.seed = static_cast<std::uint32_t>(std::stoul(value));
        if (key == "directory") contents.directory = value;
        if (key == "engine") {
            const auto engine = ParseEngineKind(value);
            if (!engine) return Status::Error("an engine this program does not know: " + value);
            contents.engine = *engine;
        }
        return OkStatus();
    });
}

Status ReadClubs(SqliteDb& db, SeasonContents& contents) {
    return EachRow(db,
                   "SELECT id, name, league, division, managed, real_games, real_wins, "
                   "real_losses, real_runs_scored, real_runs_allowed, real_rank FROM clubs "
                   "ORDER BY id",
                   [&](const SqliteStatement& row) {
                       if (row.Int(0) != static_cast<std::int64_t>(contents.clubs.size()))
                           return Status::Error("the clubs are not numbered in order");
                       SeasonClub& club = contents.clubs.emplace_back();
                       club.name = row.Text(1);
                       club.team.league = row.Text(2), club.team.division = row.Text(3);
                       club.managed = row.Int(4) != 0;
                       club.team.realGames = static_cast<int>(row.Int(5));
                       club.team.realWins = static_cast<int>(row.Int(6));
                       club.team.realLosses = static_cast<int>(row.Int(7));
                       club.team.realRunsScored = static_cast<int>(row.Int(8));
                       club.team.realRunsAllowed = static_cast<int>(row.Int(9));
                       club.team.realRank = static_cast<int>(row.Int(10));
                       return OkStatus();
                   });
}

Status ReadPlayers(SqliteDb& db, SeasonContents& contents) {
    return EachRow(
        db,
        "SELECT id, club, roster, name, g, ab, r, h, d, t, hr, rbi, sb, bb, so, p_g, p_gs, "
        "p_outs, p_r, p_h, p_bb, p_so, p_w, p_l, p_sv FROM players ORDER BY id",
        [&](const SqliteStatement& row) {
            const auto club = row.Int(1);
            if (row.Int(0) != static_cast<std::int64_t>(contents.players.size()) || club < 0 ||
                club >= static_cast<std::int64_t>(contents.clubs.size()) ||
                row.Int(2) != static_cast<std::int64_t>(contents.clubs[club].players.size()))
                return Status::Error("the players are not numbered in order");
            contents.clubs[club].players.push_back(row.Text(3));
            PlayerSeason& p = contents.players.emplace_back();
            p.team = static_cast<int>(club), p.player = static_cast<int>(row.Int(2));
            int column = 4;
            for (int* field : {&p.batting.games,    &p.batting.atBats,     &p.batting.runs,
                               &p.batting.hits,     &p.batting.doubles,    &p.batting.triples,
                               &p.batting.homeRuns, &p.batting.rbi,        &p.batting.stolenBases,
                               &p.batting.walks,    &p.batting.strikeouts, &p.pitching.games,
                               &p.pitching.starts,  &p.pitching.outs,      &p.pitching.runs,
                               &p.pitching.hits,    &p.pitching.walks,     &p.pitching.strikeouts,
                               &p.pitching.wins,    &p.pitching.losses,    &p.pitching.saves})
                *field = static_cast<int>(row.Int(column++));
            return OkStatus();
        });
}

Status ReadGames(SqliteDb& db, SeasonContents& contents) {
    const auto clubs = static_cast<std::int64_t>(contents.clubs.size());
    return EachRow(
        db,
        "SELECT id, day, visitor, home, visitor_turn, home_turn, played, "
        "visitor_runs, home_runs FROM games ORDER BY id",
        [&](const SqliteStatement& row) {
            SeasonGame game;
            game.id = static_cast<int>(row.Int(0)), game.day = static_cast<int>(row.Int(1));
            game.visitor = static_cast<int>(row.Int(2));
            game.home = static_cast<int>(row.Int(3));
            game.played = row.Int(6) != 0;
            game.visitorRuns = static_cast<int>(row.Int(7));
            game.homeRuns = static_cast<int>(row.Int(8));
            const bool ordered = contents.games.empty() || contents.games.back().day <= game.day;
            if (game.id != static_cast<int>(contents.games.size()) || !ordered ||
                game.visitor < 0 || game.visitor >= clubs || game.home < 0 || game.home >= clubs ||
                game.day < 0)
                return Status::Error(fmt::format("game {} is out of place", game.id));
            contents.games.push_back(game);
            contents.turns.emplace_back(row.Int(4), row.Int(5));
            return OkStatus();
        });
}

}  // namespace

Status SeasonFile::Load(SeasonContents& contents) {
    contents = {};
    for (auto read : {ReadMeta, ReadClubs, ReadPlayers, ReadGames})
        if (Status status = read(*db_, contents); !status) return status;
    if (contents.clubs.empty()) return db_->Error("a season file without clubs");
    return OkStatus();
}

Status SeasonFile::SetDirectory(const std::filesystem::path& directory) {
    SqliteStatement set;
    if (Status prepared = db_->Prepare("UPDATE season SET value = ? WHERE key = 'directory'", set);
        !prepared)
        return prepared;
    if (Status ran = set.Bind(directory.string()).Run(); !ran) return db_->Error(ran.message());
    return OkStatus();
}

}  // namespace velmoro
