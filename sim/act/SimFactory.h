#pragma once

#include "common/act/Act.h"

namespace corvane::sim {

class Engine;

/// Creates the simulated ACT!'s objects over one engine. Class names match without regard to case,
/// as ACT!'s do; an unknown class, or any class while ACT! does not run, fails with error 429.
class SimFactory : public act::ActFactory {
public:
    /// The engine must outlive the factory and every object it creates.
    explicit SimFactory(Engine& engine) : engine_(engine) {}

    std::shared_ptr<act::ActObject> CreateObject(std::string_view className) override;
    std::unique_ptr<act::EventControl> CreateEventControl() override;

private:
    Engine& engine_;
};

} // namespace corvane::sim
