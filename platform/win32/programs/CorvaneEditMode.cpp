// CorvaneEditMode, the edit-mode trigger, on Windows: its box over ACT!'s field, ACT! reached through
// COM, the foreground window and the keyboard those of Windows itself.
#include "trigger/CorvaneEditMode.h"
#include "platform/win32/com/ComActFactory.h"
#include "platform/win32/ui/Win32Session.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/, int /*show*/) {
    using namespace corvane;
    forms::win32::Win32Session session({.title = "Corvane Edit Mode",
                                        .major = CORVANE_VERSION_MAJOR,
                                        .minor = CORVANE_VERSION_MINOR,
                                        .revision = CORVANE_VERSION_PATCH},
                                       instance);
    win32::com::ComActFactory factory;
    bool started = false;
    session.runtime.dispatch([&] {
        trigger::CorvaneEditMode program(session.runtime, factory, session.settings, session.windows);
        started = true;
        program.start();
        session.run();
    });
    return started ? 0 : 1;
}
