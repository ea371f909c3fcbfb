#pragma once

#include "forms/MsgBoxService.h"
#include "platform/qt/DialogHook.h"

#include <QMessageBox>
#include <QString>

namespace corvane::forms::qt {

/// Message boxes as `QMessageBox`: the title, the icon, OK or Yes and No with the right default, and
/// the text's line breaks (CR, LF or CR LF) as lines. The Qt timers that drive the program's message
/// loop keep running in the box's own loop, so the program's timers tick behind it.
class QtMsgBox : public MsgBoxService {
public:
    int show(const MsgBoxRequest& request) override;

    /// Lets a test answer every box that shows.
    void onShown(DialogHook<QMessageBox>::Hook hook) { hook_.set(std::move(hook)); }

    /// The text as the box shows it: each CR LF, lone CR or LF is one line break.
    static QString displayText(const std::string& text);

private:
    DialogHook<QMessageBox> hook_;
};

} // namespace corvane::forms::qt
