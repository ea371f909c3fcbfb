#pragma once

// Before any other Windows header (ChildProcess.h brings one), for the names the forms runtime
// shares with it.
#include "platform/win32/ui/WinApi.h"

#include "sim/engine/Engine.h"
#include "tests/win32/ChildProcess.h"

#include <memory>
#include <string>
#include <vector>

namespace corvane::test {

/// actsim.exe as the tests run it: started on a database file of its own (a missing file becomes a
/// fresh copy of the demo database), waited for until it serves, and closed as its user closes it.
/// The test reaches the same database through an engine of its own.
class RunningActsim {
public:
    /// actsim.exe as the build made it, beside the programs.
    static std::string builtProgram();
    /// Runs actsim with one switch (/regserver, /unregserver) and waits for its end: true when it
    /// succeeded.
    static bool runSwitch(const std::string& program, const std::string& argument);

    /// Starts the program on the database with further arguments and waits (boundedly) until it
    /// serves: its note names that database and its window is there.
    RunningActsim(const std::string& program, const std::string& database,
                  const std::vector<std::string>& arguments = {});
    /// Closes actsim when it still runs; kills it when it does not end.
    ~RunningActsim();
    RunningActsim(const RunningActsim&) = delete;
    RunningActsim& operator=(const RunningActsim&) = delete;

    /// actsim serves, with its window.
    bool ready() const { return window_ != nullptr; }
    HWND window() const { return window_; }
    /// The edit control that shows a field.
    HWND fieldEdit(int16_t fieldNumber) const;
    /// The text an edit control of actsim shows.
    static std::string textOf(HWND control);
    /// Makes the edit control of a field the focus of actsim's window, as a click would.
    void enterField(int16_t fieldNumber) const;
    /// Asks actsim's window to run a command of its menus, buttons or toolbar.
    void command(WORD id) const;
    /// Tells actsim's window that its control of that id notified it (a choice in a list, say).
    void notify(WORD controlId, WORD code) const;
    /// Closes actsim as its user would (the window's close box).
    void close() const;
    /// Waits (boundedly) for actsim's end: true when it ended.
    bool ended() const;
    sim::Engine& engine() const { return *engine_; }

private:
    std::string database_;
    ChildProcess process_;
    HWND window_ = nullptr;
    std::unique_ptr<sim::Engine> engine_;
};

} // namespace corvane::test
