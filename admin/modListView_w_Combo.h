#pragma once

#include "common/ErrorReport.h"
#include "forms/Hwnd.h"

/// The window-procedure side of the rights combo box that floats over the user list views.
namespace corvane::modListView_w_Combo {

/// Puts a list view's earlier window procedure back when a replacement is recorded as installed, and
/// records that none is. Failures are reported under "modListView_w_Combo: Sub Unhook".
void Unhook(forms::Hwnd listView, ErrorReporter& errors);

} // namespace corvane::modListView_w_Combo
