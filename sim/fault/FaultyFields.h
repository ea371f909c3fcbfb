#pragma once

#include "common/act/Act.h"
#include "sim/fault/FaultInjector.h"

namespace corvane::sim {

/// Routes every member of a field list through the fault injector.
class FaultyFields : public act::Fields {
public:
    FaultyFields(std::shared_ptr<act::Fields> inner, FaultInjector& injector)
        : inner_(std::move(inner)), injector_(injector) {}

    int32_t Count() override;
    int16_t ID(int16_t index) override;
    std::string Label(int16_t index) override;
    int32_t EntryRule(const std::string& fieldNumberText) override;

private:
    std::shared_ptr<act::Fields> inner_;
    FaultInjector& injector_; // outlives every wrapped object
};

} // namespace corvane::sim
