#pragma once

#include "common/act/Act.h"

namespace corvane::sim {

class Engine;

/// "ACTOLE.APPOBJECT" of the simulated ACT!. Every member but `OpenFile` needs the object to be
/// attached first and the database to be still open.
class SimApplication : public act::Application {
public:
    explicit SimApplication(Engine& engine) : engine_(engine) {}

    /// "" or the open database's path attaches; any other path fails with error 53.
    void OpenFile(const std::string& name) override;
    std::shared_ptr<act::Views> Views() override;
    void Command(int16_t command) override;
    std::string GetUserID() override;
    std::string GetOpenDBName() override;

private:
    void requireAttached();

    Engine& engine_; // outlives every ACT! object
    bool attached_ = false;
};

} // namespace corvane::sim
