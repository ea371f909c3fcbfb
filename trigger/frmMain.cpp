#include "trigger/frmMain.h"

#include "common/ChangeHistory.h"
#include "common/FieldSettingsFile.h"
#include "common/IniLib.h"
#include "common/Module1.h"
#include "common/ProfileDocument.h"
#include "common/Rights.h"
#include "common/ScopedFlag.h"
#include "common/Text.h"
#include "forms/Runtime.h"
#include "trigger/Module1.h"
#include "trigger/SettingsPaths.h"
#include "trigger/SortedItems.h"
#include "trigger/frmEditList.h"
#include "trigger/modKeyboardHook.h"

#include <chrono>
#include <string_view>

namespace corvane::trigger {

namespace {
constexpr int16_t kEnter = 13;
constexpr int16_t kBackspace = 8;
constexpr int16_t kStartUpCommand = 104;
constexpr int32_t kTickInterval = 100;

constexpr std::string_view kRefusal = "You are not allowed to modify this field.\r"
                                      "Contact your database administrator if you think this is an error.";
constexpr std::string_view kNoDatabase = "Please open an ACT database prior to running Corvane!";
constexpr std::string_view kNoAct = "Unable to communicate with ACT!\r"
                                    "Please run actreg.exe located in the ACT folder and try again";
constexpr std::string_view kNoUsersFile =
    "The trigger for Corvane cannot find the file with the User's settings.\r"
    "Please contact your database administrator or run Corvane and check the Settings Locations under the "
    "Options menu.";

/// Height of the open drop-down list for its number of items; the steps are uneven on purpose.
int32_t dropDownHeight(int32_t itemCount) {
    switch (itemCount) {
    case 0:
        return 0;
    case 1:
        return 270;
    case 2:
        return 520;
    case 3:
        return 720;
    default:
        return 960;
    }
}
} // namespace

frmMain::frmMain(forms::Runtime& runtime, TriggerServices services)
    : Form(
          runtime,
          {.name = "frmMain", .caption = "705", .width = 3150, .height = 285, .borderStyle = forms::BorderStyle::None}),
      services_(services) {
    txtNewValue.KeyPress = [this](int16_t& keyAscii) { txtNewValue_KeyPress(keyAscii); };
    lstNewValue.KeyPress = [this](int16_t& keyAscii) { lstNewValue_KeyPress(keyAscii); };
    lstNewValue.Click = [this] { lstNewValue_Click(); };
    cmdDD.Click = [this] { cmdDD_Click(); };
    cmdEditList.Click = [this] { cmdEditList_Click(); };
    tmr1.Timer = [this] { tmr1_Timer(); };
}

frmMain::~frmMain() {
    if (eventSource_ != 0) {
        runtime().removeMessageSource(eventSource_);
    }
    if (ActEvent1) {
        ActEvent1->SetEventSink(nullptr);
    }
}

// ---- Start-up and the rights decision

void frmMain::Form_Load() {
    try {
        // Nothing writes this key any more; a store that cannot delete it is no reason to stop.
        services_.settings.Delete(kAppName, kSettingsSection, "End");
    } catch (const RuntimeError&) {
    }
    const bool started = services_.errors.guard("Module1: Sub Main", [&](Statement& at) {
        at(10);
        ActEvent1 = services_.factory.CreateEventControl();
        ActEvent1->SetEventSink(this);
        eventSource_ = runtime().addMessageSource([this] { ActEvent1->PumpEvents(); });
        at(20);
        bBusy = true;
        at(30);
        hKeyboardHook = services_.windows.SetWindowsHookExA(
            forms::WH_KEYBOARD_LL, [this](int32_t code, int32_t message, const forms::KeyboardEvent& event) {
                return modKeyboardHook::KeyboardHookProc(services_.windows, *this, code, message, event);
            });
        at(40);
        if (runtime().app().PrevInstance()) {
            Unload();
            return;
        }
        at(50);
        if (!actCanBeReached()) {
            Unload();
            return;
        }
        connectToAct(at);
        at(130);
        sGenericName = corvane::Module1::Get_Generic_Name(*host_.objApp, services_.errors);
        at(140);
        Launch_Program();
    });
    if (!started) {
        endRunNow();
    }
}

bool frmMain::actCanBeReached() {
    if (ActEvent1->Operation1(0) > 0) {
        return true;
    }
    if (ActEvent1->Operation3()) {
        runtime().MsgBox(kNoAct, {.icon = forms::MsgBoxIcon::Critical});
    } else {
        runtime().MsgBox(kNoDatabase, {.icon = forms::MsgBoxIcon::Exclamation});
    }
    return false;
}

void frmMain::connectToAct(Statement& at) {
    at(60);
    host_.objApp = act::CreateObjectAs<act::Application>(services_.factory, act::kAppObjectClass);
    at(70);
    host_.objApp->OpenFile("");
    at(80);
    host_.objViews = host_.objApp->Views();
    at(90);
    host_.objApp->Command(kStartUpCommand);
    at(100);
    host_.objActiveView = host_.objViews->GetActive();
    at(110);
    host_.iViewType = host_.objActiveView->Type();
    at(120);
    host_.objCV = host_.objViews->Create(host_.iViewType, std::string(act::kContactViewName));
}

void frmMain::Launch_Program() {
    const bool done = services_.errors.guard("frmMain: Sub Launch_Program", [&](Statement& at) {
        at(10);
        tmr1.setInterval(kTickInterval);
        at(20);
        iCurrentField = host_.objCV->CurrentFieldID();
        at(30);
        sStartValue = host_.objCV->GetField(iCurrentField);
        at(40);
        sUserID = host_.objApp->GetUserID();
        iRights = IsUserAuthorized(sUserID);
        at(50);
        if (refuses()) {
            runtime().MsgBox(kRefusal, {.icon = forms::MsgBoxIcon::Information}, "Corvane");
            Unload();
            return;
        }
        at(60);
        const forms::Hwnd actWindow = Module1::GetACTHandle(services_.windows, services_.errors);
        const forms::Hwnd field = Module1::FindACTFieldHandle(services_.windows, services_.errors, actWindow);
        at(70);
        if (!layOverField(field)) {
            Unload();
            return;
        }
        at(80);
        txtNewValue.setText(sStartValue);
        txtNewValue.setSelStart(static_cast<int32_t>(sStartValue.size()));
        at(90);
        setVisible(true);
        services_.windows.SetForegroundWindow(hWnd());
        at(100);
        bBusy = false;
    });
    if (!done) {
        endRunNow();
    }
}

bool frmMain::layOverField(forms::Hwnd field) {
    // A field window that vanished before its rectangle could be read is as good as none.
    if (field == 0 || !services_.windows.GetWindowRect(field, rcField)) {
        return false;
    }
    iListCount = Load_List(iCurrentField);
    if (iListCount == -1) {
        Module1::Position_Text_Only(*this, txtNewValue, rcField);
    } else {
        Module1::Position_With_Dropdown(*this, txtNewValue, cmdDD, rcField);
    }
    return true;
}

bool frmMain::refuses() const {
    return !mayChange(static_cast<RightsLevel>(iRights), sStartValue);
}

int16_t frmMain::IsUserAuthorized(const std::string& userId) {
    auto level = RightsLevel::None;
    const bool done = services_.errors.guard("frmMain: Function IsUserAuthorized", [&](Statement& at) {
        at(10);
        const std::string usersFile = SettingsPaths::usersFile(services_.settings, runtime().app());
        at(20);
        if (!corvane::Module1::FileExists(usersFile, services_.errors)) {
            runtime().MsgBox(kNoUsersFile, {}, "Incomplete Set-up");
            level = RightsLevel::Full;
            return;
        }
        at(30);
        const ProfileDocument document = IniLib::ReadKeys(usersFile, services_.errors);
        at(40);
        const RightsLists lists = effectiveRightsLists(document, sGenericName, text::decimal(iCurrentField));
        at(50);
        level = rightsLevel(userId, lists);
    });
    // A decision that could not be made refuses: nobody gets rights through a failure.
    return static_cast<int16_t>(done ? level : RightsLevel::None);
}

// ---- The edit

int32_t frmMain::Load_List(int16_t fieldNumber) {
    int32_t count = -1;
    services_.errors.guard("frmMain: Function Load_List", [&](Statement& at) {
        at(10);
        const std::string path =
            SettingsPaths::fieldSettingsFile(services_.settings, runtime().app(), sGenericName, fieldNumber);
        at(20);
        if (!corvane::Module1::FileExists(path, services_.errors)) {
            return;
        }
        at(30);
        count = 0;
        FieldSettingsReader reader(path);
        at(40);
        bOnlyFromDropdown = triggerFlag(reader.nextLine(), kOnlyFromDropdownPrefix);
        at(50);
        bAllowEditing = triggerFlag(reader.nextLine(), kAllowEditingPrefix);
        at(60);
        count = addFileItemsSorted(lstNewValue, reader);
    });
    return count;
}

void frmMain::cmdDD_Click() {
    Drop_Down_List();
}

void frmMain::Drop_Down_List() {
    // Cleared however this ends: a timer held off for good would leave the edit without an end.
    const ScopedFlag busy(bBusy);
    lstNewValue.setWidth(Width() - 10);
    lstNewValue.setTop(txtNewValue.Height());
    lstNewValue.setHeight(dropDownHeight(iListCount));
    lstNewValue.setVisible(true);
    Select_Default();
    if (bAllowEditing) {
        cmdEditList.setWidth(lstNewValue.Width());
        cmdEditList.setTop(lstNewValue.Top() + lstNewValue.Height());
        cmdEditList.setVisible(true);
        setHeight(lstNewValue.Height() + txtNewValue.Height() + cmdEditList.Height());
    } else {
        setHeight(lstNewValue.Height() + txtNewValue.Height());
    }
    txtNewValue.SetFocus();
}

void frmMain::Select_Default() {
    services_.errors.guard("frmMain: Sub Select_Default", [&](Statement& at) {
        at(10);
        for (int32_t i = 0; i < lstNewValue.ListCount(); ++i) {
            if (lstNewValue.List(i) == txtNewValue.Text()) {
                at(20);
                bSelectingDefault = true;
                lstNewValue.setListIndex(i);
                at(30);
                lstNewValue.setTopIndex(i);
                break;
            }
        }
    });
    bSelectingDefault = false;
}

void frmMain::lstNewValue_Click() {
    services_.errors.guard("frmMain: Sub lstNewValue_Click", [&](Statement& at) {
        at(10);
        const int32_t selected = lstNewValue.ListIndex();
        txtNewValue.setText(selected >= 0 ? lstNewValue.List(selected) : std::string());
        at(20);
        // The form shrinks to the field's height again, which cuts the list off: the pick closes it.
        Module1::Position_With_Dropdown(*this, txtNewValue, cmdDD, rcField);
    });
}

void frmMain::txtNewValue_KeyPress(int16_t& keyAscii) {
    services_.errors.guard("frmMain: Sub txtNewValue_KeyPress", [&](Statement& at) {
        at(10);
        if (keyAscii == kEnter) {
            enterPressed();
            return;
        }
        at(20);
        if (!bOnlyFromDropdown) {
            return;
        }
        at(30);
        // Only list items may be chosen: typed characters are dropped, and Backspace widens the
        // selection towards the start before it finally empties the box.
        const bool backspace = keyAscii == kBackspace;
        keyAscii = 0;
        if (!backspace) {
            return;
        }
        at(40);
        const int32_t caret = txtNewValue.SelStart();
        if (caret > 0) {
            txtNewValue.setSelStart(caret - 1);
            txtNewValue.setSelLength(static_cast<int32_t>(txtNewValue.Text().size()) - (caret - 1));
        } else {
            txtNewValue.setText("");
        }
    });
}

void frmMain::lstNewValue_KeyPress(int16_t& keyAscii) {
    services_.errors.guard("frmMain: Sub lstNewValue_KeyPress", [&](Statement& at) {
        at(10);
        if (keyAscii == kEnter) {
            enterPressed();
        }
    });
}

void frmMain::enterPressed() {
    // ACT! brings its contact view to the front here, so the Enter sent next reaches ACT! and the
    // value box loses the foreground: the next tick writes the value.
    host_.objCV = host_.objViews->Create(host_.iViewType, std::string(act::kContactViewName));
    runtime().SendKeys("{ENTER}", false);
}

void frmMain::cmdEditList_Click() {
    const ScopedFlag editing(bEditingList);
    WriteData();
    {
        frmEditList editor(runtime(), services_, *this);
        editor.Show(true);
    }
    if (!sEditChosen.empty()) {
        txtNewValue.setText(sEditChosen);
    }
}

void frmMain::tmr1_Timer() {
    const bool done = services_.errors.guard("frmMain: Sub tmr1_Timer", [&](Statement& at) {
        at(10);
        if (bBusy) {
            return;
        }
        at(20);
        if (bEditingList) {
            Hide();
            return;
        }
        at(30);
        if (bEscape) {
            tmr1.setEnabled(false);
            Unload();
            return;
        }
        at(40);
        if (services_.windows.GetForegroundWindow() != hWnd() || bTab) {
            at(50);
            endEdit();
        }
    });
    if (!done) {
        endRunNow();
    }
}

void frmMain::endEdit() {
    tmr1.setEnabled(false);
    if (!bOnlyFromDropdown || in_list(txtNewValue.Text())) {
        WriteData();
    }
    if (bTab) {
        runtime().SendKeys("{TAB}", false);
    }
    Unload();
}

bool frmMain::in_list(const std::string& value) {
    bool found = false;
    services_.errors.guard("frmMain: Function in_list", [&](Statement& at) {
        at(10);
        found = value.empty();
        at(20);
        for (int32_t i = 0; !found && i < lstNewValue.ListCount(); ++i) {
            found = lstNewValue.List(i) == value;
        }
    });
    return found;
}

void frmMain::WriteData() {
    services_.errors.guard("frmMain: Function WriteData", [&](Statement& at) {
        at(10);
        if (bSelectingDefault) {
            return;
        }
        at(20);
        host_.objCV->SetField(iCurrentField, txtNewValue.Text());
        at(30);
        Record_Change(txtNewValue.Text());
    });
}

void frmMain::Record_Change(const std::string& written) {
    // ACT! holds the value already: a history that cannot be written is reported, and nothing more.
    services_.errors.guard("frmMain: Sub Record_Change", [&](Statement& at) {
        at(10);
        const std::string path =
            ChangeHistory::historyPath(SettingsPaths::usersFile(services_.settings, runtime().app()), sGenericName);
        at(20);
        const HistoryRecord record{std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now()), sUserID,
                                   iCurrentField, sStartValue, written};
        at(30);
        ChangeHistory::append(path, record);
    });
}

// ---- Shutdown

void frmMain::Form_Unload(int16_t& /*cancel*/) {
    services_.errors.guard("frmMain: Sub Form_Unload", [&](Statement& at) {
        at(10);
        if (hKeyboardHook != 0) {
            services_.windows.UnhookWindowsHookEx(hKeyboardHook);
            hKeyboardHook = 0;
        }
        at(20);
        if (ActEvent1) {
            ActEvent1->Operation2();
        }
    });
}

void frmMain::OnActUserWantsToClose(int32_t /*reason*/) {
    ActEvent1_OnActUserWantsToClose();
}

void frmMain::OnDatabaseClose() {
    ActEvent1_OnDatabaseClose();
}

void frmMain::ActEvent1_OnActUserWantsToClose() {
    services_.errors.guard("frmMain: Sub ActEvent1_OnActUserWantsToClose", [&](Statement& at) {
        at(10);
        endRunNow();
    });
}

void frmMain::ActEvent1_OnDatabaseClose() {
    services_.errors.guard("frmMain: Sub ActEvent1_OnDatabaseClose", [&](Statement& at) {
        at(10);
        endRunNow();
    });
}

void frmMain::endRunNow() {
    Unload();
    // The list editor and its dialogs may still be open; they go too, so nothing is written after
    // the run has ended.
    runtime().End();
}

} // namespace corvane::trigger
