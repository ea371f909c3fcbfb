#pragma once

#include "platform/win32/ui/WinApi.h"

#include <cmath>
#include <cstdint>

namespace corvane::forms::win32 {

/// Twips to pixels and back, with the screen's twips per pixel (15 at 96 dpi).
struct PixelScale {
    int32_t twipsPerPixelX = 15;
    int32_t twipsPerPixelY = 15;

    int x(double twips) const { return static_cast<int>(std::lround(twips / twipsPerPixelX)); }
    int y(double twips) const { return static_cast<int>(std::lround(twips / twipsPerPixelY)); }
    /// A rectangle given by its left, top, width and height in twips, each rounded on its own.
    RECT rect(int32_t left, int32_t top, int32_t width, int32_t height) const {
        const int l = x(left);
        const int t = y(top);
        return RECT{l, t, l + x(width), t + y(height)};
    }
    float twipsX(int pixels) const { return static_cast<float>(pixels * twipsPerPixelX); }
    float twipsY(int pixels) const { return static_cast<float>(pixels * twipsPerPixelY); }
    int32_t wholeTwipsX(int pixels) const { return pixels * twipsPerPixelX; }
    int32_t wholeTwipsY(int pixels) const { return pixels * twipsPerPixelY; }

    /// The scale of the screen the programs run on: 1440 twips an inch, at its logical dots per inch.
    static PixelScale ofScreen();
};

} // namespace corvane::forms::win32
