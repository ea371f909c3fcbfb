#include "sim/engine/FieldStore.h"

#include "sim/sqlite/SqliteConnection.h"

namespace corvane::sim {

namespace {

constexpr const char* kSelect = "SELECT idx, number, label, entry_rule FROM fields WHERE number IS NOT NULL";

FieldDefinition readField(const SqliteStatement& row) {
    return FieldDefinition{static_cast<int16_t>(row.integer(0)), static_cast<int16_t>(row.integer(1)), row.text(2),
                           static_cast<int32_t>(row.integer(3))};
}

std::optional<FieldDefinition> firstField(SqliteStatement statement) {
    return statement.step() ? std::optional<FieldDefinition>(readField(statement)) : std::nullopt;
}

} // namespace

void FieldStore::put(const FieldDefinition& field) {
    connection_.execute("INSERT OR REPLACE INTO fields (idx, number, label, entry_rule) VALUES (?, ?, ?, ?)",
                        int64_t{field.index}, int64_t{field.number}, field.label, int64_t{field.entryRule});
}

void FieldStore::clearIndex(int16_t index) {
    connection_.execute("INSERT OR REPLACE INTO fields (idx, number, label, entry_rule) VALUES (?, NULL, '', 0)",
                        int64_t{index});
}

int32_t FieldStore::count() {
    return static_cast<int32_t>(connection_.queryInteger("SELECT count(number) FROM fields").value_or(0));
}

std::optional<int16_t> FieldStore::lastIndex() {
    auto last = connection_.queryInteger("SELECT max(idx) FROM fields");
    return last ? std::optional<int16_t>(static_cast<int16_t>(*last)) : std::nullopt;
}

std::optional<FieldDefinition> FieldStore::atIndex(int16_t index) {
    auto statement = connection_.prepare(std::string(kSelect) + " AND idx = ?");
    statement.bind(int64_t{index});
    return firstField(std::move(statement));
}

std::optional<FieldDefinition> FieldStore::byNumber(int16_t number) {
    auto statement = connection_.prepare(std::string(kSelect) + " AND number = ?");
    statement.bind(int64_t{number});
    return firstField(std::move(statement));
}

std::vector<FieldDefinition> FieldStore::all() {
    auto statement = connection_.prepare(std::string(kSelect) + " ORDER BY idx");
    std::vector<FieldDefinition> fields;
    while (statement.step()) {
        fields.push_back(readField(statement));
    }
    return fields;
}

} // namespace corvane::sim
