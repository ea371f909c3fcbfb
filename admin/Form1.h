#pragma once

#include "admin/ActHost.h"
#include "common/ErrorReport.h"
#include "common/SettingsStore.h"
#include "common/act/Act.h"
#include "forms/CheckBox.h"
#include "forms/ComboBox.h"
#include "forms/CommandButton.h"
#include "forms/Form.h"
#include "forms/Frame.h"
#include "forms/ImageList.h"
#include "forms/Label.h"
#include "forms/ListView.h"
#include "forms/Menu.h"
#include "forms/OptionGroup.h"
#include "forms/RichTextBox.h"
#include "forms/Runtime.h"
#include "forms/TimerControl.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace corvane::admin {

/// The administration tool's main window: the global authorized-users list, the protected-field
/// settings panel (shown when expanded) with the field's own users list, and the menus.
///
/// Start-up (`Form_Load`) stops with a message, unloading the window, when another copy runs, ACT!
/// cannot be reached with a database open, or the logged-in user is no administrator. Closing with
/// "Close" writes the global lists to the users file; "Cancel", the close box and ACT!'s closing
/// events drop every unsaved change. A user list is written only when it was read whole: a list
/// that misses users (ACT! failed to name them) or their stored levels would drop their rights.
///
/// Controls are public so that the program's backends and tests reach them by name, as VB code
/// reaches `Form1.cboFields`.
class Form1 : public forms::Form, private act::EventSink {
public:
    static constexpr int32_t kCollapsedHeight = 3650;
    static constexpr int32_t kExpandedHeight = 9500;

    /// The factory, the settings and the reporter must outlive the form. The ACT! event control is
    /// created here and its events are pumped by every message loop of the runtime.
    Form1(forms::Runtime& runtime, act::ActFactory& factory, SettingsStore& settings, ErrorReporter& errors);
    ~Form1() override;

    /// The restart that the integration dialog asks for: runs the unload procedure directly with the
    /// restart flag set, which closes ACT!, has the shell reopen its database, hides the window and
    /// ends the program at the second tick of `tmr1`.
    void restartAct();

    /// The paths in use (the "UsersPath" and "ListPath" settings as last read).
    const std::string& usersPath() const { return sUsersPath; }
    const std::string& listPath() const { return sListPath; }

    // Upper part.
    forms::Frame fraUsers{*this,
                          {.name = "fraUsers", .left = 240, .top = 135, .width = 5655, .height = 2580},
                          {.caption = "Authorized Users :"}};
    forms::Label lblGlobalSettings{fraUsers,
                                   {.name = "lblGlobalSettings", .left = 240, .top = 285, .width = 2970, .height = 285},
                                   {.caption = "Global Settings :"}};
    forms::ListView lvwUsers{fraUsers,
                             {.name = "lvwUsers", .left = 240, .top = 525, .width = 4080, .height = 1665},
                             {.columns = userColumns()}};
    forms::Label lblDefault{fraUsers,
                            {.name = "lblDefault", .left = 255, .top = 2235, .width = 5025, .height = 285},
                            {.caption = "These settings apply to all protected fields by default."}};
    forms::CommandButton cmdClose{*this,
                                  {.name = "cmdClose", .left = 6060, .top = 225, .width = 1000, .height = 325},
                                  {.caption = "&Close", .isDefault = true}};
    forms::CommandButton cmdCancel{*this,
                                   {.name = "cmdCancel", .left = 6060, .top = 660, .width = 1000, .height = 325},
                                   {.caption = "&Cancel", .isCancel = true}};
    forms::CommandButton cmdFieldSettings{
        *this,
        {.name = "cmdFieldSettings", .left = 6075, .top = 2040, .width = 1000, .height = 525},
        {.caption = "&Show Field Settings "}};

    // The field panel.
    forms::Frame fraFiles{*this,
                          {.name = "fraFiles", .left = 240, .top = 2880, .width = 5655, .height = 5595},
                          {.caption = "Protected Fields Settings :"}};
    forms::Label lblSelect{fraFiles,
                           {.name = "lblSelect", .left = 270, .top = 360, .width = 4080, .height = 240},
                           {.caption = "Select a Protected Field :"}};
    forms::ComboBox cboFields{
        fraFiles, {.name = "cboFields", .left = 270, .top = 600, .width = 4080, .height = 315}, {.sorted = true}};
    forms::CommandButton cmdSave{
        fraFiles,
        {.name = "cmdSave", .left = 4500, .top = 600, .width = 1000, .height = 325, .enabled = false},
        {.caption = "Save"}};
    forms::Label lblAuthorizedUsers1{
        fraFiles,
        {.name = "lblAuthorizedUsers1", .left = 285, .top = 1035, .width = 4080, .height = 255},
        {.caption = "Authorized Users for this Protected Field :"}};
    forms::OptionGroup optUsers;
    forms::ListView lvwSpecialUsers{
        fraFiles,
        {.name = "lvwSpecialUsers", .left = 285, .top = 1755, .width = 4080, .height = 1665},
        {.columns = userColumns(), .checkboxes = true}};
    forms::Label lblDropdown{fraFiles,
                             {.name = "lblDropdown", .left = 285, .top = 3540, .width = 5200, .height = 255},
                             {.caption = "Drop-down list (leave blank if drop-down not needed) :"}};
    forms::RichTextBox rtfData{
        fraFiles, {.name = "rtfData", .left = 285, .top = 3840, .width = 4080, .height = 1560, .enabled = false}};
    forms::CheckBox chkOnlyFromDropdown{
        fraFiles,
        {.name = "chkOnlyFromDropdown", .left = 4500, .top = 3840, .width = 1110, .height = 435, .enabled = false},
        {.caption = "Only from Drop-down"}};
    forms::CheckBox chkEdit{
        fraFiles,
        {.name = "chkEdit", .left = 4500, .top = 4400, .width = 1110, .height = 435, .enabled = false},
        {.caption = "Allow editing"}};

    // Not seen by the user until needed.
    forms::ComboBox cboFloating{*this, {.name = "cboFloating", .width = 1600, .height = 315, .visible = false}};
    forms::ImageList ilsImages{{.name = "ilsImages", .imageWidth = 1, .imageHeight = 18, .imageCount = 1}};
    forms::TimerControl tmr1{*this, {.name = "tmr1"}};

    // Menus.
    forms::Menu mnuOptions{*this, {.name = "mnuOptions", .caption = "&Options"}};
    forms::Menu mnuLocation{mnuOptions, {.name = "mnuLocation", .caption = "Settings &Locations"}};
    forms::Menu mnuIntegrate{mnuOptions, {.name = "mnuIntegrate", .caption = "&Integrate with ACT!"}};
    forms::Menu mnuHistory{mnuOptions, {.name = "mnuHistory", .caption = "Change &History..."}};
    forms::Menu mnuRightsReport{mnuOptions, {.name = "mnuRightsReport", .caption = "&Rights Report..."}};
    forms::Menu mnuHelp{*this, {.name = "mnuHelp", .caption = "&Help"}};
    forms::Menu mnuOnline{mnuHelp, {.name = "mnuOnline", .caption = "Online &Help"}};
    forms::Menu mnuManual{mnuHelp, {.name = "mnuManual", .caption = "Owners &Manual"}};
    forms::Menu mnuAbout{mnuHelp, {.name = "mnuAbout", .caption = "&About"}};

protected:
    void Form_Load() override;
    void Form_Click() override;
    void Form_Unload(int16_t& cancel) override;

private:
    static std::vector<forms::ColumnProps> userColumns();
    void bindEvents();

    // Start-up and shutdown (Form1.cpp).
    bool passesStartChecks(Statement& at);
    void prepareWindow(Statement& at);
    void restoreWindowPosition();
    void Load_Paths();
    bool Select_CurrentField();
    void Select_LastField();
    void cmdFieldSettings_Click();
    void cmdClose_Click();
    void cmdCancel_Click();
    void OnActUserWantsToClose(int32_t reason) override;
    void OnDatabaseClose() override;
    void closeForAct();
    void restartActNow();
    void writeWindowSettings();
    void tmr1_Timer();
    std::string setting(const char* key, const std::string& defaultValue) const;
    void saveSetting(const char* key, const std::string& value);

    // Menus (Form1Menus.cpp).
    void mnuLocation_Click();
    void mnuIntegrate_Click();
    void mnuHistory_Click();
    void mnuRightsReport_Click();
    void mnuOnline_Click();
    void mnuManual_Click();
    void mnuAbout_Click();

    // Field settings editor (Form1Fields.cpp).
    void cboFields_Click();
    void returnToChangedField();
    void enableFieldEditing();
    void loadFieldFile();
    void chkOnlyFromDropdown_Click();
    void chkEdit_Click();
    void rtfData_Change();
    void cmdSave_Click();
    void Prompt_Save();

    // Authorized users editor (Form1Rights.cpp).
    void Load_Rights(forms::ListView& list, bool copyGlobal);
    void Copy_Global_Rights();
    std::string Get_Rights_Level(const std::string& uniqueId, const std::string& fullIds,
                                 const std::string& initIds) const;
    void Check_Authorized_Users();
    void showLevel(forms::ListItem& item, int16_t level);
    bool Write_Users(forms::ListView& list, const std::string& olderKey);
    bool readWhole(const forms::ListView& list) const;
    /// Tells the administrator that `what` ("The global settings"...) were not saved, as what they
    /// would replace could not be read completely.
    void notSaved(const std::string& what);
    bool fieldSelected() { return optUsers(0).Enabled(); }
    void lvwUsers_MouseUp(float x, float y);
    void lvwSpecialUsers_MouseUp(float x, float y);
    bool overRightsCell(forms::ListView& list, float x, float y);
    void showFloatingCombo(forms::ListView& list, int32_t frameTop, int32_t frameLeft);
    void cboFloating_Click();
    void lvwSpecialUsers_ItemCheck(forms::ListItem& item);
    void optUsers_Click();
    void chooseOwnLists();

    act::ActFactory& factory_;
    SettingsStore& settings_;
    ErrorReporter& errors_;
    std::unique_ptr<act::EventControl> ActEvent1;
    int eventSource_ = 0;

    // Held from start-up until the program ends.
    ActHost host_;
    std::string sGenericName;
    bool bRestartACT = false;
    /// Start-up restored the stored window settings; until then unloading does not write them over.
    bool bWindowRestored = false;

    std::string sUsersPath;
    std::string sListPath;
    int16_t iCurrentFieldID = 0;
    int16_t iTicks = 0;

    // The selected field.
    std::string sFieldID;
    std::string sFieldName;
    std::string sFieldFile;
    bool bLoadingField = false;
    /// The selection goes back to the field whose save failed.
    bool bReturningToField = false;

    // The users editor.
    forms::ListView* lvwCurrent = nullptr;
    bool bSuppressReload = false;
    std::string sFullIDs;
    std::string sInitIDs;
    /// Both user lists hold every ACT! user.
    bool bUsersListed = false;
    /// The levels each list shows were read from the users file for every user (the field's may be
    /// the global ones, copied).
    bool bGlobalLevelsRead = false;
    bool bFieldLevelsRead = false;
};

} // namespace corvane::admin
