#include "campaign/sqlite_db.h"

#include <sqlite3.h>

#include <system_error>
#include <utility>

namespace velmoro {

SqliteStatement::~SqliteStatement() {
    sqlite3_finalize(statement_);
}

SqliteStatement::SqliteStatement(SqliteStatement&& other) noexcept
    : db_(other.db_), statement_(std::exchange(other.statement_, nullptr)), bound_(other.bound_) {}

SqliteStatement& SqliteStatement::operator=(SqliteStatement&& other) noexcept {
    if (this != &other) {
        sqlite3_finalize(statement_);
        db_ = other.db_;
        statement_ = std::exchange(other.statement_, nullptr);
        bound_ = other.bound_;
    }
    return *this;
}

SqliteStatement& SqliteStatement::Bind(std::int64_t value) {
    sqlite3_bind_int64(statement_, ++bound_, value);
    return *this;
}

SqliteStatement& SqliteStatement::Bind(std::string_view text) {
    sqlite3_bind_text(statement_, ++bound_, text.data(), static_cast<int>(text.size()),
                      SQLITE_TRANSIENT);
    return *this;
}

Status SqliteStatement::Failed() const {
    return Status::Error(sqlite3_errmsg(db_));
}

Status SqliteStatement::Step(bool& row) {
    const int code = sqlite3_step(statement_);
    row = code == SQLITE_ROW;
    if (code == SQLITE_ROW || code == SQLITE_DONE) return OkStatus();
    return Failed();
}

Status SqliteStatement::Run() {
    bool row = false;
    Status stepped = Step(row);
    Reset();
    return stepped;
}

void SqliteStatement::Reset() {
    sqlite3_reset(statement_);
    sqlite3_clear_bindings(statement_);
    bound_ = 0;
}

std::int64_t SqliteStatement::Int(int column) const {
    return sqlite3_column_int64(statement_, column);
}

std::string SqliteStatement::Text(int column) const {
    const auto* text = sqlite3_column_text(statement_, column);
    return text ? std::string(reinterpret_cast<const char*>(text),
                              static_cast<std::size_t>(sqlite3_column_bytes(statement_, column)))
                : std::string();
}

SqliteDb::~SqliteDb() {
    sqlite3_close_v2(db_);
}

Status SqliteDb::OpenWith(const std::filesystem::path& file, int flags,
                          std::unique_ptr<SqliteDb>& db) {
    sqlite3* handle = nullptr;
    const int code = sqlite3_open_v2(file.string().c_str(), &handle, flags, nullptr);
    db.reset(new SqliteDb(file, handle));
    if (code != SQLITE_OK) {
        Status failed = db->Error(handle ? sqlite3_errmsg(handle) : sqlite3_errstr(code));
        db.reset();
        return failed;
    }
    sqlite3_extended_result_codes(handle, 1);
    // Another program writing the same season (the desktop and velmoro-season) holds it
    // for one game at a time: wait for it rather than fail.
    sqlite3_busy_timeout(handle, 10000);
    return OkStatus();
}

Status SqliteDb::Open(const std::filesystem::path& file, std::unique_ptr<SqliteDb>& db) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error))
        return Status::Error(file.string() + ": no such file");
    return OpenWith(file, SQLITE_OPEN_READWRITE, db);
}

Status SqliteDb::Create(const std::filesystem::path& file, std::unique_ptr<SqliteDb>& db) {
    std::error_code error;
    if (std::filesystem::exists(file, error))
        return Status::Error(file.string() + ": the file exists");
    return OpenWith(file, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, db);
}

Status SqliteDb::Error(const std::string& reason) const {
    return Status::Error(file_.string() + ": " + reason);
}

Status SqliteDb::Exec(const std::string& sql) {
    char* message = nullptr;
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &message) == SQLITE_OK) return OkStatus();
    Status failed = Error(message ? message : sqlite3_errmsg(db_));
    sqlite3_free(message);
    return failed;
}

Status SqliteDb::Prepare(const std::string& sql, SqliteStatement& statement) {
    sqlite3_stmt* handle = nullptr;
    if (sqlite3_prepare_v2(db_, sql.c_str(), static_cast<int>(sql.size()), &handle, nullptr) !=
        SQLITE_OK)
        return Error(sqlite3_errmsg(db_));
    statement = SqliteStatement(db_, handle);
    return OkStatus();
}

Status SqliteDb::QueryInt(const std::string& sql, std::int64_t& value) {
    SqliteStatement statement;
    if (Status prepared = Prepare(sql, statement); !prepared) return prepared;
    bool row = false;
    if (Status stepped = statement.Step(row); !stepped) return Error(stepped.message());
    if (!row) return Error("no row for " + sql);
    value = statement.Int(0);
    return OkStatus();
}

Status SqliteDb::QueryText(const std::string& sql, std::string& value) {
    SqliteStatement statement;
    if (Status prepared = Prepare(sql, statement); !prepared) return prepared;
    bool row = false;
    if (Status stepped = statement.Step(row); !stepped) return Error(stepped.message());
    if (!row) return Error("no row for " + sql);
    value = statement.Text(0);
    return OkStatus();
}

}  // namespace velmoro
