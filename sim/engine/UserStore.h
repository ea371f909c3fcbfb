#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace corvane::sim {

class SqliteConnection;

/// A database user at its position in ACT!'s user list.
struct UserRecord {
    int16_t position = 0;
    std::string name;
    std::string uniqueId;
    /// 5 marks an administrator.
    int32_t security = 0;

    bool operator==(const UserRecord&) const = default;
};

/// The database's users. Positions count from 1 without gaps; names need not be unique, unique IDs are.
class UserStore {
public:
    explicit UserStore(SqliteConnection& connection) : connection_(connection) {}

    /// Appends a user and returns its position.
    int16_t add(const std::string& name, const std::string& uniqueId, int32_t security);
    void setSecurity(int16_t position, int32_t security);
    int32_t count();
    std::optional<UserRecord> at(int16_t position);
    std::optional<UserRecord> byUniqueId(const std::string& uniqueId);
    std::vector<UserRecord> all();

private:
    SqliteConnection& connection_;
};

} // namespace corvane::sim
