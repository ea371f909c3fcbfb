#pragma once

namespace corvane::sim {

class SqliteConnection;

/// Creates the simulated ACT!'s tables when they are missing; an existing database is left as it is.
void createSchema(SqliteConnection& connection);

} // namespace corvane::sim
