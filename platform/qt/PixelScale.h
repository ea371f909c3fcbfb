#pragma once

#include <QRect>

#include <cmath>
#include <cstdint>

namespace corvane::forms::qt {

/// Twips to pixels and back, with the screen's twips per pixel (15 at 96 dpi).
struct PixelScale {
    int32_t twipsPerPixelX = 15;
    int32_t twipsPerPixelY = 15;

    int x(double twips) const { return static_cast<int>(std::lround(twips / twipsPerPixelX)); }
    int y(double twips) const { return static_cast<int>(std::lround(twips / twipsPerPixelY)); }
    QRect rect(int32_t left, int32_t top, int32_t width, int32_t height) const {
        return QRect(x(left), y(top), x(width), y(height));
    }
    float twipsX(int pixels) const { return static_cast<float>(pixels * twipsPerPixelX); }
    float twipsY(int pixels) const { return static_cast<float>(pixels * twipsPerPixelY); }
};

} // namespace corvane::forms::qt
