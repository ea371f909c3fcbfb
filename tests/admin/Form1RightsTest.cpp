#include "tests/admin/AdminFixture.h"

#include "common/ErrorReport.h"

namespace corvane::admin::test {

namespace {

const std::vector<std::string> kGlobalLevels{"Full", "None", "Initialize"};

class Form1Rights : public AdminFixture {
protected:
    /// Starts with the global lists AA at Full and cc at Initialize, the panel open on a field.
    void startOnField(const std::string& label, const std::string& extraLines = "") {
        writeUsers("GlobalF=AA\r\nGlobalI=cc\r\n" + extraLines);
        start();
        session.user.click(form().cmdFieldSettings);
        selectField(label);
    }
};

} // namespace

TEST_F(Form1Rights, UsersFileWithoutTheDatabaseSectionShowsEveryoneWithoutRights) {
    corvane::test::writeBytes(usersFile(), "[Other]\r\nGlobalF=AAbbcc\r\n");
    start();
    session.user.click(form().cmdFieldSettings);
    selectField("Zip");
    const std::vector<std::string> none{"None", "None", "None"};
    EXPECT_EQ(levels(form().lvwUsers), none);
    EXPECT_EQ(levels(form().lvwSpecialUsers), none);
    EXPECT_TRUE(form().optUsers(0).Value());
    EXPECT_FALSE(form().cmdSave.Enabled());
}

TEST_F(Form1Rights, FieldWithOwnListsShowsThemWithUseSettingsBelow) {
    startOnField("Area", "12F=bb\r\n12I=  \r\n");
    EXPECT_EQ(levels(form().lvwUsers), kGlobalLevels);
    EXPECT_EQ(levels(form().lvwSpecialUsers), (std::vector<std::string>{"None", "Full", "None"}));
    EXPECT_TRUE(form().optUsers(1).Value());
    EXPECT_FALSE(form().cmdSave.Enabled());

    selectField("City");
    EXPECT_EQ(levels(form().lvwSpecialUsers), kGlobalLevels);
    EXPECT_TRUE(form().optUsers(0).Value());
    EXPECT_FALSE(form().cmdSave.Enabled());
}

TEST_F(Form1Rights, ChangingOneLevelOfAFieldOnTheGlobalListsSavesEveryUsersLevel) {
    startOnField("Area");
    chooseLevel(form().lvwSpecialUsers, 2, 1);
    EXPECT_TRUE(form().optUsers(1).Value());
    EXPECT_TRUE(form().cmdSave.Enabled());

    session.user.click(form().cmdSave);
    EXPECT_FALSE(form().cmdSave.Enabled());
    EXPECT_EQ(usersText(), "[Sales]\r\nGlobalF=AA\r\nGlobalI=cc\r\n12F=AA\r\n12I=bbcc\r\n");
    EXPECT_EQ(corvane::test::readBytes(fieldFile("12")), "OnlyFromDropdown=0\r\nAllowEditing=0\r\n");
}

TEST_F(Form1Rights, ChoosingUseSettingsBelowAloneChangesNothing) {
    startOnField("Area");
    session.user.click(form().optUsers(1));
    EXPECT_FALSE(form().cmdSave.Enabled());
    EXPECT_EQ(levels(form().lvwSpecialUsers), kGlobalLevels);
}

TEST_F(Form1Rights, ChoosingUseGlobalSettingsCopiesTheGlobalLevelsAndSavingRemovesTheFieldKeys) {
    startOnField("Area", "12F=bb\r\n12=old\r\n");
    session.user.click(form().optUsers(0));
    EXPECT_EQ(levels(form().lvwSpecialUsers), kGlobalLevels);
    EXPECT_TRUE(form().cmdSave.Enabled());

    session.user.click(form().cmdSave);
    EXPECT_EQ(usersText(), "[Sales]\r\nGlobalF=AA\r\nGlobalI=cc\r\n12=old\r\n");
}

TEST_F(Form1Rights, OwnListThatAuthorizesNobodyIsStoredAsNoKeysAndTheOlderKeyGoes) {
    startOnField("Area", "12F=bb\r\n12=old\r\n");
    chooseLevel(form().lvwSpecialUsers, 2, 2);
    session.user.click(form().cmdSave);
    EXPECT_EQ(usersText(), "[Sales]\r\nGlobalF=AA\r\nGlobalI=cc\r\n");
}

TEST_F(Form1Rights, GlobalChangeIsMirroredInAFieldThatFollowsTheGlobalLists) {
    startOnField("Zip");
    chooseLevel(form().lvwUsers, 2, 0);
    EXPECT_EQ(levels(form().lvwSpecialUsers), (std::vector<std::string>{"Full", "Full", "Initialize"}));
    EXPECT_FALSE(form().cmdSave.Enabled());
}

TEST_F(Form1Rights, ComboBoxCoversTheClickedRightsCellAtExactTwips) {
    startOnField("Zip");
    forms::ComboBox& combo = form().cboFloating;

    clickRights(form().lvwUsers, 3);
    EXPECT_TRUE(combo.Visible());
    // List top + frame top - 15 + row top (header 17 px, rows 18 px from the image list) + 2 px.
    EXPECT_EQ(combo.Top(), 525 + 135 - 15 + (17 + 2 * 18) * 15 + 2 * 15);
    EXPECT_EQ(combo.Left(), 240 + 240 + 30 + 2400 + 2 * 15);
    EXPECT_EQ(combo.Width(), 1600);
    EXPECT_EQ(combo.Text(), "Initialize");

    clickRights(form().lvwSpecialUsers, 1);
    EXPECT_EQ(combo.Top(), 1755 + 2880 + 17 * 15 + 2 * 15);
    EXPECT_EQ(combo.Left(), 285 + 240 + 50 + 2400 + 2 * 15);
    EXPECT_EQ(combo.Text(), "Full");
    EXPECT_FALSE(form().cmdSave.Enabled());

    session.user.mouseUp(form().lvwUsers, 2, 100, static_cast<float>(form().lvwUsers.ListItems(1).Top() + 30));
    EXPECT_FALSE(combo.Visible());
    clickRights(form().lvwUsers, 1);
    session.user.mouseUp(form().lvwUsers, 1, 2500, 1600);
    EXPECT_FALSE(combo.Visible());
}

TEST_F(Form1Rights, FieldListIgnoresClicksAndCheckMarksUntilAFieldIsSelected) {
    start();
    session.user.click(form().cmdFieldSettings);
    clickRights(form().lvwSpecialUsers, 1);
    EXPECT_FALSE(form().cboFloating.Visible());
    forms::ListItem& sam = form().lvwSpecialUsers.ListItems(2);
    session.user.check(form().lvwSpecialUsers, sam, true);
    EXPECT_FALSE(sam.Checked());
    EXPECT_FALSE(form().cmdSave.Enabled());
    EXPECT_TRUE(form().optUsers(0).Value());

    clickRights(form().lvwUsers, 1);
    EXPECT_TRUE(form().cboFloating.Visible());
}

TEST_F(Form1Rights, ChangedCheckMarkCountsAsAnEditOfTheFieldList) {
    startOnField("Zip");
    session.user.check(form().lvwSpecialUsers, form().lvwSpecialUsers.ListItems(2), true);
    EXPECT_TRUE(form().cmdSave.Enabled());
    EXPECT_TRUE(form().optUsers(1).Value());
    EXPECT_EQ(levels(form().lvwSpecialUsers), kGlobalLevels);
}

TEST_F(Form1Rights, CloseWritesTheGlobalListsAndCancelWritesNothing) {
    writeUsers("GlobalF=AA\r\nGlobalI=cc\r\nGlobal=AAcc\r\n");
    start();
    chooseLevel(form().lvwUsers, 3, 2);
    session.user.click(form().cmdCancel);
    EXPECT_EQ(usersText(), "[Sales]\r\nGlobalF=AA\r\nGlobalI=cc\r\nGlobal=AAcc\r\n");

    program.reset();
    start();
    chooseLevel(form().lvwUsers, 3, 2);
    session.user.pressEnter(form());
    EXPECT_FALSE(form().Loaded());
    EXPECT_EQ(usersText(), "[Sales]\r\nGlobalF=AA\r\n");
}

TEST_F(Form1Rights, ListLongerThan126CharactersIsReadAndWrittenWhole) {
    writeUsers("GlobalF=" + std::string(130, 'x') + "cc\r\n");
    start();
    EXPECT_EQ(levels(form().lvwUsers), (std::vector<std::string>{"None", "None", "Full"}));
    session.user.click(form().cmdClose);
    EXPECT_EQ(usersText(), "[Sales]\r\nGlobalF=cc\r\n");
}

TEST_F(Form1Rights, UniqueIdThatCannotBeReadWritesNothingAndKeepsTheToolOpen) {
    writeUsers("GlobalF=AA\r\n");
    start();
    injector.failWith("Users.UniqueID", vberr::AutomationError);
    session.msgBox.expect(errorReportText(RuntimeError(vberr::AutomationError), "Form1: Sub Write_Users", 20));
    session.user.click(form().cmdClose);
    EXPECT_FALSE(session.runtime.ended());
    EXPECT_EQ(usersText(), "[Sales]\r\nGlobalF=AA\r\n");
}

class Form1RightsReadInPart : public Form1Rights {
protected:
    /// ACT! fails to name its third user, Alex (cc), as the tool fills both user lists.
    void startWithoutTheThirdUser() {
        injector.inject("Users.Name", sim::Fault::raising(vberr::AutomationError).onlyWith({"3"}));
        const std::string failure = report(vberr::AutomationError, "modPopulateACTLists: Sub Populate_lvwUsers", 20);
        session.msgBox.expect(failure);
        session.msgBox.expect(failure);
        start();
    }
};

TEST_F(Form1RightsReadInPart, UsersActCouldNotNameKeepTheirGlobalRightsAtClose) {
    writeUsers("GlobalF=AAbbcc\r\n");
    startWithoutTheThirdUser();
    EXPECT_EQ(levels(form().lvwUsers), (std::vector<std::string>{"Full", "Full"}));
    chooseLevel(form().lvwUsers, 2, 2);
    session.msgBox.expect(notSaved("The global settings"));
    session.user.click(form().cmdClose);
    EXPECT_EQ(lastBox().style.icon, forms::MsgBoxIcon::Exclamation);
    EXPECT_TRUE(form().Visible());
    EXPECT_EQ(usersText(), "[Sales]\r\nGlobalF=AAbbcc\r\n");

    session.user.click(form().cmdCancel);
    EXPECT_TRUE(session.runtime.ended());
    EXPECT_EQ(usersText(), "[Sales]\r\nGlobalF=AAbbcc\r\n");
}

TEST_F(Form1RightsReadInPart, UsersActCouldNotNameKeepTheirRightsOnAFieldWithOwnLists) {
    writeUsers("GlobalF=AA\r\n12F=AAcc\r\n");
    startWithoutTheThirdUser();
    session.user.click(form().cmdFieldSettings);
    selectField("Area");
    chooseLevel(form().lvwSpecialUsers, 2, 1);
    session.msgBox.expect(notSaved("The authorized users of the 'Area' field"));
    session.user.click(form().cmdSave);
    EXPECT_TRUE(form().cmdSave.Enabled());
    EXPECT_EQ(usersText(), "[Sales]\r\nGlobalF=AA\r\n12F=AAcc\r\n");
}

TEST_F(Form1Rights, AFieldWhoseLoadFailedIsNeverGivenAnotherFieldsLevels) {
    corvane::test::writeBytes(fieldFile("7"), "OnlyFromDropdown=yes\r\nAllowEditing=0\r\n");
    startOnField("Area", "12F=bb\r\n");
    session.msgBox.expect(report(vberr::TypeMismatch, "Form1: Sub cboFields_Click", 50));
    selectField("City");
    chooseLevel(form().lvwSpecialUsers, 3, 0);
    session.msgBox.expect(notSaved("The authorized users of the 'City' field"));
    session.user.click(form().cmdSave);
    EXPECT_EQ(usersText(), "[Sales]\r\nGlobalF=AA\r\nGlobalI=cc\r\n12F=bb\r\n");
}

TEST_F(Form1Rights, UsersFileThatCannotBeReadIsReportedAtStartUpAndNeverWrittenOver) {
    std::filesystem::create_directory(usersFile());
    settings.Save(kAppName, kSettingsSection, "Top", "300");
    session.msgBox.expect(report(vberr::PathFileAccessError, "IniLib: Function GetKeyValue", 10));
    start();
    EXPECT_EQ(levels(form().lvwUsers), (std::vector<std::string>{"", "", ""}));

    session.msgBox.expect(notSaved("The global settings"));
    session.user.click(form().cmdClose);
    EXPECT_TRUE(form().Visible());
    session.user.click(form().cmdCancel);
    EXPECT_TRUE(std::filesystem::is_directory(usersFile()));
    EXPECT_EQ(settings.stored("Top"), "300") << "the window settings it never restored are not written over";
}

TEST_F(Form1Rights, RightsThatCannotBeWrittenAreReportedAndNothingCountsAsSaved) {
    const std::string elsewhere = joinPath(joinPath(dir.path().string(), "Missing"), "Users.dat");
    settings.Save(kAppName, kSettingsSection, "UsersPath", elsewhere);
    start();
    chooseLevel(form().lvwUsers, 2, 0);
    session.msgBox.expect(report(vberr::PathNotFound, "Form1: Sub Write_Users", 30));
    session.user.click(form().cmdClose);
    EXPECT_TRUE(form().Visible());

    session.user.click(form().cmdFieldSettings);
    selectField("City");
    chooseLevel(form().lvwSpecialUsers, 3, 0);
    session.msgBox.expect(report(vberr::PathNotFound, "Form1: Sub Write_Users", 30));
    session.user.click(form().cmdSave);
    EXPECT_TRUE(form().cmdSave.Enabled());
    EXPECT_FALSE(std::filesystem::exists(elsewhere));
}

} // namespace corvane::admin::test
