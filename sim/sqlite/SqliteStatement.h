#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct sqlite3_stmt;

namespace corvane::sim {

/// One prepared SQL statement. Parameters are bound in order with `bind`; `step` moves to the next
/// result row. Failures throw `RuntimeError` 440 with SQLite's message.
class SqliteStatement {
public:
    SqliteStatement(sqlite3_stmt* statement, std::string_view sql);
    ~SqliteStatement();
    SqliteStatement(SqliteStatement&& other) noexcept;
    SqliteStatement& operator=(SqliteStatement&&) = delete;
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    SqliteStatement& bind(int64_t value);
    SqliteStatement& bind(std::string_view value);
    SqliteStatement& bind(std::optional<int64_t> value);

    /// Binds every value in order, starting with the first parameter.
    template <class... Values> SqliteStatement& bindAll(const Values&... values) {
        (bind(values), ...);
        return *this;
    }

    /// Runs the statement up to its next row: true when a row is there to read.
    bool step();
    /// Runs a statement that yields no rows (or whose rows are not wanted) to its end.
    void run();

    bool isNull(int column) const;
    int64_t integer(int column) const;
    std::string text(int column) const;

private:
    sqlite3_stmt* statement_; // owned
    int nextParameter_ = 1;
};

} // namespace corvane::sim
