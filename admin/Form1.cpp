#include "admin/Form1.h"

#include "admin/Module1.h"
#include "admin/ShellOpen.h"
#include "admin/modListView_w_Combo.h"
#include "admin/modPopulateACTLists.h"
#include "common/SettingsPaths.h"
#include "common/Text.h"
#include "common/VbConvert.h"

namespace corvane::admin {

namespace {

constexpr int32_t kAdministratorSecurity = 5;
constexpr int16_t kCloseActCommand = 150;
constexpr int32_t kRestartTickMs = 1000;
constexpr int16_t kRestartTicks = 2;
constexpr const char* kHideCaption = "Hide Field Settings";
constexpr const char* kShowCaption = "Show Field Settings";

/// A stored window position, read back as a number as VB assigns text to a numeric property.
int32_t storedTwips(const std::string& value) {
    const auto number = vb::parseNumber(value);
    if (!number) {
        throw RuntimeError(vberr::TypeMismatch);
    }
    return vb::CLng(*number);
}

} // namespace

Form1::Form1(forms::Runtime& runtime, act::ActFactory& factory, SettingsStore& settings, ErrorReporter& errors)
    : Form(runtime, {.name = "Form1",
                     .caption = runtime.app().Title(),
                     .width = 7275,
                     .height = kCollapsedHeight,
                     .borderStyle = forms::BorderStyle::FixedSingle}),
      factory_(factory), settings_(settings), errors_(errors), ActEvent1(factory.CreateEventControl()) {
    optUsers.add(
        fraFiles,
        {.name = "optUsers", .index = 0, .left = 285, .top = 1320, .width = 2000, .height = 255, .enabled = false},
        {.caption = "Use Global Settings", .value = true});
    optUsers.add(
        fraFiles,
        {.name = "optUsers", .index = 1, .left = 2400, .top = 1320, .width = 2000, .height = 255, .enabled = false},
        {.caption = "Use Settings below"});
    ActEvent1->SetEventSink(this);
    eventSource_ = runtime.addMessageSource([this] { ActEvent1->PumpEvents(); });
    bindEvents();
}

Form1::~Form1() {
    runtime().removeMessageSource(eventSource_);
    ActEvent1->SetEventSink(nullptr);
}

std::vector<forms::ColumnProps> Form1::userColumns() {
    return {{.text = "Users", .key = "Users", .width = 2400}, {.text = "Rights", .key = "Rights", .width = 1600}};
}

void Form1::bindEvents() {
    cmdFieldSettings.Click = [this] { cmdFieldSettings_Click(); };
    cmdClose.Click = [this] { cmdClose_Click(); };
    cmdCancel.Click = [this] { cmdCancel_Click(); };
    cboFields.GotFocus = [this] { cboFloating.setVisible(false); };
    cboFields.Click = [this] { cboFields_Click(); };
    chkOnlyFromDropdown.Click = [this] { chkOnlyFromDropdown_Click(); };
    chkEdit.Click = [this] { chkEdit_Click(); };
    rtfData.Change = [this] { rtfData_Change(); };
    cmdSave.Click = [this] { cmdSave_Click(); };
    optUsers.Click = [this](int) { optUsers_Click(); };
    lvwUsers.MouseUp = [this](int, int, float x, float y) { lvwUsers_MouseUp(x, y); };
    lvwSpecialUsers.MouseUp = [this](int, int, float x, float y) { lvwSpecialUsers_MouseUp(x, y); };
    lvwSpecialUsers.ItemCheck = [this](forms::ListItem& item) { lvwSpecialUsers_ItemCheck(item); };
    cboFloating.Click = [this] { cboFloating_Click(); };
    tmr1.Timer = [this] { tmr1_Timer(); };
    mnuLocation.Click = [this] { mnuLocation_Click(); };
    mnuIntegrate.Click = [this] { mnuIntegrate_Click(); };
    mnuHistory.Click = [this] { mnuHistory_Click(); };
    mnuRightsReport.Click = [this] { mnuRightsReport_Click(); };
    mnuOnline.Click = [this] { mnuOnline_Click(); };
    mnuManual.Click = [this] { mnuManual_Click(); };
    mnuAbout.Click = [this] { mnuAbout_Click(); };
}

std::string Form1::setting(const char* key, const std::string& defaultValue) const {
    return settings_.Get(kAppName, kSettingsSection, key, defaultValue);
}

void Form1::saveSetting(const char* key, const std::string& value) {
    settings_.Save(kAppName, kSettingsSection, key, value);
}

void Form1::Form_Load() {
    errors_.guard("Form1: Sub Form_Load", [&](Statement& at) {
        if (!passesStartChecks(at)) {
            Unload();
            return;
        }
        prepareWindow(at);
    });
}

bool Form1::passesStartChecks(Statement& at) {
    at(10);
    const std::string title = runtime().app().Title();
    if (runtime().app().PrevInstance()) {
        runtime().MsgBox("An instance of this program is already running!", {}, title);
        return false;
    }
    at(20);
    if (ActEvent1->Operation1(0) < 1) {
        at(30);
        if (!ActEvent1->Operation3()) {
            runtime().MsgBox("Please open an ACT database prior to running " + title + "!",
                             {.icon = forms::MsgBoxIcon::Exclamation}, title);
        } else {
            runtime().MsgBox("Unable to communicate with ACT!\rPlease run actreg.exe located in the ACT folder and "
                             "try again",
                             {.icon = forms::MsgBoxIcon::Critical}, title);
        }
        return false;
    }
    at(40);
    Module1::Create_Database(host_, factory_, errors_);
    at(50);
    if (need(host_.users).CurrentUserSecurity() != kAdministratorSecurity) {
        runtime().MsgBox("Sorry! This program may only be run by an administrator of the database!", {},
                         "Insufficient Security Level");
        return false;
    }
    return true;
}

void Form1::prepareWindow(Statement& at) {
    at(60);
    sGenericName = Module1::Get_Generic_Name(need(host_.app), errors_);
    at(70);
    iCurrentFieldID = need(host_.contactView).CurrentFieldID();
    at(80);
    cboFloating.AddItem("Full");
    cboFloating.AddItem("Initialize");
    cboFloating.AddItem("None");
    at(90);
    Load_Paths();
    at(100);
    modPopulateACTLists::Populate_cboFields(cboFields, host_.fields, errors_);
    at(110);
    const bool everyUser = modPopulateACTLists::Populate_lvwUsers(lvwUsers, host_.users, errors_);
    at(120);
    Load_Rights(lvwUsers, false);
    at(130);
    lvwUsers.setSmallIcons(&ilsImages);
    at(140);
    bUsersListed = modPopulateACTLists::Populate_lvwUsers(lvwSpecialUsers, host_.users, errors_) && everyUser;
    at(150);
    Check_Authorized_Users();
    at(160);
    restoreWindowPosition();
    at(190);
    if (vb::CBool(setting("Expanded", "0"))) {
        cmdFieldSettings_Click();
    }
    at(200);
    if (!Select_CurrentField()) {
        Select_LastField();
    }
    bWindowRestored = true;
    at(210);
    Load_Rights(lvwSpecialUsers, false);
    at(220);
    lvwSpecialUsers.setSmallIcons(&ilsImages);
}

void Form1::restoreWindowPosition() {
    setHeight(kCollapsedHeight);
    forms::Screen& screen = runtime().screen();
    setTop(storedTwips(setting("Top", text::decimal(screen.Height() / 8))));
    setLeft(storedTwips(setting("Left", text::decimal((screen.Width() - Width()) / 2))));
}

void Form1::Load_Paths() {
    const std::string folder = runtime().app().Path();
    sUsersPath = readUsersPath(settings_, folder);
    sListPath = readListPath(settings_, folder);
}

bool Form1::Select_CurrentField() {
    for (int32_t index = 0; index < cboFields.ListCount(); ++index) {
        if (cboFields.ItemData(index) == iCurrentFieldID) {
            cboFields.setListIndex(index);
            return true;
        }
    }
    return false;
}

void Form1::Select_LastField() {
    const std::string lastField = setting("LastField", "");
    if (lastField.empty()) {
        return;
    }
    for (int32_t index = 0; index < cboFields.ListCount(); ++index) {
        if (cboFields.List(index) == lastField) {
            cboFields.setListIndex(index);
            return;
        }
    }
}

void Form1::cmdFieldSettings_Click() {
    errors_.guard("Form1: Sub cmdFieldSettings_Click", [&](Statement& at) {
        at(10);
        cboFloating.setVisible(false);
        if (cmdFieldSettings.Caption() != kHideCaption) {
            at(20);
            setHeight(kExpandedHeight);
            cmdFieldSettings.setCaption(kHideCaption);
            at(30);
            Select_LastField();
        } else {
            at(40);
            setHeight(kCollapsedHeight);
            cmdFieldSettings.setCaption(kShowCaption);
            at(50);
            saveSetting("LastField", cboFields.Text());
        }
    });
}

void Form1::Form_Click() {
    cboFloating.setVisible(false);
}

void Form1::cmdClose_Click() {
    errors_.guard("Form1: Sub cmdClose_Click", [&](Statement& at) {
        at(10);
        if (cmdSave.Enabled()) {
            Prompt_Save();
            // A save that was asked for and failed keeps the window open, so the changes are not lost.
            if (cmdSave.Enabled()) {
                return;
            }
        }
        at(20);
        // Unless every user's unique ID could be gathered the global lists stay unwritten; closing then
        // would drop the administrator's changes, so the window stays open.
        if (!Write_Users(lvwUsers, "Global")) {
            return;
        }
        at(30);
        Unload();
    });
}

void Form1::cmdCancel_Click() {
    errors_.guard("Form1: Sub cmdCancel_Click", [&](Statement& at) {
        at(10);
        Unload();
    });
}

// The event control's pump runs inside the runtime's dispatch, so the events arrive like any other.
void Form1::OnActUserWantsToClose(int32_t /*reason*/) {
    errors_.guard("Form1: Sub ActEvent1_OnActUserWantsToClose", [&](Statement& at) {
        at(10);
        closeForAct();
    });
}

void Form1::OnDatabaseClose() {
    errors_.guard("Form1: Sub ActEvent1_OnDatabaseClose", [&](Statement& at) {
        at(10);
        closeForAct();
    });
}

void Form1::closeForAct() {
    Unload();
    // A dialog or message box of the tool may be open behind this event: it goes too, and nothing
    // that waited on it goes on to write.
    runtime().End();
}

void Form1::restartAct() {
    bRestartACT = true;
    int16_t cancel = 0;
    Form_Unload(cancel);
}

void Form1::Form_Unload(int16_t& /*cancel*/) {
    errors_.guard("Form1: Sub Form_Unload", [&](Statement& at) {
        at(10);
        modListView_w_Combo::Unhook(lvwUsers.hWnd(), errors_);
        modListView_w_Combo::Unhook(lvwSpecialUsers.hWnd(), errors_);
        at(20);
        ActEvent1->Operation2();
        if (bRestartACT) {
            at(30);
            restartActNow();
        }
        at(40);
        if (bWindowRestored) {
            writeWindowSettings();
        }
    });
}

void Form1::restartActNow() {
    auto app = act::CreateObjectAs<act::Application>(factory_, act::kAppObjectClass);
    app->OpenFile("");
    const std::string database = app->GetOpenDBName();
    app->Command(kCloseActCommand);
    app.reset();
    shellOpen(runtime(), hWnd(), database);
    Hide();
    iTicks = 0;
    tmr1.setInterval(kRestartTickMs);
}

void Form1::writeWindowSettings() {
    saveSetting("Top", text::decimal(Top()));
    saveSetting("Left", text::decimal(Left()));
    saveSetting("Expanded", cmdFieldSettings.Caption() == kHideCaption ? "True" : "False");
    saveSetting("LastField", cboFields.Text());
}

void Form1::tmr1_Timer() {
    errors_.guard("Form1: Sub tmr1_Timer", [&](Statement& at) {
        at(10);
        ++iTicks;
        if (iTicks >= kRestartTicks) {
            at(20);
            runtime().End();
        }
    });
}

} // namespace corvane::admin
