// The menus of Form1: the dialogs of the Options menu and the Help menu.
#include "admin/Form1.h"

#include "admin/ShellOpen.h"
#include "admin/frmAbout.h"
#include "admin/frmHistory.h"
#include "admin/frmIntegrate.h"
#include "admin/frmLocations.h"
#include "admin/frmRightsReport.h"
#include "common/Paths.h"

namespace corvane::admin {

void Form1::mnuLocation_Click() {
    frmLocations dialog(runtime(), settings_, errors_, hWnd());
    dialog.Show(true);
    // Read again however the dialog closed; the new paths count from the next read or write.
    Load_Paths();
}

void Form1::mnuIntegrate_Click() {
    errors_.guard("Form1: Sub mnuIntegrate_Click", [&](Statement& at) {
        at(10);
        frmIntegrate dialog(runtime(), factory_, errors_, *this);
        dialog.Show(true);
    });
}

void Form1::mnuHistory_Click() {
    errors_.guard("Form1: Sub mnuHistory_Click", [&](Statement& at) {
        at(10);
        frmHistory dialog(runtime(), errors_, {host_.fields, host_.users}, sUsersPath, sGenericName);
        dialog.Show(true);
    });
}

void Form1::mnuRightsReport_Click() {
    errors_.guard("Form1: Sub mnuRightsReport_Click", [&](Statement& at) {
        at(10);
        frmRightsReport dialog(runtime(), errors_, host_, sUsersPath, sGenericName);
        dialog.Show(true);
    });
}

void Form1::mnuOnline_Click() {
    shellOpen(runtime(), hWnd(), kOnlineHelpAddress);
}

void Form1::mnuManual_Click() {
    shellOpen(runtime(), hWnd(), joinPath(runtime().app().Path(), kManualFileName));
}

void Form1::mnuAbout_Click() {
    errors_.guard("Form1: Sub mnuAbout_Click", [&](Statement& at) {
        at(10);
        frmAbout about(runtime(), errors_);
        about.Show(true);
    });
}

} // namespace corvane::admin
