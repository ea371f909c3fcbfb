#pragma once

#include "tests/win32forms/ActWindow.h"
#include "tests/win32forms/ProgramOnWin32.h"
#include "trigger/CorvaneEditMode.h"

#include <memory>

namespace corvane::forms::win32::test {

/// A run of the trigger on the Win32 backend with the real window system. ACT! (played by a thread
/// of the test) is in the foreground with its field 15 ("Customer" on the current contact), an edit
/// control 200 x 20 pixels at (100, 300), focused; ACT!'s window comes to the front when ACT! makes
/// a view, as ACT! does.
class TriggerOnWin32 : public ProgramOnWin32 {
public:
    static constexpr RECT kField{100, 300, 300, 320};

    TriggerOnWin32();

    void start();
    trigger::frmMain& form() { return program->mainForm(); }
    /// The values of every `SetField` ACT! received for field 15.
    std::vector<std::string> writes() const;

    ActWindow act{kField};
    std::unique_ptr<trigger::CorvaneEditMode> program;
};

} // namespace corvane::forms::win32::test
