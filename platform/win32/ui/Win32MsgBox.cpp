#include "platform/win32/ui/Win32MsgBox.h"

namespace corvane::forms::win32 {

std::string Win32MsgBox::displayText(const std::string& text) {
    std::string shown;
    shown.reserve(text.size() + 8);
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            shown += "\r\n";
            ++i;
        } else if (c == '\r' || c == '\n') {
            shown += "\r\n";
        } else {
            shown += c;
        }
    }
    return shown;
}

UINT Win32MsgBox::flagsOf(const MsgBoxStyle& style) {
    UINT flags = style.buttons == MsgBoxButtons::YesNo ? MB_YESNO : MB_OK;
    switch (style.icon) {
    case MsgBoxIcon::None:
        break;
    case MsgBoxIcon::Critical:
        flags |= MB_ICONSTOP;
        break;
    case MsgBoxIcon::Question:
        flags |= MB_ICONQUESTION;
        break;
    case MsgBoxIcon::Exclamation:
        flags |= MB_ICONEXCLAMATION;
        break;
    case MsgBoxIcon::Information:
        flags |= MB_ICONINFORMATION;
        break;
    }
    if (style.defaultButton2) {
        flags |= MB_DEFBUTTON2;
    }
    return flags;
}

int Win32MsgBox::show(const MsgBoxRequest& request) {
    HWND owner = owner_ ? owner_() : nullptr;
    // Modal to the whole program, in front: the trigger's start-up boxes have no window to belong to.
    const UINT modality = (owner == nullptr ? MB_TASKMODAL : MB_APPLMODAL) | MB_SETFOREGROUND;
    const int answer =
        MessageBoxA(owner, displayText(request.text).c_str(), request.title.c_str(), flagsOf(request.style) | modality);
    switch (answer) {
    case IDYES:
        return vbYes;
    case IDNO:
        return vbNo;
    default:
        return vbOK;
    }
}

} // namespace corvane::forms::win32
