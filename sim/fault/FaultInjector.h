#pragma once

#include "common/RuntimeError.h"

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

namespace corvane::sim {

/// A value that an ACT! member is made to return: a number (also for truth values, non-zero is true)
/// or a text.
using ActValue = std::variant<int64_t, std::string>;

/// One call of an ACT! member through the fault-injection wrappers, e.g. {"View.SetField", {"15", "x"}}.
/// Members are named "Object.Member": Application, Views, View, Database, ContactTable, Fields, Users,
/// AuxCommands, EventControl and ActFactory. Arguments are written as text, numbers in decimal.
struct ActCall {
    std::string member;
    std::vector<std::string> arguments;

    bool operator==(const ActCall&) const = default;
};

/// What a member does instead of its work: fail with a VB error, or return a chosen value. Made with
/// `raising` or `returning`, narrowed with `onlyWith`, `afterCalls` and `times`.
struct Fault {
    /// Fail with this VB error; an empty description stands for VB's own.
    static Fault raising(int error, std::string description = {});
    static Fault returning(ActValue value);
    /// Affect only calls with exactly these arguments.
    Fault& onlyWith(std::vector<std::string> callArguments);
    /// Let this many affected calls run normally first.
    Fault& afterCalls(int calls);
    /// Affect only this many calls (after those let through); later calls run normally.
    Fault& times(int calls);

    /// VB error number to raise; 0 to return `value` instead.
    int error = 0;
    std::string description;
    std::optional<ActValue> value;
    std::optional<std::vector<std::string>> arguments;
    int skip = 0;
    /// Calls still to affect; every one when unset.
    std::optional<int> remaining;
};

/// The control side of the fault-injection wrappers (`FaultyFactory` and the objects it hands out):
/// faults to apply and a log of every call made. A later fault for the same call overrides an
/// earlier one.
class FaultInjector {
public:
    /// Fails with std::invalid_argument for an unknown member, or a value the member cannot return.
    void inject(std::string_view member, Fault fault);
    void failWith(std::string_view member, int error) { inject(member, Fault::raising(error)); }
    void returnValue(std::string_view member, ActValue value) { inject(member, Fault::returning(std::move(value))); }
    void clearFaults() { rules_.clear(); }

    const std::vector<ActCall>& calls() const { return calls_; }
    std::vector<ActCall> callsTo(std::string_view member) const;
    void clearCalls() { calls_.clear(); }

    /// Logs the call, then raises its fault, returns its chosen value or runs `call`. A chosen number
    /// outside the member's range raises error 6, as ACT!'s automation would.
    template <class Result, class Call>
    Result intercept(std::string_view member, std::vector<std::string> arguments, Call&& call) {
        const Fault* fault = record(member, std::move(arguments));
        if (fault && fault->error != 0) {
            throw fault->description.empty() ? RuntimeError(fault->error)
                                             : RuntimeError(fault->error, fault->description);
        }
        if constexpr (std::is_same_v<Result, std::string>) {
            if (fault) {
                return std::get<std::string>(*fault->value);
            }
        } else if constexpr (std::is_arithmetic_v<Result>) {
            if (fault) {
                return narrow<Result>(std::get<int64_t>(*fault->value));
            }
        }
        return call();
    }

private:
    struct Rule {
        std::string member;
        Fault fault;
    };

    /// Logs the call and picks the fault that applies to it, counting down its skips.
    const Fault* record(std::string_view member, std::vector<std::string> arguments);

    template <class Number> static Number narrow(int64_t value) {
        if constexpr (std::is_same_v<Number, bool>) {
            return value != 0;
        } else {
            if (value < std::numeric_limits<Number>::min() || value > std::numeric_limits<Number>::max()) {
                throw RuntimeError(vberr::Overflow);
            }
            return static_cast<Number>(value);
        }
    }

    std::vector<Rule> rules_;
    std::vector<ActCall> calls_;
};

} // namespace corvane::sim
