#pragma once

#include "common/ErrorReport.h"
#include "common/act/Act.h"
#include "forms/CheckBox.h"
#include "forms/CommandButton.h"
#include "forms/ControlArray.h"
#include "forms/Form.h"
#include "forms/Frame.h"
#include "forms/Label.h"
#include "forms/Runtime.h"

#include <cstdint>
#include <memory>

namespace corvane::admin {

class Form1;

/// The integration dialog: puts the tool's launcher (an ACT! auxiliary command named after the
/// program's title) on the toolbar and the Tools menu of each of ACT!'s six views. Every click changes
/// ACT! at once; "Close" then offers to restart ACT!, or says that the launcher must be set up by
/// hand when the last change failed. Construct one for each showing.
class frmIntegrate : public forms::Form {
public:
    static constexpr int kViews = 6;

    /// `main` carries out a restart of ACT! when the administrator agrees to one.
    frmIntegrate(forms::Runtime& runtime, act::ActFactory& factory, ErrorReporter& errors, Form1& main);

    forms::Frame fraToolbar{*this,
                            {.name = "fraToolbar", .left = 120, .top = 120, .width = 3540, .height = 2415},
                            {.caption = "Toolbar Button added to the following Views :"}};
    forms::Frame fraMenu{*this,
                         {.name = "fraMenu", .left = 3780, .top = 120, .width = 3540, .height = 2415},
                         {.caption = "Menu Item added to the following Views :"}};
    /// 0 to 5: the toolbars of views 1 to 6; 6 to 11: their Tools menus.
    forms::ControlArray<forms::CheckBox> chkScreen;
    forms::ControlArray<forms::Label> lblScreen;
    forms::CommandButton cmdOK{*this,
                               {.name = "cmdOK", .left = 5010, .top = 2700, .width = 1095, .height = 375},
                               {.caption = "&Close", .isDefault = true}};
    forms::CommandButton cmdCancel{*this,
                                   {.name = "cmdCancel", .left = 6225, .top = 2700, .width = 1095, .height = 375},
                                   {.caption = "&Cancel", .isCancel = true}};

protected:
    void Form_Load() override;
    void Form_Unload(int16_t& cancel) override;

private:
    void addViewControls(forms::Frame& frame, int firstIndex);
    void chkScreen_Click(int index);
    void lblScreen_Click(int index);
    void cmdOK_Click();
    void CheckCommand();
    void Message();
    void MessAddFailed();
    std::string title();

    act::ActFactory& factory_;
    ErrorReporter& errors_;
    Form1& main_;
    std::shared_ptr<act::AuxCommands> oAuxCmds;
    bool bChanged = false;
    int32_t lAuxResult = 0;
};

} // namespace corvane::admin
