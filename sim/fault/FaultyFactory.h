#pragma once

#include "common/act/Act.h"
#include "sim/fault/FaultInjector.h"

namespace corvane::sim {

/// A factory whose objects route every member through a fault injector, so tests can make any ACT!
/// call fail or return a chosen value, and can see every call made. Objects of a kind it does not
/// know are handed out unwrapped.
class FaultyFactory : public act::ActFactory {
public:
    /// Both must outlive the factory and every object it creates.
    FaultyFactory(act::ActFactory& inner, FaultInjector& injector) : inner_(inner), injector_(injector) {}

    std::shared_ptr<act::ActObject> CreateObject(std::string_view className) override;
    std::unique_ptr<act::EventControl> CreateEventControl() override;

private:
    act::ActFactory& inner_;
    FaultInjector& injector_;
};

} // namespace corvane::sim
