#include "sim/win32/actevent/ActsimLink.h"

#include "common/RuntimeError.h"
#include "sim/win32/common/ActsimNote.h"
#include "sim/win32/common/EngineFile.h"

namespace corvane::sim::win32 {

std::unique_ptr<ActsimLink> ActsimLink::toRunningActsim() {
    const auto running = ActsimNote::find();
    if (!running) {
        return nullptr;
    }
    try {
        return std::make_unique<ActsimLink>(running->processId, openEngine(running->database));
    } catch (const RuntimeError&) {
        // A file that is no database, or an actsim that ended meanwhile, leaves ACT! unreachable.
        return nullptr;
    }
}

ActsimLink::ActsimLink(DWORD processId, std::unique_ptr<Engine> engine)
    : process_(OpenProcess(SYNCHRONIZE, FALSE, processId)), engine_(std::move(engine)),
      lastSeen_(engine_->events().lastSequence()) {
    if (process_.get() == nullptr) {
        throw RuntimeError(vberr::CantCreateObject);
    }
}

bool ActsimLink::actRunsWithDatabase() {
    return processRuns() && engine_->state().running() && engine_->state().databaseOpen();
}

bool ActsimLink::databaseOpen() {
    return processRuns() && engine_->state().databaseOpen();
}

std::vector<ActEventRecord> ActsimLink::newEvents() {
    std::vector<ActEventRecord> events = engine_->events().after(lastSeen_);
    if (!events.empty()) {
        lastSeen_ = events.back().sequence;
    }
    return events;
}

bool ActsimLink::processRuns() const {
    return WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

} // namespace corvane::sim::win32
