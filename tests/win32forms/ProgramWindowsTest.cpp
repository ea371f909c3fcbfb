#include "admin/AdminProgram.h"
#include "admin/frmAbout.h"
#include "admin/frmRightsReport.h"
#include "common/ChangeHistory.h"
#include "common/ErrorReport.h"
#include "platform/win32/ui/WindowText.h"
#include "tests/win32forms/Cue.h"
#include "tests/win32forms/MessageLoop.h"
#include "tests/win32forms/NativeDialog.h"
#include "tests/win32forms/ProgramOnWin32.h"
#include "tests/win32forms/RealInput.h"
#include "tests/win32forms/Screenshot.h"
#include "tests/win32forms/TriggerOnWin32.h"
#include "tests/win32forms/WindowLayout.h"
#include "trigger/frmEditList.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

namespace corvane::forms::win32::test {
namespace {

using Names = std::vector<std::string>;

/// What a test finds of a form shown modally: whether it showed, its misplaced and cut controls.
struct ShownForm {
    bool shown = false;
    Names misplaced{"never shown"};
    Names clipped{"never shown"};
    bool blank = true;
};

/// The loaded form whose window is active, or null.
Form* activeForm(Win32Backend& backend) {
    return backend.formOf(GetActiveWindow());
}

/// Notes where the controls of the active form lie and saves its picture as `name`.
ShownForm inspectActive(Win32Backend& backend, const std::string& name) {
    Form& form = *activeForm(backend);
    ShownForm found;
    found.shown = true;
    found.misplaced = WindowLayout::misplaced(backend, form);
    found.clipped = WindowLayout::clipped(backend, form);
    found.blank = saveWindow(backend.windowOf(form)->window(), name).blank();
    return found;
}

/// A cue for the moment the form named `formName` is the active window.
std::function<bool()> whenActive(Win32Backend& backend, const std::string& formName) {
    return [&backend, formName] {
        Form* form = activeForm(backend);
        return form != nullptr && form->Name() == formName;
    };
}

/// Closes the active window with its close box, as a cue that waited in vain does.
void closeActiveWindow() {
    PostMessageA(GetActiveWindow(), WM_CLOSE, 0, 0);
}

/// Picks an entry of the window's menu bar by its caption: the command a pick of it sends.
bool pickMenuEntry(HWND window, const std::string& caption) {
    HMENU bar = GetMenu(window);
    for (int menu = 0; menu < GetMenuItemCount(bar); ++menu) {
        HMENU popup = GetSubMenu(bar, menu);
        for (int entry = 0; entry < GetMenuItemCount(popup); ++entry) {
            char text[128] = {};
            GetMenuStringA(popup, static_cast<UINT>(entry), text, sizeof text, MF_BYPOSITION);
            if (caption == text) {
                return PostMessageA(window, WM_COMMAND, MAKEWPARAM(GetMenuItemID(popup, entry), 0), 0) != FALSE;
            }
        }
    }
    return false;
}

/// Shows a dialog from a menu entry, lets `prepare` play the user in it, inspects it and closes it
/// with its close box.
ShownForm showDialog(ProgramOnWin32& demo, HWND main, const std::string& entry, const std::string& formName,
                     const std::function<void(Form&)>& prepare = {}) {
    Win32Backend& backend = demo.session.backend;
    ShownForm found;
    Cue shown(
        whenActive(backend, formName),
        [&] {
            if (prepare) {
                prepare(*activeForm(backend));
            }
            found = inspectActive(backend, formName);
            closeActiveWindow();
        },
        closeActiveWindow);
    const Cue deadline = Cue::deadline(endOf(demo.session));
    EXPECT_TRUE(pickMenuEntry(main, entry)) << entry;
    EXPECT_TRUE(pumpUntil([&] { return shown.fired() || shown.gaveUp(); }));
    EXPECT_TRUE(pumpUntil([&] { return activeForm(backend) != nullptr && activeForm(backend)->Name() == "Form1"; }))
        << "Form1 is not active again after " << formName;
    return found;
}

/// The rectangle of a list view's cell (row and column from 0) in the list's client area.
RECT cellOf(HWND list, int row, int column) {
    RECT cell{};
    cell.top = column;
    cell.left = LVIR_BOUNDS;
    SendMessageA(list, LVM_GETSUBITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell));
    return cell;
}

RECT onScreen(HWND window, RECT inClientArea) {
    MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&inClientArea), 2);
    return inClientArea;
}

/// The list editor in front.
trigger::frmEditList& editorOf(Win32Backend& backend) {
    return dynamic_cast<trigger::frmEditList&>(*activeForm(backend));
}

RECT screenRect(HWND window) {
    RECT at{};
    GetWindowRect(window, &at);
    return at;
}

/// A few changes for the change history dialog to show.
void writeHistory(const std::string& path) {
    using namespace std::chrono;
    const sys_seconds morning = sys_days{2026y / December / 7} + 8h;
    ChangeHistory::append(path, {morning, "K7Q2M9X1", 21, "North", "North-East"});
    ChangeHistory::append(path, {morning + 12min, "P3R8T4V6", 40, "", "Wholesale"});
    ChangeHistory::append(path, {morning + 47min, "K7Q2M9X1", 31, "5000", "7500"});
}

TEST(ProgramWindows, AdministrationToolAndItsDialogs) {
    ProgramOnWin32 demo("Corvane");
    writeHistory(demo.settingsFile("Sales.history"));
    admin::AdminProgram program(demo.session.runtime, demo.factory, demo.settings);
    program.start();
    admin::Form1& form = program.mainForm();
    ASSERT_TRUE(form.Visible());
    Win32Backend& backend = demo.session.backend;
    HWND window = demo.windowOf(form);
    ASSERT_TRUE(pumpUntil([&] { return GetForegroundWindow() == window; }));
    EXPECT_EQ(WindowLayout::misplaced(backend, form), Names{});
    EXPECT_EQ(WindowLayout::clipped(backend, form), Names{});
    EXPECT_FALSE(saveWindow(window, "Form1_collapsed").blank());

    RealInput::click(WindowLayout::windowOf(backend, form.cmdFieldSettings));
    ASSERT_TRUE(pumpUntil([&] { return form.Height() == admin::Form1::kExpandedHeight; }));
    form.cboFields.SetFocus();
    RealInput::press(VK_DOWN);
    ASSERT_TRUE(pumpUntil([&] { return form.cboFields.ListIndex() >= 0; }));
    HWND users = WindowLayout::windowOf(backend, form.lvwUsers);
    // The list's rows lie where the model measures them: under a header of 17 pixels, 18 pixels high
    // (the height of the image list's pictures).
    const RECT cell = cellOf(users, 1, 1);
    EXPECT_EQ(cell.top, forms::ListView::kHeaderPixels + 18);
    EXPECT_EQ(cell.bottom - cell.top, 18);
    const RECT rights = onScreen(users, cell);
    RealInput::clickAt({(rights.left + rights.right) / 2, (rights.top + rights.bottom) / 2});
    ASSERT_TRUE(pumpUntil([&] { return form.cboFloating.Visible(); }));
    EXPECT_EQ(form.lvwUsers.SelectedItem(), &form.lvwUsers.ListItems(2));
    // The combo box lies over the cell that was clicked, in front of the list: from the cell's left
    // edge (the design leaves two pixels) over the whole row.
    HWND floating = WindowLayout::windowOf(backend, form.cboFloating);
    const RECT combo = screenRect(floating);
    EXPECT_NEAR(combo.left, rights.left, 2);
    EXPECT_LE(combo.top, rights.top);
    EXPECT_GE(combo.bottom, rights.bottom);
    EXPECT_EQ(WindowFromPoint({combo.left + 5, combo.top + 5}), floating);
    EXPECT_EQ(WindowLayout::misplaced(backend, form), Names{});
    EXPECT_EQ(WindowLayout::clipped(backend, form), Names{});
    EXPECT_FALSE(saveWindow(window, "Form1_expanded").blank());

    // The rights report explains why Sam may not change the filled-in "Sales Region" of contact 1.
    const auto checkSamInRegion = [](Form& shown) {
        auto& report = dynamic_cast<admin::frmRightsReport&>(shown);
        report.cboCheckUser.setListIndex(1);
        report.cboCheckField.setListIndex(1);
    };
    for (const auto& [entry, formName, prepare] :
         {std::tuple{"Settings &Locations", "frmLocations", std::function<void(Form&)>()},
          std::tuple{"&Integrate with ACT!", "frmIntegrate", std::function<void(Form&)>()},
          std::tuple{"Change &History...", "frmHistory", std::function<void(Form&)>()},
          std::tuple{"&Rights Report...", "frmRightsReport", std::function<void(Form&)>(checkSamInRegion)},
          std::tuple{"&About", "frmAbout", std::function<void(Form&)>()}}) {
        const ShownForm dialog = showDialog(demo, window, entry, formName, prepare);
        EXPECT_TRUE(dialog.shown) << formName;
        EXPECT_EQ(dialog.misplaced, Names{}) << formName;
        EXPECT_EQ(dialog.clipped, Names{}) << formName;
        EXPECT_FALSE(dialog.blank) << formName;
    }
}

/// The font a window draws its text in, as the screen has it.
struct ShownFont {
    std::string face;
    LONG pixels = 0; // the characters' height, without the room for accents
    bool bold = false;
};

ShownFont fontOf(HWND window) {
    HDC dc = GetDC(window);
    HGDIOBJ before = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(window, WM_GETFONT, 0, 0)));
    char face[LF_FACESIZE] = {};
    GetTextFaceA(dc, sizeof face, face);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, before);
    ReleaseDC(window, dc);
    return {face, metrics.tmHeight - metrics.tmInternalLeading, metrics.tmWeight >= FW_BOLD};
}

TEST(ProgramWindows, CaptionsAreInTheClassicDialogFace) {
    ProgramOnWin32 demo("Corvane");
    ErrorReporter errors("Corvane", demo.session.errorSink);
    admin::frmAbout about(demo.session.runtime, errors);
    about.Show();
    Win32Backend& backend = demo.session.backend;
    // Without the face (a Wine prefix lacking Wine's own fonts) every caption is wider and wraps.
    const ShownFont standard = fontOf(WindowLayout::windowOf(backend, about.cmdOK));
    EXPECT_EQ(standard.face, "MS Sans Serif");
    EXPECT_EQ(standard.pixels, 11); // 8.25 points at 96 dots per inch
    EXPECT_FALSE(standard.bold);
    const ShownFont title = fontOf(WindowLayout::windowOf(backend, about.lblTitle));
    EXPECT_EQ(title.face, "MS Sans Serif");
    EXPECT_GT(title.pixels, standard.pixels); // 13.5 points, as near as the face has it
    EXPECT_TRUE(title.bold);
}

TEST(ProgramWindows, ErrorReportIsAPlainBoxWithTheWholeReport) {
    ProgramOnWin32 demo("Corvane");
    Names texts;
    Names buttons;
    Names clipped{"never shown"};
    std::string title;
    bool icon = true;
    bool blank = true;
    Cue shown([] { return NativeDialog::open() != nullptr; },
              [&] {
                  HWND box = NativeDialog::open();
                  texts = NativeDialog::texts(box);
                  buttons = NativeDialog::buttons(box);
                  clipped = NativeDialog::clippedChildren(box);
                  title = windowText(box);
                  icon = NativeDialog::showsIcon(box);
                  blank = saveWindow(box, "ErrorReport").blank();
                  RealInput::press(VK_RETURN);
              },
              endOf(demo.session));
    const Cue deadline = Cue::deadline(endOf(demo.session));
    ErrorReporter reporter("Corvane", demo.session.errorSink);
    demo.session.runtime.dispatch(
        [&] { reporter.report(RuntimeError(vberr::FileNotFound), "Form1: Sub cmdSave_Click", 40); });

    EXPECT_TRUE(shown.fired());
    EXPECT_EQ(title, "Corvane error");
    EXPECT_EQ(texts, Names{"Error 53: 'File not found'\r\nin Form1: Sub cmdSave_Click - Line # 40\r\n\r\n"
                           "Please send this error message to support@corvane.com"});
    EXPECT_EQ(buttons, Names{"OK"});
    EXPECT_FALSE(icon);
    EXPECT_EQ(clipped, Names{});
    EXPECT_FALSE(blank);
}

/// The screen around ACT!'s field: the field's label, the field and the trigger's window over it.
RECT aroundField() {
    const RECT field = TriggerOnWin32::kField;
    return RECT{field.left - 90, field.top - 20, field.right + 40, field.bottom + 110};
}

TEST(ProgramWindows, TriggerOverAFieldWithoutDropDownList) {
    TriggerOnWin32 demo;
    ASSERT_TRUE(demo.act.ready());
    demo.start();
    trigger::frmMain& form = demo.form();
    ASSERT_TRUE(form.Visible());
    HWND window = demo.windowOf(form);
    ASSERT_TRUE(pumpUntil([&] { return GetForegroundWindow() == window; }));
    // 20 twips up and left of the field, 30 twips wider, as high.
    EXPECT_EQ(WindowLayout::describe(screenRect(window)), "(99, 299) 202x20");
    EXPECT_EQ(WindowLayout::misplaced(demo.session.backend, form), Names{});
    EXPECT_EQ(WindowLayout::clipped(demo.session.backend, form), Names{});
    paintNow(window);
    const ScreenImage picture = captureScreen(aroundField());
    savePng(picture, "frmMain_text_only");
    EXPECT_FALSE(picture.blank());
}

TEST(ProgramWindows, TriggerWithItsDropDownListAndListEditor) {
    TriggerOnWin32 demo;
    ASSERT_TRUE(demo.act.ready());
    corvane::test::writeBytes(demo.settingsFile("Sales15.dat"),
                              "OnlyFromDropdown=0\r\nAllowEditing=1\r\nCustomer\r\nProspect\r\nVendor\r\nPartner\r\n");
    demo.start();
    trigger::frmMain& form = demo.form();
    ASSERT_TRUE(form.Visible());
    Win32Backend& backend = demo.session.backend;
    HWND window = demo.windowOf(form);
    ASSERT_TRUE(pumpUntil([&] { return GetForegroundWindow() == window; }));
    EXPECT_TRUE(form.cmdDD.Visible());
    EXPECT_EQ(WindowLayout::describe(screenRect(window)), "(99, 299) 201x21");
    EXPECT_EQ(WindowLayout::misplaced(backend, form), Names{});
    EXPECT_EQ(WindowLayout::clipped(backend, form), Names{});
    paintNow(window);
    const ScreenImage withList = captureScreen(aroundField());
    savePng(withList, "frmMain_with_list");
    EXPECT_FALSE(withList.blank());

    RealInput::click(WindowLayout::windowOf(backend, form.cmdDD));
    ASSERT_TRUE(pumpUntil([&] { return form.lstNewValue.Visible(); }));
    EXPECT_TRUE(form.cmdEditList.Visible());
    EXPECT_EQ(WindowLayout::misplaced(backend, form), Names{});
    EXPECT_EQ(WindowLayout::clipped(backend, form), Names{});
    paintNow(window);
    const ScreenImage droppedDown = captureScreen(aroundField());
    savePng(droppedDown, "frmMain_dropped_down");
    EXPECT_FALSE(droppedDown.blank());

    // The list editor, and from it the dialogs that add and modify an item, each closed as a user
    // would: Escape in the item dialogs, Cancel in the editor.
    ShownForm editor;
    ShownForm add;
    ShownForm modify;
    Cue editorShown(
        whenActive(backend, "frmEditList"),
        [&] {
            editor = inspectActive(backend, "frmEditList");
            RealInput::click(WindowLayout::windowOf(backend, editorOf(backend).cmdAdd));
        },
        closeActiveWindow);
    Cue addShown(
        whenActive(backend, "frmAdd"),
        [&] {
            add = inspectActive(backend, "frmAdd");
            RealInput::press(VK_ESCAPE);
        },
        closeActiveWindow, 2 * kPatience);
    Cue editorAgain([&] { return addShown.fired() && whenActive(backend, "frmEditList")(); },
                    [&] {
                        trigger::frmEditList& list = editorOf(backend);
                        RealInput::clickAt(
                            WindowLayout::listItemOnScreen(WindowLayout::windowOf(backend, list.lstItems), 0));
                        RealInput::click(WindowLayout::windowOf(backend, list.cmdModify));
                    },
                    closeActiveWindow, 3 * kPatience);
    Cue modifyShown(
        whenActive(backend, "frmModify"),
        [&] {
            modify = inspectActive(backend, "frmModify");
            RealInput::press(VK_ESCAPE);
        },
        closeActiveWindow, 4 * kPatience);
    Cue editorLast([&] { return modifyShown.fired() && whenActive(backend, "frmEditList")(); },
                   [&] { RealInput::click(WindowLayout::windowOf(backend, editorOf(backend).cmdCancel)); },
                   closeActiveWindow, 5 * kPatience);
    const Cue deadline = Cue::deadline(endOf(demo.session), 7 * kPatience);
    RealInput::click(WindowLayout::windowOf(backend, form.cmdEditList));
    EXPECT_TRUE(pumpUntil([&] { return editorLast.fired() || editorLast.gaveUp(); }, 6 * kPatience));
    EXPECT_TRUE(pumpUntil([&] { return activeForm(backend) == nullptr || activeForm(backend) == &form; }));
    EXPECT_TRUE(editor.shown);
    EXPECT_EQ(editor.misplaced, Names{});
    EXPECT_EQ(editor.clipped, Names{});
    EXPECT_TRUE(add.shown);
    EXPECT_EQ(add.misplaced, Names{});
    EXPECT_EQ(add.clipped, Names{});
    EXPECT_TRUE(modify.shown);
    EXPECT_EQ(modify.misplaced, Names{});
    EXPECT_EQ(modify.clipped, Names{});
}

} // namespace
} // namespace corvane::forms::win32::test
