#pragma once

namespace corvane::sim {

class Engine;

/// Fails with error 440 unless ACT! runs.
void requireRunning(Engine& engine);
/// Fails with error 440 unless ACT! runs with a database open.
void requireDatabaseOpen(Engine& engine);

} // namespace corvane::sim
