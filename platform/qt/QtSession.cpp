#include "platform/qt/QtSession.h"

#include <utility>

namespace corvane::forms::qt {

QtSession::QtSession(ProgramFacts facts, const std::string& lockFolder)
    : lock(lockFolder, QtApp::processName()), app(std::move(facts), lock.anotherCopyRunning()),
      keys([this]() -> QWidget* { return backend.windowOf(windows.GetForegroundWindow()); }),
      backend(PixelScale{screen.TwipsPerPixelX(), screen.TwipsPerPixelY()}),
      runtime(backend, Services{msgBox, shell, fileDialog, folderBrowser, screen, app, keys, clock}) {
    backend.setKeyTap([this](int32_t virtualKey) {
        windows.pressKey(virtualKey);
        windows.pumpInput();
    });
}

} // namespace corvane::forms::qt
