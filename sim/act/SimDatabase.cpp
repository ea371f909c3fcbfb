#include "sim/act/SimDatabase.h"

#include "sim/act/ActChecks.h"
#include "sim/act/SimContactTable.h"
#include "sim/act/SimUsers.h"
#include "sim/engine/Engine.h"

namespace corvane::sim {

void SimDatabase::OpenEx(const std::string& name) {
    requireDatabaseOpen(engine_);
    if (!name.empty() && name != engine_.state().databasePath()) {
        throw RuntimeError(vberr::FileNotFound);
    }
    opened_ = true;
}

std::shared_ptr<act::ContactTable> SimDatabase::Contact() {
    requireOpened();
    return std::make_shared<SimContactTable>(engine_);
}

std::shared_ptr<act::Users> SimDatabase::Users() {
    requireOpened();
    return std::make_shared<SimUsers>(engine_);
}

void SimDatabase::requireOpened() {
    if (!opened_) {
        throw RuntimeError(vberr::AutomationError, "The database object is not open");
    }
    requireDatabaseOpen(engine_);
}

} // namespace corvane::sim
