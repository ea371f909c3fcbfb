#include "sim/act/SimApplication.h"

#include "sim/act/ActChecks.h"
#include "sim/act/SimViews.h"
#include "sim/engine/Engine.h"

namespace corvane::sim {

void SimApplication::OpenFile(const std::string& name) {
    requireDatabaseOpen(engine_);
    if (!name.empty() && name != engine_.state().databasePath()) {
        throw RuntimeError(vberr::FileNotFound);
    }
    attached_ = true;
}

std::shared_ptr<act::Views> SimApplication::Views() {
    requireAttached();
    return std::make_shared<SimViews>(engine_);
}

void SimApplication::Command(int16_t command) {
    requireAttached();
    engine_.runCommand(command);
}

std::string SimApplication::GetUserID() {
    requireAttached();
    const auto position = engine_.state().loggedInUser();
    const auto user = position ? engine_.users().at(*position) : std::nullopt;
    if (!user) {
        throw RuntimeError(vberr::AutomationError, "No user is logged in");
    }
    return user->uniqueId;
}

std::string SimApplication::GetOpenDBName() {
    requireAttached();
    return engine_.state().databasePath();
}

void SimApplication::requireAttached() {
    if (!attached_) {
        throw RuntimeError(vberr::AutomationError, "The object is not attached to a database");
    }
    requireDatabaseOpen(engine_);
}

} // namespace corvane::sim
