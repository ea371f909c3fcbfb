#include "tests/admin/AdminFixture.h"

#include "admin/frmAbout.h"

namespace corvane::admin::test {

namespace {

class HelpMenu : public AdminFixture {
protected:
    HelpMenu() { start(); }
};

} // namespace

TEST_F(HelpMenu, OnlineHelpAndManualAreOpenedByTheShellWithoutAMessageOfTheirOwn) {
    session.shell.setResult(2);
    session.user.click(form().mnuOnline);
    session.user.click(form().mnuManual);
    ASSERT_EQ(session.shell.requests().size(), 2U);
    const forms::ShellRequest& help = session.shell.requests()[0];
    EXPECT_EQ(help.file, "https://www.corvane.com/help");
    EXPECT_EQ(help.owner, form().hWnd());
    EXPECT_EQ(help.verb, "open");
    EXPECT_EQ(help.parameters, "");
    EXPECT_EQ(help.directory, dir.path().string());
    EXPECT_EQ(help.showCmd, forms::SW_SHOW);
    EXPECT_EQ(session.shell.requests()[1].file, joinPath(dir.path().string(), "Corvane_User_Manual.pdf"));
    EXPECT_TRUE(session.msgBox.shown().empty());
}

TEST_F(HelpMenu, AboutShowsThreeVersionNumbersAndOpensTheVendorsPage) {
    session.app.facts().major = 2;
    session.app.facts().minor = 10;
    session.app.facts().revision = 0;
    forms::Hwnd aboutWindow = 0;
    session.onModal("frmAbout", [&](forms::Form& shown) {
        auto& about = static_cast<frmAbout&>(shown);
        aboutWindow = about.hWnd();
        EXPECT_EQ(about.Caption(), "About Corvane");
        EXPECT_EQ(about.lblVersion.Caption(), "Version 2.10.0");
        session.user.click(about.lblLink);
        session.user.pressEscape(about);
    });
    session.user.click(form().mnuAbout);
    ASSERT_EQ(session.shell.requests().size(), 1U);
    EXPECT_EQ(session.shell.requests()[0].file, "https://www.corvane.com");
    EXPECT_EQ(session.shell.requests()[0].owner, aboutWindow);
    EXPECT_TRUE(form().Visible());
}

} // namespace corvane::admin::test
