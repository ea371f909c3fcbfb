#pragma once

#include "forms/App.h"
#include "platform/win32/ui/Handles.h"

#include <cstdint>
#include <string>

namespace corvane::forms::win32 {

/// The running program: its folder and file name from its module, title and version as stated, and
/// whether another copy of it runs in this logon session. That test holds a named mutex per program
/// and session ("Local\" namespace) from construction on, so the first copy keeps it while it runs.
class Win32App : public App {
public:
    explicit Win32App(ProgramFacts facts);
    Win32App(const Win32App&) = delete;
    Win32App& operator=(const Win32App&) = delete;

    std::string Path() override;
    std::string EXEName() override;
    std::string Title() override { return facts_.title; }
    int16_t Major() override { return facts_.major; }
    int16_t Minor() override { return facts_.minor; }
    int16_t Revision() override { return facts_.revision; }
    bool PrevInstance() override { return prevInstance_; }

    /// The name of the mutex that marks a running copy of the program with this file name.
    static std::string instanceMutexName(const std::string& exeName);

private:
    ProgramFacts facts_;
    KernelHandle instance_;
    bool prevInstance_;
};

} // namespace corvane::forms::win32
