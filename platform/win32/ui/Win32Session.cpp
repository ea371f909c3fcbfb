#include "platform/win32/ui/Win32Session.h"

#include <utility>

namespace corvane::forms::win32 {

namespace {
/// The program's window in front of the user, for a message box to belong to: its active window.
HWND activeWindow() {
    return GetActiveWindow();
}
} // namespace

Win32Session::Win32Session(ProgramFacts facts, HINSTANCE instance)
    : app(std::move(facts)), backend(instance, scale), msgBox(&activeWindow),
      shell([this](Hwnd form) { return backend.nativeOf(form); }),
      fileDialog([this](Hwnd form) { return backend.nativeOf(form); }),
      folderBrowser([this](Hwnd form) { return backend.nativeOf(form); }),
      saveFileDialog([this](Hwnd form) { return backend.nativeOf(form); }),
      printer([this](Hwnd form) { return backend.nativeOf(form); }),
      runtime(backend,
              Services{msgBox, shell, fileDialog, folderBrowser, screen, app, keys, clock, saveFileDialog, printer}),
      pump(instance, runtime) {}

} // namespace corvane::forms::win32
