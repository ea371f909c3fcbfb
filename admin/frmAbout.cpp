#include "admin/frmAbout.h"

#include "admin/ShellOpen.h"
#include "common/Text.h"

namespace corvane::admin {

frmAbout::frmAbout(forms::Runtime& runtime, ErrorReporter& errors)
    : Form(runtime, {.name = "frmAbout",
                     .caption = "About Corvane",
                     .width = 5730 + forms::kDialogChromeWidth,
                     .height = 3150 + forms::kDialogChromeHeight,
                     .borderStyle = forms::BorderStyle::FixedDialog,
                     .startUpPosition = forms::StartUpPosition::CenterScreen}),
      errors_(errors) {
    cmdOK.Click = [this] { cmdOK_Click(); };
    lblLink.Click = [this] { lblLink_Click(); };
}

void frmAbout::Form_Load() {
    errors_.guard("frmAbout: Sub Form_Load", [&](Statement& at) {
        at(10);
        forms::App& app = runtime().app();
        lblVersion.setCaption("Version " + text::decimal(app.Major()) + "." + text::decimal(app.Minor()) + "." +
                              text::decimal(app.Revision()));
    });
}

void frmAbout::cmdOK_Click() {
    errors_.guard("frmAbout: Sub cmdOK_Click", [&](Statement& at) {
        at(10);
        Unload();
    });
}

void frmAbout::lblLink_Click() {
    errors_.guard("frmAbout: Sub lblLink_Click", [&](Statement& at) {
        at(10);
        shellOpen(runtime(), hWnd(), kVendorAddress);
    });
}

} // namespace corvane::admin
