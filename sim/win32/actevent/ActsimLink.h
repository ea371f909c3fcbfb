#pragma once

#include "platform/win32/ui/Handles.h"
#include "sim/engine/Engine.h"

#include <memory>
#include <vector>

namespace corvane::sim::win32 {

/// The event control's way to the running actsim: the engine over the database file that actsim noted
/// (ActsimNote), and actsim's process, whose end ends ACT! even when it had no time to say so.
class ActsimLink {
public:
    /// The actsim that runs now, or null when none does or its database cannot be opened.
    static std::unique_ptr<ActsimLink> toRunningActsim();

    /// Watches that process; fails with 429 when it cannot be watched.
    ActsimLink(DWORD processId, std::unique_ptr<Engine> engine);

    /// ACT! runs with a database open.
    bool actRunsWithDatabase();
    /// ACT!'s database is open.
    bool databaseOpen();
    /// The events ACT! raised since the last call (since the link was made, the first time).
    std::vector<ActEventRecord> newEvents();

private:
    bool processRuns() const;

    forms::win32::KernelHandle process_;
    std::unique_ptr<Engine> engine_;
    int64_t lastSeen_;
};

} // namespace corvane::sim::win32
