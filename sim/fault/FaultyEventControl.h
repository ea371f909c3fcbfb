#pragma once

#include "common/act/Act.h"
#include "sim/fault/FaultInjector.h"

namespace corvane::sim {

/// Routes every member of an event control through the fault injector.
class FaultyEventControl : public act::EventControl {
public:
    FaultyEventControl(std::unique_ptr<act::EventControl> inner, FaultInjector& injector)
        : inner_(std::move(inner)), injector_(injector) {}

    int32_t Operation1(int32_t value) override;
    void Operation2() override;
    bool Operation3() override;
    void SetEventSink(act::EventSink* sink) override;
    void PumpEvents() override;

private:
    std::unique_ptr<act::EventControl> inner_;
    FaultInjector& injector_; // outlives every wrapped object
};

} // namespace corvane::sim
