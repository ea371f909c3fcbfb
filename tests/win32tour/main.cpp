// The Windows tour: the whole system at work under Wine, on a desktop of its own (see
// CMakeLists.txt). Its working files go to CORVANE_TOUR_DIR, its pictures to CORVANE_SCREENSHOT_DIR.
#include "tests/win32forms/OwnDesktop.h"
#include "tests/win32tour/Win32Tour.h"

#include <cstdio>
#include <stdexcept>

int main() {
    int result = 1;
    try {
        corvane::test::Win32Tour tour(CORVANE_TOUR_DIR);
        result = tour.run();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "The tour could not go on: %s\n", error.what());
    }
    corvane::test::endOwnDesktop();
    return result;
}
