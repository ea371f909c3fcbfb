#include "admin/frmIntegrate.h"

#include "admin/ActHost.h"
#include "admin/Form1.h"
#include "common/Paths.h"
#include "common/VbConvert.h"

#include <array>

namespace corvane::admin {

namespace {

const std::array<const char*, frmIntegrate::kViews> kViewCaptions{"Contacts",  "Contact List", "Groups",
                                                                  "Task List", "Calendars",    "E-mail"};
constexpr int16_t kLauncherKind = 1;
constexpr int32_t kRowHeight = 330;

} // namespace

frmIntegrate::frmIntegrate(forms::Runtime& runtime, act::ActFactory& factory, ErrorReporter& errors, Form1& main)
    : Form(runtime, {.name = "frmIntegrate",
                     .caption = "Integrate with ACT!",
                     .width = 7440 + forms::kDialogChromeWidth,
                     .height = 3240 + forms::kDialogChromeHeight,
                     .borderStyle = forms::BorderStyle::FixedDialog,
                     .startUpPosition = forms::StartUpPosition::CenterScreen}),
      factory_(factory), errors_(errors), main_(main) {
    addViewControls(fraToolbar, 0);
    addViewControls(fraMenu, kViews);
    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdCancel.Click = [this] {
        errors_.guard("frmIntegrate: Sub cmdCancel_Click", [&](Statement& at) {
            at(10);
            Unload();
        });
    };
}

void frmIntegrate::addViewControls(forms::Frame& frame, int firstIndex) {
    for (int view = 0; view < kViews; ++view) {
        const int index = firstIndex + view;
        const int32_t top = 360 + view * kRowHeight;
        forms::CheckBox& box = chkScreen.add(
            frame, {.name = "chkScreen", .index = index, .left = 240, .top = top, .width = 255, .height = 255});
        box.Click = [this, index] { chkScreen_Click(index); };
        forms::Label& label = lblScreen.add(
            frame, {.name = "lblScreen", .index = index, .left = 600, .top = top, .width = 1935, .height = 255},
            {.caption = kViewCaptions[static_cast<size_t>(view)]});
        label.Click = [this, index] { lblScreen_Click(index); };
    }
}

std::string frmIntegrate::title() {
    return runtime().app().Title();
}

void frmIntegrate::Form_Load() {
    errors_.guard("frmIntegrate: Sub Form_Load", [&](Statement& at) {
        at(10);
        oAuxCmds = act::CreateObjectAs<act::AuxCommands>(factory_, act::kAuxCommandsClass);
        for (int16_t view = 1; view <= kViews; ++view) {
            at(20);
            chkScreen(view - 1).setValue(vb::CInt(oAuxCmds->AuxCommandExistsInToolbar(view, title())));
        }
        for (int16_t view = 1; view <= kViews; ++view) {
            at(30);
            chkScreen(view + kViews - 1).setValue(vb::CInt(oAuxCmds->AuxCommandExistsInToolsMenu(view, title())));
        }
        at(40);
        bChanged = false;
    });
}

void frmIntegrate::Form_Unload(int16_t& /*cancel*/) {
    errors_.guard("frmIntegrate: Sub Form_Unload", [&](Statement& at) {
        at(10);
        oAuxCmds.reset();
    });
}

void frmIntegrate::chkScreen_Click(int index) {
    errors_.guard("frmIntegrate: Sub chkScreen_Click", [&](Statement& at) {
        at(10);
        bChanged = true;
        act::AuxCommands& aux = need(oAuxCmds);
        if (aux.AuxCommandExists(title()) == 0) {
            at(20);
            CheckCommand();
        }
        at(30);
        const bool remove = chkScreen(index).Value() == forms::vbUnchecked;
        if (index >= kViews) {
            const auto view = static_cast<int16_t>(index - kViews + 1);
            lAuxResult =
                remove ? aux.RemoveAuxCommandFromToolsMenu(view, title()) : aux.AddAuxCommandToToolsMenu(view, title());
        } else {
            const auto view = static_cast<int16_t>(index + 1);
            lAuxResult =
                remove ? aux.RemoveAuxCommandFromToolbar(view, title()) : aux.AddAuxCommandToToolbar(view, title());
        }
    });
}

void frmIntegrate::lblScreen_Click(int index) {
    errors_.guard("frmIntegrate: Sub lblScreen_Click", [&](Statement& at) {
        at(10);
        forms::CheckBox& box = chkScreen(index);
        box.setValue(box.Value() == forms::vbChecked ? forms::vbUnchecked : forms::vbChecked);
    });
}

void frmIntegrate::CheckCommand() {
    errors_.guard("frmIntegrate: Sub CheckCommand", [&](Statement& at) {
        at(10);
        forms::App& app = runtime().app();
        const std::string folder = app.Path();
        const std::string name = app.EXEName();
        lAuxResult = need(oAuxCmds).AddAuxCommand(title(), joinPath(folder, name + ".EXE"), folder, title(),
                                                  "click to launch " + title(), joinPath(folder, name + ".ico"),
                                                  joinPath(folder, name + "32.ico"), kLauncherKind);
        at(20);
        if (lAuxResult != 0) {
            MessAddFailed();
        }
    });
}

void frmIntegrate::cmdOK_Click() {
    errors_.guard("frmIntegrate: Sub cmdOK_Click", [&](Statement& at) {
        at(10);
        if (bChanged) {
            if (lAuxResult != 0) {
                MessAddFailed();
            } else {
                Message();
            }
        }
        at(20);
        Unload();
    });
}

void frmIntegrate::Message() {
    errors_.guard("frmIntegrate: Sub Message", [&](Statement& at) {
        at(10);
        const int answer = runtime().MsgBox(
            "You need to re-start ACT! for the changes to take effect!\r\nDo you want to re-start it now?",
            {.buttons = forms::MsgBoxButtons::YesNo}, "Dovi Ro Dir Azo!");
        at(20);
        Form_Load();
        if (answer != forms::vbYes) {
            return;
        }
        at(30);
        Unload();
        main_.restartAct();
    });
}

void frmIntegrate::MessAddFailed() {
    errors_.guard("frmIntegrate: Sub MessAddFailed", [&](Statement& at) {
        at(10);
        runtime().MsgBox("Can't add icon or menu item automatically. You will need to proceed manually.", {}, title());
    });
}

} // namespace corvane::admin
