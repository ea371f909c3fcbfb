#include "platform/win32/files/WidePath.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace corvane::os {
namespace {

// Wine takes long paths in any form, Windows only in the extended one, so the form is checked here.
TEST(ExtendedForm, PrefixesDrivePathsAndUncPathsOnce) {
    EXPECT_EQ(extendedForm(LR"(C:\Data\Users.dat)"), LR"(\\?\C:\Data\Users.dat)");
    EXPECT_EQ(extendedForm(LR"(\\server\share\Settings\Users.dat)"), LR"(\\?\UNC\server\share\Settings\Users.dat)");
    EXPECT_EQ(extendedForm(LR"(\\?\C:\Data\Users.dat)"), LR"(\\?\C:\Data\Users.dat)");
    EXPECT_EQ(extendedForm(LR"(\\.\CON)"), LR"(\\.\CON)");
}

TEST(WidePath, ConvertsTheAnsiCodePageAndKeepsShortPathsAsGiven) {
    ASSERT_EQ(GetACP(), 1252u);
    EXPECT_EQ(widePath("C:/Data/../Caf\xE9 \x80\\Users.dat"), L"C:/Data/../Caf\u00E9 \u20AC\\Users.dat");
    EXPECT_EQ(widePath(""), L"");
}

TEST(WidePath, GivesLongPathsInFullExtendedForm) {
    const std::string folder(250, 'f');
    EXPECT_EQ(widePath("C:/Data/./Old/../" + folder + "/Users.dat"),
              LR"(\\?\C:\Data\)" + std::wstring(250, L'f') + LR"(\Users.dat)");
    EXPECT_EQ(widePath(R"(\\server\share\)" + folder + R"(\Users.dat)"),
              LR"(\\?\UNC\server\share\)" + std::wstring(250, L'f') + LR"(\Users.dat)");
    const std::wstring relative = widePath(folder + "\\Users.dat");
    EXPECT_TRUE(relative.starts_with(LR"(\\?\)")) << "a relative path is made full first";
    EXPECT_TRUE(relative.ends_with(std::wstring(250, L'f') + LR"(\Users.dat)"));
}

} // namespace
} // namespace corvane::os
