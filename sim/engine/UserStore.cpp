#include "sim/engine/UserStore.h"

#include "sim/sqlite/SqliteConnection.h"

namespace corvane::sim {

namespace {

constexpr const char* kSelect = "SELECT position, name, unique_id, security FROM users";

UserRecord readUser(const SqliteStatement& row) {
    return UserRecord{static_cast<int16_t>(row.integer(0)), row.text(1), row.text(2),
                      static_cast<int32_t>(row.integer(3))};
}

std::optional<UserRecord> firstUser(SqliteStatement statement) {
    return statement.step() ? std::optional<UserRecord>(readUser(statement)) : std::nullopt;
}

} // namespace

int16_t UserStore::add(const std::string& name, const std::string& uniqueId, int32_t security) {
    return connection_.transaction([&] {
        const auto position = connection_.queryInteger("SELECT coalesce(max(position), 0) + 1 FROM users").value_or(1);
        connection_.execute("INSERT INTO users (position, name, unique_id, security) VALUES (?, ?, ?, ?)", position,
                            name, uniqueId, int64_t{security});
        return static_cast<int16_t>(position);
    });
}

void UserStore::setSecurity(int16_t position, int32_t security) {
    connection_.execute("UPDATE users SET security = ? WHERE position = ?", int64_t{security}, int64_t{position});
}

int32_t UserStore::count() {
    return static_cast<int32_t>(connection_.queryInteger("SELECT count(*) FROM users").value_or(0));
}

std::optional<UserRecord> UserStore::at(int16_t position) {
    auto statement = connection_.prepare(std::string(kSelect) + " WHERE position = ?");
    statement.bind(int64_t{position});
    return firstUser(std::move(statement));
}

std::optional<UserRecord> UserStore::byUniqueId(const std::string& uniqueId) {
    auto statement = connection_.prepare(std::string(kSelect) + " WHERE unique_id = ?");
    statement.bind(uniqueId);
    return firstUser(std::move(statement));
}

std::vector<UserRecord> UserStore::all() {
    auto statement = connection_.prepare(std::string(kSelect) + " ORDER BY position");
    std::vector<UserRecord> users;
    while (statement.step()) {
        users.push_back(readUser(statement));
    }
    return users;
}

} // namespace corvane::sim
