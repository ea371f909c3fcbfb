#include "tests/win32forms/NativeDialog.h"

#include "platform/win32/ui/WindowText.h"

#include <algorithm>
#include <utility>

namespace corvane::forms::win32::test::NativeDialog {

namespace {
constexpr const char* kDialogClass = "#32770";

std::string classOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

BOOL CALLBACK findOpen(HWND window, LPARAM found) {
    if (classOf(window) == kDialogClass && IsWindowVisible(window) != FALSE) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

/// The direct children of a window, with their rectangles in its client area.
std::vector<std::pair<HWND, RECT>> children(HWND parent) {
    std::vector<std::pair<HWND, RECT>> found;
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT at{};
        GetWindowRect(child, &at);
        MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&at), 2);
        found.emplace_back(child, at);
    }
    return found;
}

bool isPushButton(HWND window) {
    const auto type = GetWindowLongPtrA(window, GWL_STYLE) & BS_TYPEMASK;
    return classOf(window) == "Button" && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON);
}

bool isIcon(HWND window) {
    return classOf(window) == "Static" && (GetWindowLongPtrA(window, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
}

bool showsAnIcon(HWND window) {
    return isIcon(window) && IsWindowVisible(window) != FALSE && SendMessageA(window, STM_GETICON, 0, 0) != 0;
}
} // namespace

HWND open() {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &findOpen, reinterpret_cast<LPARAM>(&found));
    return found;
}

std::vector<std::string> texts(HWND dialog) {
    auto shown = children(dialog);
    std::sort(shown.begin(), shown.end(), [](const auto& a, const auto& b) { return a.second.top < b.second.top; });
    std::vector<std::string> result;
    for (const auto& [child, at] : shown) {
        if (classOf(child) == "Static" && !isIcon(child) && IsWindowVisible(child) != FALSE &&
            !windowText(child).empty()) {
            result.push_back(windowText(child));
        }
    }
    return result;
}

std::vector<std::string> buttons(HWND dialog) {
    auto shown = children(dialog);
    std::sort(shown.begin(), shown.end(), [](const auto& a, const auto& b) { return a.second.left < b.second.left; });
    std::vector<std::string> result;
    for (const auto& [child, at] : shown) {
        if (isPushButton(child) && IsWindowVisible(child) != FALSE) {
            result.push_back(windowText(child));
        }
    }
    return result;
}

bool showsIcon(HWND dialog) {
    const auto shown = children(dialog);
    return std::any_of(shown.begin(), shown.end(), [](const auto& child) { return showsAnIcon(child.first); });
}

std::vector<std::string> clippedChildren(HWND dialog) {
    RECT room{};
    GetClientRect(dialog, &room);
    std::vector<std::string> cut;
    for (const auto& [child, at] : children(dialog)) {
        if (IsWindowVisible(child) == FALSE) {
            continue;
        }
        if (at.left < room.left || at.top < room.top || at.right > room.right || at.bottom > room.bottom) {
            cut.push_back(classOf(child) + " '" + windowText(child) + "'");
        }
    }
    return cut;
}

} // namespace corvane::forms::win32::test::NativeDialog
