#include "common/FieldSettingsFile.h"

#include "common/Paths.h"
#include "common/RuntimeError.h"
#include "tests/support/TempDir.h"

#include "tests/support/VbErrorOf.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace corvane {
namespace {

using test::readBytes;
using test::writeBytes;

std::vector<std::string> itemsOf(const std::string& path) {
    FieldSettingsReader reader(path);
    reader.nextLine();
    reader.nextLine();
    std::vector<std::string> items;
    reader.readItems([&](std::string_view item) { items.emplace_back(item); });
    return items;
}

class FieldSettingsFileTest : public ::testing::Test {
protected:
    test::TempDir dir;
    std::string file = dir.file("Sales12.dat");
};

TEST(FieldSettingsPath, JoinsFolderGenericNameAndFieldNumber) {
    EXPECT_EQ(fieldSettingsPath("Settings", "Sales", "12"), std::string("Settings") + kPathSeparator + "Sales12.dat");
    EXPECT_EQ(fieldSettingsPath("S", "", "-3"), std::string("S") + kPathSeparator + "-3.dat");
}

TEST_F(FieldSettingsFileTest, WriterTrimsItemsSkipsEmptyOnesAndEndsEveryLineWithCrLf) {
    writeFieldSettingsFile(file, {1, -1, {" Red ", "", "   ", "Blue", "Blue"}});
    EXPECT_EQ(readBytes(file), "OnlyFromDropdown=1\r\nAllowEditing=-1\r\nRed\r\n\r\nBlue\r\nBlue\r\n");
}

TEST_F(FieldSettingsFileTest, ReaderSkipsBlankLinesAndKeepsFileOrder) {
    writeBytes(file, "OnlyFromDropdown=0\r\nAllowEditing=0\r\nZeta\r\n\r\n   \r\n  Alpha  \rMid");
    EXPECT_EQ(itemsOf(file), (std::vector<std::string>{"Zeta", "Alpha", "Mid"}));
}

TEST_F(FieldSettingsFileTest, ItemsWithACrBeforeTheLineEndReadBackUnchanged) {
    // A list text cut at LF keeps the CR of a CR LF at the end of its items.
    writeFieldSettingsFile(file, {0, 0, {"Red\r", "Blue\r", "Green"}});
    EXPECT_EQ(readBytes(file), "OnlyFromDropdown=0\r\nAllowEditing=0\r\nRed\r\r\nBlue\r\r\nGreen\r\n");
    EXPECT_EQ(itemsOf(file), (std::vector<std::string>{"Red", "Blue", "Green"}));
}

TEST_F(FieldSettingsFileTest, ALoneLfDoesNotEndALine) {
    writeBytes(file, "a\r\nb\r\nRed\nBlue\r\n");
    EXPECT_EQ(itemsOf(file), (std::vector<std::string>{"Red\nBlue"}));
}

TEST_F(FieldSettingsFileTest, FewerThanTwoLinesIsInputPastEndOfFile) {
    writeBytes(file, "OnlyFromDropdown=1\r\n");
    FieldSettingsReader reader(file);
    reader.nextLine();
    EXPECT_EQ(test::vbErrorOf([&] { reader.nextLine(); }), vberr::InputPastEndOfFile);
    writeBytes(file, "");
    EXPECT_EQ(test::vbErrorOf([&] { FieldSettingsReader(file).nextLine(); }), vberr::InputPastEndOfFile);
}

TEST_F(FieldSettingsFileTest, MissingFileAndFolderFailWithVbErrors) {
    EXPECT_EQ(test::vbErrorOf([&] { FieldSettingsReader reader(file); }), vberr::FileNotFound);
    const std::string inMissingFolder = dir.file("none") + kPathSeparator + "Sales12.dat";
    EXPECT_EQ(test::vbErrorOf([&] { FieldSettingsReader reader(inMissingFolder); }), vberr::PathNotFound);
    EXPECT_EQ(test::vbErrorOf([&] { writeFieldSettingsFile(inMissingFolder, {}); }), vberr::PathNotFound);
    EXPECT_FALSE(std::filesystem::exists(dir.file("none")));
}

TEST(FlagLines, TheAdministrationToolUsesOnlyLinesWithTheExactPrefix) {
    EXPECT_EQ(adminFlag("OnlyFromDropdown=1", kOnlyFromDropdownPrefix), 1);
    EXPECT_EQ(adminFlag("onlyfromdropdown=1", kOnlyFromDropdownPrefix), std::nullopt);
    EXPECT_EQ(adminFlag("Red", kOnlyFromDropdownPrefix), std::nullopt);
    EXPECT_EQ(test::vbErrorOf([] { adminFlag("AllowEditing=yes", kAllowEditingPrefix); }), vberr::TypeMismatch);
    EXPECT_EQ(test::vbErrorOf([] { adminFlag("AllowEditing=99999", kAllowEditingPrefix); }), vberr::Overflow);
}

TEST(FlagLines, TheTriggerReadsTruthValuesAfterRemovingThePrefix) {
    EXPECT_TRUE(triggerFlag("OnlyFromDropdown=1", kOnlyFromDropdownPrefix));
    EXPECT_FALSE(triggerFlag("OnlyFromDropdown=0", kOnlyFromDropdownPrefix));
    EXPECT_TRUE(triggerFlag("True", kOnlyFromDropdownPrefix));
    EXPECT_FALSE(triggerFlag("AllowEditing=False", kAllowEditingPrefix));
    EXPECT_TRUE(triggerFlag("5", kAllowEditingPrefix)); // a number without the prefix passes unnoticed
    EXPECT_EQ(test::vbErrorOf([] { triggerFlag("Red", kOnlyFromDropdownPrefix); }), vberr::TypeMismatch);
}

TEST(FlagLines, TheListEditorKeepsTheNumberToWriteItBack) {
    EXPECT_EQ(editorFlag("OnlyFromDropdown=-1", kOnlyFromDropdownPrefix), -1);
    EXPECT_EQ(editorFlag("AllowEditing=1AllowEditing=", kAllowEditingPrefix), 1);
    EXPECT_EQ(test::vbErrorOf([] { editorFlag("AllowEditing=True", kAllowEditingPrefix); }), vberr::TypeMismatch);
}

} // namespace
} // namespace corvane
