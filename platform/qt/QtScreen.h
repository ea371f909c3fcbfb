#pragma once

#include "forms/Screen.h"

namespace corvane::forms::qt {

/// The primary screen as Qt reports it; twips per pixel from its logical resolution (15 at 96 dpi).
class QtScreen : public Screen {
public:
    int32_t Width() override;
    int32_t Height() override;
    int32_t TwipsPerPixelX() override;
    int32_t TwipsPerPixelY() override;
    /// The dialog frame of the classic windows this backend draws; 0 for metrics nobody asks for.
    int32_t GetSystemMetrics(int32_t index) override;
};

} // namespace corvane::forms::qt
