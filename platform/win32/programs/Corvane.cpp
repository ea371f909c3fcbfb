// Corvane, the administration tool, on Windows: Win32 windows beside ACT!, reached through COM.
#include "admin/AdminProgram.h"
#include "admin/RightsReportCommand.h"
#include "platform/win32/com/ComActFactory.h"
#include "platform/win32/ui/Win32Session.h"

#include <cstdio>
#include <cstdlib>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/, int /*show*/) {
    using namespace corvane;
    forms::win32::Win32Session session({.title = "Corvane",
                                        .major = CORVANE_VERSION_MAJOR,
                                        .minor = CORVANE_VERSION_MINOR,
                                        .revision = CORVANE_VERSION_PATCH},
                                       instance);
    win32::com::ComActFactory factory;
    // A GUI program has no console of its own: the reason goes to whatever stderr it was given, and
    // the exit code is what scripts test.
    if (__argc > 1 && __argv[1] == admin::kRightsReportOption) {
        return admin::runRightsReportCommand(
            {__argv + 1, __argv + __argc}, factory, session.settings, session.app,
            [](std::string_view text) { std::fwrite(text.data(), 1, text.size(), stderr); });
    }
    bool started = false;
    session.runtime.dispatch([&] {
        admin::AdminProgram program(session.runtime, factory, session.settings);
        started = true;
        program.start();
        session.run();
    });
    return started ? 0 : 1;
}
