#include "admin/frmLocations.h"

#include "admin/ModSHBrowse.h"
#include "common/Paths.h"
#include "common/SettingsPaths.h"

namespace corvane::admin {

frmLocations::frmLocations(forms::Runtime& runtime, SettingsStore& settings, ErrorReporter& errors,
                           forms::Hwnd mainWindow)
    : Form(runtime, {.name = "frmLocations",
                     .caption = "Settings File Location",
                     .width = 6135 + forms::kDialogChromeWidth,
                     .height = 2640 + forms::kDialogChromeHeight,
                     .borderStyle = forms::BorderStyle::FixedDialog,
                     .startUpPosition = forms::StartUpPosition::CenterScreen}),
      settings_(settings), errors_(errors), mainWindow_(mainWindow) {
    cmdClose.Click = [this] { cmdClose_Click(); };
    cmdCancel.Click = [this] { Unload(); };
    cmdBrowse.Click = [this] { cmdBrowse_Click(); };
    cmdBrowseFolder.Click = [this] { cmdBrowseFolder_Click(); };
}

void frmLocations::Form_Load() {
    const std::string folder = runtime().app().Path();
    txtUsersFile.setText(readUsersPath(settings_, folder));
    txtFolder.setText(readListPath(settings_, folder));
}

void frmLocations::cmdClose_Click() {
    settings_.Save(kAppName, kSettingsSection, "ListPath", txtFolder.Text());
    settings_.Save(kAppName, kSettingsSection, "UsersPath", txtUsersFile.Text());
    Unload();
}

void frmLocations::cmdBrowse_Click() {
    // A cancelled dialog, like any other failure here, leaves the text as it was without a word.
    try {
        dlgOpen.setCancelError(true);
        dlgOpen.setInitDir(GetDir(txtUsersFile.Text()));
        dlgOpen.setFileName(GetName(txtUsersFile.Text()));
        dlgOpen.setFilter("Data file (*.dat)|*.dat");
        dlgOpen.ShowOpen();
        txtUsersFile.setText(dlgOpen.FileName());
    } catch (const RuntimeError&) {
        return;
    }
}

void frmLocations::cmdBrowseFolder_Click() {
    errors_.guard("Form1: Sub cmdBrowseFolder_Click", [&](Statement& at) {
        at(10);
        ModSHBrowse::BrowseForFolder(runtime(), mainWindow_, txtFolder);
    });
}

std::string frmLocations::GetDir(const std::string& path) {
    std::string folder;
    errors_.guard("Form1: Function GetDir", [&](Statement& at) {
        at(10);
        if (path.empty()) {
            return;
        }
        const size_t separator = path.rfind(kPathSeparator);
        if (separator == std::string::npos) {
            throw RuntimeError(vberr::InvalidProcedureCall);
        }
        at(20);
        folder = path.substr(0, separator);
    });
    return folder;
}

std::string frmLocations::GetName(const std::string& path) {
    const size_t separator = path.rfind(kPathSeparator);
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

} // namespace corvane::admin
