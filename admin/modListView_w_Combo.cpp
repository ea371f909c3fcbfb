#include "admin/modListView_w_Combo.h"

namespace corvane::modListView_w_Combo {

void Unhook(forms::Hwnd listView, ErrorReporter& errors) {
    errors.guard("modListView_w_Combo: Sub Unhook", [&](Statement& at) {
        at(10);
        // The tool never subclasses the list views: the combo box is hidden whenever the list around it
        // can scroll or change, so nothing has to follow the list's own messages. The record of an
        // installed procedure therefore always says "none", and there is no earlier one to put back.
        (void)listView;
    });
}

} // namespace corvane::modListView_w_Combo
