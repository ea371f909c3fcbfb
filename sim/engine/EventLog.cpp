#include "sim/engine/EventLog.h"

#include "sim/sqlite/SqliteConnection.h"

namespace corvane::sim {

void EventLog::raise(ActEventKind kind, int32_t argument) {
    connection_.execute("INSERT INTO events (kind, argument) VALUES (?, ?)", static_cast<int64_t>(kind),
                        int64_t{argument});
}

int64_t EventLog::lastSequence() {
    return connection_.queryInteger("SELECT max(seq) FROM events").value_or(0);
}

std::vector<ActEventRecord> EventLog::after(int64_t sequence) {
    auto row = connection_.prepare("SELECT seq, kind, argument FROM events WHERE seq > ? ORDER BY seq");
    row.bind(sequence);
    std::vector<ActEventRecord> events;
    while (row.step()) {
        events.push_back(ActEventRecord{row.integer(0), static_cast<ActEventKind>(row.integer(1)),
                                        static_cast<int32_t>(row.integer(2))});
    }
    return events;
}

} // namespace corvane::sim
