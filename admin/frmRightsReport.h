#pragma once

#include "admin/ActHost.h"
#include "common/ErrorReport.h"
#include "common/RightsReport.h"
#include "forms/ComboBox.h"
#include "forms/CommandButton.h"
#include "forms/CommonDialog.h"
#include "forms/Form.h"
#include "forms/Frame.h"
#include "forms/Label.h"
#include "forms/ListView.h"
#include "forms/PrintTable.h"
#include "forms/Runtime.h"

#include <optional>
#include <string>

namespace corvane::admin {

/// The report as Print... prints it: the users' names and the level names under the fields' headings.
forms::PrintTable printedRightsReport(const RightsReport& report, const std::string& section);

/// Who may edit what: every ACT! user (rows) against every protected field (columns) with the level
/// the trigger would give, decided from the users file as saved; fields with lists of their own say
/// so in their heading. "Export..." writes the table as CSV, "Print..." prints it across as many
/// landscape pages as it needs. "Check a user" explains one user's level for one field in words.
/// Construct one for each showing.
class frmRightsReport : public forms::Form {
public:
    /// The report of the database `section` of the users file at `usersPath`, with the users and
    /// fields ACT! gives through `host`; the current contact's values come from its contact view.
    frmRightsReport(forms::Runtime& runtime, ErrorReporter& errors, ActHost& host, std::string usersPath,
                    std::string section);

    forms::ListView lvwRights{*this,
                              {.name = "lvwRights", .left = 120, .top = 120, .width = 8760, .height = 2895},
                              {.columns = {{.text = "User", .key = "User", .width = 1800}}}};
    forms::Label lblStatus{*this, {.name = "lblStatus", .left = 120, .top = 3090, .width = 8760, .height = 435}};
    forms::Frame fraCheck{*this,
                          {.name = "fraCheck", .left = 120, .top = 3600, .width = 8760, .height = 1815},
                          {.caption = "Check a user"}};
    forms::Label lblCheckUser{fraCheck,
                              {.name = "lblCheckUser", .left = 240, .top = 345, .width = 540, .height = 255},
                              {.caption = "&User:"}};
    forms::ComboBox cboCheckUser{fraCheck,
                                 {.name = "cboCheckUser", .left = 825, .top = 300, .width = 3000, .height = 315}};
    forms::Label lblCheckField{fraCheck,
                               {.name = "lblCheckField", .left = 4080, .top = 345, .width = 540, .height = 255},
                               {.caption = "&Field:"}};
    forms::ComboBox cboCheckField{fraCheck,
                                  {.name = "cboCheckField", .left = 4665, .top = 300, .width = 3000, .height = 315}};
    forms::Label lblExplanation{fraCheck,
                                {.name = "lblExplanation", .left = 240, .top = 780, .width = 8280, .height = 915},
                                {.caption = "Choose a user and a field to see why the level holds."}};
    forms::CommandButton cmdExport{*this,
                                   {.name = "cmdExport", .left = 5385, .top = 5550, .width = 1095, .height = 375},
                                   {.caption = "&Export..."}};
    forms::CommandButton cmdPrint{
        *this, {.name = "cmdPrint", .left = 6585, .top = 5550, .width = 1095, .height = 375}, {.caption = "&Print..."}};
    forms::CommandButton cmdClose{*this,
                                  {.name = "cmdClose", .left = 7785, .top = 5550, .width = 1095, .height = 375},
                                  {.caption = "&Close", .isDefault = true, .isCancel = true}};
    forms::CommonDialog dlgExport{*this, "dlgExport"};
    forms::CommonDialog dlgPrint{*this, "dlgPrint"};

protected:
    void Form_Load() override;

private:
    void Load_Report();
    void Show_Report();
    void lvwRights_MouseUp();
    void Explain_Level();
    std::optional<std::string> Current_Value(int16_t fieldNumber);
    void cmdExport_Click();
    void cmdPrint_Click();

    ErrorReporter& errors_;
    ActHost& host_;
    std::string usersPath_;
    std::string section_;
    std::optional<RightsReport> report_;
};

} // namespace corvane::admin
