#pragma once

#include "sim/engine/ActState.h"
#include "sim/engine/AuxCommandStore.h"
#include "sim/engine/CommandLog.h"
#include "sim/engine/ContactStore.h"
#include "sim/engine/DesktopStore.h"
#include "sim/engine/EventLog.h"
#include "sim/engine/FieldStore.h"
#include "sim/engine/UserStore.h"
#include "sim/sqlite/SqliteConnection.h"

#include <cstdint>
#include <functional>
#include <string>

namespace corvane::sim {

/// The simulated ACT!: its running state and its open database, kept in SQLite. Give ":memory:" for
/// a private ACT! (tests) or a file path that several processes share (actsim and both programs);
/// every change is committed at once, so each process sees the others' changes.
///
/// The stores are the inspection and control side used by tests and actsim; the ACT! objects of
/// `SimFactory` work through the same engine.
class Engine {
public:
    static constexpr int16_t kCloseActCommand = 150;
    static constexpr int16_t kContactViewType = 1;

    /// Called when ACT! brings one of its views to the front, with the view's type.
    using ForegroundListener = std::function<void(int16_t viewType)>;

    explicit Engine(const std::string& file);

    ActState& state() { return state_; }
    FieldStore& fields() { return fields_; }
    UserStore& users() { return users_; }
    ContactStore& contacts() { return contacts_; }
    AuxCommandStore& auxCommands() { return auxCommands_; }
    EventLog& events() { return events_; }
    CommandLog& commands() { return commands_; }
    /// What the desktop's window system would tell the programs about each other.
    DesktopStore& desktop() { return desktop_; }
    SqliteConnection& connection() { return connection_; }

    /// Closes the open database: `OnDatabaseClose` is raised. Nothing happens when none is open.
    void closeDatabase();
    /// The ACT! user closes ACT!: `OnActUserWantsToClose` is raised, then the database is closed and
    /// ACT! stops running. Nothing happens when ACT! does not run.
    void userClosesAct(int32_t reason = 0);
    /// Records the command; command 150 closes ACT! as its user would.
    void runCommand(int16_t command);
    /// Makes the contact `step` places on from the current one (back for a negative step, round the
    /// ends) the current contact; with no current contact, the first. Nothing happens without contacts.
    void moveCurrentContact(int step);
    /// Makes that view the active one and tells the foreground listener.
    void bringViewToFront(int16_t viewType);
    /// Replaces the listener; an empty one is allowed.
    void setForegroundListener(ForegroundListener listener) { foregroundListener_ = std::move(listener); }

    /// Runs `work` as one transaction of the database (see `SqliteConnection::transaction`).
    template <class Work> auto transaction(Work&& work) { return connection_.transaction(std::forward<Work>(work)); }

private:
    SqliteConnection connection_;
    ActState state_;
    FieldStore fields_;
    UserStore users_;
    ContactStore contacts_;
    AuxCommandStore auxCommands_;
    EventLog events_;
    CommandLog commands_;
    DesktopStore desktop_;
    ForegroundListener foregroundListener_;
};

} // namespace corvane::sim
