#include "sim/sqlite/SqliteConnection.h"

#include "common/RuntimeError.h"

#include <sqlite3.h>

namespace corvane::sim {

namespace {

// A writer holds the file only for a few milliseconds; waiting this long covers a busy machine.
constexpr int kBusyTimeoutMs = 5000;

[[noreturn]] void fail(sqlite3* db, std::string_view context) {
    throw RuntimeError(vberr::AutomationError,
                       "ACT! database error: " + std::string(context) + ": " + sqlite3_errmsg(db));
}

} // namespace

SqliteConnection::SqliteConnection(const std::string& file) {
    const int result = sqlite3_open_v2(file.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (result != SQLITE_OK) {
        const std::string message = db_ ? sqlite3_errmsg(db_) : "out of memory";
        sqlite3_close(db_);
        throw RuntimeError(vberr::AutomationError, "ACT! database error: cannot open " + file + ": " + message);
    }
    sqlite3_busy_timeout(db_, kBusyTimeoutMs);
    // WAL lets readers (the event polling of other processes) go on while one process writes, and a
    // process killed mid-transaction leaves the committed data intact.
    try {
        exec("PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL; PRAGMA foreign_keys=ON;");
    } catch (...) {
        // A file that is no database fails here; the destructor will not run for a failed constructor.
        sqlite3_close(db_);
        throw;
    }
}

SqliteConnection::~SqliteConnection() {
    sqlite3_close(db_);
}

void SqliteConnection::exec(const std::string& sql) {
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) {
        fail(db_, "exec");
    }
}

SqliteStatement SqliteConnection::prepare(std::string_view sql) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db_, sql.data(), static_cast<int>(sql.size()), &statement, nullptr) != SQLITE_OK) {
        fail(db_, sql);
    }
    return SqliteStatement(statement, sql);
}

int64_t SqliteConnection::lastInsertRowId() const {
    return sqlite3_last_insert_rowid(db_);
}

void SqliteConnection::begin() {
    // IMMEDIATE takes the write lock at once, so a transaction never fails half-way on a lock upgrade.
    exec("BEGIN IMMEDIATE");
    inTransaction_ = true;
}

void SqliteConnection::commit() {
    exec("COMMIT");
    inTransaction_ = false;
}

void SqliteConnection::rollback() noexcept {
    sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    inTransaction_ = false;
}

} // namespace corvane::sim
