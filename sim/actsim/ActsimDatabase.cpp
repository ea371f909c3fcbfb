#include "sim/actsim/ActsimDatabase.h"

#include "common/Paths.h"
#include "sim/demo/DemoDatabase.h"

#include <cstdlib>
#include <filesystem>

namespace corvane::sim::actsim {

std::string defaultDatabasePath() {
    const char* data = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    std::string folder = data && *data ? std::string(data) : joinPath(home ? home : "", ".local/share");
    return joinPath(joinPath(folder, "Corvane"), "Sales.dbf");
}

std::unique_ptr<Engine> openActsimDatabase(const std::string& path) {
    const bool fresh = !std::filesystem::exists(path);
    if (fresh) {
        // actsim stands for ACT! and its installer, so it may make its own data folder.
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    }
    auto engine = std::make_unique<Engine>(path);
    if (fresh) {
        loadDemoDatabase(*engine, path);
    } else {
        engine->state().openDatabase(path);
    }
    engine->state().setFocusField(-1);
    engine->desktop().clear();
    return engine;
}

} // namespace corvane::sim::actsim
