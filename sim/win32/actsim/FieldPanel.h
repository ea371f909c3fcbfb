#pragma once

#include "platform/win32/ui/WinApi.h"
#include "sim/engine/FieldStore.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace corvane::sim::win32 {

/// The current contact's fields as labels and "Edit" controls, in the order of the field list, in two
/// columns. A protected field (entry rule 3) is read-only here: it changes only through `SetField`,
/// which the trigger calls. Enter and Tab move to the next field, Shift+Tab to the one before, as in
/// ACT!. The controls are children of the parent window and go with it.
class FieldPanel {
public:
    /// Control id of a field's edit control.
    static int controlIdOf(int16_t fieldNumber) { return kFirstControlId + fieldNumber; }

    FieldPanel(HWND parent, std::vector<FieldDefinition> fields, POINT origin, HFONT font);
    FieldPanel(const FieldPanel&) = delete;
    FieldPanel& operator=(const FieldPanel&) = delete;

    /// The room the panel takes.
    SIZE size() const { return size_; }
    /// Shows each field's value as `valueOf` gives it; a field whose text is right already is left
    /// alone, so its caret stays. Showing reports no edit.
    void showValues(const std::function<std::string(int16_t fieldNumber)>& valueOf);
    void setEnabled(bool enabled);
    /// The field an edit control shows, or nothing for any other window.
    std::optional<FieldDefinition> fieldOf(HWND window) const;
    /// Takes the parent's WM_COMMAND notification of a control; false when it is none of the panel's.
    bool notify(WORD code, HWND control);

    /// The user changed a field's text.
    std::function<void(int16_t fieldNumber, const std::string& value)> edited;
    /// A field's edit control got the focus.
    std::function<void(HWND edit, const FieldDefinition& field)> entered;
    /// The focus went from a field to a control of the window that shows no field.
    std::function<void()> left;

private:
    static constexpr int kFirstControlId = 10000;

    struct Row {
        FieldDefinition field;
        HWND edit = nullptr; // a child of the parent, which owns it
    };

    static LRESULT CALLBACK editProc(HWND edit, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR panel);
    void addRow(const FieldDefinition& field, POINT at, HFONT font);
    void moveFrom(HWND edit, int step);
    void focusLeft(HWND now);

    HWND parent_;
    SIZE size_{};
    std::vector<Row> rows_;
    bool showing_ = false;
};

} // namespace corvane::sim::win32
