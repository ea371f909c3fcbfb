#pragma once

#include "common/act/Act.h"

#include <optional>

namespace corvane::sim {

class Engine;
struct FieldDefinition;

/// The field list of the simulated ACT!'s contact table. Indices count from 0.
class SimFields : public act::Fields {
public:
    explicit SimFields(Engine& engine) : engine_(engine) {}

    int32_t Count() override;
    /// -1 for an index that holds no field; error 9 below 0 or past the last index.
    int16_t ID(int16_t index) override;
    /// "" for an index that holds no field; error 9 below 0 or past the last index.
    std::string Label(int16_t index) override;
    /// Error 13 for text that is no number, 6 past the 16-bit range, 5 for a number that names no field.
    int32_t EntryRule(const std::string& fieldNumberText) override;

private:
    std::optional<FieldDefinition> fieldAt(int16_t index);

    Engine& engine_; // outlives every ACT! object
};

} // namespace corvane::sim
