#pragma once

#include "forms/Screen.h"

#include <map>

namespace corvane::forms::headless {

/// A screen of a fixed size: 1024 x 768 pixels at 15 twips per pixel unless a test sets otherwise;
/// dialog frames 3 pixels wide.
class HeadlessScreen : public Screen {
public:
    void setPixels(int32_t width, int32_t height) {
        widthPixels_ = width;
        heightPixels_ = height;
    }
    void setTwipsPerPixel(int32_t x, int32_t y) {
        twipsPerPixelX_ = x;
        twipsPerPixelY_ = y;
    }
    void setMetric(int32_t index, int32_t value) { metrics_[index] = value; }

    int32_t Width() override { return widthPixels_ * twipsPerPixelX_; }
    int32_t Height() override { return heightPixels_ * twipsPerPixelY_; }
    int32_t TwipsPerPixelX() override { return twipsPerPixelX_; }
    int32_t TwipsPerPixelY() override { return twipsPerPixelY_; }
    int32_t GetSystemMetrics(int32_t index) override {
        auto found = metrics_.find(index);
        return found == metrics_.end() ? 0 : found->second;
    }

private:
    int32_t widthPixels_ = 1024;
    int32_t heightPixels_ = 768;
    int32_t twipsPerPixelX_ = 15;
    int32_t twipsPerPixelY_ = 15;
    std::map<int32_t, int32_t> metrics_{{SM_CXDLGFRAME, 3}, {SM_CYDLGFRAME, 3}};
};

} // namespace corvane::forms::headless
