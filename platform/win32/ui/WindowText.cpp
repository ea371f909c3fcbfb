#include "platform/win32/ui/WindowText.h"

namespace corvane::forms::win32 {

std::string windowText(HWND window) {
    std::string text(static_cast<size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

void setWindowText(HWND window, std::string_view text) {
    if (windowText(window) != text) {
        SetWindowTextA(window, std::string(text).c_str());
    }
}

} // namespace corvane::forms::win32
