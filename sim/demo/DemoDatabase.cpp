#include "sim/demo/DemoDatabase.h"

#include "sim/engine/Engine.h"

namespace corvane::sim {

void loadSeed(Engine& engine, std::string_view seedSql, const std::string& databasePath) {
    engine.transaction([&] {
        engine.connection().exec(std::string(seedSql));
        engine.state().openDatabase(databasePath);
    });
}

void loadDemoDatabase(Engine& engine, const std::string& databasePath) {
    loadSeed(engine, demoSeedSql(), databasePath);
}

} // namespace corvane::sim
