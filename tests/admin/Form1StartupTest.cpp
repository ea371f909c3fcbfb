#include "tests/admin/AdminFixture.h"

#include "common/ErrorReport.h"

using corvane::forms::MsgBoxIcon;

namespace corvane::admin::test {

namespace {

using Form1Startup = AdminFixture;

} // namespace

TEST_F(Form1Startup, StopsWhenAnotherCopyRunsAndKeepsTheStoredWindowSettings) {
    session.app.facts().prevInstance = true;
    settings.Save(kAppName, kSettingsSection, "Top", "100");
    session.msgBox.expect("An instance of this program is already running!");
    start();

    EXPECT_EQ(lastBox().title, "Corvane");
    EXPECT_EQ(lastBox().style.icon, MsgBoxIcon::None);
    EXPECT_TRUE(session.runtime.ended());
    EXPECT_FALSE(form().Visible());
    EXPECT_EQ(settings.stored("Top"), "100");
    EXPECT_EQ(settings.stored("Expanded"), std::nullopt);
    EXPECT_EQ(injector.callsTo("EventControl.Operation1").size(), 0U);
}

TEST_F(Form1Startup, StopsWhenNoDatabaseIsOpen) {
    engine.closeDatabase();
    session.msgBox.expect("Please open an ACT database prior to running Corvane!");
    start();

    EXPECT_EQ(lastBox().style.icon, MsgBoxIcon::Exclamation);
    EXPECT_EQ(lastBox().title, "Corvane");
    EXPECT_TRUE(session.runtime.ended());
    EXPECT_TRUE(injector.callsTo("ActFactory.CreateObject").empty());
}

TEST_F(Form1Startup, StopsWhenActCannotBeReachedThoughADatabaseIsOpen) {
    injector.returnValue("EventControl.Operation1", int64_t{0});
    session.msgBox.expect(
        "Unable to communicate with ACT!\rPlease run actreg.exe located in the ACT folder and try again");
    start();

    EXPECT_EQ(lastBox().style.icon, MsgBoxIcon::Critical);
    EXPECT_TRUE(session.runtime.ended());
}

class Form1StartupSecurity : public AdminFixture, public ::testing::WithParamInterface<int32_t> {};

TEST_P(Form1StartupSecurity, RefusesEveryoneButAnAdministrator) {
    engine.users().setSecurity(1, GetParam());
    session.msgBox.expect("Sorry! This program may only be run by an administrator of the database!");
    start();
    EXPECT_EQ(lastBox().title, "Insufficient Security Level");
    EXPECT_EQ(lastBox().style.icon, MsgBoxIcon::None);
    EXPECT_FALSE(form().Visible());
}

INSTANTIATE_TEST_SUITE_P(BelowAndAbove, Form1StartupSecurity, ::testing::Values(4, 6));

TEST_F(Form1Startup, OpensCollapsedCentredAndOneEighthFromTheTopWithoutStoredSettings) {
    start();

    EXPECT_TRUE(form().Visible());
    EXPECT_EQ(form().Caption(), "Corvane");
    EXPECT_EQ(form().Height(), 3650);
    EXPECT_EQ(form().Top(), 768 * 15 / 8);
    EXPECT_EQ(form().Left(), (1024 * 15 - 7275) / 2);
    EXPECT_EQ(form().cmdFieldSettings.Caption(), "&Show Field Settings ");
    EXPECT_EQ(form().cboFields.ListIndex(), -1);
    EXPECT_FALSE(form().cmdSave.Enabled());
    EXPECT_FALSE(form().optUsers(0).Enabled());
    EXPECT_EQ(form().usersPath(), usersFile());
    EXPECT_EQ(form().listPath(), settingsFolder());
}

TEST_F(Form1Startup, RestoresTheStoredPositionAndTheExpandedPanelWithTheLastField) {
    settings.Save(kAppName, kSettingsSection, "Top", "300");
    settings.Save(kAppName, kSettingsSection, "Left", "450");
    settings.Save(kAppName, kSettingsSection, "Expanded", "True");
    settings.Save(kAppName, kSettingsSection, "LastField", "City");
    start();

    EXPECT_EQ(form().Top(), 300);
    EXPECT_EQ(form().Left(), 450);
    EXPECT_EQ(form().Height(), 9500);
    EXPECT_EQ(form().cmdFieldSettings.Caption(), "Hide Field Settings");
    EXPECT_EQ(form().cboFields.Text(), "City");
    EXPECT_TRUE(form().optUsers(0).Enabled());
}

TEST_F(Form1Startup, PrefersTheFieldThatHasTheFocusInActOverTheLastField) {
    settings.Save(kAppName, kSettingsSection, "LastField", "City");
    engine.state().setFocusField(12);
    start();
    EXPECT_EQ(form().cboFields.Text(), "Area");
}

TEST_F(Form1Startup, LastFieldThatNamesNoOfferedFieldLeavesNoSelection) {
    settings.Save(kAppName, kSettingsSection, "LastField", "Phone");
    engine.state().setFocusField(5);
    start();
    EXPECT_EQ(form().cboFields.ListIndex(), -1);
}

TEST_F(Form1Startup, CollapsingStoresTheFieldThatExpandingSelectsAgain) {
    start();
    session.user.click(form().cmdFieldSettings);
    selectField("Zip");
    session.user.click(form().cmdFieldSettings);
    EXPECT_EQ(form().cmdFieldSettings.Caption(), "Show Field Settings");
    EXPECT_EQ(form().Height(), 3650);
    EXPECT_EQ(settings.stored("LastField"), "Zip");

    settings.Save(kAppName, kSettingsSection, "LastField", "Area");
    session.user.click(form().cmdFieldSettings);
    EXPECT_EQ(form().cboFields.Text(), "Area");
}

TEST_F(Form1Startup, ClosingStoresTheWindowSettings) {
    start();
    session.user.click(form().cmdFieldSettings);
    selectField("City");
    form().Move(600, 900, form().Width(), form().Height());
    session.user.pressEscape(form());

    EXPECT_TRUE(session.runtime.ended());
    EXPECT_EQ(settings.stored("Top"), "900");
    EXPECT_EQ(settings.stored("Left"), "600");
    EXPECT_EQ(settings.stored("Expanded"), "True");
    EXPECT_EQ(settings.stored("LastField"), "City");
    EXPECT_EQ(injector.callsTo("EventControl.Operation2").size(), 1U);
}

TEST_F(Form1Startup, ActClosingEndsTheToolWithoutWritingTheUsersFile) {
    start();
    engine.userClosesAct();
    session.processEvents();
    EXPECT_TRUE(session.runtime.ended());
    EXPECT_FALSE(std::filesystem::exists(usersFile()));
}

TEST_F(Form1Startup, ActClosingBehindTheSaveQuestionEndsTheToolAndNothingIsWritten) {
    start();
    session.user.click(form().cmdFieldSettings);
    session.user.pick(form().cboFields, 1);
    session.user.type(form().rtfData, "North");
    session.msgBox.expect("Do you want to save changes made to the 'City' field settings?", forms::vbYes, [&] {
        engine.userClosesAct();
        session.processEvents();
    });
    session.user.click(form().cmdClose);
    EXPECT_TRUE(session.runtime.ended());
    EXPECT_FALSE(std::filesystem::exists(fieldFile("7")));
    EXPECT_FALSE(std::filesystem::exists(usersFile()));
}

TEST_F(Form1Startup, ActClosingBehindADialogEndsTheToolWithTheDialog) {
    start();
    bool endedWithTheDialog = false;
    session.onModal("frmLocations", [&](forms::Form& dialog) {
        engine.closeDatabase();
        session.processEvents();
        endedWithTheDialog = session.runtime.ended() && !dialog.Loaded();
    });
    session.user.click(form().mnuLocation);
    EXPECT_TRUE(endedWithTheDialog);
}

TEST_F(Form1Startup, FailureWhileAttachingIsReportedAndTheRestOfStartUpIsSkipped) {
    injector.failWith("Database.OpenEx", vberr::AutomationError);
    session.msgBox.expect(report(vberr::AutomationError, "Module1: Sub Create_Database", 60));
    session.msgBox.expect(report(vberr::ObjectVariableNotSet, "Form1: Sub Form_Load", 50));
    start();

    EXPECT_EQ(lastBox().title, "Corvane error");
    EXPECT_TRUE(form().Visible());
    EXPECT_EQ(form().cboFields.ListCount(), 0);
}

} // namespace corvane::admin::test
