#pragma once

#include "common/ErrorReport.h"
#include "common/SettingsStore.h"
#include "forms/CommandButton.h"
#include "forms/CommonDialog.h"
#include "forms/Form.h"
#include "forms/Frame.h"
#include "forms/Hwnd.h"
#include "forms/Runtime.h"
#include "forms/TextBox.h"

#include <string>

namespace corvane::admin {

/// The settings locations dialog: edits "ListPath" (the field settings folder) and "UsersPath" (the
/// users file) as typed, with a folder browser and a file dialog to pick them. OK stores both, Cancel
/// nothing; no file or folder is touched. Construct one for each showing.
class frmLocations : public forms::Form {
public:
    /// `mainWindow` owns the folder browser.
    frmLocations(forms::Runtime& runtime, SettingsStore& settings, ErrorReporter& errors, forms::Hwnd mainWindow);

    /// The folder part of a path: the text before the last separator. "" for an empty path; a path
    /// without a separator is reported under "Form1: Function GetDir" and gives "".
    std::string GetDir(const std::string& path);
    /// The file part of a path: the text after the last separator, or the whole path.
    std::string GetName(const std::string& path);

    forms::Frame fraField{*this,
                          {.name = "fraField", .left = 120, .top = 120, .width = 5775, .height = 855},
                          {.caption = "Folder where Individual Field Settings are stored :"}};
    forms::TextBox txtFolder{fraField, {.name = "txtFolder", .left = 120, .top = 360, .width = 4455, .height = 315}};
    forms::CommandButton cmdBrowseFolder{
        fraField,
        {.name = "cmdBrowseFolder", .left = 4680, .top = 360, .width = 975, .height = 315},
        {.caption = "Browse"}};
    forms::Frame fraUsers{*this,
                          {.name = "fraUsers", .left = 120, .top = 1080, .width = 5775, .height = 855},
                          {.caption = "Authorized Users File:"}};
    forms::TextBox txtUsersFile{fraUsers,
                                {.name = "txtUsersFile", .left = 120, .top = 360, .width = 4455, .height = 315}};
    forms::CommandButton cmdBrowse{
        fraUsers, {.name = "cmdBrowse", .left = 4680, .top = 360, .width = 975, .height = 315}, {.caption = "Browse"}};
    forms::CommandButton cmdClose{*this,
                                  {.name = "cmdClose", .left = 3480, .top = 2100, .width = 1095, .height = 375},
                                  {.caption = "&OK", .isDefault = true}};
    forms::CommandButton cmdCancel{*this,
                                   {.name = "cmdCancel", .left = 4800, .top = 2100, .width = 1095, .height = 375},
                                   {.caption = "&Cancel", .isCancel = true}};
    forms::CommonDialog dlgOpen{*this, "dlgOpen"};

protected:
    void Form_Load() override;

private:
    void cmdClose_Click();
    void cmdBrowse_Click();
    void cmdBrowseFolder_Click();

    SettingsStore& settings_;
    ErrorReporter& errors_;
    forms::Hwnd mainWindow_;
};

} // namespace corvane::admin
