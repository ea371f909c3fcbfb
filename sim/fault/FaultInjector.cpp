#include "sim/fault/FaultInjector.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace corvane::sim {

namespace {

enum class Returns { Nothing, Number, Text, Object };

struct Member {
    std::string_view name;
    Returns returns;
};

// Every member that the wrappers route through the injector.
constexpr std::array kMembers{
    Member{"ActFactory.CreateObject", Returns::Object},
    Member{"ActFactory.CreateEventControl", Returns::Object},
    Member{"Application.OpenFile", Returns::Nothing},
    Member{"Application.Views", Returns::Object},
    Member{"Application.Command", Returns::Nothing},
    Member{"Application.GetUserID", Returns::Text},
    Member{"Application.GetOpenDBName", Returns::Text},
    Member{"Views.GetActive", Returns::Object},
    Member{"Views.Create", Returns::Object},
    Member{"View.Type", Returns::Number},
    Member{"View.CurrentFieldID", Returns::Number},
    Member{"View.GetField", Returns::Text},
    Member{"View.SetField", Returns::Nothing},
    Member{"Database.OpenEx", Returns::Nothing},
    Member{"Database.Contact", Returns::Object},
    Member{"Database.Users", Returns::Object},
    Member{"ContactTable.Fields", Returns::Object},
    Member{"Fields.Count", Returns::Number},
    Member{"Fields.ID", Returns::Number},
    Member{"Fields.Label", Returns::Text},
    Member{"Fields.EntryRule", Returns::Number},
    Member{"Users.Count", Returns::Number},
    Member{"Users.Name", Returns::Text},
    Member{"Users.UniqueID", Returns::Text},
    Member{"Users.CurrentUserSecurity", Returns::Number},
    Member{"AuxCommands.AuxCommandExists", Returns::Number},
    Member{"AuxCommands.AddAuxCommand", Returns::Number},
    Member{"AuxCommands.AuxCommandExistsInToolbar", Returns::Number},
    Member{"AuxCommands.AuxCommandExistsInToolsMenu", Returns::Number},
    Member{"AuxCommands.AddAuxCommandToToolbar", Returns::Number},
    Member{"AuxCommands.AddAuxCommandToToolsMenu", Returns::Number},
    Member{"AuxCommands.RemoveAuxCommandFromToolbar", Returns::Number},
    Member{"AuxCommands.RemoveAuxCommandFromToolsMenu", Returns::Number},
    Member{"EventControl.Operation1", Returns::Number},
    Member{"EventControl.Operation2", Returns::Nothing},
    Member{"EventControl.Operation3", Returns::Number},
    Member{"EventControl.SetEventSink", Returns::Nothing},
    Member{"EventControl.PumpEvents", Returns::Nothing},
};

bool valueFits(Returns returns, const ActValue& value) {
    return (returns == Returns::Number && std::holds_alternative<int64_t>(value)) ||
           (returns == Returns::Text && std::holds_alternative<std::string>(value));
}

} // namespace

Fault Fault::raising(int error, std::string description) {
    Fault fault;
    fault.error = error;
    fault.description = std::move(description);
    return fault;
}

Fault Fault::returning(ActValue value) {
    Fault fault;
    fault.value = std::move(value);
    return fault;
}

Fault& Fault::onlyWith(std::vector<std::string> callArguments) {
    arguments = std::move(callArguments);
    return *this;
}

Fault& Fault::afterCalls(int calls) {
    skip = calls;
    return *this;
}

Fault& Fault::times(int calls) {
    remaining = calls;
    return *this;
}

void FaultInjector::inject(std::string_view member, Fault fault) {
    const auto known =
        std::find_if(kMembers.begin(), kMembers.end(), [&](const Member& m) { return m.name == member; });
    if (known == kMembers.end()) {
        throw std::invalid_argument("no ACT! member " + std::string(member));
    }
    const bool returnsValue = fault.error == 0;
    if (returnsValue != fault.value.has_value() || (returnsValue && !valueFits(known->returns, *fault.value))) {
        throw std::invalid_argument("a fault either raises an error or returns a value " + std::string(member) +
                                    " can return");
    }
    rules_.push_back(Rule{std::string(member), std::move(fault)});
}

std::vector<ActCall> FaultInjector::callsTo(std::string_view member) const {
    std::vector<ActCall> matching;
    std::copy_if(calls_.begin(), calls_.end(), std::back_inserter(matching),
                 [&](const ActCall& call) { return call.member == member; });
    return matching;
}

const Fault* FaultInjector::record(std::string_view member, std::vector<std::string> arguments) {
    calls_.push_back(ActCall{std::string(member), std::move(arguments)});
    const ActCall& call = calls_.back();
    for (auto rule = rules_.rbegin(); rule != rules_.rend(); ++rule) {
        if (rule->member != call.member || (rule->fault.arguments && *rule->fault.arguments != call.arguments)) {
            continue;
        }
        if (rule->fault.skip > 0) {
            --rule->fault.skip;
            return nullptr;
        }
        if (rule->fault.remaining) {
            if (*rule->fault.remaining == 0) {
                return nullptr;
            }
            --*rule->fault.remaining;
        }
        return &rule->fault;
    }
    return nullptr;
}

} // namespace corvane::sim
