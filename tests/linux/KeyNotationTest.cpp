#include "platform/linux/KeyNotation.h"

#include "tests/support/VbErrorOf.h"

#include <gtest/gtest.h>

using namespace corvane::platform::linux_desktop;

TEST(KeyNotation, NamedKeysAndLiteralsBecomeKeystrokesAndBack) {
    EXPECT_EQ(keystrokesOf("{ENTER}{TAB}{ESC}{BS}~"), "\r\t\x1B\b\r");
    EXPECT_EQ(keystrokesOf("a{+}{}}{{}B"), "a+}{B");
    EXPECT_EQ(keystrokesOf(""), "");
    for (char keystroke : std::string("\r\t\x1B\b+^%~(){}[]aZ \xE9")) {
        EXPECT_EQ(keystrokesOf(notationOf(keystroke)), std::string(1, keystroke)) << int(keystroke);
    }
}

TEST(KeyNotation, NotationWithoutAKeystrokeFailsWith5) {
    for (const char* notation : {"+a", "^c", "%f", "(ab)", "{F4}", "{ENTER 2}", "{ENTER", "{}", "}"}) {
        EXPECT_EQ(corvane::test::vbErrorOf([&] { keystrokesOf(notation); }), 5) << notation;
    }
}

TEST(KeyNotation, HooksSeeVirtualKeys) {
    EXPECT_EQ(virtualKeyOf('\x1B'), 27);
    EXPECT_EQ(virtualKeyOf('\t'), 9);
    EXPECT_EQ(virtualKeyOf('q'), 'Q');
}
