#include "platform/win32/ui/Win32Screen.h"

namespace corvane::forms::win32 {

namespace {
constexpr double kTwipsPerInch = 1440.0;
} // namespace

PixelScale PixelScale::ofScreen() {
    HDC screen = GetDC(nullptr);
    const int x = GetDeviceCaps(screen, LOGPIXELSX);
    const int y = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    PixelScale scale;
    if (x > 0 && y > 0) {
        scale.twipsPerPixelX = static_cast<int32_t>(std::lround(kTwipsPerInch / x));
        scale.twipsPerPixelY = static_cast<int32_t>(std::lround(kTwipsPerInch / y));
    }
    return scale;
}

int32_t Win32Screen::Width() {
    return ::GetSystemMetrics(SM_CXSCREEN) * scale_.twipsPerPixelX;
}

int32_t Win32Screen::Height() {
    return ::GetSystemMetrics(SM_CYSCREEN) * scale_.twipsPerPixelY;
}

int32_t Win32Screen::GetSystemMetrics(int32_t index) {
    return ::GetSystemMetrics(index);
}

} // namespace corvane::forms::win32
