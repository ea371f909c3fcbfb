#pragma once

#include "platform/win32/ui/WinApi.h"

#include <optional>
#include <string>

/// The per-user note that a simulated ACT! runs, so that its event control (which ACT! would load
/// into the programs' processes) finds the database it shares with actsim: the key
/// HKEY_CURRENT_USER\Software\Corvane\Simulated ACT! holds actsim's process id ("ProcessId") and the
/// path of its open database ("Database"). A note whose process has ended, or whose database file is
/// gone, counts as none.
namespace corvane::sim::win32::ActsimNote {

inline constexpr const char* kKey = "Software\\Corvane\\Simulated ACT!";

struct Running {
    DWORD processId = 0;
    std::string database;
};

/// Notes that the process runs ACT! with that database. Fails as a registry write does.
void publish(DWORD processId, const std::string& database);
/// Removes the note when it is still the one of that process; another actsim's note stays.
void withdraw(DWORD processId);
/// The actsim that runs now, or nothing.
std::optional<Running> find();

/// Whether the process still runs.
bool processRuns(DWORD processId);

/// This process's note, published for as long as the object lives.
class Publication {
public:
    Publication(DWORD processId, const std::string& database) : processId_(processId) { publish(processId, database); }
    ~Publication();
    Publication(const Publication&) = delete;
    Publication& operator=(const Publication&) = delete;

private:
    DWORD processId_;
};

} // namespace corvane::sim::win32::ActsimNote
