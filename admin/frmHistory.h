#pragma once

#include "admin/HistoryTable.h"
#include "common/ErrorReport.h"
#include "common/act/Act.h"
#include "forms/ComboBox.h"
#include "forms/CommandButton.h"
#include "forms/CommonDialog.h"
#include "forms/Form.h"
#include "forms/Label.h"
#include "forms/ListView.h"
#include "forms/Runtime.h"

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace corvane::admin {

/// The change history of the open database: every value the trigger wrote, newest first, with the
/// user's name and the field's label as ACT! gives them, filtered by field and by user. "Export..."
/// writes the rows shown as CSV. A missing or empty history says so; lines that cannot be read are
/// skipped and counted. Construct one for each showing.
class frmHistory : public forms::Form {
public:
    /// What ACT! names: its fields and users (either may be null when start-up could not get it).
    struct ActNames {
        std::shared_ptr<act::Fields> fields;
        std::shared_ptr<act::Users> users;
    };

    /// The history lies beside the users file at `usersPath`, named by the database's generic name.
    frmHistory(forms::Runtime& runtime, ErrorReporter& errors, ActNames act, const std::string& usersPath,
               std::string genericName);

    forms::Label lblField{
        *this, {.name = "lblField", .left = 120, .top = 165, .width = 540, .height = 255}, {.caption = "&Field:"}};
    forms::ComboBox cboField{*this, {.name = "cboField", .left = 705, .top = 120, .width = 3000, .height = 315}};
    forms::Label lblUser{
        *this, {.name = "lblUser", .left = 3960, .top = 165, .width = 540, .height = 255}, {.caption = "&User:"}};
    forms::ComboBox cboUser{*this, {.name = "cboUser", .left = 4545, .top = 120, .width = 3000, .height = 315}};
    forms::ListView lvwHistory{*this,
                               {.name = "lvwHistory", .left = 120, .top = 555, .width = 8760, .height = 3585},
                               {.columns = {{.text = "Time", .key = "Time", .width = 1800},
                                            {.text = "User", .key = "User", .width = 1500},
                                            {.text = "Field", .key = "Field", .width = 1500},
                                            {.text = "Before", .key = "Before", .width = 1900},
                                            {.text = "After", .key = "After", .width = 1900}}}};
    forms::Label lblStatus{*this, {.name = "lblStatus", .left = 120, .top = 4275, .width = 6255, .height = 435}};
    forms::CommandButton cmdExport{*this,
                                   {.name = "cmdExport", .left = 6600, .top = 4275, .width = 1095, .height = 375},
                                   {.caption = "&Export..."}};
    forms::CommandButton cmdClose{*this,
                                  {.name = "cmdClose", .left = 7785, .top = 4275, .width = 1095, .height = 375},
                                  {.caption = "&Close", .isDefault = true, .isCancel = true}};
    forms::CommonDialog dlgExport{*this, "dlgExport"};

protected:
    void Form_Load() override;

private:
    void Load_History();
    std::map<std::string, std::string> Get_User_Names();
    std::map<int16_t, std::string> Get_Field_Labels();
    void fillFilters();
    void Show_Rows();
    void cmdExport_Click();

    ErrorReporter& errors_;
    ActNames act_;
    std::string historyPath_;
    std::string genericName_;
    /// True while the filters are filled: their clicks show nothing yet.
    bool bFillingFilters = false;
    std::optional<HistoryTable> table_;
    int64_t badLines_ = 0;
    /// The user ID of each entry of `cboUser` after "(All users)".
    std::vector<std::string> filterUserIds_;
    std::vector<const HistoryRow*> shown_;
};

} // namespace corvane::admin
