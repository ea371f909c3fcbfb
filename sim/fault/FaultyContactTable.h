#pragma once

#include "common/act/Act.h"
#include "sim/fault/FaultInjector.h"

namespace corvane::sim {

/// Routes the contact table's member through the fault injector.
class FaultyContactTable : public act::ContactTable {
public:
    FaultyContactTable(std::shared_ptr<act::ContactTable> inner, FaultInjector& injector)
        : inner_(std::move(inner)), injector_(injector) {}

    std::shared_ptr<act::Fields> Fields() override;

private:
    std::shared_ptr<act::ContactTable> inner_;
    FaultInjector& injector_; // outlives every wrapped object
};

} // namespace corvane::sim
