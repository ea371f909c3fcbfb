#include "tests/win32tour/Win32Tour.h"

#include "tests/support/TempDir.h"
#include "tests/support/WaitFor.h"
#include "tests/win32forms/RealInput.h"
#include "tests/win32programs/ForeignWindows.h"
#include "tests/win32programs/ProgramWindows.h"

#include <algorithm>
#include <cstdio>

namespace corvane::test {

namespace {
using namespace ForeignWindows;
namespace RealInput = forms::win32::test::RealInput;

constexpr int16_t kField = ActsimWorkplace::kIdStatus;
constexpr int kSamRow = 1;
constexpr int kLeeRow = 5;
constexpr const char* kList = "OnlyFromDropdown=0\r\nAllowEditing=1\r\nCustomer\r\nProspect\r\nVendor\r\n";

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

/// Whether the file comes to hold `part`: a program writes it once its save dialog has closed.
bool written(const std::string& file, const std::string& part) {
    return waitFor([&] { return contains(readBytes(file), part); });
}

/// The folder, emptied.
const std::filesystem::path& afresh(const std::filesystem::path& folder) {
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}
} // namespace

Win32Tour::Win32Tour(const std::filesystem::path& folder) : workplace_(afresh(folder), "[Sales]\r\n") {}

int Win32Tour::run() {
    // Without actsim nothing else can happen.
    if (!actsimShowsTheDemoDatabase()) {
        return 1;
    }
    administratorSetsRights();
    protectedFieldIsRefused();
    valueIsPickedFromTheDropDown();
    listEditorAddsAnItem();
    administratorReviewsTheHistoryAndTheRights();
    std::printf("\n%s: %d failed check(s). Screenshots: %s\n", log_.allPassed() ? "Tour passed" : "Tour FAILED",
                log_.failures(), CORVANE_SCREENSHOT_DIR);
    return log_.allPassed() ? 0 : 1;
}

bool Win32Tour::actsimShowsTheDemoDatabase() {
    log_.step("actsim.exe, the simulated ACT!, shows the demo database \"Sales\"");
    if (!log_.check(workplace_.ready(), "actsim serves ACT!'s classes and shows its window")) {
        return false;
    }
    log_.check(workplace_.shownValue(kField) == "Customer", "contact 1 shows \"ID/Status\" = \"Customer\"");
    log_.screenshot("actsim");
    return true;
}

void Win32Tour::administratorSetsRights() {
    log_.step("The administrator sets global rights, and the field \"ID/Status\" gets its own list and drop-down");
    const ProgramProcess tool = workplace_.startAdministrationTool();
    const AdministrationWindow window(tool);
    if (!log_.check(window.shown(), "Corvane.exe starts beside actsim")) {
        return;
    }
    log_.check(window.chooseLevel(Form1Ids::Users, kSamRow, Level::Full), "Sam Ortega gets Full rights");
    log_.check(window.chooseLevel(Form1Ids::Users, kLeeRow, Level::Full), "Lee Brennan gets Full rights");
    if (!log_.check(window.showField("ID/Status"), "the field settings show \"ID/Status\"")) {
        return;
    }
    log_.check(window.check(Form1Ids::OwnUsers), "\"Use Settings below\" gives the field its own users");
    log_.check(window.chooseLevel(Form1Ids::FieldUsers, kLeeRow, Level::None), "Lee Brennan: None for this field");
    log_.check(window.typeDropDownList({"Customer", "Prospect", "Vendor"}), "the drop-down list is typed in");
    log_.check(window.check(Form1Ids::AllowEditing), "\"Allow editing\" is checked");
    log_.screenshot("corvane-settings");

    window.click(Form1Ids::Save);
    waitFor([&] { return IsWindowEnabled(window.control(Form1Ids::Save)) == FALSE; });
    log_.check(readBytes(settingsFile("Sales15.dat")) == kList, "Save wrote the field's settings file Sales15.dat");
    window.click(Form1Ids::Close);
    log_.check(tool.waitForExit() == 0UL, "Close ended Corvane");
    const std::string users = readBytes(settingsFile("Users.dat"));
    log_.check(contains(users, std::string("GlobalF=") + ActsimWorkplace::kSamId + ActsimWorkplace::kLeeId),
               "Users.dat gives Sam and Lee full rights on every protected field");
    log_.check(contains(users, std::string("15F=") + ActsimWorkplace::kSamId + "\r\n"),
               "ID/Status has its own list, without Lee");
}

void Win32Tour::protectedFieldIsRefused() {
    log_.step("Lee Brennan enters \"ID/Status\" in actsim and is refused");
    const auto trigger = enterProtectedField(ActsimWorkplace::kLee);
    if (!log_.check(trigger.has_value(), "actsim starts CorvaneEditMode.exe")) {
        return;
    }
    HWND message = awaitMessageBox(*trigger);
    log_.check(message != nullptr && contains(boxTexts(message).message, "You are not allowed to modify this field."),
               "the trigger says \"You are not allowed to modify this field.\"");
    log_.screenshot("refused");
    awaitForeground(message);
    RealInput::press(VK_RETURN);
    log_.check(trigger->waitForExit() == 0UL, "the trigger ended");
    log_.check(workplace_.fieldValue(kField) == "Customer", "the field kept \"Customer\"");
}

void Win32Tour::valueIsPickedFromTheDropDown() {
    log_.step("Sam Ortega enters \"ID/Status\", picks \"Prospect\" from the drop-down and clicks back into actsim");
    const auto trigger = enterProtectedField(ActsimWorkplace::kSam);
    if (!log_.check(trigger.has_value(), "actsim starts CorvaneEditMode.exe")) {
        return;
    }
    const TriggerBox box(*trigger);
    if (!log_.check(box.shown() && IsWindowVisible(box.control(FrmMainIds::DropDown)) != FALSE,
                    "the trigger's box with its drop-down button shows")) {
        return;
    }
    const RECT field = screenRect(workplace_.actsim().fieldEdit(kField));
    log_.check(describe(screenRect(box.window())) == describe(boxOverField(field, true)),
               "the box lies over actsim's field at " + describe(field));
    log_.screenshot("trigger-over-field");
    log_.check(box.dropDown(), "the drop-down list opens");
    log_.screenshot("drop-down");
    log_.check(box.pick("Prospect"), "the box shows \"Prospect\"");
    RealInput::click(child(workplace_.actsim().window(), "Static", "Contact 1 of 12"));
    log_.check(trigger->waitForExit() == 0UL, "leaving the box ended the trigger");
    log_.check(workplace_.fieldValue(kField) == "Prospect", "ACT! holds \"Prospect\"");
    log_.check(waitFor([&] { return workplace_.shownValue(kField) == "Prospect"; }), "actsim shows it at once");
    log_.screenshot("written");
}

void Win32Tour::listEditorAddsAnItem() {
    log_.step("Sam opens the list editor, adds \"Partner\" and chooses it");
    const auto trigger = enterProtectedField(ActsimWorkplace::kSam);
    if (!log_.check(trigger.has_value(), "actsim starts CorvaneEditMode.exe")) {
        return;
    }
    const TriggerBox box(*trigger);
    if (!log_.check(box.shown() && box.dropDown(), "the trigger's box shows, its list open")) {
        return;
    }
    HWND editor = box.openListEditor(*trigger);
    if (!log_.check(editor != nullptr, "\"Edit list ...\" opens the list editor")) {
        return;
    }
    RealInput::click(control(editor, FrmEditListIds::Add));
    HWND add = awaitForm(*trigger, "Add");
    if (!log_.check(add != nullptr, "\"Add...\" opens the Add dialog")) {
        return;
    }
    HWND item = control(add, ItemDialogIds::Item);
    if (awaitFocus(item)) {
        RealInput::type("Partner");
    }
    log_.check(waitFor([&] { return text(item) == "Partner"; }), "\"Partner\" is typed");
    log_.screenshot("add-item");
    RealInput::click(control(add, ItemDialogIds::Ok));
    HWND items = control(editor, FrmEditListIds::Items);
    log_.check(waitFor([&] { return listBoxItems(items).size() == 4; }), "the editor lists \"Partner\"");
    const std::vector<std::string> listed = listBoxItems(items);
    const auto partner = std::find(listed.begin(), listed.end(), "Partner");
    if (partner != listed.end()) {
        RealInput::clickAt(middle(listBoxItem(items, static_cast<int>(partner - listed.begin()))));
    }
    log_.screenshot("list-editor");
    RealInput::click(control(editor, FrmEditListIds::Ok));
    log_.check(trigger->waitForExit() == 0UL, "closing the editor ended the trigger");
    log_.check(contains(readBytes(settingsFile("Sales15.dat")), "Partner\r\n"), "Sales15.dat now lists \"Partner\"");
    log_.check(workplace_.fieldValue(kField) == "Partner", "ACT! holds \"Partner\"");
}

void Win32Tour::administratorReviewsTheHistoryAndTheRights() {
    log_.step("The administrator reads the change history and the rights report, and exports both");
    log_.check(workplace_.logIn(ActsimWorkplace::kDana), "Dana Whitfield, the administrator, logs in to actsim");
    const ProgramProcess tool = workplace_.startAdministrationTool();
    const AdministrationWindow window(tool);
    if (!log_.check(window.shown(), "Corvane.exe starts beside actsim")) {
        return;
    }
    HWND history = window.openFromOptions(tool, 'H', "Change History");
    if (log_.check(history != nullptr, "Options > Change History opens the history")) {
        const auto rows = listViewRows(control(history, FrmHistoryIds::History));
        log_.check(rows.size() == 3 && rows[0] == std::vector<std::string>{rows[0][0], "Sam Ortega", "ID/Status",
                                                                           "Prospect", "Partner"},
                   "it lists Sam's writes of \"ID/Status\", the newest first");
        log_.screenshot("change-history");
        RealInput::click(control(history, FrmHistoryIds::Export));
        log_.check(
            saveAs(tool, "Sales history.csv", settingsFile("Sales history.csv")) &&
                written(settingsFile("Sales history.csv"), "\"Sam Ortega\",\"ID/Status\",\"Prospect\",\"Partner\""),
            "Export writes the history to Settings\\Sales history.csv");
        clickButton(control(history, FrmHistoryIds::Close));
    }
    HWND report = window.openFromOptions(tool, 'R', "Rights Report");
    if (log_.check(report != nullptr, "Options > Rights Report opens the report")) {
        const auto rows = listViewRows(control(report, FrmRightsReportIds::Rights));
        log_.check(rows.size() == 6 &&
                       rows[5] == std::vector<std::string>{"Lee Brennan", "None", "Full", "Full", "Full", "Full"},
                   "Lee Brennan may change every protected field but \"ID/Status\"");
        chooseItem(control(report, FrmRightsReportIds::CheckUser), kLeeRow);
        chooseItem(control(report, FrmRightsReportIds::CheckField), 0);
        log_.check(waitFor([&] {
                       return text(control(report, FrmRightsReportIds::Explanation)) ==
                              "None: the field has its own lists and the user is in neither";
                   }),
                   "Check a user explains why Lee may not edit \"ID/Status\"");
        log_.screenshot("rights-report");
        RealInput::click(control(report, FrmRightsReportIds::Export));
        log_.check(saveAs(tool, "Sales rights.csv", settingsFile("Sales rights.csv")) &&
                       written(settingsFile("Sales rights.csv"),
                               std::string("\"Lee Brennan\",\"") + ActsimWorkplace::kLeeId + "\",\"None\",\"Full\""),
                   "Export writes the report to Settings\\Sales rights.csv");
        clickButton(control(report, FrmRightsReportIds::Close));
    }
    window.click(Form1Ids::Cancel);
    log_.check(tool.waitForExit() == 0UL, "Cancel ended Corvane");
}

std::optional<ProgramProcess> Win32Tour::enterProtectedField(int16_t user) {
    const bool entered = workplace_.logIn(user) && workplace_.enterField(kField);
    log_.check(entered, "actsim has \"ID/Status\" focused for the logged-in user");
    return entered ? ProgramProcess::await("CorvaneEditMode.exe") : std::nullopt;
}

} // namespace corvane::test
