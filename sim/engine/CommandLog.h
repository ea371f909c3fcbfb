#pragma once

#include <cstdint>
#include <vector>

namespace corvane::sim {

class SqliteConnection;

/// The commands that ACT! received through `Command`, in order.
class CommandLog {
public:
    explicit CommandLog(SqliteConnection& connection) : connection_(connection) {}

    void record(int16_t command);
    std::vector<int16_t> all();

private:
    SqliteConnection& connection_;
};

} // namespace corvane::sim
