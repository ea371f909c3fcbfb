#pragma once

#include "forms/CommandButton.h"
#include "forms/Form.h"
#include "forms/Label.h"
#include "forms/TextBox.h"

#include <string>

namespace corvane::trigger {

/// What `frmAdd` and `frmModify` share: one text box for an item, OK and Cancel. Enter in the text
/// box is OK; Escape is Cancel. OK hands the text, as typed, to `accept` and closes the dialog.
class ItemDialog : public forms::Form {
public:
    forms::Label lblItem{
        *this, {.name = "lblItem", .left = 120, .top = 120, .width = 600, .height = 255}, {.caption = "Item :"}};
    forms::TextBox txtItem{*this, {.name = "txtItem", .left = 120, .top = 400, .width = 3000, .height = 285}};
    forms::CommandButton cmdOK{
        *this, {.name = "cmdOK", .left = 3300, .top = 120, .width = 1215, .height = 375}, {.caption = "&OK"}};
    forms::CommandButton cmdCancel{*this,
                                   {.name = "cmdCancel", .left = 3300, .top = 600, .width = 1215, .height = 375},
                                   {.caption = "&Cancel", .isCancel = true}};

protected:
    ItemDialog(forms::Runtime& runtime, std::string name, std::string caption);

    /// Takes the text of an OK.
    virtual void accept(const std::string& item) = 0;

private:
    void cmdOK_Click();
    void txtItem_KeyPress(int16_t& keyAscii);
};

} // namespace corvane::trigger
