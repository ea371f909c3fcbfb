#include "tests/admin/AdminFixture.h"

#include "admin/frmRightsReport.h"
#include "common/RuntimeError.h"

namespace corvane::admin::test {
namespace {

using Rows = std::vector<std::vector<std::string>>;
using Texts = std::vector<std::string>;

class FrmRightsReport : public AdminFixture {
protected:
    void openDialog(std::function<void(frmRightsReport&)> script) {
        AdminFixture::openDialog(form().mnuRightsReport, "frmRightsReport", std::move(script));
    }
    static Rows rows(forms::ListView& list) {
        Rows shown;
        for (const auto& item : list.ListItems()) {
            shown.emplace_back(1, item->Text());
            for (int column = 1; column < list.ColumnCount(); ++column) {
                shown.back().push_back(item->SubItems(column));
            }
        }
        return shown;
    }
    static Texts headings(const forms::ListView& list) {
        Texts texts;
        for (int column = 1; column <= list.ColumnCount(); ++column) {
            texts.push_back(list.ColumnHeaders(column).Text());
        }
        return texts;
    }
    static std::string explain(frmRightsReport& dialog, forms::headless::ScriptedUser& user, int32_t who,
                               int32_t field) {
        user.pick(dialog.cboCheckUser, who);
        user.pick(dialog.cboCheckField, field);
        return dialog.lblExplanation.Caption();
    }
};

TEST_F(FrmRightsReport, ShowsEveryUsersLevelForEveryProtectedFieldAsSaved) {
    writeUsers("GlobalF=AA\r\nGlobalI=cc\r\n12I=bbAA\r\n");
    start();
    openDialog([&](frmRightsReport& dialog) {
        EXPECT_EQ(dialog.Caption(), "Rights Report");
        EXPECT_EQ(headings(dialog.lvwRights), (Texts{"User", "Zip", "City", "Area (own lists)"}));
        EXPECT_EQ(rows(dialog.lvwRights), (Rows{{"Dana", "Full", "Full", "Initialize"},
                                                {"Sam", "None", "None", "Initialize"},
                                                {"Alex", "Initialize", "Initialize", "None"}}));
        EXPECT_EQ(dialog.lblStatus.Caption(),
                  "Levels of 3 users for 3 protected fields, as saved in " + usersFile() + ".");
        EXPECT_EQ(entries(dialog.cboCheckUser), (Texts{"Dana", "Sam", "Alex"}));
        EXPECT_EQ(entries(dialog.cboCheckField), (Texts{"Zip", "City", "Area"}));
        EXPECT_TRUE(dialog.cmdExport.Enabled());
        EXPECT_TRUE(dialog.cmdPrint.Enabled());
        EXPECT_TRUE(dialog.cmdClose.Default());
        EXPECT_TRUE(dialog.cmdClose.Cancel());
    });
}

TEST_F(FrmRightsReport, CheckingAUserExplainsTheLevelWithTheCurrentContactsValue) {
    writeUsers("GlobalF=AA\r\nGlobalI=cc\r\n12I=bbAA\r\n");
    const int64_t contact = engine.contacts().add();
    engine.contacts().setValue(contact, 7, "Boston");
    engine.state().setCurrentContact(contact);
    start();
    openDialog([&](frmRightsReport& dialog) {
        EXPECT_EQ(dialog.lblExplanation.Caption(), "Choose a user and a field to see why the level holds.");
        EXPECT_EQ(explain(dialog, session.user, 0, 0), "Full: listed in the global Full list");
        const std::string samInArea =
            "Initialize: listed in the field's own Initialize list; on the current contact the "
            "field is empty, so the user may fill it in now";
        EXPECT_EQ(explain(dialog, session.user, 1, 2), samInArea);
        EXPECT_EQ(explain(dialog, session.user, 2, 1),
                  "Initialize: listed in the global Initialize list; on the current contact the field is not "
                  "empty, so the user may not change it now");
        EXPECT_EQ(explain(dialog, session.user, 2, 2), "None: the field has its own lists and the user is in neither");
        // A row clicked in the table is the user checked.
        const forms::ListItem& sam = dialog.lvwRights.ListItems(2);
        session.user.mouseUp(dialog.lvwRights, 1, 100, static_cast<float>(sam.Top() + 30));
        EXPECT_EQ(dialog.cboCheckUser.ListIndex(), 1);
        EXPECT_EQ(dialog.lblExplanation.Caption(), samInArea);
    });
}

TEST_F(FrmRightsReport, AContactValueACTCannotGiveIsReportedAndTheRuleStillExplained) {
    writeUsers("GlobalI=cc\r\n");
    injector.failWith("View.GetField", vberr::AutomationError);
    session.msgBox.expect(report(vberr::AutomationError, "frmRightsReport: Function Current_Value", 10));
    start();
    openDialog([&](frmRightsReport& dialog) {
        EXPECT_EQ(explain(dialog, session.user, 2, 0), "Initialize: listed in the global Initialize list; the user "
                                                       "may change the field only while it is empty");
    });
}

TEST_F(FrmRightsReport, ExportWritesTheReportAsCsvThroughTheSaveDialog) {
    writeUsers("GlobalF=AA\r\n7F=cc\r\n");
    const std::string exported = dir.file("rights.csv");
    session.saveFileDialog.answer(std::nullopt);
    session.saveFileDialog.answer(exported);
    start();
    openDialog([&](frmRightsReport& dialog) {
        session.user.click(dialog.cmdExport);
        EXPECT_FALSE(std::filesystem::exists(exported)) << "a cancel writes nothing";
        session.user.click(dialog.cmdExport);
    });
    EXPECT_EQ(corvane::test::readBytes(exported), "\"User\",\"Unique ID\",\"Zip\",\"City (own lists)\",\"Area\"\r\n"
                                                  "\"Dana\",\"AA\",\"Full\",\"None\",\"Full\"\r\n"
                                                  "\"Sam\",\"bb\",\"None\",\"None\",\"None\"\r\n"
                                                  "\"Alex\",\"cc\",\"None\",\"Full\",\"None\"\r\n");
    EXPECT_EQ(session.saveFileDialog.requests().at(0).fileName, "Sales rights.csv");
    EXPECT_EQ(session.saveFileDialog.requests().at(0).filter, "CSV file (*.csv)|*.csv");
}

TEST_F(FrmRightsReport, PrintsTheTableInLandscapeAndReportsAPrinterThatFails) {
    writeUsers("GlobalF=AA\r\n7F=cc\r\n");
    session.printer.answer(std::nullopt);
    session.printer.answer("Printer");
    session.printer.answer("Printer");
    session.printer.failNextJob(vberr::PrinterError);
    session.msgBox.expect(report(vberr::PrinterError, "frmRightsReport: Sub cmdPrint_Click", 10));
    start();
    openDialog([&](frmRightsReport& dialog) {
        session.user.click(dialog.cmdPrint);
        EXPECT_TRUE(session.printer.jobs().empty()) << "a cancel prints nothing";
        session.user.click(dialog.cmdPrint);
        session.user.click(dialog.cmdPrint);
        EXPECT_TRUE(dialog.Visible()) << "the dialog stays after a failed print";
    });
    ASSERT_EQ(session.printer.requests().size(), 3U);
    EXPECT_EQ(session.printer.requests()[0].orientation, forms::PrinterOrientation::Landscape);
    EXPECT_EQ(session.printer.requests()[0].documentName, "Rights Report");
    ASSERT_EQ(session.printer.jobs().size(), 1U);
    ASSERT_EQ(session.printer.jobs()[0].size(), 1U);
    Texts printed;
    for (const auto& text : session.printer.jobs()[0][0].texts) {
        printed.push_back(text.text);
    }
    EXPECT_EQ(printed, (Texts{"Rights Report: Sales", "Page 1 of 1", "User", "Zip", "City (own lists)", "Area", "Dana",
                              "Full", "None", "Full", "Sam", "None", "None", "None", "Alex", "None", "Full", "None"}));
}

TEST_F(FrmRightsReport, WithoutAUsersFileOrWithAFailingACTThereIsNoReport) {
    start();
    openDialog([&](frmRightsReport& dialog) {
        EXPECT_EQ(dialog.lblStatus.Caption(), "The users file " + usersFile() + " does not exist.");
        EXPECT_EQ(dialog.lvwRights.ListItems().Count(), 0);
        EXPECT_FALSE(dialog.cmdExport.Enabled());
        EXPECT_FALSE(dialog.cmdPrint.Enabled());
    });
    writeUsers("GlobalF=AA\r\n");
    injector.failWith("Users.UniqueID", vberr::AutomationError);
    session.msgBox.expect(report(vberr::AutomationError, "RightsReport: Function ACT_Users", 20));
    openDialog([&](frmRightsReport& dialog) {
        EXPECT_EQ(dialog.lblStatus.Caption(), "The rights report could not be made.");
        EXPECT_EQ(dialog.lvwRights.ColumnCount(), 1);
        EXPECT_FALSE(dialog.cmdExport.Enabled());
        EXPECT_FALSE(dialog.cmdPrint.Enabled());
    });
}

} // namespace
} // namespace corvane::admin::test
