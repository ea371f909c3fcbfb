#include "sim/act/ActChecks.h"

#include "common/RuntimeError.h"
#include "sim/engine/Engine.h"

namespace corvane::sim {

void requireRunning(Engine& engine) {
    if (!engine.state().running()) {
        throw RuntimeError(vberr::AutomationError, "ACT! is not running");
    }
}

void requireDatabaseOpen(Engine& engine) {
    requireRunning(engine);
    if (!engine.state().databaseOpen()) {
        throw RuntimeError(vberr::AutomationError, "ACT! has no database open");
    }
}

} // namespace corvane::sim
