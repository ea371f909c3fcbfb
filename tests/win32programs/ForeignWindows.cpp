#include "tests/win32programs/ForeignWindows.h"

#include "platform/win32/files/FileHandle.h"
#include "tests/support/WaitFor.h"
#include "tests/win32programs/RemoteMemory.h"

#include <algorithm>
#include <functional>
#include <stdexcept>

namespace corvane::test::ForeignWindows {

namespace {
constexpr const char* kDialogClass = "#32770";
/// The id a message box gives its message (Windows and Wine alike).
constexpr int kMessageBoxText = 0xFFFF;
/// Room for one cell's text in the list view's process.
constexpr size_t kCellRoom = 512;

std::string classOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

struct Search {
    const std::function<bool(HWND)>& match;
    HWND found = nullptr;
};

BOOL CALLBACK visit(HWND window, LPARAM state) {
    auto& search = *reinterpret_cast<Search*>(state);
    if (search.match(window)) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

/// The first window for which `match` holds: a top-level one, or a descendant of `parent`.
HWND findWindow(HWND parent, const std::function<bool(HWND)>& match) {
    Search search{match};
    if (parent == nullptr) {
        EnumWindows(&visit, reinterpret_cast<LPARAM>(&search));
    } else {
        EnumChildWindows(parent, &visit, reinterpret_cast<LPARAM>(&search));
    }
    return search.found;
}

/// The process of a window, opened to reach its memory.
os::FileHandle openMemoryOf(HWND window) {
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processOf(window));
    if (process == nullptr) {
        throw std::runtime_error("cannot open the process of a window");
    }
    return os::FileHandle(process);
}

/// Text in the system's ANSI code page.
std::string ansiOf(const std::wstring& wide) {
    const int length =
        WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(std::max(length, 0)), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), text.data(), length, nullptr, nullptr);
    return text;
}

// Texts are asked for in Unicode: Wine hands the ANSI texts of another process's controls over as
// Unicode.
std::vector<std::string> itemsOf(HWND control, UINT countMessage, UINT lengthMessage, UINT textMessage) {
    std::vector<std::string> items;
    const auto count = SendMessageW(control, countMessage, 0, 0);
    for (LRESULT item = 0; item < count; ++item) {
        const auto length = SendMessageW(control, lengthMessage, static_cast<WPARAM>(item), 0);
        std::wstring text(static_cast<size_t>(std::max<LRESULT>(length, 0)) + 1, L'\0');
        const auto copied =
            SendMessageW(control, textMessage, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<size_t>(std::max<LRESULT>(copied, 0)));
        items.push_back(ansiOf(text));
    }
    return items;
}
} // namespace

HWND topWindow(DWORD processId, std::string_view windowClass, std::string_view caption) {
    return findWindow(nullptr, [&](HWND window) {
        return processOf(window) == processId && IsWindowVisible(window) != FALSE && classOf(window) == windowClass &&
               text(window) == caption;
    });
}

HWND messageBox(DWORD processId) {
    return findWindow(nullptr, [&](HWND window) {
        return processOf(window) == processId && IsWindowVisible(window) != FALSE && classOf(window) == kDialogClass;
    });
}

DWORD processOf(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return process;
}

bool awaitForeground(HWND window) {
    return window != nullptr && waitFor([&] { return GetForegroundWindow() == window; });
}

bool awaitFocus(HWND control) {
    const DWORD thread = GetWindowThreadProcessId(control, nullptr);
    return control != nullptr && waitFor([&] {
               GUITHREADINFO input{};
               input.cbSize = sizeof input;
               return GetGUIThreadInfo(thread, &input) != FALSE && input.hwndFocus == control &&
                      GetForegroundWindow() == GetAncestor(control, GA_ROOT);
           });
}

HWND control(HWND form, int id) {
    return form == nullptr ? nullptr : findWindow(form, [&](HWND window) { return GetDlgCtrlID(window) == id; });
}

HWND child(HWND window, std::string_view windowClass, std::string_view caption) {
    return window == nullptr ? nullptr : findWindow(window, [&](HWND inside) {
        return classOf(inside) == windowClass && text(inside) == caption;
    });
}

// GetWindowText would give another process's control only the text the system keeps for it, which an
// edit control does not use.
std::string text(HWND window) {
    const auto length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    std::wstring shown(static_cast<size_t>(std::max<LRESULT>(length, 0)) + 1, L'\0');
    const auto copied =
        SendMessageW(window, WM_GETTEXT, static_cast<WPARAM>(shown.size()), reinterpret_cast<LPARAM>(shown.data()));
    shown.resize(static_cast<size_t>(std::max<LRESULT>(copied, 0)));
    return ansiOf(shown);
}

RECT screenRect(HWND window) {
    RECT area{};
    GetWindowRect(window, &area);
    return area;
}

POINT middle(const RECT& area) {
    return {(area.left + area.right) / 2, (area.top + area.bottom) / 2};
}

std::vector<std::string> comboItems(HWND combo) {
    return itemsOf(combo, CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT);
}

std::vector<std::string> listBoxItems(HWND list) {
    return itemsOf(list, LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT);
}

std::vector<std::vector<std::string>> listViewRows(HWND list) {
    const os::FileHandle process = openMemoryOf(list);
    const RemoteMemory block(process.get(), sizeof(LVITEMA) + kCellRoom);
    auto* header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    const auto columns = static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
    const auto count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    std::vector<std::vector<std::string>> rows;
    for (int row = 0; row < count; ++row) {
        std::vector<std::string> cells;
        for (int column = 0; column < columns; ++column) {
            LVITEMA item{};
            item.iSubItem = column;
            item.pszText = static_cast<char*>(block.at(sizeof(LVITEMA)));
            item.cchTextMax = static_cast<int>(kCellRoom);
            block.write(0, &item, sizeof item);
            const auto length = SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row),
                                             reinterpret_cast<LPARAM>(block.address()));
            std::string cell(static_cast<size_t>(std::max<LRESULT>(length, 0)), '\0');
            block.read(sizeof(LVITEMA), cell.data(), cell.size());
            cells.push_back(std::move(cell));
        }
        rows.push_back(std::move(cells));
    }
    return rows;
}

RECT listViewCell(HWND list, int row, int column) {
    SendMessageA(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
    const os::FileHandle process = openMemoryOf(list);
    const RemoteMemory block(process.get(), sizeof(RECT));
    RECT cell{};
    cell.top = column;
    cell.left = LVIR_BOUNDS;
    block.write(0, &cell, sizeof cell);
    SendMessageA(list, LVM_GETSUBITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(block.address()));
    block.read(0, &cell, sizeof cell);
    MapWindowPoints(list, HWND_DESKTOP, reinterpret_cast<POINT*>(&cell), 2);
    return cell;
}

RECT listBoxItem(HWND list, int item) {
    RECT area{};
    SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&area));
    MapWindowPoints(list, HWND_DESKTOP, reinterpret_cast<POINT*>(&area), 2);
    return area;
}

void clickButton(HWND button) {
    PostMessageA(button, BM_CLICK, 0, 0);
}

void chooseItem(HWND combo, int index) {
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    PostMessageA(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
}

BoxTexts boxTexts(HWND box) {
    BoxTexts texts{text(box), text(GetDlgItem(box, kMessageBoxText)), {}};
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if (classOf(child) == "Button" && IsWindowVisible(child) != FALSE) {
            texts.buttons.push_back(text(child));
        }
    }
    return texts;
}

} // namespace corvane::test::ForeignWindows
