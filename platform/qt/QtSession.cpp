#include "platform/qt/QtSession.h"

#include <utility>

namespace corvane::forms::qt {

QtSession::QtSession(ProgramFacts facts, const std::string& lockFolder, ServiceReplacements replacements)
    : lock(lockFolder, QtApp::processName()), app(std::move(facts), lock.anotherCopyRunning()),
      keys([this]() -> QWidget* { return backend.windowOf(windows.GetForegroundWindow()); }),
      backend(PixelScale{screen.TwipsPerPixelX(), screen.TwipsPerPixelY()}),
      runtime(backend,
              Services{msgBox, replacements.shell ? *replacements.shell : shell, fileDialog, folderBrowser, screen, app,
                       replacements.keys ? *replacements.keys : keys, clock, saveFileDialog, printer}) {
    backend.setKeyTap([this](int32_t virtualKey) {
        windows.pressKey(virtualKey);
        windows.pumpInput();
    });
}

} // namespace corvane::forms::qt
