#pragma once

#include "platform/win32/ui/WinApi.h"

#include <gtest/gtest.h>

namespace corvane::forms::win32::test {

/// The window metrics the forms were designed on, for the test program's run: a caption bar of 25
/// pixels and a menu bar of 20 (Wine's defaults, Windows' classic ones, are 19 and 19). A form's
/// Width and Height include them, so only on these metrics does each client area come out as
/// designed: the collapsed Form1 ends just where its field panel begins. The metrics are set for the
/// session, not stored in the user's settings, and put back when the tests end.
class DesignMetrics : public ::testing::Environment {
public:
    static constexpr int kCaptionPixels = 25;
    static constexpr int kMenuBarPixels = 20;

    void SetUp() override;
    void TearDown() override;

private:
    NONCLIENTMETRICSA saved_{};
    bool changed_ = false;
};

} // namespace corvane::forms::win32::test
