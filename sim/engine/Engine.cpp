#include "sim/engine/Engine.h"

#include "sim/engine/Schema.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace corvane::sim {

Engine::Engine(const std::string& file)
    : connection_(file), state_(connection_), fields_(connection_), users_(connection_), contacts_(connection_),
      auxCommands_(connection_), events_(connection_), commands_(connection_), desktop_(connection_) {
    createSchema(connection_);
}

void Engine::closeDatabase() {
    transaction([&] {
        if (state_.databaseOpen()) {
            events_.raise(ActEventKind::DatabaseClose, 0);
            state_.markDatabaseClosed();
        }
    });
}

void Engine::userClosesAct(int32_t reason) {
    transaction([&] {
        if (state_.running()) {
            events_.raise(ActEventKind::UserWantsToClose, reason);
            closeDatabase();
            state_.setRunning(false);
        }
    });
}

void Engine::moveCurrentContact(int step) {
    const std::vector<int64_t> ids = contacts_.ids();
    if (ids.empty()) {
        return;
    }
    const auto contact = state_.currentContact();
    const auto at = contact ? std::find(ids.begin(), ids.end(), *contact) : ids.end();
    const auto index = at == ids.end() ? 0 : ((at - ids.begin()) + step + std::ssize(ids)) % std::ssize(ids);
    state_.setCurrentContact(ids[static_cast<size_t>(index)]);
}

void Engine::runCommand(int16_t command) {
    transaction([&] {
        commands_.record(command);
        if (command == kCloseActCommand) {
            userClosesAct();
        }
    });
}

void Engine::bringViewToFront(int16_t viewType) {
    state_.setActiveViewType(viewType);
    if (foregroundListener_) {
        foregroundListener_(viewType);
    }
}

} // namespace corvane::sim
