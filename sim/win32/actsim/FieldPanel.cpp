#include "sim/win32/actsim/FieldPanel.h"

#include <algorithm>

namespace corvane::sim::win32 {

namespace {
constexpr int32_t kProtectedEntryRule = 3;
constexpr int kLabelWidth = 110;
constexpr int kEditWidth = 190;
constexpr int kRowHeight = 26;
constexpr int kControlHeight = 21;
constexpr int kColumnGap = 24;
constexpr int kColumnWidth = kLabelWidth + kEditWidth + kColumnGap;

std::string textOf(HWND window) {
    std::string text(static_cast<size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

HWND child(HWND parent, const char* className, const std::string& text, DWORD style, RECT at, int id, HFONT font) {
    HWND window =
        CreateWindowExA(std::string_view(className) == "Edit" ? WS_EX_CLIENTEDGE : 0, className, text.c_str(),
                        WS_CHILD | WS_VISIBLE | style, at.left, at.top, at.right - at.left, at.bottom - at.top, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return window;
}
} // namespace

FieldPanel::FieldPanel(HWND parent, std::vector<FieldDefinition> fields, POINT origin, HFONT font) : parent_(parent) {
    const auto perColumn = static_cast<int>((fields.size() + 1) / 2);
    for (size_t i = 0; i < fields.size(); ++i) {
        const int row = static_cast<int>(i) % std::max(perColumn, 1);
        const int column = static_cast<int>(i) / std::max(perColumn, 1);
        addRow(fields[i], POINT{origin.x + column * kColumnWidth, origin.y + row * kRowHeight}, font);
    }
    size_ = SIZE{2 * kColumnWidth - kColumnGap, perColumn * kRowHeight};
}

void FieldPanel::addRow(const FieldDefinition& field, POINT at, HFONT font) {
    child(parent_, "Static", field.label + ":", SS_LEFT,
          RECT{at.x, at.y + 3, at.x + kLabelWidth - 6, at.y + kControlHeight}, -1, font);
    const DWORD readOnly = field.entryRule == kProtectedEntryRule ? ES_READONLY : 0;
    HWND edit = child(parent_, "Edit", "", WS_TABSTOP | ES_AUTOHSCROLL | readOnly,
                      RECT{at.x + kLabelWidth, at.y, at.x + kLabelWidth + kEditWidth, at.y + kControlHeight},
                      controlIdOf(field.number), font);
    SetWindowSubclass(edit, &FieldPanel::editProc, 0, reinterpret_cast<DWORD_PTR>(this));
    rows_.push_back({field, edit});
}

void FieldPanel::showValues(const std::function<std::string(int16_t fieldNumber)>& valueOf) {
    showing_ = true;
    for (const Row& row : rows_) {
        const std::string value = valueOf(row.field.number);
        if (textOf(row.edit) != value) {
            SetWindowTextA(row.edit, value.c_str());
        }
    }
    showing_ = false;
}

void FieldPanel::setEnabled(bool enabled) {
    for (const Row& row : rows_) {
        EnableWindow(row.edit, enabled ? TRUE : FALSE);
    }
}

std::optional<FieldDefinition> FieldPanel::fieldOf(HWND window) const {
    const auto row = std::find_if(rows_.begin(), rows_.end(), [&](const Row& each) { return each.edit == window; });
    return row == rows_.end() ? std::nullopt : std::optional<FieldDefinition>(row->field);
}

bool FieldPanel::notify(WORD code, HWND control) {
    const auto field = fieldOf(control);
    if (!field) {
        return false;
    }
    if (code == EN_CHANGE && !showing_ && edited) {
        edited(field->number, textOf(control));
    }
    return true;
}

void FieldPanel::moveFrom(HWND edit, int step) {
    const auto row = std::find_if(rows_.begin(), rows_.end(), [&](const Row& each) { return each.edit == edit; });
    if (row == rows_.end()) {
        return;
    }
    const auto count = static_cast<std::ptrdiff_t>(rows_.size());
    const std::ptrdiff_t next = ((row - rows_.begin()) + step + count) % count;
    SetFocus(rows_[static_cast<size_t>(next)].edit);
}

void FieldPanel::focusLeft(HWND now) {
    // Another program's window took the focus (now is none of ours): the field stays entered.
    if (now != nullptr && IsChild(parent_, now) && !fieldOf(now) && left) {
        left();
    }
}

LRESULT CALLBACK FieldPanel::editProc(HWND edit, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR panel) {
    auto& self = *reinterpret_cast<FieldPanel*>(panel);
    switch (msg) {
    case WM_KEYDOWN:
        if (wParam == VK_RETURN || wParam == VK_TAB) {
            self.moveFrom(edit, wParam == VK_TAB && GetKeyState(VK_SHIFT) < 0 ? -1 : 1);
            return 0;
        }
        break;
    case WM_CHAR:
        if (wParam == '\r' || wParam == '\t') {
            return 0; // moved already; a single-line edit would only beep
        }
        break;
    case WM_SETFOCUS:
        if (const auto field = self.fieldOf(edit); field && self.entered) {
            const LRESULT result = DefSubclassProc(edit, msg, wParam, lParam);
            self.entered(edit, *field);
            return result;
        }
        break;
    case WM_KILLFOCUS:
        self.focusLeft(reinterpret_cast<HWND>(wParam));
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(edit, &FieldPanel::editProc, id);
        break;
    default:
        break;
    }
    return DefSubclassProc(edit, msg, wParam, lParam);
}

} // namespace corvane::sim::win32
