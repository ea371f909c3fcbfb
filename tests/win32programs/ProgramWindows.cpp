#include "tests/win32programs/ProgramWindows.h"

#include "tests/support/WaitFor.h"
#include "tests/win32forms/RealInput.h"
#include "tests/win32programs/ForeignWindows.h"

#include <algorithm>
#include <array>

namespace corvane::test {

namespace {
using namespace std::chrono_literals;
using namespace ForeignWindows;
namespace RealInput = forms::win32::test::RealInput;

constexpr const char* kFormClass = "CorvaneForm";
/// A program's first window under Wine may take some seconds.
constexpr auto kFirstWindow = 20s;
/// Form1's height with its field panel shown: 9500 twips.
constexpr LONG kExpandedPixels = 9500 / 15;
constexpr int kRightsColumn = 1;
/// The trigger's box, by its caption.
constexpr const char* kBoxCaption = "705";

/// Alt and a key, as a user opens a menu of the bar by its letter.
void pressWithAlt(WORD key) {
    std::array<INPUT, 4> keys{};
    for (INPUT& each : keys) {
        each.type = INPUT_KEYBOARD;
    }
    keys[0].ki.wVk = VK_MENU;
    keys[1].ki.wVk = key;
    keys[2].ki.wVk = key;
    keys[2].ki.dwFlags = KEYEVENTF_KEYUP;
    keys[3].ki.wVk = VK_MENU;
    keys[3].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT));
}

/// A multi-line box's text with its lines ended by CR alone.
std::string withCrLines(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), '\n'), text.end());
    return text;
}

std::string joined(const std::vector<std::string>& lines, char separator) {
    std::string text;
    for (const std::string& line : lines) {
        text += (text.empty() ? "" : std::string(1, separator)) + line;
    }
    return text;
}
} // namespace

std::string nameOf(Level level) {
    switch (level) {
    case Level::Full:
        return "Full";
    case Level::Initialize:
        return "Initialize";
    case Level::None:
        break;
    }
    return "None";
}

HWND awaitForm(const ProgramProcess& program, const std::string& caption) {
    HWND form = nullptr;
    waitFor([&] { return (form = topWindow(program.id(), kFormClass, caption)) != nullptr; }, kFirstWindow);
    return form;
}

HWND awaitMessageBox(const ProgramProcess& program) {
    HWND box = nullptr;
    waitFor([&] { return (box = messageBox(program.id())) != nullptr; }, kFirstWindow);
    return box;
}

AdministrationWindow::AdministrationWindow(const ProgramProcess& tool) : window_(awaitForm(tool, "Corvane")) {}

HWND AdministrationWindow::control(int id) const {
    return ForeignWindows::control(window_, id);
}

void AdministrationWindow::click(int id) const {
    clickButton(control(id));
}

bool AdministrationWindow::check(int id) const {
    click(id);
    return waitFor([&] { return SendMessageA(control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; });
}

bool AdministrationWindow::showField(const std::string& name) const {
    click(Form1Ids::FieldSettings);
    const bool expanded = waitFor([&] {
        const RECT shown = screenRect(window_);
        return shown.bottom - shown.top == kExpandedPixels;
    });
    const std::vector<std::string> fields = comboItems(control(Form1Ids::Fields));
    const auto at = std::find(fields.begin(), fields.end(), name);
    if (!expanded || at == fields.end()) {
        return false;
    }
    chooseItem(control(Form1Ids::Fields), static_cast<int>(at - fields.begin()));
    return waitFor([&] { return IsWindowEnabled(control(Form1Ids::OwnUsers)) != FALSE; });
}

bool AdministrationWindow::chooseLevel(int list, int row, Level level) const {
    const RECT cell = listViewCell(control(list), row, kRightsColumn);
    RealInput::clickAt(middle(cell));
    // The box may still show over the row chosen before: it has to come over this one, its top at
    // the row's (the box's window reaches down over its list).
    HWND box = control(Form1Ids::RightsBox);
    if (!waitFor([&] {
            const LONG top = screenRect(box).top;
            return IsWindowVisible(box) != FALSE && top <= cell.top && top > cell.top - (cell.bottom - cell.top);
        })) {
        return false;
    }
    chooseItem(control(Form1Ids::RightsBox), static_cast<int>(level));
    return waitFor([&] {
        const auto rows = listViewRows(control(list));
        return static_cast<size_t>(row) < rows.size() && rows[static_cast<size_t>(row)][kRightsColumn] == nameOf(level);
    });
}

bool AdministrationWindow::typeDropDownList(const std::vector<std::string>& lines) const {
    RealInput::click(control(Form1Ids::DropDownList));
    if (!awaitFocus(control(Form1Ids::DropDownList))) {
        return false;
    }
    RealInput::type(joined(lines, '\r'));
    return waitFor([&] { return withCrLines(text(control(Form1Ids::DropDownList))) == joined(lines, '\r'); });
}

HWND AdministrationWindow::openFromOptions(const ProgramProcess& tool, char key, const std::string& caption) const {
    if (!awaitForeground(window_)) {
        return nullptr;
    }
    pressWithAlt('O');
    RealInput::press(static_cast<WORD>(key));
    return awaitForm(tool, caption);
}

bool saveAs(const ProgramProcess& program, const std::string& proposed, const std::string& path) {
    HWND dialog = nullptr;
    HWND name = nullptr;
    if (!waitFor([&] { return (dialog = topWindow(program.id(), "#32770", "Save As")) != nullptr; }, kFirstWindow) ||
        !waitFor([&] { return (name = child(dialog, "Edit", proposed)) != nullptr; })) {
        return false;
    }
    SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    clickButton(GetDlgItem(dialog, IDOK));
    return waitFor([&] { return IsWindow(dialog) == FALSE; });
}

TriggerBox::TriggerBox(const ProgramProcess& trigger) : window_(awaitForm(trigger, kBoxCaption)) {}

HWND TriggerBox::control(int id) const {
    return ForeignWindows::control(window_, id);
}

std::string TriggerBox::value() const {
    return text(control(FrmMainIds::Value));
}

bool TriggerBox::type(const std::string& typed, const std::string& shown) const {
    if (!awaitFocus(control(FrmMainIds::Value))) {
        return false;
    }
    RealInput::type(typed);
    return waitFor([&] { return value() == shown; });
}

bool TriggerBox::dropDown() const {
    RealInput::click(control(FrmMainIds::DropDown));
    HWND list = control(FrmMainIds::List);
    // The box grows last, once the list and its button show.
    return waitFor(
        [&] { return IsWindowVisible(list) != FALSE && screenRect(window_).bottom >= screenRect(list).bottom; });
}

HWND TriggerBox::openListEditor(const ProgramProcess& trigger) const {
    HWND button = control(FrmMainIds::EditList);
    if (!waitFor([&] {
            return IsWindowVisible(button) != FALSE && screenRect(window_).bottom >= screenRect(button).bottom;
        })) {
        return nullptr;
    }
    RealInput::click(button);
    return awaitForm(trigger, "Edit List");
}

bool TriggerBox::pick(const std::string& item) const {
    HWND list = control(FrmMainIds::List);
    const std::vector<std::string> items = listBoxItems(list);
    const auto at = std::find(items.begin(), items.end(), item);
    if (at == items.end()) {
        return false;
    }
    RealInput::clickAt(middle(listBoxItem(list, static_cast<int>(at - items.begin()))));
    return waitFor([&] { return value() == item; });
}

RECT boxOverField(const RECT& field, bool dropDown) {
    if (dropDown) {
        return {field.left - 1, field.top - 1, field.right, field.bottom};
    }
    return {field.left - 1, field.top - 1, field.right + 1, field.bottom - 1};
}

std::string describe(const RECT& at) {
    return "(" + std::to_string(at.left) + ", " + std::to_string(at.top) + ") " + std::to_string(at.right - at.left) +
           "x" + std::to_string(at.bottom - at.top);
}

} // namespace corvane::test
