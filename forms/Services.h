#pragma once

#include "forms/App.h"
#include "forms/Clock.h"
#include "forms/FileDialogService.h"
#include "forms/FolderBrowserService.h"
#include "forms/KeySender.h"
#include "forms/MsgBoxService.h"
#include "forms/PrintService.h"
#include "forms/SaveFileDialogService.h"
#include "forms/Screen.h"
#include "forms/ShellService.h"

namespace corvane::forms {

/// The services a backend provides to the runtime. The backend owns them; they outlive the runtime.
struct Services {
    MsgBoxService& msgBox;
    ShellService& shell;
    FileDialogService& fileDialog;
    FolderBrowserService& folderBrowser;
    forms::Screen& screen;
    forms::App& app;
    KeySender& keys;
    forms::Clock& clock;
    SaveFileDialogService& saveFileDialog;
    PrintService& printer;
};

} // namespace corvane::forms
