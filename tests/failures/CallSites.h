#pragma once

#include "sim/fault/FaultInjector.h"

#include <cstddef>
#include <string>
#include <vector>

namespace corvane::test {

/// Where a step of a scripted run begins in the fault injector's call log.
struct PhaseStart {
    std::string phase;
    size_t firstCall;
};

/// One ACT! call of a run, found in its log: the step that made it, the member and its arguments,
/// and how many calls with the same member and arguments came before it in the run. That count
/// tells apart the places that make the same call (a user's `UniqueID` read while filling a list,
/// then while showing rights), so a fault made with `onlyWith(arguments).afterCalls(earlier)
/// .times(1)` hits exactly this call.
struct CallSite {
    std::string phase;
    sim::ActCall call;
    int earlier = 0;

    /// "Users.UniqueID(3) #2": the member, its arguments, and which call of them it is.
    std::string name() const;
    /// The fault that makes this call, and only it, fail with `error`.
    sim::Fault failing(int error) const;
};

/// Every call of a logged run as a call site. Calls that the message loop repeats on its own within
/// a step (`EventControl.PumpEvents`) are one site per step.
std::vector<CallSite> callSites(const std::vector<sim::ActCall>& log, const std::vector<PhaseStart>& phases);

} // namespace corvane::test
