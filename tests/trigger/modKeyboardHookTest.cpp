// The trigger's keyboard hook: it notes Escape and Tab and passes every key on.
#include "tests/trigger/TriggerFixture.h"

#include <gtest/gtest.h>

namespace corvane::trigger::test {

class modKeyboardHookTest : public TriggerTest {};

TEST_F(modKeyboardHookTest, PassesEveryKeyOnAndSetsOnlyItsFlags) {
    std::vector<uint32_t> seen;
    const forms::Hhook other = session.windows.SetWindowsHookExA(
        forms::WH_KEYBOARD_LL, [&](int32_t, int32_t message, const forms::KeyboardEvent& event) {
            if (message == forms::WM_KEYDOWN) {
                seen.push_back(event.vkCode);
            }
            return 0;
        });
    start();
    session.windows.pressKey('A');
    session.processEvents();
    EXPECT_FALSE(form().bEscape);
    EXPECT_FALSE(form().bTab);
    session.windows.pressKey(forms::VK_TAB);
    session.processEvents();
    EXPECT_TRUE(form().bTab);
    EXPECT_FALSE(form().bEscape);
    session.windows.pressKey(forms::VK_ESCAPE);
    session.processEvents();
    EXPECT_TRUE(form().bEscape);
    EXPECT_EQ(seen, (std::vector<uint32_t>{'A', forms::VK_TAB, forms::VK_ESCAPE}));
    tick();
    EXPECT_TRUE(ended());
    EXPECT_EQ(session.windows.hookCount(), 1) << "only the trigger's own hook is removed";
    session.windows.UnhookWindowsHookEx(other);
}

TEST_F(modKeyboardHookTest, AHeldKeyCountsOnAnyKeyEvent) {
    start();
    session.windows.setKeyDown(forms::VK_ESCAPE, true);
    session.windows.pressKey('B');
    session.processEvents();
    EXPECT_TRUE(form().bEscape);
}

} // namespace corvane::trigger::test
