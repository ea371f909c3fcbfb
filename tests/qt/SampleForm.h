#pragma once

#include "forms/CheckBox.h"
#include "forms/ComboBox.h"
#include "forms/CommandButton.h"
#include "forms/Form.h"
#include "forms/Frame.h"
#include "forms/ImageList.h"
#include "forms/Label.h"
#include "forms/Line.h"
#include "forms/ListBox.h"
#include "forms/ListView.h"
#include "forms/Menu.h"
#include "forms/OptionGroup.h"
#include "forms/RichTextBox.h"
#include "forms/TextBox.h"
#include "forms/TimerControl.h"

#include <string>
#include <vector>

namespace corvane::forms::qt::test {

/// A dialog with one control of every kind at known design positions; it records its events.
class SampleForm : public Form {
public:
    explicit SampleForm(Runtime& runtime, std::string name = "frmSample")
        : Form(runtime, {.name = std::move(name),
                         .caption = "Sample",
                         .left = 1500,
                         .top = 1500,
                         .width = 6090,
                         .height = 6315,
                         .borderStyle = BorderStyle::FixedDialog}) {
        cmdOK.Click = [this] { events.push_back("cmdOK_Click"); };
        cmdCancel.Click = [this] { events.push_back("cmdCancel_Click"); };
        cmdWrap.Click = [this] { events.push_back("cmdWrap_Click"); };
        chkOnly.Click = [this] { events.push_back("chkOnly_Click " + std::to_string(chkOnly.Value())); };
        optUsers.Click = [this](int index) { events.push_back("optUsers_Click " + std::to_string(index)); };
        txtValue.KeyPress = [this](int16_t& key) {
            events.push_back("txtValue_KeyPress " + std::to_string(key));
            if (key == 'x') {
                key = 0;
            }
        };
        txtValue.Change = [this] { events.push_back("txtValue_Change"); };
        cboPick.Click = [this] { events.push_back("cboPick_Click " + std::to_string(cboPick.ListIndex())); };
        lstItems.Click = [this] { events.push_back("lstItems_Click " + std::to_string(lstItems.ListIndex())); };
        lstItems.DblClick = [this] { events.push_back("lstItems_DblClick"); };
        lblLink.Click = [this] { events.push_back("lblLink_Click"); };
        lvwUsers.ItemCheck = [this](ListItem& item) {
            events.push_back("lvwUsers_ItemCheck " + item.Key() + (item.Checked() ? " on" : " off"));
        };
        lvwUsers.MouseUp = [this](int button, int, float, float y) {
            ListItem* item = lvwUsers.HitTest(0, y);
            events.push_back("lvwUsers_MouseUp " + std::to_string(button) + " " + (item ? item->Key() : "-"));
        };
        mnuLocation.Click = [this] { events.push_back("mnuLocation_Click"); };
        tmr1.Timer = [this] { events.push_back("tmr1_Timer"); };

        optUsers.add(*this, {.name = "optUsers", .index = 0, .left = 240, .top = 4560, .width = 2000, .height = 255},
                     {.caption = "Use Global Settings", .value = true});
        optUsers.add(*this, {.name = "optUsers", .index = 1, .left = 2400, .top = 4560, .width = 2000, .height = 255},
                     {.caption = "Use Settings below"});
        for (const char* user : {"Stephen Fielding", "Administrator", "Jane Doe"}) {
            ListItem& item = lvwUsers.ListItems().Add(std::string("K") + user[0], user);
            item.setSubItems(1, "Full");
        }
        lvwUsers.setSmallIcons(&ilsImages);
        for (const char* text : {"Blue", "green", "Amber", "red"}) {
            lstItems.AddItem(text);
            cboPick.AddItem(text);
        }
    }

    std::vector<std::string> events;

    ImageList ilsImages{{.name = "ilsImages", .imageWidth = 1, .imageHeight = 18, .imageCount = 1}};
    Menu mnuOptions{*this, {.name = "mnuOptions", .caption = "&Options"}};
    Menu mnuLocation{mnuOptions, {.name = "mnuLocation", .caption = "Settings &Locations"}};
    Label lblTitle{*this,
                   {.name = "lblTitle", .left = 240, .top = 120, .width = 3000, .height = 360},
                   {.caption = "CORVANE", .fontBold = true, .fontSize = 13.5F}};
    Frame fraUsers{*this,
                   {.name = "fraUsers", .left = 240, .top = 600, .width = 4200, .height = 2400},
                   {.caption = "Authorized Users :"}};
    ListView lvwUsers{fraUsers,
                      {.name = "lvwUsers", .left = 240, .top = 300, .width = 3705, .height = 1665},
                      {.columns = {{.text = "Users", .key = "Users", .width = 2400},
                                   {.text = "Rights", .key = "Rights", .width = 1200}},
                       .checkboxes = true}};
    CheckBox chkOnly{fraUsers,
                     {.name = "chkOnly", .left = 240, .top = 2040, .width = 2000, .height = 255},
                     {.caption = "Only from &Drop-down"}};
    CommandButton cmdOK{*this,
                        {.name = "cmdOK", .left = 4680, .top = 225, .width = 1000, .height = 325},
                        {.caption = "&OK", .isDefault = true}};
    CommandButton cmdCancel{*this,
                            {.name = "cmdCancel", .left = 4680, .top = 660, .width = 1000, .height = 325},
                            {.caption = "&Cancel", .isCancel = true}};
    CommandButton cmdWrap{*this,
                          {.name = "cmdWrap", .left = 4680, .top = 1200, .width = 1000, .height = 525},
                          {.caption = "&Show Field Settings "}};
    TextBox txtValue{*this, {.name = "txtValue", .left = 240, .top = 3150, .width = 3000, .height = 285}};
    RichTextBox rtfData{*this, {.name = "rtfData", .left = 240, .top = 3510, .width = 3000, .height = 900}};
    ComboBox cboPick{*this, {.name = "cboPick", .left = 3420, .top = 3150, .width = 1500, .height = 315}};
    ListBox lstItems{
        *this, {.name = "lstItems", .left = 3420, .top = 3510, .width = 1500, .height = 810}, {.sorted = true}};
    OptionGroup optUsers;
    Line Line1{*this, {.name = "Line1"}, {.x1 = 120, .y1 = 4920, .x2 = 5640, .y2 = 4920}};
    Label lblLink{*this,
                  {.name = "lblLink", .left = 240, .top = 5040, .width = 2000, .height = 255},
                  {.caption = "www.example.com", .fontUnderline = true}};
    TimerControl tmr1{*this, {.name = "tmr1"}};

protected:
    void Form_Click() override { events.push_back("Form_Click"); }
};

} // namespace corvane::forms::qt::test
