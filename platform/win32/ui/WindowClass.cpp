#include "platform/win32/ui/WindowClass.h"

namespace corvane::forms::win32 {

void ensureWindowClass(HINSTANCE instance, const char* name, WNDPROC procedure) {
    WNDCLASSEXA known{};
    known.cbSize = sizeof known;
    if (GetClassInfoExA(instance, name, &known) != FALSE) {
        return;
    }
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = name;
    RegisterClassExA(&windowClass);
}

} // namespace corvane::forms::win32
