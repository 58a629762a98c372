// The season file's tables, as docs/season-file.md describes them.
#pragma once

namespace velmoro {

inline constexpr const char* kSeasonSchema = R"sql(
CREATE TABLE season (
  key   TEXT PRIMARY KEY,
  value TEXT NOT NULL
);
CREATE TABLE clubs (
  id                INTEGER PRIMARY KEY,
  name              TEXT NOT NULL,
  league            TEXT NOT NULL,
  division          TEXT NOT NULL,
  managed           INTEGER NOT NULL,
  real_games        INTEGER NOT NULL,
  real_wins         INTEGER NOT NULL,
  real_losses       INTEGER NOT NULL,
  real_runs_scored  INTEGER NOT NULL,
  real_runs_allowed INTEGER NOT NULL,
  real_rank         INTEGER NOT NULL
);
CREATE TABLE players (
  id     INTEGER PRIMARY KEY,
  club   INTEGER NOT NULL REFERENCES clubs(id),
  roster INTEGER NOT NULL,
  name   TEXT NOT NULL,
  g INTEGER NOT NULL DEFAULT 0, ab INTEGER NOT NULL DEFAULT 0, r INTEGER NOT NULL DEFAULT 0,
  h INTEGER NOT NULL DEFAULT 0, d INTEGER NOT NULL DEFAULT 0, t INTEGER NOT NULL DEFAULT 0,
  hr INTEGER NOT NULL DEFAULT 0, rbi INTEGER NOT NULL DEFAULT 0, sb INTEGER NOT NULL DEFAULT 0,
  bb INTEGER NOT NULL DEFAULT 0, so INTEGER NOT NULL DEFAULT 0,
  p_g INTEGER NOT NULL DEFAULT 0, p_gs INTEGER NOT NULL DEFAULT 0,
  p_outs INTEGER NOT NULL DEFAULT 0, p_r INTEGER NOT NULL DEFAULT 0,
  p_h INTEGER NOT NULL DEFAULT 0, p_bb INTEGER NOT NULL DEFAULT 0,
  p_so INTEGER NOT NULL DEFAULT 0, p_w INTEGER NOT NULL DEFAULT 0,
  p_l INTEGER NOT NULL DEFAULT 0, p_sv INTEGER NOT NULL DEFAULT 0,
  last_pitched INTEGER NOT NULL DEFAULT -1
);
CREATE TABLE games (
  id             INTEGER PRIMARY KEY,
  day            INTEGER NOT NULL,
  visitor        INTEGER NOT NULL REFERENCES clubs(id),
  home           INTEGER NOT NULL REFERENCES clubs(id),
  visitor_turn   INTEGER NOT NULL,
  home_turn      INTEGER NOT NULL,
  played         INTEGER NOT NULL DEFAULT 0,
  visitor_runs   INTEGER, home_runs   INTEGER,
  visitor_hits   INTEGER, home_hits   INTEGER,
  visitor_errors INTEGER, home_errors INTEGER,
  visitor_innings TEXT,   home_innings TEXT
);
CREATE INDEX games_by_day ON games(day);
CREATE TABLE batting_lines (
  game INTEGER NOT NULL REFERENCES games(id),
  side INTEGER NOT NULL,
  seq  INTEGER NOT NULL,
  name TEXT NOT NULL,
  pos  TEXT NOT NULL,
  ab INTEGER NOT NULL, r INTEGER NOT NULL, h INTEGER NOT NULL, d INTEGER NOT NULL,
  t INTEGER NOT NULL, hr INTEGER NOT NULL, rbi INTEGER NOT NULL, bb INTEGER NOT NULL,
  so INTEGER NOT NULL, sb INTEGER NOT NULL,
  PRIMARY KEY (game, side, seq)
) WITHOUT ROWID;
CREATE TABLE pitching_lines (
  game INTEGER NOT NULL REFERENCES games(id),
  side INTEGER NOT NULL,
  seq  INTEGER NOT NULL,
  name TEXT NOT NULL,
  outs INTEGER NOT NULL, h INTEGER NOT NULL, r INTEGER NOT NULL, bb INTEGER NOT NULL,
  so INTEGER NOT NULL,
  decision TEXT NOT NULL,
  PRIMARY KEY (game, side, seq)
) WITHOUT ROWID;
)sql";

}  // namespace velmoro
