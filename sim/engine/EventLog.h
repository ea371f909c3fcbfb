#pragma once

#include <cstdint>
#include <vector>

namespace corvane::sim {

class SqliteConnection;

enum class ActEventKind { UserWantsToClose = 1, DatabaseClose = 2 };

/// One event that ACT! raised; `sequence` rises with every event.
struct ActEventRecord {
    int64_t sequence = 0;
    ActEventKind kind = ActEventKind::DatabaseClose;
    int32_t argument = 0;
};

/// The events ACT! raised, kept in the database so that the event controls of every process that
/// shares it can read them.
class EventLog {
public:
    explicit EventLog(SqliteConnection& connection) : connection_(connection) {}

    void raise(ActEventKind kind, int32_t argument);
    /// Sequence number of the latest event, 0 when none was raised.
    int64_t lastSequence();
    /// Events raised after the one with that sequence number, oldest first.
    std::vector<ActEventRecord> after(int64_t sequence);

private:
    SqliteConnection& connection_;
};

} // namespace corvane::sim
