#pragma once

#include "common/act/Act.h"
#include "sim/fault/FaultInjector.h"

namespace corvane::sim {

/// Routes every member of an application object through the fault injector.
class FaultyApplication : public act::Application {
public:
    FaultyApplication(std::shared_ptr<act::Application> inner, FaultInjector& injector)
        : inner_(std::move(inner)), injector_(injector) {}

    void OpenFile(const std::string& name) override;
    std::shared_ptr<act::Views> Views() override;
    void Command(int16_t command) override;
    std::string GetUserID() override;
    std::string GetOpenDBName() override;

private:
    std::shared_ptr<act::Application> inner_;
    FaultInjector& injector_; // outlives every wrapped object
};

} // namespace corvane::sim
