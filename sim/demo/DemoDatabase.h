#pragma once

#include <string>
#include <string_view>

namespace corvane::sim {

class Engine;

/// File name of the demo database, as ACT! reports it at the end of the open database's path.
inline constexpr std::string_view kDemoDatabaseFileName = "Sales.dbf";

/// The SQL text that creates the demo database "Sales" (sim/demo/Sales.sql, built in).
std::string_view demoSeedSql();

/// Runs a seed in one transaction, then lets ACT! run with it open under `databasePath`. A seed that
/// fails changes nothing.
void loadSeed(Engine& engine, std::string_view seedSql, const std::string& databasePath);

/// Loads the demo database "Sales" and opens it under `databasePath` (e.g. ".../Sales.dbf").
void loadDemoDatabase(Engine& engine, const std::string& databasePath);

} // namespace corvane::sim
