#pragma once

#include "common/ErrorReport.h"
#include "forms/Hwnd.h"
#include "forms/WindowSystem.h"

namespace corvane::forms {
class CommandButton;
class Form;
class TextBox;
} // namespace corvane::forms

/// Finding ACT!'s field window and laying the trigger's value form over it. The shared helpers of
/// both programs (`Get_Generic_Name`, `FileExists`) are in `corvane::Module1`.
namespace corvane::trigger::Module1 {

/// The window in the foreground now: ACT!'s, since ACT! has just started the trigger. A failure is
/// reported under "Module1: Function GetACTHandle" and gives 0.
forms::Hwnd GetACTHandle(forms::WindowSystem& windows, ErrorReporter& errors);

/// The control that has the keyboard focus inside ACT!'s window when it is a plain edit control
/// (class name exactly "Edit"), else 0. The input of ACT!'s thread is joined with the trigger's only
/// while the focus is asked. A failure is reported under "Module1: Function FindACTFieldHandle" and
/// gives what was found so far.
forms::Hwnd FindACTFieldHandle(forms::WindowSystem& windows, ErrorReporter& errors, forms::Hwnd actWindow);

/// Lays the form over the field (pixels, screen coordinates) with the drop-down button at the right:
/// 20 twips over the field's left and top edges, 20 twips wider and higher than the field.
void Position_With_Dropdown(forms::Form& form, forms::TextBox& txtNewValue, forms::CommandButton& cmdDD,
                            const forms::Rect& rcField);

/// Lays the form over the field without the drop-down button: 20 twips over the field's left and
/// top edges, 30 twips wider than the field and exactly as high.
void Position_Text_Only(forms::Form& form, forms::TextBox& txtNewValue, const forms::Rect& rcField);

} // namespace corvane::trigger::Module1
