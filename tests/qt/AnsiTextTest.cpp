#include "platform/qt/AnsiText.h"

#include <gtest/gtest.h>

namespace corvane::forms::qt::ansi {
namespace {

TEST(AnsiText, EveryByteSurvivesTheWayThroughQt) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) {
        all.push_back(static_cast<char>(byte));
    }
    QString shown = toQt(all);
    ASSERT_EQ(shown.size(), 256);
    EXPECT_EQ(fromQt(shown), all);
}

TEST(AnsiText, TheHighControlRangeIsTheWindowsTable) {
    EXPECT_EQ(toQt("\x80"), QString::fromUtf8("€"));
    EXPECT_EQ(toQt("\x8A\x9F\x96\x85"), QString::fromUtf8("ŠŸ–…"));
    EXPECT_EQ(toQt("\xE9\xFF"), QString::fromUtf8("éÿ"));
    // Bytes the code page leaves undefined keep their number.
    EXPECT_EQ(toQt("\x81").at(0).unicode(), 0x81);
    EXPECT_EQ(fromQt(QString::fromUtf8("“Œ”")), "\x93\x8C\x94");
}

TEST(AnsiText, CharactersTheCodePageLacksBecomeQuestionMarks) {
    EXPECT_EQ(fromQt(QString::fromUtf8("a→b ж")), "a?b ?");
    EXPECT_EQ(byteOf(QChar(0x0100)), '?');
}

} // namespace
} // namespace corvane::forms::qt::ansi
