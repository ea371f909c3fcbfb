#include "sim/sqlite/SqliteStatement.h"

#include "common/RuntimeError.h"

#include <sqlite3.h>

#include <utility>

namespace corvane::sim {

namespace {

[[noreturn]] void fail(sqlite3_stmt* statement) {
    throw RuntimeError(vberr::AutomationError,
                       std::string("ACT! database error: ") + sqlite3_errmsg(sqlite3_db_handle(statement)));
}

void check(sqlite3_stmt* statement, int result) {
    if (result != SQLITE_OK) {
        fail(statement);
    }
}

} // namespace

SqliteStatement::SqliteStatement(sqlite3_stmt* statement, std::string_view sql) : statement_(statement) {
    if (!statement_) {
        throw RuntimeError(vberr::AutomationError, "ACT! database error: empty statement " + std::string(sql));
    }
}

SqliteStatement::~SqliteStatement() {
    sqlite3_finalize(statement_);
}

SqliteStatement::SqliteStatement(SqliteStatement&& other) noexcept
    : statement_(std::exchange(other.statement_, nullptr)), nextParameter_(other.nextParameter_) {}

SqliteStatement& SqliteStatement::bind(int64_t value) {
    check(statement_, sqlite3_bind_int64(statement_, nextParameter_++, value));
    return *this;
}

SqliteStatement& SqliteStatement::bind(std::string_view value) {
    check(statement_, sqlite3_bind_text(statement_, nextParameter_++, value.data(), static_cast<int>(value.size()),
                                        SQLITE_TRANSIENT));
    return *this;
}

SqliteStatement& SqliteStatement::bind(std::optional<int64_t> value) {
    if (value) {
        return bind(*value);
    }
    check(statement_, sqlite3_bind_null(statement_, nextParameter_++));
    return *this;
}

bool SqliteStatement::step() {
    const int result = sqlite3_step(statement_);
    if (result == SQLITE_ROW) {
        return true;
    }
    if (result != SQLITE_DONE) {
        fail(statement_);
    }
    return false;
}

void SqliteStatement::run() {
    while (step()) {
    }
}

bool SqliteStatement::isNull(int column) const {
    return sqlite3_column_type(statement_, column) == SQLITE_NULL;
}

int64_t SqliteStatement::integer(int column) const {
    return sqlite3_column_int64(statement_, column);
}

std::string SqliteStatement::text(int column) const {
    const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
    return bytes ? std::string(bytes, static_cast<size_t>(sqlite3_column_bytes(statement_, column))) : std::string();
}

} // namespace corvane::sim
