#include "tests/win32tour/TourLog.h"

#include "tests/support/WaitFor.h"
#include "tests/win32forms/Screenshot.h"

#include <cstdio>
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

void TourLog::step(const std::string& what) {
    std::printf("\nStep %d: %s\n", ++step_, what.c_str());
    std::fflush(stdout);
}

bool TourLog::check(bool ok, const std::string& what) {
    std::printf("  [%s] %s\n", ok ? "ok" : "FAILED", what.c_str());
    std::fflush(stdout);
    if (!ok) {
        ++failures_;
    }
    return ok;
}

void TourLog::screenshot(const std::string& name) {
    const std::string number = std::to_string(++shot_);
    const std::string file = std::string(number.size() < 2 ? "0" : "") + number + "-" + name;
    const ScreenImage image = settledDesktop();
    try {
        check(!image.blank(), "screenshot " + forms::win32::test::savePng(image, file));
    } catch (const std::runtime_error& error) {
        check(false, error.what());
    }
}

} // namespace corvane::test
