#pragma once

#include "common/act/Act.h"
#include "forms/CommandButton.h"
#include "forms/Form.h"
#include "forms/ListBox.h"
#include "forms/TextBox.h"
#include "forms/TimerControl.h"
#include "forms/WindowSystem.h"
#include "trigger/ActHost.h"
#include "trigger/TriggerServices.h"

#include <cstdint>
#include <memory>
#include <string>

namespace corvane::trigger {

/// The trigger's one main form: a borderless value box laid exactly over ACT!'s field. Loading it
/// runs the whole start-up (connect to ACT!, decide the user's rights, find the field, show the
/// box); its 100 ms timer then decides when the edit is over, writes the value into ACT! and
/// unloads the form, which ends the run.
class frmMain : public forms::Form, private act::EventSink {
public:
    frmMain(forms::Runtime& runtime, TriggerServices services);
    ~frmMain() override;

    /// The number of the field being edited.
    int16_t iCurrentField = 0;
    /// Set by the keyboard hook when Escape or Tab was down; never cleared during a run.
    bool bEscape = false;
    bool bTab = false;
    /// The item the list editor hands back; empty until its OK.
    std::string sEditChosen;
    forms::Hhook hKeyboardHook = 0;

    /// The generic name of the open database, computed once at start-up.
    const std::string& genericName() const { return sGenericName; }

    forms::TextBox txtNewValue{*this, {.name = "txtNewValue", .left = 0, .top = 0, .width = 3150, .height = 285}};
    forms::CommandButton cmdDD{
        *this,
        {.name = "cmdDD", .left = 2850, .top = 15, .width = 300, .height = 210, .visible = false},
        {.graphical = true}};
    forms::ListBox lstNewValue{
        *this,
        {.name = "lstNewValue", .left = 0, .top = 225, .width = 3150, .height = 810, .visible = false},
        {.sorted = true}};
    forms::CommandButton cmdEditList{
        *this,
        {.name = "cmdEditList", .left = 15, .top = 1035, .width = 1000, .height = 270, .visible = false},
        {.caption = "Edit list ..."}};
    forms::TimerControl tmr1{*this, {.name = "tmr1", .interval = 0}};

protected:
    void Form_Load() override;
    void Form_Unload(int16_t& cancel) override;

private:
    // Start-up and the rights decision.
    void connectToAct(Statement& at);
    bool actCanBeReached();
    void Launch_Program();
    int16_t IsUserAuthorized(const std::string& userId);
    bool refuses() const;
    bool layOverField(forms::Hwnd field);

    // The edit.
    int32_t Load_List(int16_t fieldNumber);
    void cmdDD_Click();
    void Drop_Down_List();
    void Select_Default();
    void lstNewValue_Click();
    void txtNewValue_KeyPress(int16_t& keyAscii);
    void lstNewValue_KeyPress(int16_t& keyAscii);
    void enterPressed();
    void cmdEditList_Click();
    void tmr1_Timer();
    void endEdit();
    bool in_list(const std::string& value);
    void WriteData();
    void Record_Change(const std::string& written);

    // ACT!'s events; each ends the run at once.
    void OnActUserWantsToClose(int32_t reason) override;
    void OnDatabaseClose() override;
    void ActEvent1_OnActUserWantsToClose();
    void ActEvent1_OnDatabaseClose();
    void endRunNow();

    TriggerServices services_;
    std::unique_ptr<act::EventControl> ActEvent1;
    int eventSource_ = 0;
    ActHost host_;
    std::string sGenericName;
    forms::Rect rcField;

    std::string sStartValue;
    /// ACT!'s logged-in user, as read at start-up: the one the run's rights and history are about.
    std::string sUserID;
    int16_t iRights = 0;
    bool bBusy = true;
    bool bEditingList = false;
    bool bSelectingDefault = false;
    bool bOnlyFromDropdown = false;
    bool bAllowEditing = false;
    int32_t iListCount = -1;
};

} // namespace corvane::trigger
