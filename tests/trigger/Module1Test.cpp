// Finding ACT!'s field window and laying the value form over it.
#include "tests/trigger/TriggerFixture.h"

#include "common/Paths.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace corvane::trigger::test {

class TriggerModule1 : public TriggerTest {};

TEST_F(TriggerModule1, WithASettingsFileTheFormCoversTheFieldWithTheDropDownButton) {
    writeList("OnlyFromDropdown=0\r\nAllowEditing=0\r\n");
    start();
    EXPECT_EQ(form().Left(), 1480);
    EXPECT_EQ(form().Top(), 4480);
    EXPECT_EQ(form().Width(), 3020);
    EXPECT_EQ(form().Height(), 320);
    EXPECT_EQ(form().txtNewValue.Width(), 3020);
    EXPECT_EQ(form().txtNewValue.Height(), 320);
    EXPECT_TRUE(form().cmdDD.Visible());
    EXPECT_EQ(form().cmdDD.Left(), 2720);
    EXPECT_EQ(form().cmdDD.Height(), 310);
    EXPECT_TRUE(session.windows.attachedThreads().empty());
}

TEST_F(TriggerModule1, WithoutASettingsFileTheFormIsTextOnly) {
    start();
    EXPECT_EQ(form().Left(), 1480);
    EXPECT_EQ(form().Top(), 4480);
    EXPECT_EQ(form().Width(), 3030);
    EXPECT_EQ(form().Height(), 300);
    EXPECT_EQ(form().txtNewValue.Width(), 3030);
    EXPECT_EQ(form().txtNewValue.Height(), 300);
    EXPECT_FALSE(form().cmdDD.Visible());
}

TEST_F(TriggerModule1, ListFolderComesFromTheSettingsStore) {
    const std::string folder = dir.file("Lists");
    std::filesystem::create_directory(folder);
    corvane::test::writeBytes(joinPath(folder, "Sales15.dat"), "OnlyFromDropdown=0\r\nAllowEditing=0\r\n");
    memorySettings.Save(kAppName, kSettingsSection, "ListPath", folder);
    start();
    EXPECT_TRUE(form().cmdDD.Visible());
}

class FieldNotFound : public TriggerTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(FieldNotFound, EndsTheRunSilentlyAfterTheRightsWereGranted) {
    const forms::Hwnd other = session.windows.addWindow(kActThread, GetParam(), {100, 300, 300, 320});
    session.windows.setFocus(kActThread, other);
    session.windows.bringToFront(actWindow);
    start();
    EXPECT_TRUE(ended());
    EXPECT_FALSE(form().Visible());
    EXPECT_TRUE(session.msgBox.shown().empty());
    EXPECT_TRUE(session.windows.attachedThreads().empty()) << "the input is detached again";
    EXPECT_TRUE(writes().empty());
}

INSTANTIATE_TEST_SUITE_P(TriggerModule1, FieldNotFound, ::testing::Values("EDIT", "Edit2", "RichEdit", "ComboBox"));

TEST_F(TriggerModule1, NoFocusedControlEndsTheRunSilently) {
    session.windows.setFocus(kActThread, 0);
    start();
    EXPECT_TRUE(ended());
    EXPECT_TRUE(session.msgBox.shown().empty());
}

TEST_F(TriggerModule1, FailedInputAttachmentEndsTheRunSilently) {
    session.windows.setAttachFails(true);
    start();
    EXPECT_TRUE(ended());
}

TEST_F(TriggerModule1, OwnWindowInFrontIsNotActs) {
    engine.setForegroundListener({});
    const forms::Hwnd own = session.windows.addWindow(forms::SimulatedWindowSystem::kUiThread, "Edit", {});
    session.windows.setFocus(forms::SimulatedWindowSystem::kUiThread, own);
    start();
    EXPECT_TRUE(ended());
    EXPECT_TRUE(session.windows.attachedThreads().empty());
}

TEST_F(TriggerModule1, RefusalComesBeforeLookingForTheField) {
    session.windows.setFocus(kActThread, 0);
    writeUsers("[Sales]\r\nGlobalF=AA\r\n");
    session.msgBox.expect(std::string(kRefusal));
    start();
    EXPECT_TRUE(ended());
}

} // namespace corvane::trigger::test
