#include "tests/admin/AdminFixture.h"

#include "admin/frmIntegrate.h"
#include "common/ErrorReport.h"

#include <algorithm>
#include <chrono>

namespace corvane::admin::test {

namespace {

using sim::AuxPlace;
using std::chrono::milliseconds;

constexpr const char* kRestartQuestion =
    "You need to re-start ACT! for the changes to take effect!\r\nDo you want to re-start it now?";
constexpr const char* kManualSetup = "Can't add icon or menu item automatically. You will need to proceed manually.";

class FrmIntegrate : public AdminFixture {
protected:
    FrmIntegrate() { start(); }

    void openDialog(std::function<void(frmIntegrate&)> script) {
        session.onModal("frmIntegrate", [script](forms::Form& dialog) { script(static_cast<frmIntegrate&>(dialog)); });
        session.user.click(form().mnuIntegrate);
    }
    bool placed(AuxPlace place, int16_t view) { return engine.auxCommands().isPlaced(place, view, "Corvane"); }
    size_t position(const std::string& member) {
        const auto& calls = injector.calls();
        return static_cast<size_t>(
            std::find_if(calls.begin(), calls.end(), [&](const sim::ActCall& call) { return call.member == member; }) -
            calls.begin());
    }
};

} // namespace

TEST_F(FrmIntegrate, OpeningWithoutLauncherChangesNothingAndClosesSilently) {
    openDialog([&](frmIntegrate& dialog) {
        EXPECT_EQ(dialog.Caption(), "Integrate with ACT!");
        EXPECT_EQ(dialog.lblScreen(10).Caption(), "Calendars");
        session.user.pressEnter(dialog);
    });
    EXPECT_TRUE(injector.callsTo("AuxCommands.AddAuxCommandToToolbar").empty());
    EXPECT_TRUE(injector.callsTo("AuxCommands.RemoveAuxCommandFromToolsMenu").empty());
    EXPECT_EQ(injector.callsTo("AuxCommands.AuxCommandExistsInToolsMenu").size(), 6U);
}

TEST_F(FrmIntegrate, FirstClickCreatesTheLauncherBeforePlacingIt) {
    openDialog([&](frmIntegrate& dialog) {
        session.user.click(dialog.chkScreen(0));
        session.user.click(dialog.lblScreen(8));
        session.user.click(dialog.cmdCancel);
    });
    const std::string folder = dir.path().string();
    const sim::AuxCommandDefinition expected{"Corvane",
                                             joinPath(folder, "Corvane.EXE"),
                                             folder,
                                             "Corvane",
                                             "click to launch Corvane",
                                             joinPath(folder, "Corvane.ico"),
                                             joinPath(folder, "Corvane32.ico"),
                                             1};
    EXPECT_EQ(engine.auxCommands().find("Corvane"), expected);
    EXPECT_LT(position("AuxCommands.AddAuxCommand"), position("AuxCommands.AddAuxCommandToToolbar"));
    EXPECT_EQ(injector.callsTo("AuxCommands.AddAuxCommand").size(), 1U);
    EXPECT_TRUE(placed(AuxPlace::Toolbar, 1));
    EXPECT_TRUE(placed(AuxPlace::ToolsMenu, 3));
}

TEST_F(FrmIntegrate, UncheckingRemovesTheLauncherFromThatViewOnly) {
    sim::AuxCommandDefinition launcher{.name = "Corvane"};
    engine.auxCommands().define(launcher);
    engine.auxCommands().setPlaced(AuxPlace::Toolbar, 2, "Corvane", true);
    engine.auxCommands().setPlaced(AuxPlace::ToolsMenu, 2, "Corvane", true);
    openDialog([&](frmIntegrate& dialog) {
        EXPECT_EQ(dialog.chkScreen(1).Value(), 1);
        EXPECT_EQ(dialog.chkScreen(7).Value(), 1);
        session.user.click(dialog.lblScreen(7));
        EXPECT_EQ(dialog.chkScreen(7).Value(), 0);
        session.user.click(dialog.cmdCancel);
    });
    EXPECT_TRUE(placed(AuxPlace::Toolbar, 2));
    EXPECT_FALSE(placed(AuxPlace::ToolsMenu, 2));
    EXPECT_TRUE(engine.auxCommands().find("Corvane"));
}

TEST_F(FrmIntegrate, OnlyTheLastChangeDecidesTheClosingMessage) {
    injector.inject("AuxCommands.AddAuxCommandToToolbar", sim::Fault::returning(int64_t{1}).onlyWith({"2", "Corvane"}));
    session.msgBox.expect(kRestartQuestion, forms::vbNo);
    session.msgBox.expect(kManualSetup);
    openDialog([&](frmIntegrate& dialog) {
        session.user.click(dialog.chkScreen(1));
        session.user.click(dialog.chkScreen(6));
        session.user.click(dialog.cmdOK);
    });
    EXPECT_EQ(session.msgBox.shown().front().title, "Dovi Ro Dir Azo!");
    EXPECT_EQ(session.msgBox.shown().front().style.buttons, forms::MsgBoxButtons::YesNo);

    openDialog([&](frmIntegrate& dialog) {
        session.user.click(dialog.chkScreen(6));
        session.user.click(dialog.chkScreen(1));
        session.user.click(dialog.cmdOK);
    });
    EXPECT_EQ(lastBox().title, "Corvane");
    EXPECT_FALSE(session.runtime.ended());
}

TEST_F(FrmIntegrate, NoRereadsTheBoxesFromActAndClosesWithoutARestart) {
    session.msgBox.expect(kRestartQuestion, forms::vbNo,
                          [&] { engine.auxCommands().setPlaced(AuxPlace::Toolbar, 5, "Corvane", true); });
    openDialog([&](frmIntegrate& dialog) {
        session.user.click(dialog.chkScreen(0));
        session.user.click(dialog.cmdOK);
        EXPECT_FALSE(dialog.Loaded());
        EXPECT_EQ(dialog.chkScreen(4).Value(), 1);
    });
    EXPECT_TRUE(engine.commands().all().empty());
    EXPECT_TRUE(form().Visible());
}

TEST_F(FrmIntegrate, YesRestartsActAndTheToolEndsAtTheSecondTick) {
    session.msgBox.expect(kRestartQuestion, forms::vbYes);
    openDialog([&](frmIntegrate& dialog) {
        session.user.click(dialog.chkScreen(3));
        session.user.click(dialog.cmdOK);
    });
    EXPECT_EQ(engine.commands().all(), (std::vector<int16_t>{150}));
    EXPECT_LT(position("EventControl.Operation2"), position("Application.Command"));
    ASSERT_EQ(session.shell.requests().size(), 1U);
    const forms::ShellRequest& reopen = session.shell.requests().front();
    EXPECT_EQ(reopen.owner, form().hWnd());
    EXPECT_EQ(reopen.verb, "open");
    EXPECT_EQ(reopen.file, "/data/Sales.dbf");
    EXPECT_EQ(reopen.directory, dir.path().string());
    EXPECT_EQ(reopen.showCmd, forms::SW_SHOW);
    EXPECT_FALSE(form().Visible());
    EXPECT_EQ(settings.stored("Expanded"), "False");

    session.advance(milliseconds(1000));
    EXPECT_FALSE(session.runtime.ended());
    session.advance(milliseconds(1000));
    EXPECT_TRUE(session.runtime.ended());
    EXPECT_EQ(injector.callsTo("EventControl.Operation2").size(), 1U);
}

TEST_F(FrmIntegrate, MissingAuxiliaryCommandsReportAtLoadAndAtEveryClick) {
    injector.inject("ActFactory.CreateObject",
                    sim::Fault::raising(vberr::CantCreateObject).onlyWith({"ACTOLE.AUXCMDS"}));
    session.msgBox.expect(errorReportText(RuntimeError(vberr::CantCreateObject), "frmIntegrate: Sub Form_Load", 10));
    session.msgBox.expect(
        errorReportText(RuntimeError(vberr::ObjectVariableNotSet), "frmIntegrate: Sub chkScreen_Click", 10));
    openDialog([&](frmIntegrate& dialog) {
        for (int index = 0; index < 12; ++index) {
            EXPECT_EQ(dialog.chkScreen(index).Value(), 0);
        }
        session.user.click(dialog.chkScreen(2));
        session.user.click(dialog.cmdCancel);
    });
}

TEST_F(FrmIntegrate, RefusedLauncherAsksForManualSetupAtOnceAndAtClose) {
    injector.returnValue("AuxCommands.AddAuxCommand", int64_t{3});
    session.msgBox.expect(kManualSetup);
    session.msgBox.expect(kManualSetup);
    openDialog([&](frmIntegrate& dialog) {
        session.user.click(dialog.chkScreen(5));
        session.user.click(dialog.cmdOK);
    });
    EXPECT_FALSE(placed(AuxPlace::Toolbar, 6));
}

} // namespace corvane::admin::test
