#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace corvane::sim {

class SqliteConnection;

/// A contact field at its index in ACT!'s field list.
struct FieldDefinition {
    int16_t index = 0;
    /// ACT!'s field number; numbers need not follow the indices and may have gaps.
    int16_t number = 0;
    std::string label;
    /// 3 marks a protected field.
    int32_t entryRule = 0;

    bool operator==(const FieldDefinition&) const = default;
};

/// The contact table's fields. Indices run from 0 to the last index; an index in between may hold
/// no field.
class FieldStore {
public:
    explicit FieldStore(SqliteConnection& connection) : connection_(connection) {}

    /// Puts the field at its index, replacing what was there.
    void put(const FieldDefinition& field);
    /// Makes the index hold no field while keeping it inside the list.
    void clearIndex(int16_t index);
    /// Number of indices that hold a field.
    int32_t count();
    /// The highest index of the list, or nothing for a list without indices.
    std::optional<int16_t> lastIndex();
    std::optional<FieldDefinition> atIndex(int16_t index);
    std::optional<FieldDefinition> byNumber(int16_t number);
    /// Every field in index order.
    std::vector<FieldDefinition> all();

private:
    SqliteConnection& connection_;
};

} // namespace corvane::sim
