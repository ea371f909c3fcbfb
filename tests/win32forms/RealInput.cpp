#include "tests/win32forms/RealInput.h"

#include <vector>

namespace corvane::forms::win32::test::RealInput {

namespace {
/// The range of absolute mouse coordinates, which stand for the whole primary screen.
constexpr LONG kAbsoluteRange = 65536;

/// An absolute mouse coordinate that maps back to the pixel itself: the middle of its range.
LONG absolute(LONG pixel, int screenPixels) {
    return (pixel * kAbsoluteRange + screenPixels / 2) / screenPixels;
}

INPUT mouse(DWORD flags, POINT screen) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = absolute(screen.x, GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = absolute(screen.y, GetSystemMetrics(SM_CYSCREEN));
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    return input;
}

INPUT key(WORD virtualKey, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

INPUT unicode(wchar_t character, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wScan = character;
    input.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
    return input;
}

void send(std::vector<INPUT> inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void addCharacter(std::vector<INPUT>& inputs, char character) {
    const SHORT made = VkKeyScanA(character);
    const auto virtualKey = static_cast<WORD>(made & 0xFF);
    const bool shift = (made & 0x100) != 0;
    // A key that needs Ctrl or Alt besides Shift (or none at all) is typed as the character itself.
    if (made == -1 || (made & 0x600) != 0) {
        wchar_t wide = 0;
        MultiByteToWideChar(CP_ACP, 0, &character, 1, &wide, 1);
        inputs.push_back(unicode(wide, false));
        inputs.push_back(unicode(wide, true));
        return;
    }
    if (shift) {
        inputs.push_back(key(VK_SHIFT, false));
    }
    inputs.push_back(key(virtualKey, false));
    inputs.push_back(key(virtualKey, true));
    if (shift) {
        inputs.push_back(key(VK_SHIFT, true));
    }
}
} // namespace

void clickAt(POINT screen) {
    send({mouse(0, screen), mouse(MOUSEEVENTF_LEFTDOWN, screen), mouse(MOUSEEVENTF_LEFTUP, screen)});
}

void click(HWND window) {
    RECT area{};
    GetWindowRect(window, &area);
    clickAt({(area.left + area.right) / 2, (area.top + area.bottom) / 2});
}

void press(WORD virtualKey, bool shift) {
    if (shift) {
        send({key(VK_SHIFT, false), key(virtualKey, false), key(virtualKey, true), key(VK_SHIFT, true)});
    } else {
        send({key(virtualKey, false), key(virtualKey, true)});
    }
}

void type(std::string_view text) {
    std::vector<INPUT> inputs;
    for (char character : text) {
        addCharacter(inputs, character);
    }
    send(std::move(inputs));
}

} // namespace corvane::forms::win32::test::RealInput
