#pragma once

#include "forms/Screen.h"
#include "platform/win32/ui/PixelScale.h"

namespace corvane::forms::win32 {

/// The primary screen: its size in twips at the screen's logical dots per inch, and the system's
/// metrics.
class Win32Screen : public Screen {
public:
    explicit Win32Screen(PixelScale scale) : scale_(scale) {}

    int32_t Width() override;
    int32_t Height() override;
    int32_t TwipsPerPixelX() override { return scale_.twipsPerPixelX; }
    int32_t TwipsPerPixelY() override { return scale_.twipsPerPixelY; }
    int32_t GetSystemMetrics(int32_t index) override;

private:
    PixelScale scale_;
};

} // namespace corvane::forms::win32
