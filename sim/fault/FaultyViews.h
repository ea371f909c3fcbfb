#pragma once

#include "common/act/Act.h"
#include "sim/fault/FaultInjector.h"

namespace corvane::sim {

/// Routes every member of a views collection through the fault injector.
class FaultyViews : public act::Views {
public:
    FaultyViews(std::shared_ptr<act::Views> inner, FaultInjector& injector)
        : inner_(std::move(inner)), injector_(injector) {}

    std::shared_ptr<act::View> GetActive() override;
    std::shared_ptr<act::View> Create(int16_t viewType, const std::string& name) override;

private:
    std::shared_ptr<act::Views> inner_;
    FaultInjector& injector_; // outlives every wrapped object
};

} // namespace corvane::sim
