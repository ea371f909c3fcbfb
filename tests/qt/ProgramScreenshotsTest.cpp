#include "admin/AdminProgram.h"
#include "admin/frmRightsReport.h"
#include "common/ChangeHistory.h"
#include "common/ErrorReport.h"
#include "common/MemorySettingsStore.h"
#include "common/Paths.h"
#include "sim/act/SimFactory.h"
#include "sim/demo/DemoDatabase.h"
#include "sim/engine/Engine.h"
#include "tests/qt/ProgramWindows.h"
#include "tests/qt/QtTestSession.h"
#include "tests/qt/Screenshot.h"
#include "trigger/CorvaneEditMode.h"

#include <QComboBox>
#include <QMessageBox>
#include <QPainter>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>

namespace corvane::forms::qt::test {
namespace {

using Names = std::vector<std::string>;

/// A program on the Qt backend over a private simulated ACT! with the demo database "Sales" open;
/// its settings folder is a fresh folder of the test.
struct DemoOnQt : QtTestSession {
    explicit DemoOnQt(std::string title) : QtTestSession(std::move(title)) {
        sim::loadDemoDatabase(engine, joinPath("Data", "Sales.dbf"));
        std::filesystem::create_directory(folder.path() / "Settings");
        settings.Save(kAppName, kSettingsSection, "ListPath", settingsFile(""));
        settings.Save(kAppName, kSettingsSection, "UsersPath", settingsFile("Users.dat"));
        // The administrator may change everything; Sam may only fill empty fields.
        corvane::test::writeBytes(settingsFile("Users.dat"), "[Sales]\r\nGlobalF=K7Q2M9X1\r\nGlobalI=P3R8T4V6\r\n");
    }
    ~DemoOnQt() { session.runtime.End(); }

    std::string settingsFile(const std::string& name) const {
        std::string settingsFolder = (folder.path() / "Settings").string();
        return name.empty() ? settingsFolder : joinPath(settingsFolder, name);
    }
    FormWindow& windowOf(Form& form) { return *session.backend.windowOf(form); }

    corvane::test::TempDir folder;
    sim::Engine engine{":memory:"};
    sim::SimFactory factory{engine};
    MemorySettingsStore settings;
};

QAction* menuEntry(FormWindow& window, const QString& caption) {
    for (QAction* action : window.findChildren<QAction*>()) {
        if (action->text() == caption) {
            return action;
        }
    }
    return nullptr;
}

/// Shows a modal dialog from a menu entry, lets `prepare` play the user in it, saves its picture and
/// closes it with its close box.
Names showDialog(FormWindow& main, const QString& entry, const std::string& formName,
                 const std::function<void(Form&)>& prepare = {}) {
    Names clipped{"never shown"};
    onModal(formName, [&](FormWindow& dialog) {
        if (prepare) {
            prepare(dialog.form());
            settle();
        }
        clipped = clippedControls(dialog);
        saveWindow(dialog, formName);
        dialog.close();
    });
    QAction* action = menuEntry(main, entry);
    if (action == nullptr) {
        return {"no menu entry"};
    }
    action->trigger();
    return clipped;
}

/// A few changes for the change history dialog to show.
void writeHistory(const std::string& path) {
    using namespace std::chrono;
    const sys_seconds morning = sys_days{2026y / December / 7} + 8h;
    ChangeHistory::append(path, {morning, "K7Q2M9X1", 21, "North", "North-East"});
    ChangeHistory::append(path, {morning + 12min, "P3R8T4V6", 40, "", "Wholesale"});
    ChangeHistory::append(path, {morning + 47min, "K7Q2M9X1", 31, "5000", "7500"});
}

/// The rights report explaining why Sam may not change a filled-in field.
void checkSamInRegion(Form& shown) {
    auto& report = dynamic_cast<admin::frmRightsReport&>(shown);
    report.cboCheckUser.setListIndex(1);
    report.cboCheckField.setListIndex(1);
}

TEST(ProgramScreenshots, AdministrationToolAndItsDialogs) {
    DemoOnQt demo("Corvane");
    writeHistory(demo.settingsFile("Sales.history"));
    admin::AdminProgram program(demo.session.runtime, demo.factory, demo.settings);
    program.start();
    admin::Form1& form = program.mainForm();
    ASSERT_TRUE(form.Visible());
    FormWindow& window = demo.windowOf(form);
    EXPECT_EQ(clippedControls(window), Names{});
    EXPECT_EQ(demo.widget(form, "cmdClose")->geometry(), QRect(404, 15, 67, 22));
    saveWindow(window, "Form1_collapsed");

    QTest::mouseClick(demo.widget(form, "cmdFieldSettings"), Qt::LeftButton);
    auto* fields = demo.widget<QComboBox>(form, "cboFields");
    fields->setFocus();
    QTest::keyClick(fields, Qt::Key_Down);
    auto* users = demo.widget<QTreeWidget>(form, "lvwUsers");
    QRect row = users->visualItemRect(users->topLevelItem(1));
    QTest::mouseClick(users->viewport(), Qt::LeftButton, {},
                      QPoint(users->columnViewportPosition(1) + 10, row.center().y()));
    settle();
    EXPECT_EQ(form.Height(), 9500);
    EXPECT_TRUE(form.cboFloating.Visible());
    EXPECT_EQ(clippedControls(window), Names{});
    saveWindow(window, "Form1_expanded");

    EXPECT_EQ(showDialog(window, "Settings &Locations", "frmLocations"), Names{});
    EXPECT_EQ(showDialog(window, "&Integrate with ACT!", "frmIntegrate"), Names{});
    EXPECT_EQ(showDialog(window, "Change &History...", "frmHistory"), Names{});
    EXPECT_EQ(showDialog(window, "&Rights Report...", "frmRightsReport", checkSamInRegion), Names{});
    EXPECT_EQ(showDialog(window, "&About", "frmAbout"), Names{});

    demo.session.msgBox.onShown([](QMessageBox& box) {
        saveScreenshot(framed(box, box.windowTitle(), 3), "ErrorReport");
        box.accept();
    });
    ErrorReporter reporter("Corvane", demo.session.errorSink);
    reporter.report(RuntimeError(vberr::FileNotFound), "Form1: Sub cmdSave_Click", 40);
}

/// Draws ACT!'s field (its label and a white edit box at its screen rectangle) and the trigger's
/// window over it.
QImage overField(FormWindow& trigger, QRect field) {
    QRect area = field.adjusted(-80, -20, 40, 110);
    QImage image(area.size(), QImage::Format_RGB32);
    image.fill(trigger.palette().color(QPalette::Window));
    QPainter painter(&image);
    painter.setFont(trigger.font());
    painter.setPen(Qt::black);
    painter.drawText(QRect(8, field.top() - area.top(), 64, field.height()), Qt::AlignVCenter, "ID/Status");
    QRect box = field.translated(-area.topLeft());
    painter.fillRect(box, Qt::white);
    painter.setPen(trigger.palette().color(QPalette::Dark));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.drawImage(trigger.pos() - area.topLeft(), trigger.grab().toImage());
    return image;
}

struct TriggerOnQt : DemoOnQt {
    static constexpr QRect kField{100, 300, 200, 20};

    TriggerOnQt() : DemoOnQt("Corvane Edit Mode") {
        engine.state().setFocusField(15);
        Hwnd act = session.windows.addWindow(7, "ACT", {0, 0, 1024, 768});
        session.windows.setFocus(7, session.windows.addWindow(7, "Edit", {100, 300, 300, 320}));
        session.windows.bringToFront(act);
    }
    void start() {
        program = std::make_unique<trigger::CorvaneEditMode>(session.runtime, factory, settings, session.windows);
        program->start();
    }
    std::unique_ptr<trigger::CorvaneEditMode> program;
};

TEST(ProgramScreenshots, TriggerOverAFieldWithoutDropDownList) {
    TriggerOnQt demo;
    demo.start();
    trigger::frmMain& form = demo.program->mainForm();
    ASSERT_TRUE(form.Visible());
    FormWindow& window = demo.windowOf(form);
    EXPECT_EQ(window.geometry(), QRect(99, 299, 202, 20));
    saveScreenshot(overField(window, TriggerOnQt::kField), "frmMain_text_only");
}

TEST(ProgramScreenshots, TriggerWithItsDropDownListAndListEditor) {
    TriggerOnQt demo;
    corvane::test::writeBytes(demo.settingsFile("Sales15.dat"),
                              "OnlyFromDropdown=0\r\nAllowEditing=1\r\nCustomer\r\nProspect\r\nVendor\r\nPartner\r\n");
    demo.start();
    trigger::frmMain& form = demo.program->mainForm();
    ASSERT_TRUE(form.Visible());
    FormWindow& window = demo.windowOf(form);
    EXPECT_TRUE(form.cmdDD.Visible());
    saveScreenshot(overField(window, TriggerOnQt::kField), "frmMain_with_list");

    QTest::mouseClick(demo.widget(form, "cmdDD"), Qt::LeftButton);
    EXPECT_TRUE(form.lstNewValue.Visible());
    EXPECT_EQ(clippedControls(window), Names{});
    saveScreenshot(overField(window, TriggerOnQt::kField), "frmMain_dropped_down");

    Names editorClipped{"never shown"};
    Names addClipped{"never shown"};
    onModal("frmEditList", [&](FormWindow& editor) {
        editorClipped = clippedControls(editor);
        saveWindow(editor, "frmEditList");
        onModal("frmAdd", [&](FormWindow& add) {
            addClipped = clippedControls(add);
            saveWindow(add, "frmAdd");
            add.close();
        });
        QTest::mouseClick(editor.findChild<QWidget*>("cmdAdd"), Qt::LeftButton);
        QTest::mouseClick(editor.findChild<QWidget*>("cmdCancel"), Qt::LeftButton);
    });
    QTest::mouseClick(demo.widget(form, "cmdEditList"), Qt::LeftButton);
    EXPECT_EQ(editorClipped, Names{});
    EXPECT_EQ(addClipped, Names{});
}

} // namespace
} // namespace corvane::forms::qt::test
