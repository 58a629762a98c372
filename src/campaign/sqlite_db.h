// A thin handle on an SQLite database: statements prepared once, bound by position,
// stepped row by row; every failure a Status naming the file and SQLite's reason.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "base/status.h"

struct sqlite3;
struct sqlite3_stmt;

namespace velmoro {

class SqliteStatement {
  public:
    SqliteStatement() = default;
    SqliteStatement(sqlite3* db, sqlite3_stmt* statement) : db_(db), statement_(statement) {}
    ~SqliteStatement();
    SqliteStatement(SqliteStatement&& other) noexcept;
    SqliteStatement& operator=(SqliteStatement&& other) noexcept;

    // Binds values from the first parameter on; Reset before binding again.
    SqliteStatement& Bind(std::int64_t value);
    SqliteStatement& Bind(std::string_view text);
    // True with a row to read, false when done; an error on a failure.
    Status Step(bool& row);
    // Steps a statement that returns no row, and resets it.
    Status Run();
    void Reset();

    std::int64_t Int(int column) const;
    std::string Text(int column) const;

  private:
    Status Failed() const;
    sqlite3* db_ = nullptr;
    sqlite3_stmt* statement_ = nullptr;
    int bound_ = 0;
};

class SqliteDb {
  public:
    ~SqliteDb();

    // An existing database for reading and writing (never created here); `Create` makes
    // a new one and refuses a file that exists.
    static Status Open(const std::filesystem::path& file, std::unique_ptr<SqliteDb>& db);
    static Status Create(const std::filesystem::path& file, std::unique_ptr<SqliteDb>& db);

    Status Exec(const std::string& sql);
    Status Prepare(const std::string& sql, SqliteStatement& statement);
    // The first column of the first row of a query that returns one.
    Status QueryInt(const std::string& sql, std::int64_t& value);
    Status QueryText(const std::string& sql, std::string& value);

    // "FILE: REASON", the way every failure of this database reads.
    Status Error(const std::string& reason) const;
    const std::filesystem::path& File() const { return file_; }

  private:
    SqliteDb(std::filesystem::path file, sqlite3* db) : file_(std::move(file)), db_(db) {}
    static Status OpenWith(const std::filesystem::path& file, int flags,
                           std::unique_ptr<SqliteDb>& db);
    std::filesystem::path file_;
    sqlite3* db_ = nullptr;
};

}  // namespace velmoro
