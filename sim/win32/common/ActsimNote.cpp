#include "sim/win32/common/ActsimNote.h"

#include "platform/win32/ui/Handles.h"
#include "sim/win32/common/Files.h"
#include "sim/win32/common/RegistryKey.h"

#include "common/RuntimeError.h"

namespace corvane::sim::win32::ActsimNote {

namespace {
constexpr const char* kProcessId = "ProcessId";
constexpr const char* kDatabase = "Database";
} // namespace

void publish(DWORD processId, const std::string& database) {
    RegistryKey note = RegistryKey::create(HKEY_CURRENT_USER, kKey);
    note.setText(kDatabase, database);
    note.setNumber(kProcessId, processId);
}

void withdraw(DWORD processId) {
    if (RegistryKey::open(HKEY_CURRENT_USER, kKey).number(kProcessId) == processId) {
        removeRegistryTree(HKEY_CURRENT_USER, kKey);
    }
}

std::optional<Running> find() {
    const RegistryKey note = RegistryKey::open(HKEY_CURRENT_USER, kKey);
    const auto processId = note.number(kProcessId);
    auto database = note.text(kDatabase);
    if (!processId || !database || !processRuns(*processId) || !isFile(*database)) {
        return std::nullopt;
    }
    return Running{*processId, std::move(*database)};
}

bool processRuns(DWORD processId) {
    HANDLE opened = OpenProcess(SYNCHRONIZE, FALSE, processId);
    if (opened == nullptr) {
        return false;
    }
    const forms::win32::KernelHandle process(opened);
    return WaitForSingleObject(process.get(), 0) == WAIT_TIMEOUT;
}

Publication::~Publication() {
    try {
        withdraw(processId_);
    } catch (const RuntimeError&) {
        // A note left behind names a process that has ended, which counts as none.
    }
}

} // namespace corvane::sim::win32::ActsimNote
