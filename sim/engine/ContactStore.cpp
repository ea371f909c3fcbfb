#include "sim/engine/ContactStore.h"

#include "sim/sqlite/SqliteConnection.h"

namespace corvane::sim {

int64_t ContactStore::add() {
    return connection_.transaction([&] {
        connection_.execute("INSERT INTO contacts DEFAULT VALUES");
        return connection_.lastInsertRowId();
    });
}

bool ContactStore::exists(int64_t contact) {
    return connection_.queryInteger("SELECT 1 FROM contacts WHERE id = ?", contact).has_value();
}

std::vector<int64_t> ContactStore::ids() {
    auto statement = connection_.prepare("SELECT id FROM contacts ORDER BY id");
    std::vector<int64_t> ids;
    while (statement.step()) {
        ids.push_back(statement.integer(0));
    }
    return ids;
}

std::string ContactStore::value(int64_t contact, int16_t fieldNumber) {
    auto statement = connection_.prepare("SELECT value FROM contact_values WHERE contact = ? AND field = ?");
    statement.bindAll(contact, int64_t{fieldNumber});
    return statement.step() ? statement.text(0) : std::string();
}

void ContactStore::setValue(int64_t contact, int16_t fieldNumber, const std::string& value) {
    connection_.execute("INSERT OR REPLACE INTO contact_values (contact, field, value) VALUES (?, ?, ?)", contact,
                        int64_t{fieldNumber}, value);
}

} // namespace corvane::sim
