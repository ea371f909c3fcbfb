#pragma once

#include "common/MemorySettingsStore.h"
#include "forms/Form.h"
#include "platform/win32/ui/Win32Session.h"
#include "tests/support/SimulatedAct.h"
#include "tests/support/TempDir.h"

#include <functional>
#include <string>

namespace corvane::forms::win32::test {

/// The program facts of a test session.
inline ProgramFacts testFacts(std::string title = "Corvane Test") {
    return {.title = std::move(title), .major = 1, .minor = 0, .revision = 4};
}

/// Ends the session's program, which closes every loop, box and dialog it has open: how a cue that
/// waited in vain ends the wait.
inline std::function<void()> endOf(Win32Session& session) {
    return [&session] { session.runtime.End(); };
}

/// A program's session on the Win32 backend over a private simulated ACT! with the demo database
/// "Sales" open, its objects coming through the fault injector. The settings (in memory) point to a
/// fresh settings folder whose users file lets the logged-in administrator change everything.
class ProgramOnWin32 : public corvane::test::SimulatedAct {
public:
    explicit ProgramOnWin32(std::string title);
    ProgramOnWin32(const ProgramOnWin32&) = delete;
    ProgramOnWin32& operator=(const ProgramOnWin32&) = delete;

    std::string settingsFile(const std::string& name) const;
    /// The native window of a loaded form, or null.
    HWND windowOf(Form& form);

    corvane::test::TempDir folder;
    Win32Session session;
    MemorySettingsStore settings;
};

} // namespace corvane::forms::win32::test
