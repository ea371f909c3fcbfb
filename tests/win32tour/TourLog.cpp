#include "tests/win32tour/TourLog.h"

#include "tests/support/WaitFor.h"
#include "tests/win32forms/Screenshot.h"

#include <stdexcept>

namespace corvane::test {

namespace {
using forms::win32::test::captureScreen;
using forms::win32::test::ScreenImage;

ScreenImage wholeDesktop() {
    return captureScreen(RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
}

/// The desktop once the programs have drawn what they were asked to: two pictures in a row alike.
ScreenImage settledDesktop() {
    RedrawWindow(GetDesktopWindow(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    ScreenImage last = wholeDesktop();
    waitFor([&] {
        ScreenImage now = wholeDesktop();
        const bool same = now.pixels == last.pixels;
        last = std::move(now);
        return same;
    });
    return last;
}
} // namespace

void TourLog::screenshot(const std::string& name) {
    const std::string file = nextShotName(name);
    const ScreenImage image = settledDesktop();
    try {
        check(!image.blank(), "screenshot " + forms::win32::test::savePng(image, file));
    } catch (const std::runtime_error& error) {
        check(false, error.what());
    }
}

} // namespace corvane::test
