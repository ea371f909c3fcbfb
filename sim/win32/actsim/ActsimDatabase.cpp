#include "sim/win32/actsim/ActsimDatabase.h"

#include "common/RuntimeError.h"
#include "platform/win32/ui/WinApi.h"
#include "sim/demo/DemoDatabase.h"
#include "sim/win32/common/EngineFile.h"
#include "sim/win32/common/Files.h"

namespace corvane::sim::win32 {

std::string fullPathOf(const std::string& path) {
    const DWORD size = GetFullPathNameA(path.c_str(), 0, nullptr, nullptr);
    std::string full(size, '\0');
    const DWORD length = GetFullPathNameA(path.c_str(), size, full.data(), nullptr);
    if (size == 0 || length >= size) {
        throw RuntimeError(vberr::BadFileNameOrNumber);
    }
    full.resize(length);
    return full;
}

std::string defaultDatabasePath() {
    char folder[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder))) {
        throw RuntimeError(vberr::PathNotFound);
    }
    return std::string(folder) + "\\Corvane\\" + std::string(kDemoDatabaseFileName);
}

namespace {
// actsim stands for ACT! and its installer, so it may make its own data folder.
void makeFolder(const std::string& folder) {
    const int made = SHCreateDirectoryExA(nullptr, folder.c_str(), nullptr);
    if (made != ERROR_SUCCESS && made != ERROR_ALREADY_EXISTS && made != ERROR_FILE_EXISTS) {
        throw RuntimeError(vberr::PathNotFound);
    }
}
} // namespace

std::unique_ptr<Engine> openActsimDatabase(const std::string& path) {
    const bool fresh = !isFile(path);
    if (fresh) {
        makeFolder(folderOf(path));
    }
    auto engine = openEngine(path);
    if (fresh) {
        loadDemoDatabase(*engine, path);
    } else {
        engine->state().openDatabase(path);
    }
    engine->state().setFocusField(-1);
    return engine;
}

} // namespace corvane::sim::win32
