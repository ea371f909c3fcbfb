// The trigger's keyboard hook: it notes Escape and Tab and passes every key on.
#include "tests/trigger/TriggerFixture.h"

namespace corvane::trigger::test {
namespace {

class modKeyboardHookTest : public TriggerTest {};

TEST_F(modKeyboardHookTest, PassesEveryKeyOnAndSetsOnlyItsFlags) {
    std::vector<uint32_t> seen;
    session.windows.SetWindowsHookExA(forms::WH_KEYBOARD_LL,
                                      [&](int32_t, int32_t message, const forms::KeyboardEvent& event) {
                                          if (message == forms::WM_KEYDOWN) {
                                              seen.push_back(event.vkCode);
                                          }
                                          return 0;
                                      });
    start();
    session.windows.pressKey('A');
    session.processEvents();
    EXPECT_FALSE(form().bEscape || form().bTab);
    session.windows.pressKey(forms::VK_TAB);
    session.processEvents();
    EXPECT_TRUE(form().bTab && !form().bEscape);
    session.windows.setKeyDown(forms::VK_ESCAPE, true);
    session.windows.pressKey('B');
    session.processEvents();
    EXPECT_TRUE(form().bEscape) << "a key held down counts on any key event";
    EXPECT_EQ(seen, (std::vector<uint32_t>{'A', forms::VK_TAB, 'B'}));
    tick();
    EXPECT_EQ(session.windows.hookCount(), 1) << "only the trigger's own hook is removed";
}

} // namespace
} // namespace corvane::trigger::test
