#pragma once

#include "common/act/Act.h"

namespace corvane::sim {

class Engine;

/// A view of the simulated ACT!; its fields are those of the current contact.
class SimView : public act::View {
public:
    SimView(Engine& engine, int16_t viewType) : engine_(engine), viewType_(viewType) {}

    int16_t Type() override { return viewType_; }
    int16_t CurrentFieldID() override;
    /// Fails with error 5 for a number that names no field.
    std::string GetField(int16_t fieldNumber) override;
    void SetField(int16_t fieldNumber, const std::string& value) override;

private:
    /// The current contact, once the field number is known to name a field.
    int64_t currentContactFor(int16_t fieldNumber);

    Engine& engine_; // outlives every ACT! object
    int16_t viewType_;
};

} // namespace corvane::sim
