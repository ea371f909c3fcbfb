#include "forms/CommonDialog.h"

#include "tests/forms/TestSession.h"

namespace corvane::forms::test {
namespace {

class CommonDialogTest : public ::testing::Test {
protected:
    CommonDialogTest() {
        dlgOpen.setInitDir("/data");
        dlgOpen.setFileName("Users.dat");
        dlgOpen.setFilter("Data file (*.dat)|*.dat");
    }

    TestSession session;
    RecordingForm form{session.runtime, "frmLocations"};
    CommonDialog dlgOpen{form, "dlgOpen"};
};

TEST_F(CommonDialogTest, TheChosenFileBecomesTheFileName) {
    session.fileDialog.answer("/data/Other.dat");

    dlgOpen.ShowOpen();

    EXPECT_EQ(dlgOpen.FileName(), "/data/Other.dat");
    const FileDialogRequest& request = session.fileDialog.requests().at(0);
    EXPECT_EQ(request.owner, form.hWnd());
    EXPECT_EQ(request.initDir, "/data");
    EXPECT_EQ(request.fileName, "Users.dat");
    EXPECT_EQ(request.filter, "Data file (*.dat)|*.dat");
}

TEST_F(CommonDialogTest, CancelIsAnErrorOnlyWithCancelError) {
    session.fileDialog.answer(std::nullopt);
    session.fileDialog.answer(std::nullopt);

    dlgOpen.ShowOpen();
    dlgOpen.setCancelError(true);
    try {
        dlgOpen.ShowOpen();
        ADD_FAILURE() << "cancel raised no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), 32755);
        EXPECT_EQ(e.description(), "Cancel was selected.");
    }
    EXPECT_EQ(dlgOpen.FileName(), "Users.dat");
}

TEST_F(CommonDialogTest, ShowSaveAsksTheSaveDialogWithTheSameRequest) {
    session.saveFileDialog.answer("/data/History.csv");
    session.saveFileDialog.answer(std::nullopt);

    dlgOpen.ShowSave();
    EXPECT_EQ(dlgOpen.FileName(), "/data/History.csv");
    dlgOpen.setCancelError(true);
    EXPECT_THROW(dlgOpen.ShowSave(), RuntimeError);

    EXPECT_TRUE(session.fileDialog.requests().empty());
    const FileDialogRequest& request = session.saveFileDialog.requests().at(0);
    EXPECT_EQ(request.owner, form.hWnd());
    EXPECT_EQ(request.initDir, "/data");
    EXPECT_EQ(request.fileName, "Users.dat");
    EXPECT_EQ(request.filter, "Data file (*.dat)|*.dat");
    EXPECT_EQ(dlgOpen.FileName(), "/data/History.csv") << "a cancel keeps the file name";
}

TEST_F(CommonDialogTest, ShowPrinterPrintsInTheChosenOrientationAndCancelIsAnErrorOnlyWithCancelError) {
    session.printer.answer("Printer");
    session.printer.answer(std::nullopt);
    session.printer.answer(std::nullopt);
    const auto paint = [](PrintCanvas& canvas) { canvas.drawText(0, 0, "Rights Report: Sales"); };

    dlgOpen.setOrientation(PrinterOrientation::Landscape);
    dlgOpen.ShowPrinter("Rights Report", paint);
    dlgOpen.ShowPrinter("Rights Report", paint);
    dlgOpen.setCancelError(true);
    expectVbError(32755, [&] { dlgOpen.ShowPrinter("Rights Report", paint); });

    ASSERT_EQ(session.printer.jobs().size(), 1U);
    EXPECT_EQ(session.printer.jobs()[0].at(0).texts.at(0).text, "Rights Report: Sales");
    const PrintRequest& request = session.printer.requests().at(0);
    EXPECT_EQ(request.owner, form.hWnd());
    EXPECT_EQ(request.documentName, "Rights Report");
    EXPECT_EQ(request.orientation, PrinterOrientation::Landscape);
}

} // namespace
} // namespace corvane::forms::test
