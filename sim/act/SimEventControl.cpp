#include "sim/act/SimEventControl.h"

#include "sim/engine/Engine.h"

namespace corvane::sim {

SimEventControl::SimEventControl(Engine& engine) : engine_(engine), lastSeen_(engine.events().lastSequence()) {}

int32_t SimEventControl::Operation1(int32_t /*value*/) {
    return engine_.state().running() && engine_.state().databaseOpen() ? 1 : 0;
}

bool SimEventControl::Operation3() {
    return engine_.state().databaseOpen();
}

void SimEventControl::PumpEvents() {
    if (!linked_) {
        return;
    }
    const std::weak_ptr<bool> alive = alive_;
    for (const ActEventRecord& event : engine_.events().after(lastSeen_)) {
        // A sink that runs a nested message loop pumps again; what that inner pump delivered is skipped.
        if (event.sequence <= lastSeen_) {
            continue;
        }
        lastSeen_ = event.sequence;
        deliver(event);
        if (alive.expired() || !linked_) {
            return;
        }
    }
}

void SimEventControl::deliver(const ActEventRecord& event) {
    if (!sink_) {
        return;
    }
    if (event.kind == ActEventKind::UserWantsToClose) {
        sink_->OnActUserWantsToClose(event.argument);
    } else {
        sink_->OnDatabaseClose();
    }
}

} // namespace corvane::sim
