#pragma once

#include "common/act/Act.h"

namespace corvane::sim {

class Engine;

/// The views collection of the simulated ACT!.
class SimViews : public act::Views {
public:
    explicit SimViews(Engine& engine) : engine_(engine) {}

    std::shared_ptr<act::View> GetActive() override;
    /// Makes the view "CV" of a type from 1 to 6 and brings it to the front; other names or types fail
    /// with error 5.
    std::shared_ptr<act::View> Create(int16_t viewType, const std::string& name) override;

private:
    Engine& engine_; // outlives every ACT! object
};

} // namespace corvane::sim
