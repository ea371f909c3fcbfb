#pragma once

#include "common/act/Act.h"
#include "sim/fault/FaultInjector.h"

namespace corvane::sim {

/// Routes every member of a view through the fault injector.
class FaultyView : public act::View {
public:
    FaultyView(std::shared_ptr<act::View> inner, FaultInjector& injector)
        : inner_(std::move(inner)), injector_(injector) {}

    int16_t Type() override;
    int16_t CurrentFieldID() override;
    std::string GetField(int16_t fieldNumber) override;
    void SetField(int16_t fieldNumber, const std::string& value) override;

private:
    std::shared_ptr<act::View> inner_;
    FaultInjector& injector_; // outlives every wrapped object
};

} // namespace corvane::sim
