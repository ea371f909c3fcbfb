#pragma once

#include "common/ErrorReport.h"
#include "forms/CommandButton.h"
#include "forms/Form.h"
#include "forms/Label.h"
#include "forms/Line.h"
#include "forms/Runtime.h"

namespace corvane::admin {

/// The About box: the program's name, its version ("Version 1.0.4") and the vendor's web address.
/// OK, Enter and Escape close it. Construct one for each showing.
class frmAbout : public forms::Form {
public:
    frmAbout(forms::Runtime& runtime, ErrorReporter& errors);

    forms::Label lblTitle{*this,
                          {.name = "lblTitle", .left = 240, .top = 240, .width = 5265, .height = 360},
                          {.caption = "CORVANE", .fontBold = true, .fontSize = 13.5F}};
    forms::Label lblVersion{*this, {.name = "lblVersion", .left = 1050, .top = 780, .width = 3885, .height = 225}};
    forms::Line Line1{*this, {.name = "Line1"}, {.x1 = 120, .y1 = 1920, .x2 = 5610, .y2 = 1920}};
    forms::CommandButton cmdOK{*this,
                               {.name = "cmdOK", .left = 4485, .top = 2040, .width = 1095, .height = 375},
                               {.caption = "OK", .isDefault = true, .isCancel = true}};
    forms::Label Label11{
        *this, {.name = "Label11", .left = 3375, .top = 2865, .width = 585, .height = 255}, {.caption = "More at"}};
    forms::Label lblLink{*this,
                         {.name = "lblLink", .left = 3975, .top = 2865, .width = 1755, .height = 255},
                         {.caption = "www.corvane.com", .fontUnderline = true}};

protected:
    void Form_Load() override;

private:
    void cmdOK_Click();
    void lblLink_Click();

    ErrorReporter& errors_;
};

} // namespace corvane::admin
