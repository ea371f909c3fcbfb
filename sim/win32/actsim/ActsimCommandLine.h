#pragma once

#include <string>
#include <utility>
#include <vector>

namespace corvane::sim::win32 {

/// What actsim.exe was asked to do:
///   actsim [database] [/fail Member=Error ...] [/calls file]
///                                               run as ACT! on that database file (else the demo's)
///   actsim /regserver | /unregserver            register or remove its classes for this user
/// Switches are read without regard to case, with "/" or "-". "-Embedding", which COM adds when it
/// starts actsim for a client, changes nothing. `/fail View.SetField=70` makes that member fail with
/// VB error 70 (names as the fault injector knows them); it may be repeated. `/calls file` writes
/// each COM call actsim serves to the file as it comes (see CallLog.h).
struct ActsimCommandLine {
    enum class Mode { Run, Register, Unregister };

    Mode mode = Mode::Run;
    std::string database; // empty: the demo database
    std::vector<std::pair<std::string, int>> faults;
    std::string callLog; // empty: no log

    /// Reads the arguments (without the program's name); fails with std::invalid_argument for one it
    /// does not know or a fault it cannot read.
    static ActsimCommandLine parse(const std::vector<std::string>& arguments);
};

/// This process's arguments, without the program's name, in the system's ANSI code page.
std::vector<std::string> processArguments();

} // namespace corvane::sim::win32
