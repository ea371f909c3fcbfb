#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace corvane::sim {

class SqliteConnection;

/// The contacts and their field values. A value never set reads as the empty string.
class ContactStore {
public:
    explicit ContactStore(SqliteConnection& connection) : connection_(connection) {}

    /// Adds a contact without values and returns its id.
    int64_t add();
    bool exists(int64_t contact);
    /// Every contact id in ascending order.
    std::vector<int64_t> ids();
    std::string value(int64_t contact, int16_t fieldNumber);
    void setValue(int64_t contact, int16_t fieldNumber, const std::string& value);

private:
    SqliteConnection& connection_;
};

} // namespace corvane::sim
