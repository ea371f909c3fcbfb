#pragma once

#include "sim/act/SimFactory.h"
#include "sim/engine/Engine.h"
#include "sim/fault/FaultInjector.h"
#include "sim/fault/FaultyFactory.h"

namespace corvane::test {

/// A private simulated ACT! whose objects come through the fault injector: a test makes any member
/// fail or return a chosen value, and reads the call log.
struct SimulatedAct {
    sim::Engine engine{":memory:"};
    sim::SimFactory simFactory{engine};
    sim::FaultInjector injector;
    sim::FaultyFactory factory{simFactory, injector};
};

} // namespace corvane::test
