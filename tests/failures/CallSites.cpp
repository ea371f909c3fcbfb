#include "tests/failures/CallSites.h"

#include <map>
#include <utility>

namespace corvane::test {

std::string CallSite::name() const {
    std::string arguments;
    for (const std::string& argument : call.arguments) {
        arguments += (arguments.empty() ? "" : ", ") + argument;
    }
    return call.member + "(" + arguments + ") #" + std::to_string(earlier + 1);
}

sim::Fault CallSite::failing(int error) const {
    sim::Fault fault = sim::Fault::raising(error);
    fault.onlyWith(call.arguments).afterCalls(earlier).times(1);
    return fault;
}

std::vector<CallSite> callSites(const std::vector<sim::ActCall>& log, const std::vector<PhaseStart>& phases) {
    std::vector<CallSite> sites;
    std::map<std::pair<std::string, std::vector<std::string>>, int> seen;
    size_t phase = 0;
    size_t pumpedInPhase = phases.size();
    for (size_t index = 0; index < log.size(); ++index) {
        while (phase + 1 < phases.size() && phases[phase + 1].firstCall <= index) {
            ++phase;
        }
        const sim::ActCall& call = log[index];
        int& earlier = seen[{call.member, call.arguments}];
        const bool repeatedPump = call.member == "EventControl.PumpEvents" && pumpedInPhase == phase;
        if (!repeatedPump) {
            sites.push_back(CallSite{phases.at(phase).phase, call, earlier});
        }
        if (call.member == "EventControl.PumpEvents") {
            pumpedInPhase = phase;
        }
        ++earlier;
    }
    return sites;
}

} // namespace corvane::test
