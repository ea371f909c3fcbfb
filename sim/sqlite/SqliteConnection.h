#pragma once

#include "sim/sqlite/SqliteStatement.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

struct sqlite3;

namespace corvane::sim {

/// One connection to a SQLite database: ":memory:" or a file that other processes may share. A file
/// is used in WAL mode and waits for a busy writer, so several processes can work on it at once.
/// Failures throw `RuntimeError` 440 with SQLite's message.
class SqliteConnection {
public:
    explicit SqliteConnection(const std::string& file);
    ~SqliteConnection();
    SqliteConnection(const SqliteConnection&) = delete;
    SqliteConnection& operator=(const SqliteConnection&) = delete;

    /// Runs one or more statements that yield no rows.
    void exec(const std::string& sql);
    SqliteStatement prepare(std::string_view sql);

    /// The first column of the first row, or nothing when there is no row or it is NULL.
    template <class... Values> std::optional<int64_t> queryInteger(std::string_view sql, const Values&... values) {
        auto statement = prepare(sql);
        statement.bindAll(values...);
        if (!statement.step() || statement.isNull(0)) {
            return std::nullopt;
        }
        return statement.integer(0);
    }

    /// Runs a statement that yields no rows, with its parameters.
    template <class... Values> void execute(std::string_view sql, const Values&... values) {
        prepare(sql).bindAll(values...).run();
    }

    /// Runs `work` inside one write transaction: all of its changes are kept, or none when it throws.
    /// A call inside `work` joins the outer transaction.
    template <class Work> auto transaction(Work&& work) {
        if (inTransaction_) {
            return work();
        }
        begin();
        try {
            if constexpr (std::is_void_v<decltype(work())>) {
                work();
                commit();
            } else {
                auto result = work();
                commit();
                return result;
            }
        } catch (...) {
            rollback();
            throw;
        }
    }

    int64_t lastInsertRowId() const;

private:
    void begin();
    void commit();
    void rollback() noexcept;

    sqlite3* db_ = nullptr; // owned
    bool inTransaction_ = false;
};

} // namespace corvane::sim
