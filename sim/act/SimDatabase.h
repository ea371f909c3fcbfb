#pragma once

#include "common/act/Act.h"

namespace corvane::sim {

class Engine;

/// "ACTOLE.DATABASE" of the simulated ACT!. `Contact` and `Users` need `OpenEx` first.
class SimDatabase : public act::Database {
public:
    explicit SimDatabase(Engine& engine) : engine_(engine) {}

    /// "" or the open database's path opens it; any other path fails with error 53.
    void OpenEx(const std::string& name) override;
    std::shared_ptr<act::ContactTable> Contact() override;
    std::shared_ptr<act::Users> Users() override;

private:
    void requireOpened();

    Engine& engine_; // outlives every ACT! object
    bool opened_ = false;
};

} // namespace corvane::sim
