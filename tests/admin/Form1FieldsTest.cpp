#include "tests/admin/AdminFixture.h"

#include "common/ErrorReport.h"

namespace corvane::admin::test {

namespace {

using corvane::test::readBytes;
using corvane::test::writeBytes;

class Form1Fields : public AdminFixture {
protected:
    void startExpanded() {
        start();
        session.user.click(form().cmdFieldSettings);
    }
    static std::string prompt(const std::string& field) {
        return "Do you want to save changes made to the '" + field + "' field settings?";
    }
};

} // namespace

TEST_F(Form1Fields, LoadsTheFlagsAndTheNonBlankItemsTrimmedAndStaysUnchanged) {
    writeBytes(fieldFile("7"), "OnlyFromDropdown=1\r\nAllowEditing=1\r\nNorth\r\n   \r\n  South  \rEast\r\n");
    startExpanded();
    selectField("City");
    EXPECT_EQ(form().chkOnlyFromDropdown.Value(), 1);
    EXPECT_EQ(form().chkEdit.Value(), 1);
    EXPECT_EQ(form().rtfData.Text(), "North\nSouth\nEast");
    EXPECT_FALSE(form().cmdSave.Enabled());

    selectField("Zip");
    EXPECT_EQ(form().chkOnlyFromDropdown.Value(), 0);
    EXPECT_EQ(form().chkEdit.Value(), 0);
    EXPECT_EQ(form().rtfData.Text(), "");
    EXPECT_FALSE(form().cmdSave.Enabled());
}

TEST_F(Form1Fields, FirstLineThatIsNoFlagLineLeavesTheCheckBoxAndIsNoItem) {
    writeBytes(fieldFile("7"), "OnlyFromDropdown=1\r\nAllowEditing=0\r\n");
    writeBytes(fieldFile("3"), "Flags\r\nAllowEditing=1\r\nA\r\n");
    startExpanded();
    selectField("City");
    selectField("Zip");
    EXPECT_EQ(form().chkOnlyFromDropdown.Value(), 1);
    EXPECT_EQ(form().chkEdit.Value(), 1);
    EXPECT_EQ(form().rtfData.Text(), "A");
}

TEST_F(Form1Fields, LeavingAChangedFieldAsksByNameAndYesSavesThatField) {
    startExpanded();
    selectField("City");
    session.user.type(form().rtfData, "North");
    EXPECT_TRUE(form().cmdSave.Enabled());

    session.msgBox.expect(prompt("City"), forms::vbYes);
    selectField("Zip");
    EXPECT_EQ(lastBox().style.buttons, forms::MsgBoxButtons::YesNo);
    EXPECT_EQ(lastBox().style.icon, forms::MsgBoxIcon::None);
    EXPECT_EQ(lastBox().title, "Corvane");
    EXPECT_EQ(readBytes(fieldFile("7")), "OnlyFromDropdown=0\r\nAllowEditing=0\r\nNorth\r\n");
    EXPECT_FALSE(std::filesystem::exists(fieldFile("3")));
    EXPECT_FALSE(form().cmdSave.Enabled());
    EXPECT_EQ(form().rtfData.Text(), "");
}

TEST_F(Form1Fields, NoDiscardsTheChanges) {
    startExpanded();
    selectField("City");
    session.user.click(form().chkEdit);
    session.msgBox.expect(prompt("City"), forms::vbNo);
    selectField("Area");
    EXPECT_FALSE(std::filesystem::exists(fieldFile("7")));
    EXPECT_FALSE(form().cmdSave.Enabled());
}

TEST_F(Form1Fields, EmptyingTheListClearsBothFlags) {
    writeBytes(fieldFile("7"), "OnlyFromDropdown=1\r\nAllowEditing=1\r\nNorth\r\n");
    startExpanded();
    selectField("City");
    form().rtfData.setText("");
    EXPECT_EQ(form().chkOnlyFromDropdown.Value(), 0);
    EXPECT_EQ(form().chkEdit.Value(), 0);
    EXPECT_TRUE(form().cmdSave.Enabled());
}

TEST_F(Form1Fields, ItemWithACarriageReturnBeforeItsLineFeedReadsBackUnchanged) {
    startExpanded();
    selectField("City");
    form().rtfData.setText("North\r\nSouth");
    session.user.click(form().cmdSave);
    EXPECT_EQ(readBytes(fieldFile("7")), "OnlyFromDropdown=0\r\nAllowEditing=0\r\nNorth\r\r\nSouth\r\n");
    selectField("Zip");
    selectField("City");
    EXPECT_EQ(form().rtfData.Text(), "North\nSouth");
}

TEST_F(Form1Fields, ListOfMoreThan32767LinesIsSavedWhole) {
    startExpanded();
    selectField("City");
    std::string list;
    std::string expected = "OnlyFromDropdown=0\r\nAllowEditing=1\r\n";
    for (int item = 0; item < 40000; ++item) {
        list += (item == 0 ? "" : "\n") + std::to_string(item);
        expected += std::to_string(item) + "\r\n";
    }
    form().rtfData.setText(list);
    session.user.click(form().chkEdit);
    session.user.click(form().cmdSave);
    EXPECT_EQ(readBytes(fieldFile("7")), expected);
}

TEST_F(Form1Fields, FailedLoadIsReportedAndLeavesThePanelUsable) {
    writeBytes(fieldFile("7"), "OnlyFromDropdown=yes\r\nAllowEditing=0\r\n");
    writeBytes(fieldFile("3"), "OnlyFromDropdown=1\r\n");
    startExpanded();
    session.msgBox.expect(errorReportText(RuntimeError(vberr::TypeMismatch), "Form1: Sub cboFields_Click", 50));
    selectField("City");
    session.msgBox.expect(errorReportText(RuntimeError(vberr::InputPastEndOfFile), "Form1: Sub cboFields_Click", 50));
    selectField("Zip");
    EXPECT_FALSE(form().cmdSave.Enabled());

    session.user.type(form().rtfData, "A");
    EXPECT_TRUE(form().cmdSave.Enabled());
    session.user.click(form().cmdSave);
    EXPECT_EQ(readBytes(fieldFile("3")), "OnlyFromDropdown=1\r\nAllowEditing=0\r\nA\r\n");
}

TEST_F(Form1Fields, SaveIntoAMissingFolderIsReportedAndKeepsTheChanges) {
    settings.Save(kAppName, kSettingsSection, "ListPath", joinPath(dir.path().string(), "Missing"));
    startExpanded();
    selectField("City");
    chooseLevel(form().lvwSpecialUsers, 1, 0);
    session.msgBox.expect(errorReportText(RuntimeError(vberr::PathNotFound), "Form1: Sub cmdSave_Click", 40));
    session.user.click(form().cmdSave);
    EXPECT_TRUE(form().cmdSave.Enabled());
    EXPECT_FALSE(std::filesystem::exists(usersFile()));
}

TEST_F(Form1Fields, ASaveThatFailsKeepsTheChangedFieldSelectedAsItWas) {
    settings.Save(kAppName, kSettingsSection, "ListPath", joinPath(dir.path().string(), "Missing"));
    startExpanded();
    selectField("City");
    session.user.type(form().rtfData, "North");
    session.msgBox.expect(prompt("City"), forms::vbYes);
    session.msgBox.expect(report(vberr::PathNotFound, "Form1: Sub cmdSave_Click", 40));
    selectField("Zip");
    EXPECT_EQ(form().cboFields.Text(), "City");
    EXPECT_EQ(form().rtfData.Text(), "North");
    EXPECT_TRUE(form().cmdSave.Enabled());

    std::filesystem::create_directory(joinPath(dir.path().string(), "Missing"));
    session.user.click(form().cmdSave);
    EXPECT_EQ(readBytes(joinPath(joinPath(dir.path().string(), "Missing"), "Sales7.dat")),
              "OnlyFromDropdown=0\r\nAllowEditing=0\r\nNorth\r\n");
}

TEST_F(Form1Fields, CloseAsksAboutTheChangedFieldBeforeWritingTheGlobalLists) {
    writeUsers("GlobalF=AA\r\nGlobal=AA\r\n");
    startExpanded();
    selectField("Area");
    session.user.click(form().chkOnlyFromDropdown);
    session.msgBox.expect(prompt("Area"), forms::vbYes);
    session.user.click(form().cmdClose);
    EXPECT_TRUE(session.runtime.ended());
    EXPECT_EQ(readBytes(fieldFile("12")), "OnlyFromDropdown=1\r\nAllowEditing=0\r\n");
    EXPECT_EQ(readBytes(usersFile()), "[Sales]\r\nGlobalF=AA\r\n");
}

} // namespace corvane::admin::test
