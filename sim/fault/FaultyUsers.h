#pragma once

#include "common/act/Act.h"
#include "sim/fault/FaultInjector.h"

namespace corvane::sim {

/// Routes every member of a user list through the fault injector.
class FaultyUsers : public act::Users {
public:
    FaultyUsers(std::shared_ptr<act::Users> inner, FaultInjector& injector)
        : inner_(std::move(inner)), injector_(injector) {}

    int32_t Count() override;
    std::string Name(int16_t position) override;
    std::string UniqueID(const std::string& positionText) override;
    int32_t CurrentUserSecurity() override;

private:
    std::shared_ptr<act::Users> inner_;
    FaultInjector& injector_; // outlives every wrapped object
};

} // namespace corvane::sim
