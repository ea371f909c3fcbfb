#pragma once

#include "platform/win32/ui/WinApi.h"
#include "tests/win32programs/ProgramProcess.h"

#include <string>
#include <vector>

namespace corvane::test {

/// Window ids of the programs' controls: 100 + the control's place in the order its form makes them
/// (depth first, a frame before the controls in it), as the Win32 backend numbers them. The forms'
/// designs are in admin/ and trigger/.
namespace Form1Ids {
enum : int {
    Users = 102,
    Close = 104,
    Cancel = 105,
    FieldSettings = 106,
    Fields = 109,
    Save = 110,
    FieldUsers = 112,
    DropDownList = 114,
    AllowEditing = 116,
    OwnUsers = 118,
    RightsBox = 119,
};
} // namespace Form1Ids

namespace FrmMainIds {
enum : int { Value = 100, DropDown = 101, List = 102, EditList = 103 };
} // namespace FrmMainIds

namespace FrmEditListIds {
enum : int { Items = 101, Ok = 102, Add = 104 };
} // namespace FrmEditListIds

/// frmAdd and frmModify.
namespace ItemDialogIds {
enum : int { Item = 101, Ok = 102 };
} // namespace ItemDialogIds

namespace FrmHistoryIds {
enum : int { History = 104, Export = 106, Close = 107 };
} // namespace FrmHistoryIds

namespace FrmRightsReportIds {
enum : int { Rights = 100, CheckUser = 104, CheckField = 106, Explanation = 107, Export = 108, Close = 110 };
} // namespace FrmRightsReportIds

namespace FrmIntegrateIds {
/// The check box for the toolbar of ACT!'s contact view.
enum : int { ContactsToolbar = 101 };
} // namespace FrmIntegrateIds

/// A rights level, as the Rights box lists them.
enum class Level { Full = 0, Initialize = 1, None = 2 };
std::string nameOf(Level level);

/// A visible form of a program ("CorvaneForm" windows) by its caption, once it shows (waited for
/// boundedly); null when it does not.
HWND awaitForm(const ProgramProcess& program, const std::string& caption);
/// A message box of a program, once it shows; null when it does not.
HWND awaitMessageBox(const ProgramProcess& program);

/// Corvane.exe's main window as its user works it, from outside. Buttons, check boxes and option
/// buttons get the message their own click sends (BM_CLICK); a pick in a combo box is its selection
/// and its parent's notification. A list view's Rights cell, the drop-down list's box and the menu
/// get real input (SendInput): the tool reads where the mouse went up and which keys were typed.
class AdministrationWindow {
public:
    /// The tool's window, once it shows.
    explicit AdministrationWindow(const ProgramProcess& tool);

    bool shown() const { return window_ != nullptr; }
    HWND window() const { return window_; }
    HWND control(int id) const;

    /// The user clicks a button, check box or option button; true once it is done (a check box or
    /// option button shows its check).
    void click(int id) const;
    bool check(int id) const;
    /// The user shows the field settings and picks the field; true once its settings can be edited.
    bool showField(const std::string& name) const;
    /// The user clicks the Rights cell of a row of a users list and picks a level in the box that
    /// comes over it; true once the row shows the level.
    bool chooseLevel(int list, int row, Level level) const;
    /// The user clicks into the drop-down list's box and types the lines, Enter after each but the
    /// last; true once the box shows them.
    bool typeDropDownList(const std::vector<std::string>& lines) const;
    /// The user opens a dialog of the Options menu by its access key (Alt+O, then `key`): the dialog
    /// with that caption, or null.
    HWND openFromOptions(const ProgramProcess& tool, char key, const std::string& caption) const;

private:
    HWND window_ = nullptr;
};

/// The trigger's box over ACT!'s field as its user works it: real clicks and keys.
class TriggerBox {
public:
    /// The box of the trigger's process, once it shows.
    explicit TriggerBox(const ProgramProcess& trigger);

    bool shown() const { return window_ != nullptr; }
    HWND window() const { return window_; }
    HWND control(int id) const;
    std::string value() const;
    /// The user types into the box, once it has the keyboard; true once the box shows `shown`.
    bool type(const std::string& typed, const std::string& shown) const;
    /// The user opens the drop-down list; true once the box has grown to show it whole.
    bool dropDown() const;
    /// The user clicks "Edit list ..." under the open list: the list editor, or null.
    HWND openListEditor(const ProgramProcess& trigger) const;
    /// The user picks an item of the open list; true once the box shows it.
    bool pick(const std::string& item) const;

private:
    HWND window_ = nullptr;
};

/// A program's save-file dialog answered as its user answers it: the file name box, which holds
/// `proposed`, gets `path`, and Save is clicked; true once the dialog has gone.
bool saveAs(const ProgramProcess& program, const std::string& proposed, const std::string& path);

/// Where the trigger lays its box over a field, at 15 twips a pixel: 20 twips (a pixel) above and left
/// of it; without a drop-down list 30 twips (two pixels) wider and as high, with one 20 twips wider
/// and higher.
RECT boxOverField(const RECT& field, bool dropDown);
/// A rectangle as "(left, top) widthxheight".
std::string describe(const RECT& at);

} // namespace corvane::test
