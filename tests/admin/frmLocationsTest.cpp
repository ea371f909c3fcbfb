#include "tests/admin/AdminFixture.h"

#include "admin/frmLocations.h"
#include "common/ErrorReport.h"
#include "common/Paths.h"

namespace corvane::admin::test {

namespace {

class FrmLocations : public AdminFixture {
protected:
    /// Opens the dialog from the menu and lets `script` play the user in it.
    void openDialog(std::function<void(frmLocations&)> script) {
        session.onModal("frmLocations", [script](forms::Form& dialog) { script(static_cast<frmLocations&>(dialog)); });
        session.user.click(form().mnuLocation);
    }
};

} // namespace

TEST_F(FrmLocations, OkStoresBothTextsAsTypedAndTheMainFormReadsThemAgain) {
    start();
    openDialog([&](frmLocations& dialog) {
        EXPECT_EQ(dialog.Caption(), "Settings File Location");
        EXPECT_EQ(dialog.txtFolder.Text(), settingsFolder());
        EXPECT_EQ(dialog.txtUsersFile.Text(), usersFile());
        dialog.txtFolder.setText("");
        dialog.txtUsersFile.setText("/srv/shared/Users.dat");
        session.user.pressEnter(dialog);
    });
    EXPECT_EQ(settings.stored("ListPath"), "");
    EXPECT_EQ(settings.stored("UsersPath"), "/srv/shared/Users.dat");
    EXPECT_EQ(form().listPath(), "");
    EXPECT_EQ(form().usersPath(), "/srv/shared/Users.dat");
}

TEST_F(FrmLocations, CancelStoresNothingYetTheMainFormReadsThePathsAgain) {
    start();
    settings.Save(kAppName, kSettingsSection, "UsersPath", "/elsewhere/Users.dat");
    openDialog([&](frmLocations& dialog) {
        dialog.txtFolder.setText("/changed");
        session.user.pressEscape(dialog);
    });
    EXPECT_EQ(settings.stored("ListPath"), std::nullopt);
    EXPECT_EQ(form().usersPath(), "/elsewhere/Users.dat");
}

TEST_F(FrmLocations, BrowseOffersTheUsersFileAndTakesTheChosenOne) {
    start();
    const std::string chosen = joinPath(joinPath("", "srv"), "Users.dat");
    session.fileDialog.answer(chosen);
    session.fileDialog.answer(std::nullopt);
    openDialog([&](frmLocations& dialog) {
        session.user.click(dialog.cmdBrowse);
        EXPECT_EQ(dialog.txtUsersFile.Text(), chosen);
        session.user.click(dialog.cmdBrowse);
        EXPECT_EQ(dialog.txtUsersFile.Text(), chosen);
        session.user.click(dialog.cmdCancel);
    });
    const forms::FileDialogRequest& first = session.fileDialog.requests().front();
    EXPECT_EQ(first.initDir, settingsFolder());
    EXPECT_EQ(first.fileName, "Users.dat");
    EXPECT_EQ(first.filter, "Data file (*.dat)|*.dat");
}

TEST_F(FrmLocations, UsersPathWithoutSeparatorIsReportedByGetDirWhenBrowsing) {
    settings.Save(kAppName, kSettingsSection, "UsersPath", "Users.dat");
    start();
    session.msgBox.expect(errorReportText(RuntimeError(vberr::InvalidProcedureCall), "Form1: Function GetDir", 10));
    session.fileDialog.answer(std::nullopt);
    openDialog([&](frmLocations& dialog) {
        session.user.click(dialog.cmdBrowse);
        EXPECT_EQ(dialog.GetName(""), "");
        EXPECT_EQ(dialog.GetDir(""), "");
        session.user.click(dialog.cmdCancel);
    });
    EXPECT_EQ(session.fileDialog.requests().front().initDir, "");
    EXPECT_EQ(session.fileDialog.requests().front().fileName, "Users.dat");
}

TEST_F(FrmLocations, FolderBrowserFromTheDesktopOwnedByTheMainForm) {
    start();
    session.folderBrowser.answer(std::string("/srv/settings\0junk", 18));
    session.folderBrowser.answer(std::nullopt);
    openDialog([&](frmLocations& dialog) {
        session.user.click(dialog.cmdBrowseFolder);
        EXPECT_EQ(dialog.txtFolder.Text(), "/srv/settings");
        session.user.click(dialog.cmdBrowseFolder);
        EXPECT_EQ(dialog.txtFolder.Text(), "/srv/settings");
        session.user.click(dialog.cmdClose);
    });
    const forms::FolderBrowseRequest& request = session.folderBrowser.requests().front();
    EXPECT_EQ(request.owner, form().hWnd());
    EXPECT_EQ(request.root, forms::BrowseRoot::Desktop);
    EXPECT_TRUE(request.onlyFileSystemFolders);
    EXPECT_EQ(settings.stored("ListPath"), "/srv/settings");
}

} // namespace corvane::admin::test
