#pragma once

#include "forms/CheckBox.h"
#include "forms/CommandButton.h"
#include "forms/Form.h"
#include "forms/ListBox.h"
#include "forms/OptionGroup.h"
#include "forms/TextBox.h"

#include <string>
#include <vector>

namespace corvane::forms::win32::test {

/// A dialog with default and cancel buttons, a check box, an option group, a list box and a text box
/// whose KeyPress discards "x"; it records its events. Cancel unloads it.
class SampleDialog : public Form {
public:
    explicit SampleDialog(Runtime& runtime, std::string name = "frmSample")
        : Form(runtime, {.name = std::move(name),
                         .caption = "Sample",
                         .left = 1500,
                         .top = 1500,
                         .width = 5400,
                         .height = 3600,
                         .borderStyle = BorderStyle::FixedDialog}) {
        cmdOK.Click = [this] { events.push_back("cmdOK_Click"); };
        cmdCancel.Click = [this] {
            events.push_back("cmdCancel_Click");
            Unload();
        };
        cmdApply.Click = [this] { events.push_back("cmdApply_Click"); };
        chkOnly.Click = [this] { events.push_back("chkOnly_Click " + std::to_string(chkOnly.Value())); };
        optUsers.Click = [this](int index) { events.push_back("optUsers_Click " + std::to_string(index)); };
        lstItems.Click = [this] { events.push_back("lstItems_Click " + std::to_string(lstItems.ListIndex())); };
        txtValue.KeyPress = [this](int16_t& key) {
            events.push_back("txtValue_KeyPress " + std::to_string(key));
            if (key == 'x') {
                key = 0;
            }
        };
        txtValue.Change = [this] { events.push_back("txtValue_Change"); };
        optUsers.add(*this, {.name = "optUsers", .index = 0, .left = 240, .top = 1560, .width = 1800, .height = 255},
                     {.caption = "Use Global Settings", .value = true});
        optUsers.add(*this, {.name = "optUsers", .index = 1, .left = 240, .top = 1860, .width = 1800, .height = 255},
                     {.caption = "Use Settings below"});
        for (const char* text : {"Blue", "green", "Amber"}) {
            lstItems.AddItem(text);
        }
    }

    std::vector<std::string> events;

    TextBox txtValue{*this, {.name = "txtValue", .left = 240, .top = 240, .width = 3000, .height = 285}};
    CheckBox chkOnly{*this,
                     {.name = "chkOnly", .left = 240, .top = 720, .width = 2400, .height = 255},
                     {.caption = "Only from &Drop-down"}};
    CommandButton cmdApply{
        *this, {.name = "cmdApply", .left = 240, .top = 1080, .width = 1215, .height = 375}, {.caption = "&Apply"}};
    OptionGroup optUsers;
    ListBox lstItems{*this, {.name = "lstItems", .left = 2400, .top = 1560, .width = 1500, .height = 810}};
    CommandButton cmdOK{*this,
                        {.name = "cmdOK", .left = 3840, .top = 225, .width = 1215, .height = 375},
                        {.caption = "&OK", .isDefault = true}};
    CommandButton cmdCancel{*this,
                            {.name = "cmdCancel", .left = 3840, .top = 660, .width = 1215, .height = 375},
                            {.caption = "&Cancel", .isCancel = true}};
};

} // namespace corvane::forms::win32::test
