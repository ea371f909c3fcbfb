#pragma once

#include "common/act/Act.h"
#include "sim/fault/FaultInjector.h"

namespace corvane::sim {

/// Routes every member of a database object through the fault injector.
class FaultyDatabase : public act::Database {
public:
    FaultyDatabase(std::shared_ptr<act::Database> inner, FaultInjector& injector)
        : inner_(std::move(inner)), injector_(injector) {}

    void OpenEx(const std::string& name) override;
    std::shared_ptr<act::ContactTable> Contact() override;
    std::shared_ptr<act::Users> Users() override;

private:
    std::shared_ptr<act::Database> inner_;
    FaultInjector& injector_; // outlives every wrapped object
};

} // namespace corvane::sim
