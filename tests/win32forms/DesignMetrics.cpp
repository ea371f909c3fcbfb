#include "tests/win32forms/DesignMetrics.h"

namespace corvane::forms::win32::test {

void DesignMetrics::SetUp() {
    saved_.cbSize = sizeof saved_;
    ASSERT_NE(SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof saved_, &saved_, 0), FALSE);
    NONCLIENTMETRICSA design = saved_;
    // The system adds the line under each bar.
    design.iCaptionHeight = kCaptionPixels - 1;
    design.iMenuHeight = kMenuBarPixels - 1;
    changed_ = SystemParametersInfoA(SPI_SETNONCLIENTMETRICS, sizeof design, &design, 0) != FALSE;
    ASSERT_TRUE(changed_);
    EXPECT_EQ(GetSystemMetrics(SM_CYCAPTION), kCaptionPixels);
    EXPECT_EQ(GetSystemMetrics(SM_CYMENU), kMenuBarPixels);
}

void DesignMetrics::TearDown() {
    if (changed_) {
        SystemParametersInfoA(SPI_SETNONCLIENTMETRICS, sizeof saved_, &saved_, 0);
    }
}

} // namespace corvane::forms::win32::test
