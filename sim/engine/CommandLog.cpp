#include "sim/engine/CommandLog.h"

#include "sim/sqlite/SqliteConnection.h"

namespace corvane::sim {

void CommandLog::record(int16_t command) {
    connection_.execute("INSERT INTO commands (number) VALUES (?)", int64_t{command});
}

std::vector<int16_t> CommandLog::all() {
    auto row = connection_.prepare("SELECT number FROM commands ORDER BY seq");
    std::vector<int16_t> commands;
    while (row.step()) {
        commands.push_back(static_cast<int16_t>(row.integer(0)));
    }
    return commands;
}

} // namespace corvane::sim
