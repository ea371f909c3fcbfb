#include "common/RuntimeError.h"
#include "tests/qt/QtTestSession.h"
#include "tests/qt/SampleForm.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>

namespace corvane::forms::qt::test {
namespace {

using Events = std::vector<std::string>;

QStringList buttonTexts(QMessageBox& box) {
    QStringList texts;
    for (QAbstractButton* button : box.buttons()) {
        texts.append(button->text());
    }
    return texts;
}

TEST(QtMsgBox, ShowsTitleIconButtonsAndLinesAsAsked) {
    QtTestSession test;
    QString text;
    QString title;
    QStringList buttons;
    QString defaultButton;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    test.session.msgBox.onShown([&](QMessageBox& box) {
        text = box.text();
        title = box.windowTitle();
        buttons = buttonTexts(box);
        defaultButton = box.defaultButton()->text();
        icon = box.icon();
        box.buttons().constFirst()->click();
    });

    int answer = test.session.runtime.MsgBox(
        "Save changes to \x93Phone\x94?\rLine 2\r\nLine 3",
        {.buttons = MsgBoxButtons::YesNo, .icon = MsgBoxIcon::Question, .defaultButton2 = true});

    EXPECT_EQ(answer, vbYes);
    EXPECT_EQ(text, QString::fromUtf8("Save changes to “Phone”?\nLine 2\nLine 3"));
    EXPECT_EQ(title, "Corvane Test");
    EXPECT_EQ(buttons, (QStringList{"&Yes", "&No"}));
    EXPECT_EQ(defaultButton, "&No");
    EXPECT_EQ(icon, QMessageBox::Question);
}

TEST(QtMsgBox, EnterTakesTheDefaultAndTimersTickBehindTheBox) {
    QtTestSession test;
    SampleForm form(test.session.runtime);
    form.Show();
    form.tmr1.setInterval(10);
    QStringList buttons;
    const auto ticked = [&] {
        return std::find(form.events.begin(), form.events.end(), "tmr1_Timer") != form.events.end();
    };
    test.session.msgBox.onShown([&](QMessageBox& box) {
        buttons = buttonTexts(box);
        EXPECT_TRUE(QTest::qWaitFor(ticked, 10000));
        QTest::keyClick(&box, Qt::Key_Return);
    });

    int answer = test.session.runtime.MsgBox("Done", {.icon = MsgBoxIcon::Information}, "Corvane error");

    EXPECT_EQ(answer, vbOK);
    EXPECT_EQ(buttons, (QStringList{"OK"}));
    EXPECT_TRUE(ticked());
}

TEST(QtMsgBox, AProgramEndingBehindTheBoxClosesItAndNothingAfterTheWaitRuns) {
    QtTestSession test;
    SampleForm form(test.session.runtime);
    form.Show();
    bool closedByTheTest = false;
    test.session.msgBox.onShown([&](QMessageBox& box) {
        QTimer::singleShot(10000, &box, [&] {
            closedByTheTest = true;
            box.reject();
        });
        form.Unload(); // the program's last form: the program ends
    });
    bool wentOn = false;
    test.session.runtime.dispatch([&] {
        test.session.runtime.MsgBox("Do you want to save?", {.buttons = MsgBoxButtons::YesNo});
        wentOn = true;
    });
    EXPECT_TRUE(test.session.runtime.ended());
    EXPECT_FALSE(closedByTheTest);
    EXPECT_FALSE(wentOn);
}

TEST(QtFileDialog, TranslatesTheCommonDialogFilter) {
    EXPECT_EQ(QtFileDialog::nameFilters("Data file (*.dat)|*.dat"), (QStringList{"Data file (*.dat)"}));
    EXPECT_EQ(QtFileDialog::nameFilters("Settings|*.txt;*.ini|All files (*.*)|*.*"),
              (QStringList{"Settings (*.txt *.ini)", "All files (*.*)"}));
    EXPECT_TRUE(QtFileDialog::nameFilters("").isEmpty());
    EXPECT_TRUE(QtFileDialog::nameFilters("Description without pattern").isEmpty());
}

TEST(QtFileDialog, ReturnsTheChosenFileOrNothingOnCancel) {
    corvane::test::TempDir folder;
    corvane::test::writeBytes(folder.path() / "Users.dat", "[Demo]\r\n");
    QtTestSession test;
    QStringList filters;
    QString directory;
    test.session.fileDialog.onShown([&](QFileDialog& dialog) {
        filters = dialog.nameFilters();
        directory = dialog.directory().absolutePath();
        dialog.selectFile(QString::fromStdString(folder.file("Users.dat")));
        static_cast<QDialog&>(dialog).accept();
    });
    auto chosen = test.session.fileDialog.showOpen(
        {.initDir = folder.path().string(), .fileName = "", .filter = "Data file (*.dat)|*.dat"});
    EXPECT_EQ(chosen, folder.file("Users.dat"));
    EXPECT_EQ(filters, (QStringList{"Data file (*.dat)"}));
    EXPECT_EQ(directory.toStdString(), folder.path().string());

    test.session.fileDialog.onShown([](QFileDialog& dialog) { dialog.reject(); });
    EXPECT_EQ(test.session.fileDialog.showOpen({.initDir = folder.path().string()}), std::nullopt);
}

TEST(QtSaveFileDialog, SavesUnderANewNameAsksBeforeReplacingAndCancels) {
    corvane::test::TempDir folder;
    QtTestSession test;
    bool saveMode = false;
    bool asksBeforeReplacing = false;
    QStringList filters;
    test.session.saveFileDialog.onShown([&](QFileDialog& dialog) {
        saveMode = dialog.acceptMode() == QFileDialog::AcceptSave;
        asksBeforeReplacing = !dialog.testOption(QFileDialog::DontConfirmOverwrite);
        filters = dialog.nameFilters();
        dialog.selectFile(QString::fromStdString(folder.file("History.csv")));
        static_cast<QDialog&>(dialog).accept();
    });
    auto chosen = test.session.saveFileDialog.showSave(
        {.initDir = folder.path().string(), .fileName = "Sales.csv", .filter = "CSV file (*.csv)|*.csv"});
    EXPECT_EQ(chosen, folder.file("History.csv"));
    EXPECT_TRUE(saveMode);
    EXPECT_TRUE(asksBeforeReplacing);
    EXPECT_EQ(filters, (QStringList{"CSV file (*.csv)"}));

    test.session.saveFileDialog.onShown([](QFileDialog& dialog) { dialog.reject(); });
    EXPECT_EQ(test.session.saveFileDialog.showSave({.initDir = folder.path().string()}), std::nullopt);
}

/// The print dialog answered by printing to a PDF file, as a user without a printer does.
void printToFile(QPrintDialog& dialog, const std::string& path) {
    auto* file = dialog.findChild<QLineEdit*>(QStringLiteral("filename"));
    ASSERT_NE(file, nullptr) << "the print dialog offers no file to print to";
    file->setText(QString::fromStdString(path));
    dialog.accept();
}

TEST(QtPrintService, PrintsEveryPageInTheAskedOrientationAndCancels) {
    corvane::test::TempDir folder;
    const std::string pdf = folder.file("report.pdf");
    QtTestSession test;
    test.session.printer.onShown([&](QPrintDialog& dialog) { printToFile(dialog, pdf); });
    int32_t width = 0;
    int32_t height = 0;
    int32_t normal = 0;
    int32_t bold = 0;
    const bool printed = test.session.printer.print(
        {.documentName = "Rights Report", .orientation = PrinterOrientation::Landscape}, [&](PrintCanvas& canvas) {
            width = canvas.pageWidth();
            height = canvas.pageHeight();
            normal = canvas.textWidth("Initialize");
            canvas.setBold(true);
            bold = canvas.textWidth("Initialize");
            canvas.drawText(0, 0, "Rights Report: Sales");
            canvas.newPage();
            canvas.drawLine(0, canvas.lineHeight(), width, canvas.lineHeight());
        });
    EXPECT_TRUE(printed);
    EXPECT_GT(width, height) << "landscape";
    EXPECT_GT(bold, normal);
    // Nine points at the printer's resolution: an eighth of an inch or so.
    EXPECT_GT(normal, width / 100);
    const std::string bytes = corvane::test::readBytes(pdf);
    EXPECT_EQ(bytes.substr(0, 5), "%PDF-");
    size_t pages = 0;
    for (size_t at = bytes.find("/Type /Page\n"); at != std::string::npos; at = bytes.find("/Type /Page\n", at + 1)) {
        ++pages;
    }
    EXPECT_EQ(pages, 2U);

    std::filesystem::remove(pdf);
    test.session.printer.onShown([](QPrintDialog& dialog) { dialog.reject(); });
    bool painted = false;
    EXPECT_FALSE(test.session.printer.print({}, [&](PrintCanvas&) { painted = true; }));
    EXPECT_FALSE(painted);
    EXPECT_FALSE(std::filesystem::exists(pdf));
}

TEST(QtPrintService, TheProgramsEndClosesThePrintDialogAndNothingPrints) {
    QtTestSession test;
    bool stillOpen = false;
    test.session.printer.onShown([&](QPrintDialog& dialog) {
        test.session.runtime.End();
        stillOpen = dialog.isVisible();
    });
    bool painted = false;
    EXPECT_FALSE(test.session.printer.print({}, [&](PrintCanvas&) { painted = true; }));
    EXPECT_FALSE(stillOpen);
    EXPECT_FALSE(painted);
}

TEST(QtPrintService, AJobWhosePaintFailsIsAbandoned) {
    corvane::test::TempDir folder;
    const std::string pdf = folder.file("report.pdf");
    QtTestSession test;
    test.session.printer.onShown([&](QPrintDialog& dialog) { printToFile(dialog, pdf); });
    EXPECT_THROW(test.session.printer.print({},
                                            [](PrintCanvas& canvas) {
                                                canvas.drawText(0, 0, "half a report");
                                                throw RuntimeError(vberr::OutOfMemory);
                                            }),
                 RuntimeError);
    EXPECT_FALSE(std::filesystem::exists(pdf)) << "an abandoned job leaves no document";
}

TEST(QtFolderBrowser, OffersOnlyFoldersAndReturnsTheChosenOne) {
    corvane::test::TempDir folder;
    std::filesystem::create_directory(folder.path() / "Settings");
    QtTestSession test;
    bool onlyFolders = false;
    QString title;
    test.session.folderBrowser.onShown([&](QFileDialog& dialog) {
        onlyFolders = dialog.fileMode() == QFileDialog::Directory && dialog.testOption(QFileDialog::ShowDirsOnly);
        title = dialog.windowTitle();
        dialog.setDirectory(QString::fromStdString(folder.path().string()));
        dialog.selectFile(QString::fromStdString(folder.file("Settings")));
        static_cast<QDialog&>(dialog).accept();
    });
    auto chosen = test.session.folderBrowser.browseForFolder(
        {.root = BrowseRoot::Desktop, .prompt = "Select the folder", .onlyFileSystemFolders = true});
    EXPECT_TRUE(onlyFolders);
    EXPECT_EQ(title, "Select the folder");
    EXPECT_EQ(chosen, folder.file("Settings"));

    test.session.folderBrowser.onShown([](QFileDialog& dialog) { dialog.reject(); });
    EXPECT_EQ(test.session.folderBrowser.browseForFolder({}), std::nullopt);
}

/// Stands in for the desktop's handler of file addresses.
class OpenedUrls : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls.append(url); }
};

TEST(QtShell, OpensExistingFilesAndAddressesThroughTheDesktop) {
    corvane::test::TempDir folder;
    corvane::test::writeBytes(folder.path() / "Corvane_User_Manual.pdf", "%PDF");
    QtShell shell;
    OpenedUrls opened;
    QDesktopServices::setUrlHandler("file", &opened, "open");

    ShellRequest manual{.verb = "open", .file = folder.file("Corvane_User_Manual.pdf"), .showCmd = SW_SHOW};
    EXPECT_GT(shell.ShellExecuteA(manual), 32);
    ShellRequest missing{.verb = "open", .file = folder.file("absent.pdf"), .showCmd = SW_SHOW};
    EXPECT_EQ(shell.ShellExecuteA(missing), QtShell::kFileNotFound);
    QDesktopServices::unsetUrlHandler("file");

    ASSERT_EQ(opened.urls.size(), 1);
    EXPECT_EQ(opened.urls[0], QUrl::fromLocalFile(QString::fromStdString(manual.file)));
    EXPECT_EQ(QtShell::target({.file = "https://www.example.com/help"}), QUrl("https://www.example.com/help"));
    EXPECT_EQ(QtShell::target({.file = "manual.pdf", .directory = "/opt/corvane"}),
              QUrl::fromLocalFile("/opt/corvane/manual.pdf"));
}

TEST(QtKeySender, ReadsVbKeyNotation) {
    auto strokes = QtKeySender::parse("a{ENTER}~{TAB}+b{+}");
    ASSERT_EQ(strokes.size(), 6U);
    EXPECT_EQ(strokes[0].key, Qt::Key_A);
    EXPECT_EQ(strokes[1].key, Qt::Key_Return);
    EXPECT_EQ(strokes[2].key, Qt::Key_Return);
    EXPECT_EQ(strokes[3].key, Qt::Key_Tab);
    EXPECT_EQ(strokes[4].modifiers, Qt::ShiftModifier);
    EXPECT_EQ(strokes[5].text, "+");
    for (const char* bad : {"{NOSUCHKEY}", "{ENTER", "a}"}) {
        try {
            QtKeySender::parse(bad);
            ADD_FAILURE() << bad;
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.number(), vberr::InvalidProcedureCall);
        }
    }
}

TEST(QtKeySender, SendsToTheFocusedControlOfTheProgramsForegroundWindow) {
    QtTestSession test;
    SampleForm form(test.session.runtime);
    form.Show();
    form.txtValue.SetFocus();
    form.events.clear();
    test.session.keys.SendKeys("hi~", true);
    EXPECT_EQ(form.txtValue.Text(), "hi");
    EXPECT_EQ(form.events.back(), "cmdOK_Click");
}

TEST(QtPlatform, ScreenAndProgramFacts) {
    QtTestSession test;
    EXPECT_EQ(test.session.screen.TwipsPerPixelX(), 15);
    EXPECT_EQ(test.session.screen.TwipsPerPixelY(), 15);
    EXPECT_GT(test.session.screen.Width(), 0);
    EXPECT_EQ(test.session.screen.Width() % 15, 0);
    EXPECT_EQ(test.session.screen.GetSystemMetrics(SM_CXDLGFRAME), 3);
    EXPECT_EQ(test.session.app.EXEName(), "qt_tests");
    EXPECT_EQ(test.session.app.Title(), "Corvane Test");
    EXPECT_EQ(test.session.app.Revision(), 4);
    EXPECT_FALSE(test.session.app.PrevInstance());
    QtTestSession second{};
    EXPECT_FALSE(second.session.app.PrevInstance()); // a lock folder of its own
}

} // namespace
} // namespace corvane::forms::qt::test

#include "QtServicesTest.moc"
