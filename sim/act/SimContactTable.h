#pragma once

#include "common/act/Act.h"

namespace corvane::sim {

class Engine;

/// The contact table of the simulated ACT!'s open database.
class SimContactTable : public act::ContactTable {
public:
    explicit SimContactTable(Engine& engine) : engine_(engine) {}

    std::shared_ptr<act::Fields> Fields() override;

private:
    Engine& engine_; // outlives every ACT! object
};

} // namespace corvane::sim
