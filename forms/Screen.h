#pragma once

#include <cstdint>

namespace corvane::forms {

/// `GetSystemMetrics` indices the programs ask for.
inline constexpr int32_t SM_CXDLGFRAME = 7;
inline constexpr int32_t SM_CYDLGFRAME = 8;

/// The screen: its size in twips and how many twips make a pixel.
class Screen {
public:
    virtual ~Screen() = default;
    virtual int32_t Width() = 0;
    virtual int32_t Height() = 0;
    virtual int32_t TwipsPerPixelX() = 0;
    virtual int32_t TwipsPerPixelY() = 0;
    /// A system metric in pixels, as the window system gives it.
    virtual int32_t GetSystemMetrics(int32_t index) = 0;
};

} // namespace corvane::forms
