#pragma once

#include "forms/CommandButton.h"
#include "forms/Form.h"
#include "forms/Label.h"
#include "forms/ListBox.h"
#include "trigger/TriggerServices.h"

#include <cstdint>
#include <string>

namespace corvane::trigger {

class frmMain;

/// The drop-down list editor: add, modify, delete and pick items of the field's list. OK rewrites
/// the field settings file (its flags as they were read) and hands the selected item back to
/// `frmMain`'s `sEditChosen`; Cancel changes nothing. Shown modally, one object per showing.
class frmEditList : public forms::Form {
public:
    frmEditList(forms::Runtime& runtime, TriggerServices services, frmMain& owner);

    /// The text `frmAdd` returns; empty when nothing is to be added.
    std::string sToBeAdded;
    /// The item text handed to `frmModify`, and its new text on return.
    std::string sToBeModified;

    forms::Label lblItems{
        *this, {.name = "lblItems", .left = 120, .top = 120, .width = 2900, .height = 255}, {.caption = "Item&s :"}};
    forms::ListBox lstItems{
        *this, {.name = "lstItems", .left = 120, .top = 390, .width = 2900, .height = 2400}, {.sorted = true}};
    forms::CommandButton cmdOK{
        *this, {.name = "cmdOK", .left = 3240, .top = 390, .width = 1215, .height = 375}, {.caption = "&OK"}};
    forms::CommandButton cmdCancel{
        *this, {.name = "cmdCancel", .left = 3240, .top = 870, .width = 1215, .height = 375}, {.caption = "&Cancel"}};
    forms::CommandButton cmdAdd{
        *this, {.name = "cmdAdd", .left = 3240, .top = 1470, .width = 1215, .height = 375}, {.caption = "&Add..."}};
    forms::CommandButton cmdModify{*this,
                                   {.name = "cmdModify", .left = 3240, .top = 1950, .width = 1215, .height = 375},
                                   {.caption = "&Modify..."}};
    forms::CommandButton cmdDelete{
        *this, {.name = "cmdDelete", .left = 3240, .top = 2430, .width = 1215, .height = 375}, {.caption = "&Delete"}};

protected:
    void Form_Load() override;
    void Form_Activate() override;

private:
    void Load_List();
    void placeCentredOnTop();
    void cmdAdd_Click();
    void cmdModify_Click();
    void cmdDelete_Click();
    void cmdOK_Click();
    void lstItems_DblClick();
    void lstItems_KeyPress(int16_t& keyAscii);

    TriggerServices services_;
    frmMain& owner_;
    std::string sListFile;
    int16_t iOnlyFromDropdown = 0;
    int16_t iAllowEditing = 0;
    /// Set when the file could not be read whole: writing it back would lose what was not read.
    bool bLoadFailed = false;
};

} // namespace corvane::trigger
