#include "demo/Tour.h"

#include "admin/AdminProgram.h"
#include "admin/frmHistory.h"
#include "admin/frmRightsReport.h"
#include "common/FileIo.h"
#include "common/IniSettingsStore.h"
#include "common/Paths.h"
#include "common/RuntimeError.h"
#include "common/SettingsStore.h"
#include "demo/FormScripts.h"
#include "forms/headless/FailureReporter.h"
#include "forms/headless/ScriptedUser.h"
#include "platform/linux/DesktopFeed.h"
#include "platform/linux/LinuxActFactory.h"
#include "platform/qt/QtSession.h"
#include "sim/actsim/ActsimDatabase.h"
#include "trigger/CorvaneEditMode.h"
#include "trigger/ItemDialog.h"
#include "trigger/frmEditList.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace corvane::demo {

using platform::linux_desktop::ActRegistration;

namespace {

constexpr int16_t kField = 15;
constexpr int16_t kDana = 1;
constexpr int16_t kSam = 2;
constexpr int16_t kLee = 6;
constexpr const char* kSamId = "P3R8T4V6";
constexpr const char* kLeeId = "E8U1Z6A4";
constexpr int kFull = 0;
constexpr int kNone = 2;
// The trigger runs inside the tour's process but must count as a program of its own on the desktop.
constexpr int64_t kTriggerProcess = -2;

/// Lets the programs' windows, timers and polls run for a while.
void pause(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

template <class Condition> bool waitFor(Condition&& condition, int ms = 3000) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > ms) {
            return false;
        }
        pause(20);
    }
    return true;
}

std::string readText(const std::string& file) {
    try {
        return readWholeFile(file);
    } catch (const RuntimeError&) {
        return {};
    }
}

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

int rowOf(forms::ListView& list, const std::string& name) {
    for (int row = 1; row <= list.ListItems().Count(); ++row) {
        if (list.ListItems(row).Text() == name) {
            return row;
        }
    }
    return 0;
}

/// One run of a program on the Qt backend: its session, ACT! as the Linux programs find it, and
/// the user's hands. Message boxes are noted and answered with their default button.
struct ProgramRun {
    ProgramRun(const std::string& title, const std::string& lockFolder, const ActRegistration& registration,
               TourLog& log)
        : session({.title = title}, lockFolder), factory(registration) {
        failures.setHandler([&log](const std::string& message) { log.check(false, message); });
        session.msgBox.onShown([this](QMessageBox& box) {
            boxes.push_back(box.text().toStdString());
            boxImage = box.grab().toImage();
            box.defaultButton() ? box.defaultButton()->click() : box.accept();
        });
    }

    QWidget* windowOf(forms::Form& form) { return session.backend.windowOf(form); }

    /// The user picks the item with that text.
    void pick(forms::ListControl& list, const std::string& text) {
        for (int32_t index = 0; index < list.ListCount(); ++index) {
            if (list.List(index) == text) {
                user.pick(list, index);
                return;
            }
        }
        failures.fail("no item \"" + text + "\" in " + list.Name());
    }

    forms::qt::QtSession session;
    platform::linux_desktop::LinuxActFactory factory;
    forms::headless::FailureReporter failures;
    forms::headless::ScriptedUser user{failures, session.windows};
    FormScripts scripts{session.runtime};
    std::vector<std::string> boxes;
    QImage boxImage;
};

/// A trigger run started by actsim, its window system fed from the shared desktop.
struct TriggerRun : ProgramRun {
    TriggerRun(const std::string& lockFolder, const ActRegistration& registration, TourLog& log)
        : ProgramRun("Corvane Edit Mode", lockFolder, registration, log),
          feed(session.runtime, session.windows, *factory.engine(), session.keys, kTriggerProcess),
          program(session.runtime, factory, session.settings, session.windows) {}

    trigger::frmMain& form() { return program.mainForm(); }

    platform::linux_desktop::DesktopFeed feed;
    trigger::CorvaneEditMode program;
};

} // namespace

Tour::Tour(const std::string& folder)
    : folder_(std::filesystem::absolute(folder).string()), log_(joinPath(folder_, "screenshots")),
      registration_(joinPath(folder_, "run")) {
    std::filesystem::remove_all(folder_);
    for (const char* sub : {"screenshots", "exports", "run", "Settings", "config/Corvane"}) {
        std::filesystem::create_directories(std::filesystem::path(folder_) / sub);
    }
    std::filesystem::permissions(joinPath(folder_, "run"), std::filesystem::perms::owner_all);
    // The programs find their per-user folders the platform's way; the tour gives them its own.
    ::setenv("XDG_CONFIG_HOME", joinPath(folder_, "config").c_str(), 1);
    ::setenv("XDG_RUNTIME_DIR", joinPath(folder_, "run").c_str(), 1);

    engine_ = sim::actsim::openActsimDatabase(joinPath(folder_, "Sales.dbf"));
    registration_.publish(getpid(), joinPath(folder_, "Sales.dbf"));
    IniSettingsStore settings(joinPath(folder_, "config"));
    settings.Save(kAppName, kSettingsSection, "ListPath", joinPath(folder_, "Settings"));
    settings.Save(kAppName, kSettingsSection, "UsersPath", settingsFile("Users.dat"));
    replaceFile(settingsFile("Users.dat"), "[Sales]\r\n");

    actsim_ = std::make_unique<sim::actsim::ActsimWindow>(*engine_, getpid(), QString::fromStdString(folder_));
    actsim_->move(40, 40);
    actsim_->show();
}

Tour::~Tour() {
    actsim_.reset();
    registration_.withdraw(getpid());
}

int Tour::run() {
    actsimShowsTheDemoDatabase();
    administratorSetsRights();
    protectedFieldIsRefused();
    valueIsPickedFromTheDropDown();
    listEditorAddsAnItem();
    administratorReviewsTheHistoryAndTheRights();
    std::printf("\n%s: %d failed check(s). Screenshots: %s\nExports: %s\n",
                log_.allPassed() ? "Tour passed" : "Tour FAILED", log_.failures(),
                joinPath(folder_, "screenshots").c_str(), joinPath(folder_, "exports").c_str());
    return log_.allPassed() ? 0 : 1;
}

void Tour::actsimShowsTheDemoDatabase() {
    log_.step("actsim, the simulated ACT!, shows the demo database \"Sales\"");
    pause(200);
    log_.check(registration_.find().has_value(), "the programs find the running ACT! through its note");
    log_.check(fieldValue() == "Customer", "contact 1 has \"ID/Status\" = \"Customer\"");
    log_.screenshot(actsimWith(nullptr), "actsim");
}

void Tour::administratorSetsRights() {
    log_.step("The administrator sets global rights, and the field \"ID/Status\" gets its own list and drop-down");
    ProgramRun run("Corvane", joinPath(folder_, "run"), registration_, log_);
    admin::AdminProgram program(run.session.runtime, run.factory, run.session.settings);
    program.start();
    admin::Form1& form = program.mainForm();
    if (!log_.check(form.Visible(), "Corvane starts beside actsim")) {
        return;
    }
    auto chooseLevel = [&](forms::ListView& list, const std::string& name, int level) {
        const forms::ListItem& item = list.ListItems(rowOf(list, name));
        run.user.mouseUp(list, 1, static_cast<float>(list.ColumnHeaders("Rights").Left() + 100),
                         static_cast<float>(item.Top() + 30));
        run.user.pick(form.cboFloating, level);
    };
    chooseLevel(form.lvwUsers, "Sam Ortega", kFull);
    chooseLevel(form.lvwUsers, "Lee Brennan", kFull);
    run.user.click(form.cmdFieldSettings);
    run.pick(form.cboFields, "ID/Status");
    run.user.click(form.optUsers(1));
    chooseLevel(form.lvwSpecialUsers, "Lee Brennan", kNone);
    form.rtfData.setText("Customer\nProspect\nVendor");
    run.user.click(form.chkEdit);
    pause(200);
    log_.screenshot(run.windowOf(form)->grab().toImage(), "corvane-settings");

    run.user.click(form.cmdSave);
    const std::string list = readText(settingsFile("Sales15.dat"));
    log_.check(list == "OnlyFromDropdown=0\r\nAllowEditing=1\r\nCustomer\r\nProspect\r\nVendor\r\n",
               "Save wrote the field's settings file Sales15.dat");
    run.user.click(form.cmdClose);
    log_.check(run.session.runtime.ended(), "Close ended Corvane");
    const std::string users = readText(settingsFile("Users.dat"));
    log_.check(contains(users, "GlobalF=") && contains(users, kSamId) && contains(users, kLeeId),
               "Users.dat gives Sam and Lee full rights on every protected field");
    log_.check(contains(users, "15F=") && !contains(users.substr(users.find("15F=")), std::string("15F=") + kLeeId),
               "ID/Status has its own lists, without Lee");
    for (const std::string& box : run.boxes) {
        log_.check(false, "message: " + box);
    }
}

void Tour::protectedFieldIsRefused() {
    log_.step("Lee Brennan enters \"ID/Status\" in actsim and is refused");
    enterProtectedField(kLee);
    TriggerRun run(joinPath(folder_, "run"), registration_, log_);
    run.program.start();
    log_.check(run.boxes.size() == 1 && contains(run.boxes.front(), "You are not allowed to modify this field."),
               "the trigger says \"You are not allowed to modify this field.\"");
    log_.screenshot(run.boxImage, "refused");
    log_.check(run.session.runtime.ended(), "the trigger ended");
    log_.check(fieldValue() == "Customer", "the field kept \"Customer\"");
}

void Tour::valueIsPickedFromTheDropDown() {
    log_.step("Sam Ortega enters \"ID/Status\", picks \"Prospect\" from the drop-down and clicks back into actsim");
    enterProtectedField(kSam);
    TriggerRun run(joinPath(folder_, "run"), registration_, log_);
    run.program.start();
    trigger::frmMain& form = run.form();
    if (!log_.check(form.Visible() && form.cmdDD.Visible(),
                    "the trigger's box with its drop-down button lies over the field")) {
        return;
    }
    pause(150);
    log_.screenshot(actsimWith(run.windowOf(form)), "trigger-over-field");
    run.user.click(form.cmdDD);
    pause(150);
    log_.screenshot(actsimWith(run.windowOf(form)), "drop-down");
    run.pick(form.lstNewValue, "Prospect");
    log_.check(form.txtNewValue.Text() == "Prospect", "the box shows \"Prospect\"");
    actsim_->activateWindow();
    log_.check(waitFor([&] { return run.session.runtime.ended(); }), "leaving the box ended the trigger");
    log_.check(fieldValue() == "Prospect", "ACT! holds \"Prospect\"");
    pause(250);
    log_.check(actsim_->findChild<QLineEdit*>("field15")->text() == "Prospect", "actsim shows it at once");
    log_.screenshot(actsimWith(nullptr), "written");
}

void Tour::listEditorAddsAnItem() {
    log_.step("Sam opens the list editor, adds \"Partner\" and chooses it");
    enterProtectedField(kSam);
    TriggerRun run(joinPath(folder_, "run"), registration_, log_);
    run.program.start();
    trigger::frmMain& form = run.form();
    if (!log_.check(form.Visible(), "the trigger's box lies over the field")) {
        return;
    }
    run.user.click(form.cmdDD);
    run.scripts.on("frmEditList", [&](forms::Form& shown) {
        auto& editor = dynamic_cast<trigger::frmEditList&>(shown);
        run.scripts.on("frmAdd", [&](forms::Form& added) {
            auto& dialog = dynamic_cast<trigger::ItemDialog&>(added);
            run.user.type(dialog.txtItem, "Partner");
            log_.screenshot(run.windowOf(dialog)->grab().toImage(), "add-item");
            run.user.click(dialog.cmdOK);
        });
        run.user.click(editor.cmdAdd);
        run.pick(editor.lstItems, "Partner");
        // The user takes a moment, as people do: the trigger's ticks run meanwhile.
        pause(300);
        log_.screenshot(run.windowOf(editor)->grab().toImage(), "list-editor");
        run.user.click(editor.cmdOK);
    });
    run.user.click(form.cmdEditList);
    log_.check(run.scripts.pending() == 0, "the list editor and the Add dialog came up");
    log_.check(contains(readText(settingsFile("Sales15.dat")), "Partner\r\n"), "Sales15.dat now lists \"Partner\"");
    log_.check(waitFor([&] { return run.session.runtime.ended(); }), "closing the editor ended the trigger");
    log_.check(fieldValue() == "Partner", "ACT! holds \"Partner\"");
}

void Tour::administratorReviewsTheHistoryAndTheRights() {
    log_.step("The administrator reads the change history and the rights report, and exports and prints them");
    engine_->state().setLoggedInUser(kDana);
    ProgramRun run("Corvane", joinPath(folder_, "run"), registration_, log_);
    // The administrator saves and prints into the tour's "exports" folder.
    std::string saveAs;
    run.session.saveFileDialog.onShown([&](QFileDialog& dialog) {
        dialog.selectFile(QString::fromStdString(saveAs));
        static_cast<QDialog&>(dialog).accept();
    });
    const std::string pdf = joinPath(joinPath(folder_, "exports"), "Sales rights.pdf");
    run.session.printer.onShown([&](QPrintDialog& dialog) {
        if (auto* file = dialog.findChild<QLineEdit*>(QStringLiteral("filename"))) {
            file->setText(QString::fromStdString(pdf));
        }
        dialog.accept();
    });
    admin::AdminProgram program(run.session.runtime, run.factory, run.session.settings);
    program.start();
    admin::Form1& form = program.mainForm();
    if (!log_.check(form.Visible(), "Corvane starts beside actsim")) {
        return;
    }
    const std::string historyCsv = joinPath(joinPath(folder_, "exports"), "Sales history.csv");
    run.scripts.on("frmHistory", [&](forms::Form& shown) {
        auto& history = dynamic_cast<admin::frmHistory&>(shown);
        forms::ListItems& rows = history.lvwHistory.ListItems();
        // Opening the list editor wrote "Prospect" once more before "Partner" was chosen.
        log_.check(rows.Count() == 3 && rows.Item(1).SubItems(1) == "Sam Ortega" &&
                       rows.Item(1).SubItems(2) == "ID/Status" && rows.Item(1).SubItems(3) == "Prospect" &&
                       rows.Item(1).SubItems(4) == "Partner" && rows.Item(3).SubItems(3) == "Customer" &&
                       rows.Item(3).SubItems(4) == "Prospect",
                   "the history lists Sam's writes of \"ID/Status\", the newest first");
        log_.screenshot(run.windowOf(history)->grab().toImage(), "change-history");
        saveAs = historyCsv;
        run.user.click(history.cmdExport);
        run.user.click(history.cmdClose);
    });
    run.user.click(form.mnuHistory);
    log_.check(contains(readText(historyCsv), "\"Sam Ortega\",\"ID/Status\",\"Prospect\",\"Partner\""),
               "Export wrote the history to " + historyCsv);

    const std::string rightsCsv = joinPath(joinPath(folder_, "exports"), "Sales rights.csv");
    run.scripts.on("frmRightsReport", [&](forms::Form& shown) {
        auto& report = dynamic_cast<admin::frmRightsReport&>(shown);
        run.pick(report.cboCheckUser, "Lee Brennan");
        run.pick(report.cboCheckField, "ID/Status");
        log_.check(report.lblExplanation.Caption() == "None: the field has its own lists and the user is in neither",
                   "Check a user explains why Lee may not edit \"ID/Status\"");
        pause(100);
        log_.screenshot(run.windowOf(report)->grab().toImage(), "rights-report");
        saveAs = rightsCsv;
        run.user.click(report.cmdExport);
        run.user.click(report.cmdPrint);
        run.user.click(report.cmdClose);
    });
    run.user.click(form.mnuRightsReport);
    log_.check(contains(readText(rightsCsv), "\"Lee Brennan\",\"E8U1Z6A4\",\"None\",\"Full\""),
               "Export wrote the rights report to " + rightsCsv);
    log_.check(readText(pdf).substr(0, 5) == "%PDF-", "Print printed the report to " + pdf);
    run.user.click(form.cmdCancel);
    log_.check(run.session.runtime.ended(), "Cancel ended Corvane");
    for (const std::string& box : run.boxes) {
        log_.check(false, "message: " + box);
    }
}

void Tour::enterProtectedField(int16_t userPosition) {
    engine_->state().setLoggedInUser(userPosition);
    actsim_->activateWindow();
    auto* other = actsim_->findChild<QLineEdit*>("field7");
    auto* field = actsim_->findChild<QLineEdit*>("field15");
    other->setFocus();
    pause(50);
    field->setFocus();
    pause(100);
    // actsim would start CorvaneEditMode from its folder; the tour runs the trigger itself.
    actsim_->statusBar()->clearMessage();
    log_.check(engine_->state().focusField() == kField && engine_->desktop().actFocus().has_value(),
               "actsim tells the desktop that \"ID/Status\" has the focus");
}

std::string Tour::fieldValue() {
    return engine_->contacts().value(engine_->state().currentContact().value_or(0), kField);
}

std::string Tour::settingsFile(const std::string& name) const {
    return joinPath(joinPath(folder_, "Settings"), name);
}

QImage Tour::actsimWith(QWidget* window) {
    QImage image = actsim_->grab().toImage();
    if (window != nullptr) {
        QPainter painter(&image);
        painter.drawImage(window->mapToGlobal(QPoint(0, 0)) - actsim_->mapToGlobal(QPoint(0, 0)),
                          window->grab().toImage());
    }
    return image;
}

} // namespace corvane::demo
